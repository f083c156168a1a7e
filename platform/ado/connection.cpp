#include "ado/ado.h"

#include "archive_file.h"
#include "archive_password.h"
#include "connection_impl.h"
#include "connection_string.h"
#include "jet_dialect.h"
#include "sqlite_error.h"
#include "statement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::ado {

using namespace detail;

namespace {

constexpr int adModeRead = 1;

detail::Database& openDatabase(const std::shared_ptr<detail::Database>& database)
{
    if (!database)
        raise("La connessione all'archivio non è aperta.");
    return *database;
}

}  // namespace

Connection::Connection() : d_(std::make_unique<Impl>()) {}

Connection::~Connection() = default;

void Connection::Open(const QString& connectionString, const QString& userId, const QString& password, int)
{
    if (d_->database)
        raise("La connessione all'archivio è già aperta.");
    const OpenRequest request = parseOpenRequest(ConnectionString, connectionString, userId, password);
    checkOpenRequest(request);
    const bool readOnly = (Mode & 3) == adModeRead;
    checkArchiveFile(request.dataSource, !readOnly);
    auto database = Database::open(request.dataSource, readOnly, ConnectionTimeout);
    verifyPassword(database->handle(), request.dataSource, request.password);
    d_->database = std::move(database);
}

void Connection::Close()
{
    d_->database.reset();
}

int Connection::State() const
{
    return d_->database ? adStateOpen : adStateClosed;
}

void Connection::Execute(const QString& sql)
{
    auto& database = openDatabase(d_->database);
    execute(database.handle(), translateJetSql(sql).toUtf8(), "Esecuzione dell'istruzione non riuscita");
}

void Connection::setDatabasePassword(const QString& password)
{
    setPassword(openDatabase(d_->database).handle(), password);
}

sqlite3* Connection::handle() const
{
    return d_->database ? d_->database->handle() : nullptr;
}

QString Connection::dataSource() const
{
    return d_->database ? d_->database->path() : QString();
}

void CreateArchive(const QString& path, const QStringList& statements, const QString& password)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat existing {};
    if (::lstat(native.constData(), &existing) == 0)
        raise("Il file \"" + path + "\" esiste già: l'archivio nuovo non lo sostituisce.");
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir())
        raise("La cartella \"" + folder + "\" non esiste: l'archivio \"" + path + "\" non si può creare.");

    // Built under a temporary name and linked into place only when complete,
    // so that a failure leaves nothing and an existing file is never replaced.
    QTemporaryFile building(folder + "/.archivio-nuovo-XXXXXX");
    if (!building.open())
        raise("Nella cartella \"" + folder + "\" non si può creare l'archivio: " + building.errorString() + ".");
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(building.handle(), 0666 & ~mask);
    building.close();

    {
        auto database = Database::create(building.fileName());
        for (const QString& statement : statements)
            execute(database->handle(), statement.toUtf8(), "Creazione delle tabelle dell'archivio non riuscita");
        if (!password.isEmpty())
            setPassword(database->handle(), password);
    }

    const QByteArray temporary = QFile::encodeName(building.fileName());
    if (::link(temporary.constData(), native.constData()) != 0) {
        if (errno == EEXIST)
            raise("Il file \"" + path + "\" esiste già: l'archivio nuovo non lo sostituisce.");
        // Folders that know no hard links: rename, checking once more first.
        if (::lstat(native.constData(), &existing) == 0)
            raise("Il file \"" + path + "\" esiste già: l'archivio nuovo non lo sostituisce.");
        if (::rename(temporary.constData(), native.constData()) != 0)
            raise("L'archivio \"" + path + "\" non si può creare: " + QString::fromLocal8Bit(std::strerror(errno)) + ".");
        building.setAutoRemove(false);
    }
}

}  // namespace platform::ado
