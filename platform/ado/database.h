#pragma once
// One open archive file: the SQLite handle with the Jet text rules
// registered and the durability settings applied (rollback journal deleted
// at each commit, full sync).  Shared by a Connection and the recordsets
// opened on it, which hold it weakly and so notice when it is closed.

#include <QString>
#include <memory>

struct sqlite3;

namespace platform::ado::detail {

class Database {
public:
    // Opens an existing archive file (never creates one).  Raises ErrDatabase.
    static std::shared_ptr<Database> open(const QString& path, bool readOnly, int timeoutSeconds);
    // Creates a new database file at `path`, which must not exist.
    static std::shared_ptr<Database> create(const QString& path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    sqlite3* handle() const { return db_; }
    const QString& path() const { return path_; }

private:
    Database(sqlite3* db, const QString& path) : db_(db), path_(path) {}
    void prepare(int timeoutSeconds);

    sqlite3* db_;
    QString path_;
};

}  // namespace platform::ado::detail
