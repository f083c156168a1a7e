#include "statement.h"

#include "sqlite_error.h"

#include <sqlite3.h>

namespace platform::ado::detail {

Statement::Statement(sqlite3* db, const QByteArray& sql, const QString& what, const char** tail)
    : db_(db), what_(what)
{
    int rc = sqlite3_prepare_v2(db_, sql.constData(), int(sql.size()), &stmt_, tail);
    if (rc != SQLITE_OK)
        raiseSqlite(db_, rc, what_);
}

Statement::~Statement()
{
    sqlite3_finalize(stmt_);
}

void Statement::bindNull(int index)
{
    sqlite3_bind_null(stmt_, index);
}

void Statement::bindInteger(int index, std::int64_t value)
{
    sqlite3_bind_int64(stmt_, index, value);
}

void Statement::bindText(int index, const QByteArray& utf8)
{
    sqlite3_bind_text(stmt_, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

bool Statement::step()
{
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3_reset(stmt_);
    raiseSqlite(db_, rc, what_);
}

void Statement::run()
{
    while (step()) {
    }
}

void Statement::reset()
{
    sqlite3_reset(stmt_);
}

std::int64_t Statement::integerColumn(int index) const
{
    return sqlite3_column_int64(stmt_, index);
}

void execute(sqlite3* db, const QByteArray& sql, const QString& what)
{
    char* message = nullptr;
    int rc = sqlite3_exec(db, sql.constData(), nullptr, nullptr, &message);
    sqlite3_free(message);  // sqlite3_errmsg still holds the same detail
    if (rc != SQLITE_OK)
        raiseSqlite(db, rc, what);
}

QByteArray quotedName(const QByteArray& name)
{
    QByteArray quoted = name;
    quoted.replace('"', "\"\"");
    return '"' + quoted + '"';
}

}  // namespace platform::ado::detail
