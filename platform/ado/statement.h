#pragma once
// A prepared SQLite statement that finalizes itself and raises the archive
// error (with the caller's Italian "what failed") on any failure.

#include <QByteArray>
#include <QString>
#include <cstdint>

struct sqlite3;
struct sqlite3_stmt;

namespace platform::ado::detail {

class Statement {
public:
    // `what` names the operation in Italian for the error description.
    // With `tail`, the text after the first statement is returned there;
    // text holding no statement at all leaves get() null.
    Statement(sqlite3* db, const QByteArray& sql, const QString& what, const char** tail = nullptr);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* get() const { return stmt_; }

    void bindNull(int index);
    void bindInteger(int index, std::int64_t value);
    void bindText(int index, const QByteArray& utf8);

    // One step: true when a row is ready.
    bool step();
    // Steps to the end, discarding rows.
    void run();
    void reset();

    std::int64_t integerColumn(int index) const;

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    QString what_;
};

// Runs SQL text that returns no rows (one or more statements, no translation).
void execute(sqlite3* db, const QByteArray& sql, const QString& what);

// "name" quoted as an SQLite identifier.
QByteArray quotedName(const QByteArray& name);

}  // namespace platform::ado::detail
