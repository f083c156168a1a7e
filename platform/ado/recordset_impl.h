#pragma once
// The state of an open Recordset: the columns, the rows read at Open, the
// position, the filter and the row being added or edited.  Split over
// recordset.cpp (opening, moving, reading), recordset_writes.cpp (AutoNumber,
// Update) and recordset_filter.cpp.

#include "ado/ado.h"
#include "database.h"
#include "field_names.h"
#include "row_store.h"
#include "sqlite_error.h"
#include "text_cache.h"
#include "values.h"

#include <optional>
#include <unordered_map>
#include <vector>

namespace platform::ado {

namespace detail {

class Statement;

struct Column {
    QString name;
    QByteArray originTable;  // empty for an expression
    QByteArray originName;
    ColumnKind kind = ColumnKind::Any;
};

}  // namespace detail

// The provider's own helpers, named plainly in the Impl (this header is
// internal to the provider).
using detail::Cell;
using detail::CellType;
using detail::Column;
using detail::ColumnKind;
using detail::Database;
using detail::FieldNames;
using detail::RowStore;
using detail::TextCache;
using detail::decodeCell;
using detail::raise;

struct Recordset::Impl {
    std::weak_ptr<Database> database;
    bool open = false;
    int lockType = adLockOptimistic;

    std::vector<Column> columns;
    FieldNames names;
    RowStore store;
    mutable TextCache texts;
    long rowTotal = 0;  // rows read at Open plus rows added since
    // Rows written by Update, as read back from the archive, by row number.
    std::unordered_map<long, std::vector<Variant>> rewritten;

    QString filter;
    bool filtered = false;
    std::vector<long> visibleRows;
    long position = 0;  // among the visible rows; their count means end of file

    int editMode = adEditNone;
    std::vector<std::optional<Variant>> pending;
    std::int64_t newKey = 0;
    long positionBeforeAdd = 0;

    QByteArray table;  // the one table an updatable set comes from
    int keyColumn = -1;
    bool autoIncrement = false;
    bool updatable = false;

    long visibleCount() const { return filtered ? long(visibleRows.size()) : rowTotal; }
    long rowAt(long visible) const { return filtered ? visibleRows[std::size_t(visible)] : visible; }
    bool atRow() const { return position >= 0 && position < visibleCount(); }

    Variant storedValue(long row, int column) const
    {
        if (!rewritten.empty()) {
            auto found = rewritten.find(row);
            if (found != rewritten.end())
                return found->second[std::size_t(column)];
        }
        const ColumnKind kind = columns[std::size_t(column)].kind;
        const Cell cell = store.cell(row, column);
        if (cell.type == CellType::Text && (kind == ColumnKind::Text || kind == ColumnKind::Any))
            return Variant(texts.text(column, cell.data, cell.size));
        return decodeCell(kind, cell);
    }

    // A field of the current row, or of the row being added or edited.
    Variant fieldValue(int index) const
    {
        if (editMode != adEditNone) {
            if (pending[std::size_t(index)])
                return *pending[std::size_t(index)];
            if (editMode == adEditAdd)
                return index == keyColumn ? Variant(std::int32_t(newKey)) : Variant();
        }
        if (!atRow())
            raise("Nessuna riga corrente: il recordset è vuoto o è alla fine.");
        return storedValue(rowAt(position), index);
    }

    void requireOpen() const
    {
        if (!open)
            raise("Il recordset è chiuso: l'operazione non è possibile.");
    }

    sqlite3* requireDatabase() const
    {
        auto db = database.lock();
        if (!db)
            raise("La connessione all'archivio di questo recordset è stata chiusa.");
        return db->handle();
    }

    int columnIndex(const QString& name) const
    {
        int index = names.find(name);
        if (index < 0)
            raise("Il campo " + name + " non esiste in questo recordset.");
        return index;
    }

    void requireWritable(int column) const
    {
        const QString& name = columns[std::size_t(column)].name;
        if (lockType == adLockReadOnly)
            raise("Il recordset è aperto in sola lettura: il campo " + name + " non si può modificare.");
        if (!updatable)
            raise("Il campo " + name +
                  " non si può modificare: i campi di questa interrogazione non vengono tutti da una sola tabella "
                  "insieme alla sua chiave.");
    }

    void clearEdit()
    {
        editMode = adEditNone;
        pending.clear();
    }

    void readRows(detail::Statement& statement);
    void findKey(sqlite3* db);
    std::int64_t reserveKey(sqlite3* db);
    std::vector<Variant> readBack(sqlite3* db, std::int64_t key) const;
    void store_();
    void applyFilter(const QString& text);
};

}  // namespace platform::ado
