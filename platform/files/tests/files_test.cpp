#include "files/files.h"
#include "files/operations.h"
#include "runtime/error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

// Readable failure messages.
void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

using namespace platform::files;
using platform::runtime::Error;

// Bytes that any text conversion would change: NUL, CR LF, a lone CR, high bytes.
const QByteArray kPhoto = QByteArray("\xFF\xD8\xFF\xE0\0\r\n\r\x80 fine", 14).repeated(5000);

class FilesFolder : public testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }

    QString make(const QString& name, const QByteArray& content) const {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
            ADD_FAILURE() << "cannot write " << name.toStdString();
        }
        return path(name);
    }

    QByteArray contentOf(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<assente>");
    }

    // Everything in the folder, in byte order.
    QStringList names() const {
        QStringList all = QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
        all.sort(Qt::CaseSensitive);
        return all;
    }

    // Runs `action` and returns the description of the Error it raises.
    template <typename Action>
    static QString errorOf(Action action, int* number = nullptr) {
        try {
            action();
        } catch (const Error& e) {
            if (number != nullptr) {
                *number = e.number();
            }
            return e.description();
        }
        return "<nessun errore>";
    }

    QTemporaryDir dir;
};

TEST_F(FilesFolder, ExistenceTellsFilesFromFolders) {
    make("foto.jpg", "x");
    ASSERT_TRUE(QDir(dir.path()).mkdir("Upload"));
    struct Row {
        QString path;
        bool file;
        bool folder;
    };
    for (const Row& row : {Row{path("foto.jpg"), true, false}, Row{path("Upload"), false, true},
                           Row{path("assente.jpg"), false, false}, Row{path("Upload/foto.jpg"), false, false},
                           Row{QString(), false, false}}) {
        EXPECT_EQ(FileExists(row.path), row.file) << row.path.toStdString();
        EXPECT_EQ(FolderExists(row.path), row.folder) << row.path.toStdString();
    }
}

TEST_F(FilesFolder, CopyIsByteForByteAndReplacesWhenAsked) {
    const QString source = make(u"Città.jpg"_qs, kPhoto);
    make("Franc.12.jpg", "vecchia foto");
    CopyFile(source, path("Franc.12.jpg"), true);
    CopyFile(source, path("nuovo.jpg"), false);
    EXPECT_EQ(contentOf("Franc.12.jpg"), kPhoto);
    EXPECT_EQ(contentOf("nuovo.jpg"), kPhoto);
    EXPECT_EQ(contentOf(u"Città.jpg"_qs), kPhoto);
    EXPECT_EQ(names().size(), 3) << "no temporary file left behind";
}

TEST_F(FilesFolder, CopyOntoItselfKeepsTheFile) {
    const QString photo = make("Franc.12.jpg", kPhoto);
    CopyFile(photo, photo, true);
    EXPECT_EQ(contentOf("Franc.12.jpg"), kPhoto);
    EXPECT_EQ(names(), QStringList{"Franc.12.jpg"});
}

TEST_F(FilesFolder, RefusedOperationsNameThePathAndChangeNothing) {
    const QString source = make("foto.jpg", "nuova");
    make("Franc.12.jpg", "vecchia");
    ASSERT_TRUE(QDir(dir.path()).mkdir("Upload"));
    struct Row {
        const char* name;
        std::function<void()> action;
        int number;
        QString description;
    };
    const Row rows[] = {
        {"missing_source", [&] { CopyFile(path("manca.jpg"), path("x.jpg"), true); }, 53,
         "File non trovato: " + path("manca.jpg")},
        {"folder_as_source", [&] { CopyFile(path("Upload"), path("x.jpg"), true); }, 53,
         "File non trovato: " + path("Upload")},
        {"missing_destination_folder", [&] { CopyFile(source, path("manca/x.jpg"), true); }, 76,
         "Percorso non trovato: " + path("manca")},
        {"destination_is_a_folder", [&] { CopyFile(source, path("Upload"), true); }, 70,
         "Impossibile copiare " + source + " in " + path("Upload") + ": è una cartella"},
        {"existing_destination_without_overwrite", [&] { CopyFile(source, path("Franc.12.jpg"), false); }, 58,
         "Il file esiste già: " + path("Franc.12.jpg")},
        {"delete_missing_file", [&] { DeleteFile(path("manca.jpg")); }, 53, "File non trovato: " + path("manca.jpg")},
        {"delete_a_folder", [&] { DeleteFile(path("Upload")); }, 53, "File non trovato: " + path("Upload")},
        {"move_missing_file", [&] { MoveFile(path("manca.jpg"), path("x.jpg")); }, 53,
         "File non trovato: " + path("manca.jpg")},
        {"move_into_missing_folder", [&] { MoveFile(source, path("manca/x.jpg")); }, 76,
         "Percorso non trovato: " + path("manca")},
        {"temp_name_in_missing_folder", [&] { TempNameIn(path("manca")); }, 76, "Percorso non trovato: " + path("manca")},
    };
    for (const Row& row : rows) {
        int number = 0;
        EXPECT_EQ(errorOf(row.action, &number), row.description) << row.name;
        EXPECT_EQ(number, row.number) << row.name;
    }
    EXPECT_EQ(contentOf("foto.jpg"), "nuova");
    EXPECT_EQ(contentOf("Franc.12.jpg"), "vecchia");
    EXPECT_EQ(names(), (QStringList{"Franc.12.jpg", "Upload", "foto.jpg"}));
}

