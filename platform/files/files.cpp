#include "files.h"

#include "failure_text.h"
#include "operations.h"
#include "runtime/error.h"

#include <QFile>
#include <QRandomGenerator>

namespace platform::files {
namespace {

using std::filesystem::file_type;

Path toPath(const QString& path) {
    return Path(QFile::encodeName(path).toStdString());
}

QString toText(const Path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

Path folderOf(const Path& path) {
    return path.has_parent_path() ? path.parent_path() : Path(".");
}

bool isFile(const Path& path) {
    return !path.empty() && operations().typeOf(path) == file_type::regular;
}

bool isFolder(const Path& path) {
    return !path.empty() && operations().typeOf(path) == file_type::directory;
}

[[noreturn]] void fail(std::error_code error, const QString& what) {
    throw runtime::Error(detail::numberOf(error), what + ": " + detail::reasonOf(error));
}

void requireFile(const QString& path) {
    if (!isFile(toPath(path))) {
        throw runtime::Error(runtime::ErrFileNotFound, "File non trovato: " + path);
    }
}

// The folder of a file about to be written must exist, and the name must
// not be taken by a folder.
void requireWritableTarget(const QString& destination, const QString& what) {
    const Path target = toPath(destination);
    if (!isFolder(folderOf(target))) {
        throw runtime::Error(runtime::ErrPathNotFound, "Percorso non trovato: " + toText(folderOf(target)));
    }
    if (isFolder(target)) {
        fail(std::make_error_code(std::errc::is_a_directory), what);
    }
}

QString describeCopy(const QString& source, const QString& destination) {
    return "Impossibile copiare " + source + " in " + destination;
}

Path reserveTempIn(const Path& folder) {
    auto& random = *QRandomGenerator::global();
    std::error_code error;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const Path candidate = folder / QStringLiteral("albora-%1.tmp")
                                           .arg(random.generate(), 8, 16, QLatin1Char('0'))
                                           .toStdString();
        error = operations().createNew(candidate);
        if (!error) {
            return candidate;
        }
        if (error != std::errc::file_exists) {
            break;
        }
    }
    fail(error, "Impossibile creare un file temporaneo in " + toText(folder));
}

// Writes the copy beside the destination and renames it over the
// destination only once it is complete.
void copyThroughTemp(const QString& source, const QString& destination) {
    const Path target = toPath(destination);
    const Path temp = reserveTempIn(folderOf(target));
    std::error_code error = operations().copyContents(toPath(source), temp);
    if (!error) {
        error = operations().rename(temp, target);
    }
    if (error) {
        operations().remove(temp);
        fail(error, describeCopy(source, destination));
    }
}

}  // namespace

bool FileExists(const QString& path) {
    return isFile(toPath(path));
}

bool FolderExists(const QString& path) {
    return isFolder(toPath(path));
}

void CopyFile(const QString& source, const QString& destination, bool overwrite) {
    requireFile(source);
    requireWritableTarget(destination, describeCopy(source, destination));
    if (!overwrite && isFile(toPath(destination))) {
        throw runtime::Error(detail::ErrFileAlreadyExists, "Il file esiste già: " + destination);
    }
    copyThroughTemp(source, destination);
}

void DeleteFile(const QString& path) {
    requireFile(path);
    if (const auto error = operations().remove(toPath(path))) {
        fail(error, "Impossibile eliminare " + path);
    }
}

void MoveFile(const QString& source, const QString& destination) {
    requireFile(source);
    const QString what = "Impossibile spostare " + source + " in " + destination;
    requireWritableTarget(destination, what);
    const auto error = operations().rename(toPath(source), toPath(destination));
    if (error == std::errc::cross_device_link) {
        copyThroughTemp(source, destination);
        DeleteFile(source);
    } else if (error) {
        fail(error, what);
    }
}

QString TempNameIn(const QString& folder) {
    const Path where = toPath(folder);
    if (!isFolder(where)) {
        throw runtime::Error(runtime::ErrPathNotFound, "Percorso non trovato: " + folder);
    }
    return toText(reserveTempIn(where));
}

}  // namespace platform::files
