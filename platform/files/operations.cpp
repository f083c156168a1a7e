#include "operations.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::files {
namespace {

std::error_code lastError() {
    return {errno, std::generic_category()};
}

// Closes the descriptor when the scope ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closing can report a late write error, so it is checked where it matters.
    std::error_code close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? std::error_code{} : lastError();
    }

private:
    int fd_;
};

std::error_code writeAll(int fd, const char* data, ssize_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return lastError();
        }
        data += written;
        size -= written;
    }
    return {};
}

std::filesystem::file_type systemTypeOf(const Path& path) {
    std::error_code ignored;
    return std::filesystem::status(path, ignored).type();
}

std::error_code systemCopyContents(const Path& from, const Path& to) {
    Descriptor source(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
    if (!source.valid()) {
        return lastError();
    }
    struct stat sourceStatus {};
    if (::fstat(source.get(), &sourceStatus) != 0) {
        return lastError();
    }
    Descriptor target(::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (!target.valid()) {
        return lastError();
    }
    char block[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(source.get(), block, sizeof block);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return lastError();
        }
        if (got == 0) {
            break;
        }
        if (const auto error = writeAll(target.get(), block, got)) {
            return error;
        }
    }
    if (::fchmod(target.get(), sourceStatus.st_mode & 07777) != 0 || ::fsync(target.get()) != 0) {
        return lastError();
    }
    return target.close();
}

std::error_code systemRename(const Path& from, const Path& to) {
    std::error_code error;
    std::filesystem::rename(from, to, error);
    return error;
}

std::error_code systemRemove(const Path& path) {
    std::error_code error;
    if (!std::filesystem::remove(path, error) && !error) {
        return std::make_error_code(std::errc::no_such_file_or_directory);
    }
    return error;
}

std::error_code systemCreateNew(const Path& path) {
    Descriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!file.valid()) {
        return lastError();
    }
    return file.close();
}

const Operations kSystem{systemTypeOf, systemCopyContents, systemRename, systemRemove, systemCreateNew};
const Operations* current = &kSystem;

}  // namespace

const Operations& systemOperations() {
    return kSystem;
}

const Operations& operations() {
    return *current;
}

ScopedOperations::ScopedOperations(const Operations& replacement) : previous_(current) {
    current = &replacement;
}

ScopedOperations::~ScopedOperations() {
    current = previous_;
}

}  // namespace platform::files
