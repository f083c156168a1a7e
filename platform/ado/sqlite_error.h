#pragma once
// Every failure of the archive reaches the caller as runtime::Error with the
// number ErrDatabase and an Italian description: what failed, why in plain
// words, and SQLite's own detail in parentheses.

#include <QString>

struct sqlite3;

namespace platform::ado::detail {

// Raises ErrDatabase with `description` as it is.
[[noreturn]] void raise(const QString& description);

// Raises ErrDatabase for a failed SQLite call: "<what>: <reason> (<detail>)."
[[noreturn]] void raiseSqlite(sqlite3* db, int resultCode, const QString& what);

// The plain Italian reason for an SQLite result code.
QString reasonFor(int resultCode);

}  // namespace platform::ado::detail
