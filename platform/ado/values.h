#pragma once
// How the archive's values are stored and read back.
//
// The kind of a column comes from its declared type: CURRENCY holds whole
// ten-thousandths (never binary floating point), DATETIME holds ISO text
// ('yyyy-MM-dd' or 'yyyy-MM-dd HH:mm:ss'), INTEGER a Long, REAL a Double,
// TEXT text, BOOLEAN 1/0.  A column with no declared type (an expression)
// takes the kind of each value SQLite returns.

#include "runtime/variant.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

struct sqlite3_stmt;

namespace platform::ado::detail {

using runtime::Variant;

enum class ColumnKind : unsigned char { Any, Long, Currency, Double, Date, Text, Boolean };
enum class CellType : unsigned char { Null, Integer, Real, Text, Blob };

ColumnKind kindFromDeclaredType(const char* declaredType);

// One stored value as SQLite gives it; text and blobs point at bytes owned elsewhere.
struct Cell {
    CellType type = CellType::Null;
    std::int64_t integer = 0;
    double real = 0;
    const char* data = nullptr;
    int size = 0;
};

Cell cellOf(sqlite3_stmt* stmt, int column);
Variant decodeCell(ColumnKind kind, const Cell& cell);

// A value assigned to a field, converted to the column's kind (text with the
// regional settings).  Raises ErrDatabase naming the column when it does not
// convert: 'Il valore "abc" non è valido per il campo ValoreFacciale: serve un numero.'
Variant valueForColumn(const Variant& value, ColumnKind kind, const QString& column);

// Binds a value already converted by valueForColumn.
void bindValue(sqlite3_stmt* stmt, int index, const Variant& value);

// "yyyy-MM-dd", with " HH:mm:ss" when the time is not midnight.
QByteArray isoDateText(const QDateTime& moment);

}  // namespace platform::ado::detail
