#include "database.h"

#include "jet_text.h"
#include "sqlite_error.h"
#include "statement.h"

#include <QFile>
#include <sqlite3.h>

namespace platform::ado::detail {

namespace {

std::shared_ptr<Database> adopt(Database* database)
{
    return std::shared_ptr<Database>(database);
}

sqlite3* openHandle(const QString& path, int flags, const QString& what)
{
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        try {
            raiseSqlite(db, rc, what);
        } catch (...) {
            sqlite3_close_v2(db);
            throw;
        }
    }
    sqlite3_extended_result_codes(db, 1);
    return db;
}

}  // namespace

std::shared_ptr<Database> Database::open(const QString& path, bool readOnly, int timeoutSeconds)
{
    const int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    sqlite3* db = openHandle(path, flags, "Apertura dell'archivio \"" + path + "\" non riuscita");
    auto database = adopt(new Database(db, path));
    database->prepare(timeoutSeconds);
    return database;
}

std::shared_ptr<Database> Database::create(const QString& path)
{
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    sqlite3* db = openHandle(path, flags, "Creazione dell'archivio \"" + path + "\" non riuscita");
    auto database = adopt(new Database(db, path));
    database->prepare(15);
    return database;
}

Database::~Database()
{
    sqlite3_close_v2(db_);
}

void Database::prepare(int timeoutSeconds)
{
    const QString what = "Apertura dell'archivio \"" + path_ + "\" non riuscita";
    sqlite3_busy_timeout(db_, (timeoutSeconds > 0 ? timeoutSeconds : 30) * 1000);
    registerJetText(db_);
    // Reading the schema here turns a damaged file into an error at open.
    execute(db_, "SELECT count(*) FROM sqlite_master", what);
    if (!sqlite3_db_readonly(db_, "main")) {
        execute(db_, "PRAGMA journal_mode=DELETE", what);
        execute(db_, "PRAGMA synchronous=FULL", what);
    }
}

}  // namespace platform::ado::detail
