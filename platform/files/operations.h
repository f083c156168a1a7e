#pragma once
// The few operating-system calls the file layer makes, gathered in one
// table so that tests can put a failing copy, rename or delete in place of
// the real one.
//
//   Operations failing = systemOperations();
//   failing.rename = [](const Path&, const Path&) { return std::make_error_code(std::errc::io_error); };
//   ScopedOperations use(failing);   // until the end of the scope

#include <filesystem>
#include <system_error>

namespace platform::files {

using Path = std::filesystem::path;

struct Operations {
    // What lies at the path, links followed; not_found (or none) when nothing can be reached.
    std::filesystem::file_type (*typeOf)(const Path& path);
    // Writes `to` (created or emptied) with the bytes of `from` and the
    // permissions of `from`, and flushes it to the disk.
    std::error_code (*copyContents)(const Path& from, const Path& to);
    // Gives `from` the name `to`, replacing a file of that name in one step.
    std::error_code (*rename)(const Path& from, const Path& to);
    std::error_code (*remove)(const Path& path);
    // Creates an empty file; fails with file_exists when the name is taken.
    std::error_code (*createNew)(const Path& path);
};

const Operations& systemOperations();

// The table in use: the system's unless a ScopedOperations says otherwise.
const Operations& operations();

class ScopedOperations {
public:
    explicit ScopedOperations(const Operations& replacement);
    ~ScopedOperations();
    ScopedOperations(const ScopedOperations&) = delete;
    ScopedOperations& operator=(const ScopedOperations&) = delete;

private:
    const Operations* previous_;
};

}  // namespace platform::files
