#include "archive_file.h"

#include "sqlite_error.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::ado::detail {

namespace {

QString quoted(const QString& path)
{
    return "\"" + path + "\"";
}

bool permitted(const QByteArray& native, const struct stat& info, int accessMode, mode_t bits)
{
    return ::access(native.constData(), accessMode) == 0 && (info.st_mode & bits) != 0;
}

// The first bytes of the file, or an error naming the path.
QByteArray header(const QString& path, const QByteArray& native)
{
    int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        raise("Il file dell'archivio " + quoted(path) + " non si può leggere: " + QString::fromLocal8Bit(std::strerror(errno)) + ".");
    QByteArray bytes(100, '\0');
    ssize_t got = ::read(fd, bytes.data(), std::size_t(bytes.size()));
    ::close(fd);
    if (got < 0)
        raise("Il file dell'archivio " + quoted(path) + " non si può leggere.");
    bytes.truncate(qsizetype(got));
    return bytes;
}

}  // namespace

void checkArchiveFile(const QString& path, bool forWriting)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (::stat(native.constData(), &info) != 0) {
        const QString folder = QFileInfo(path).absolutePath();
        if (!QFileInfo(folder).isDir())
            raise("La cartella " + quoted(folder) + " dell'archivio " + quoted(path) + " non esiste.");
        raise("L'archivio " + quoted(path) + " non esiste.");
    }
    if (S_ISDIR(info.st_mode))
        raise(quoted(path) + " è una cartella, non il file dell'archivio.");
    if (!S_ISREG(info.st_mode))
        raise(quoted(path) + " non è un file: non può essere l'archivio.");
    if (info.st_size == 0)
        raise("Il file " + quoted(path) + " è vuoto: non è un archivio.");
    if (!permitted(native, info, R_OK, S_IRUSR | S_IRGRP | S_IROTH))
        raise("Il file dell'archivio " + quoted(path) + " non si può leggere: mancano i permessi di lettura.");

    const QByteArray bytes = header(path, native);
    if (bytes.size() >= 19 && (bytes.mid(4, 15) == "Standard Jet DB" || bytes.mid(4, 15) == "Standard ACE DB"))
        raise("Il file " + quoted(path) +
              " è un archivio Access (.mdb) del programma precedente: va convertito nel formato di Albora prima di aprirlo.");
    if (bytes.size() < 100 || !bytes.startsWith(QByteArray("SQLite format 3\0", 16)))
        raise("Il file " + quoted(path) + " non è un archivio di Albora.");

    if (forWriting) {
        if (!permitted(native, info, W_OK, S_IWUSR | S_IWGRP | S_IWOTH))
            raise("Il file dell'archivio " + quoted(path) +
                  " è di sola lettura: servono i permessi di scrittura per aggiornarlo.");
        const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
        if (::access(folder.constData(), W_OK | X_OK) != 0)
            raise("Nella cartella dell'archivio " + quoted(QFileInfo(path).absolutePath()) +
                  " non si può scrivere: servono i permessi di scrittura per aggiornare l'archivio.");
    }
}

}  // namespace platform::ado::detail
