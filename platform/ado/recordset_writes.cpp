#include "recordset_impl.h"

#include "statement.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <sqlite3.h>

namespace platform::ado {

using namespace detail;
using runtime::VarType;

namespace {

// Opens a write transaction at once, so that a concurrent writer is noticed
// before anything is done; rolls back unless committed.
class WriteTransaction {
public:
    WriteTransaction(sqlite3* db, const QString& what) : db_(db), what_(what)
    {
        execute(db_, "BEGIN IMMEDIATE", what_);
    }
    ~WriteTransaction()
    {
        if (!committed_)
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    void commit()
    {
        execute(db_, "COMMIT", what_);
        committed_ = true;
    }

private:
    sqlite3* db_;
    QString what_;
    bool committed_ = false;
};

std::int64_t keyOf(const Variant& value)
{
    return value.type() == VarType::Long ? value.toLong() : std::llround(value.toDouble());
}

}  // namespace

// The next AutoNumber, taken at once and for good: it is written into
// sqlite_sequence in its own transaction, so that no later row gets it
// again, even when this row is abandoned or the highest row is deleted.
std::int64_t Recordset::Impl::reserveKey(sqlite3* db)
{
    const QString what = "Preparazione della nuova riga non riuscita";
    WriteTransaction transaction(db, what);
    const QByteArray highestRow = "(SELECT max(" + quotedName(columns[std::size_t(keyColumn)].originName) + ") FROM " +
                                  quotedName(table) + ")";
    QByteArray sql = "SELECT coalesce(" + highestRow + ", 0)";
    if (autoIncrement)
        sql = "SELECT max(coalesce((SELECT seq FROM sqlite_sequence WHERE name=?1), 0), coalesce(" + highestRow + ", 0))";
    Statement highest(db, sql, what);
    if (autoIncrement)
        highest.bindText(1, table);
    highest.step();
    const std::int64_t next = highest.integerColumn(0) + 1;
    if (next > std::numeric_limits<std::int32_t>::max())
        raise("Il contatore " + columns[std::size_t(keyColumn)].name + " della tabella " + QString::fromUtf8(table) +
              " ha raggiunto il valore massimo: non si possono aggiungere altre righe.");
    if (autoIncrement) {
        Statement update(db, "UPDATE sqlite_sequence SET seq=?2 WHERE name=?1", what);
        update.bindText(1, table);
        update.bindInteger(2, next);
        update.run();
        if (sqlite3_changes(db) == 0) {
            Statement insert(db, "INSERT INTO sqlite_sequence (name, seq) VALUES (?1, ?2)", what);
            insert.bindText(1, table);
            insert.bindInteger(2, next);
            insert.run();
        }
    }
    transaction.commit();
    return next;
}

std::vector<Variant> Recordset::Impl::readBack(sqlite3* db, std::int64_t key) const
{
    QByteArray sql = "SELECT ";
    for (std::size_t c = 0; c < columns.size(); ++c)
        sql += (c ? ", " : "") + quotedName(columns[c].originName);
    sql += " FROM " + quotedName(table) + " WHERE " + quotedName(columns[std::size_t(keyColumn)].originName) + "=?1";
    Statement query(db, sql, "Rilettura della riga salvata non riuscita");
    query.bindInteger(1, key);
    std::vector<Variant> values(columns.size());
    if (query.step()) {
        for (std::size_t c = 0; c < columns.size(); ++c)
            values[c] = decodeCell(columns[c].kind, cellOf(query.get(), int(c)));
    }
    return values;
}

// Stores the row being added or edited (Update).
void Recordset::Impl::store_()
{
    if (editMode == adEditNone)
        return;
    sqlite3* db = requireDatabase();
    const QString what = "Salvataggio della riga non riuscito";

    // The value of each table column set, the last assignment winning when a
    // column appears twice in the set.
    std::vector<std::pair<QByteArray, Variant>> assignments;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (!pending[c])
            continue;
        auto same = std::find_if(assignments.begin(), assignments.end(), [&](const auto& a) {
            return a.first.compare(columns[c].originName, Qt::CaseInsensitive) == 0;
        });
        if (same != assignments.end())
            same->second = *pending[c];
        else
            assignments.emplace_back(columns[c].originName, *pending[c]);
    }
    const QByteArray keyName = quotedName(columns[std::size_t(keyColumn)].originName);

    if (editMode == adEditAdd) {
        QByteArray sql = "INSERT INTO " + quotedName(table) + " (" + keyName;
        QByteArray values = "?1";
        int parameter = 1;
        for (const auto& a : assignments) {
            sql += ", " + quotedName(a.first);
            values += ", ?" + QByteArray::number(++parameter);
        }
        Statement insert(db, sql + ") VALUES (" + values + ")", what);
        insert.bindInteger(1, newKey);
        parameter = 1;
        for (const auto& a : assignments)
            bindValue(insert.get(), ++parameter, a.second);
        insert.run();

        const long row = rowTotal++;
        if (filtered)
            visibleRows.push_back(row);
        position = visibleCount() - 1;
        const std::int64_t key = newKey;
        clearEdit();
        rewritten[row] = readBack(db, key);
        return;
    }

    const long row = rowAt(position);
    const std::int64_t key = keyOf(storedValue(row, keyColumn));
    if (!assignments.empty()) {
        QByteArray sql = "UPDATE " + quotedName(table) + " SET ";
        int parameter = 0;
        for (const auto& a : assignments) {
            sql += (parameter ? ", " : "") + quotedName(a.first);
            sql += "=?" + QByteArray::number(++parameter);
        }
        sql += " WHERE " + keyName + "=?" + QByteArray::number(++parameter);
        Statement update(db, sql, what);
        parameter = 0;
        for (const auto& a : assignments)
            bindValue(update.get(), ++parameter, a.second);
        update.bindInteger(++parameter, key);
        update.run();
        if (sqlite3_changes(db) == 0)
            raise(what + ": la riga " + QString::number(key) + " non c'è più nell'archivio (è stata eliminata nel frattempo).");
    }
    clearEdit();
    rewritten[row] = readBack(db, key);
}

}  // namespace platform::ado