TEST_F(FilesFolder, DeleteAndMoveDoTheirWork) {
    const QString old = make("vecchio.mdb", "vecchio");
    const QString copy = make("archivio.mdb", kPhoto);
    const QString backup = make("Backup al 09-12-2026.mdb", "backup precedente");
    DeleteFile(old);
    MoveFile(copy, backup);
    EXPECT_EQ(names(), QStringList{"Backup al 09-12-2026.mdb"});
    EXPECT_EQ(contentOf("Backup al 09-12-2026.mdb"), kPhoto);
    RenameFile(backup, path("rinominato.mdb"));
    EXPECT_EQ(names(), QStringList{"rinominato.mdb"});
}

TEST_F(FilesFolder, TempNamesAreNewFilesInTheFolder) {
    const QString first = TempNameIn(dir.path());
    const QString second = TempNameIn(dir.path());
    EXPECT_NE(first, second);
    EXPECT_EQ(QFileInfo(first).absolutePath(), QFileInfo(dir.path()).absoluteFilePath());
    EXPECT_TRUE(FileExists(first));
    EXPECT_TRUE(FileExists(second));
}

// Failures of the system calls themselves, injected through the table.
std::error_code diskFull(const Path&, const Path&) {
    return std::make_error_code(std::errc::no_space_on_device);
}
std::error_code ioError(const Path&, const Path&) {
    return std::make_error_code(std::errc::io_error);
}
std::error_code accessDenied(const Path&) {
    return std::make_error_code(std::errc::permission_denied);
}
std::error_code otherDisk(const Path&, const Path&) {
    return std::make_error_code(std::errc::cross_device_link);
}
std::error_code halfCopy(const Path& from, const Path& to) {
    QFile target(QString::fromStdString(to.native()));
    if (target.open(QIODevice::WriteOnly)) {
        target.write("meta");
    }
    (void)from;
    return std::make_error_code(std::errc::io_error);
}

TEST_F(FilesFolder, FailedCopyLeavesTheOldFileWhole) {
    const QString source = make("foto.jpg", kPhoto);
    const QString target = make("Franc.12.jpg", "vecchia");
    struct Row {
        const char* name;
        Operations ops;
        int number;
        QString reason;
    };
    Operations failingCopy = systemOperations();
    failingCopy.copyContents = diskFull;
    Operations partialCopy = systemOperations();
    partialCopy.copyContents = halfCopy;
    Operations failingRename = systemOperations();
    failingRename.rename = ioError;
    for (const Row& row : {Row{"copy_fails", failingCopy, 61, "spazio su disco insufficiente"},
                           Row{"copy_stops_halfway", partialCopy, 57, "errore di lettura o scrittura sul disco"},
                           Row{"rename_fails", failingRename, 57, "errore di lettura o scrittura sul disco"}}) {
        ScopedOperations use(row.ops);
        int number = 0;
        EXPECT_EQ(errorOf([&] { CopyFile(source, target, true); }, &number),
                  "Impossibile copiare " + source + " in " + target + ": " + row.reason)
            << row.name;
        EXPECT_EQ(number, row.number) << row.name;
        EXPECT_EQ(contentOf("Franc.12.jpg"), "vecchia") << row.name;
        EXPECT_EQ(names(), (QStringList{"Franc.12.jpg", "foto.jpg"})) << row.name << ": temporary file removed";
    }
}

TEST_F(FilesFolder, FailedDeleteAndMoveReportAndKeepTheFiles) {
    const QString source = make("archivio.mdb", "dati");
    const QString target = make("backup.mdb", "vecchio");
    Operations failing = systemOperations();
    failing.remove = accessDenied;
    failing.rename = ioError;
    ScopedOperations use(failing);
    int number = 0;
    EXPECT_EQ(errorOf([&] { DeleteFile(source); }, &number), "Impossibile eliminare " + source + ": accesso negato");
    EXPECT_EQ(number, 70);
    EXPECT_EQ(errorOf([&] { MoveFile(source, target); }),
              "Impossibile spostare " + source + " in " + target + ": errore di lettura o scrittura sul disco");
    EXPECT_EQ(contentOf("archivio.mdb"), "dati");
    EXPECT_EQ(contentOf("backup.mdb"), "vecchio");
}

TEST_F(FilesFolder, MoveToAnotherDiskCopiesThenDeletes) {
    const QString source = make("archivio.mdb", kPhoto);
    const QString target = make("backup.mdb", "vecchio");
    Operations otherDevice = systemOperations();
    // A rename of the source across disks fails; the rename of the copy's
    // temporary file beside the target still works.
    otherDevice.rename = [](const Path& from, const Path& to) {
        return from.filename().string().starts_with("albora-") ? systemOperations().rename(from, to) : otherDisk(from, to);
    };
    ScopedOperations use(otherDevice);
    MoveFile(source, target);
    EXPECT_EQ(names(), QStringList{"backup.mdb"});
    EXPECT_EQ(contentOf("backup.mdb"), kPhoto);
}

}  // namespace
