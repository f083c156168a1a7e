#include "ado/ado.h"

#include "connection_impl.h"
#include "field_names.h"
#include "jet_dialect.h"
#include "jet_text.h"
#include "regional/regional.h"
#include "row_store.h"
#include "sqlite_error.h"
#include "statement.h"
#include "text_cache.h"
#include "values.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <sqlite3.h>
#include <unordered_map>

namespace platform::ado {

using namespace detail;
using runtime::VarType;

namespace {

struct Column {
    QString name;
    QByteArray originTable;  // empty for an expression
    QByteArray originName;
    ColumnKind kind = ColumnKind::Any;
};

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

bool onlyBlanks(const char* text)
{
    for (; text && *text; ++text) {
        if (*text != ';' && !QChar::isSpace(uchar(*text)))
            return false;
    }
    return true;
}

std::int64_t keyOf(const Variant& value)
{
    return value.type() == VarType::Long ? value.toLong() : std::llround(value.toDouble());
}

}  // namespace

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

    void readRows(Statement& statement);
    void findKey(sqlite3* db);
    std::int64_t reserveKey(sqlite3* db);
    std::vector<Variant> readBack(sqlite3* db, std::int64_t key) const;
    void store_();
    void applyFilter(const QString& text);
};

void Recordset::Impl::readRows(Statement& statement)
{
    sqlite3_stmt* stmt = statement.get();
    const int count = sqlite3_column_count(stmt);
    QStringList fieldNames;
    columns.resize(std::size_t(count));
    for (int c = 0; c < count; ++c) {
        Column& column = columns[std::size_t(c)];
        column.name = QString::fromUtf8(sqlite3_column_name(stmt, c));
        column.kind = kindFromDeclaredType(sqlite3_column_decltype(stmt, c));
        if (const char* origin = sqlite3_column_table_name(stmt, c)) {
            const char* schema = sqlite3_column_database_name(stmt, c);
            if (schema && qstrcmp(schema, "main") == 0) {
                column.originTable = origin;
                column.originName = sqlite3_column_origin_name(stmt, c);
            }
        }
        fieldNames << column.name;
    }
    names.assign(fieldNames);
    store = RowStore(count);
    texts = TextCache(count);
    while (statement.step())
        store.appendRow(stmt);
    store.finish();
    rowTotal = store.rowCount();
}

// An updatable set takes every column from one table and includes the
// table's INTEGER PRIMARY KEY, which names each row.
void Recordset::Impl::findKey(sqlite3* db)
{
    if (columns.empty())
        return;
    const QByteArray first = columns.front().originTable;
    for (const Column& column : columns) {
        if (column.originTable.isEmpty() || column.originTable.compare(first, Qt::CaseInsensitive) != 0)
            return;
    }
    Statement info(db, "PRAGMA main.table_info(" + quotedName(first) + ")", "Lettura della struttura della tabella non riuscita");
    QByteArray keyName;
    int keyParts = 0;
    while (info.step()) {
        sqlite3_stmt* row = info.get();
        if (sqlite3_column_int(row, 5) > 0) {
            ++keyParts;
            if (qstricmp(reinterpret_cast<const char*>(sqlite3_column_text(row, 2)), "INTEGER") == 0)
                keyName = reinterpret_cast<const char*>(sqlite3_column_text(row, 1));
        }
    }
    if (keyParts != 1 || keyName.isEmpty())
        return;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (columns[c].originName.compare(keyName, Qt::CaseInsensitive) == 0) {
            keyColumn = int(c);
            break;
        }
    }
    if (keyColumn < 0)
        return;
    int autoinc = 0;
    sqlite3_table_column_metadata(db, "main", first.constData(), keyName.constData(), nullptr, nullptr, nullptr,
                                  nullptr, &autoinc);
    table = first;
    autoIncrement = autoinc != 0;
    updatable = true;
}

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

// "Column=value": the rows whose column equals the value, compared the Jet way.
void Recordset::Impl::applyFilter(const QString& text)
{
    const qsizetype equals = text.indexOf('=');
    if (equals <= 0)
        raise("Il filtro \"" + text + "\" non è valido: serve la forma Campo=valore.");
    const int column = names.find(text.left(equals).trimmed());
    if (column < 0)
        raise("Il filtro \"" + text + "\" nomina il campo " + text.left(equals).trimmed() +
              ", che non esiste in questo recordset.");
    QString value = text.mid(equals + 1).trimmed();
    if (value.size() >= 2 && (value.startsWith('\'') || value.startsWith('"')) && value.endsWith(value[0])) {
        const QChar quote = value[0];
        value = value.mid(1, value.size() - 2).replace(QString(2, quote), QString(quote));
    }

    const ColumnKind kind = columns[std::size_t(column)].kind;
    std::optional<double> number;
    std::optional<QDateTime> moment;
    if (kind == ColumnKind::Long || kind == ColumnKind::Currency || kind == ColumnKind::Double) {
        bool ok = false;
        double parsed = QLocale::c().toDouble(value, &ok);
        if (ok)
            number = parsed;
        else
            number = regional::current().parseDouble(value);
        if (!number)
            raise("Il filtro \"" + text + "\" non è valido: per il campo " + columns[std::size_t(column)].name +
                  " serve un numero.");
    } else if (kind == ColumnKind::Date) {
        moment = regional::current().parseDate(value);
        if (!moment)
            raise("Il filtro \"" + text + "\" non è valido: per il campo " + columns[std::size_t(column)].name +
                  " serve una data.");
    }
    const QByteArray wanted = value.toUtf8();

    std::vector<long> rows;
    for (long row = 0; row < rowTotal; ++row) {
        const Variant v = storedValue(row, column);
        bool match = false;
        switch (v.type()) {
        case VarType::Null: break;
        case VarType::Long:
        case VarType::Currency:
        case VarType::Double:
            match = number ? v.toDouble() == *number : v.text() == value;
            break;
        case VarType::Date: match = moment ? v.toDate() == *moment : false; break;
        default: {
            const QByteArray stored = v.text().toUtf8();
            match = jetCompare(stored.constData(), std::size_t(stored.size()), wanted.constData(),
                               std::size_t(wanted.size())) == 0;
        }
        }
        if (match)
            rows.push_back(row);
    }
    visibleRows = std::move(rows);
    filtered = true;
    filter = text;
}

Recordset::Recordset() : d_(std::make_unique<Impl>()) {}

Recordset::~Recordset() = default;

void Recordset::Open(const QString& source, Connection& connection, int, int lockType)
{
    if (d_->open)
        Close();
    if (!connection.d_->database)
        raise("La connessione all'archivio non è aperta.");
    auto database = connection.d_->database;
    sqlite3* db = database->handle();

    const QByteArray sql = translateJetSql(source).toUtf8();
    const char* tail = nullptr;
    Statement statement(db, sql, "Esecuzione dell'istruzione non riuscita", &tail);
    if (!statement.get())
        raise("L'istruzione SQL è vuota.");
    if (!onlyBlanks(tail))
        raise("Il testo contiene più istruzioni SQL: se ne esegue una alla volta.");
    if (sqlite3_column_count(statement.get()) == 0) {
        statement.run();  // a statement that changes rows; the recordset stays closed
        return;
    }

    auto fresh = std::make_unique<Impl>();
    fresh->database = database;
    fresh->lockType = lockType;
    fresh->readRows(statement);
    if (lockType != adLockReadOnly)
        fresh->findKey(db);
    fresh->open = true;
    d_ = std::move(fresh);
}

void Recordset::Close()
{
    d_ = std::make_unique<Impl>();
}

int Recordset::State() const
{
    return d_->open ? adStateOpen : adStateClosed;
}

bool Recordset::Eof() const
{
    if (d_->editMode == adEditAdd)
        return false;
    return !d_->open || d_->position >= d_->visibleCount();
}

bool Recordset::Bof() const
{
    if (d_->editMode == adEditAdd)
        return false;
    return !d_->open || d_->visibleCount() == 0 || d_->position < 0;
}

void Recordset::MoveNext()
{
    d_->requireOpen();
    d_->store_();
    if (d_->position >= d_->visibleCount())
        raise("Nessuna riga successiva: il recordset è già alla fine.");
    ++d_->position;
}

void Recordset::MoveFirst()
{
    d_->requireOpen();
    d_->store_();
    d_->position = 0;
}

long Recordset::RecordCount() const
{
    return d_->open ? d_->visibleCount() : 0;
}

int Recordset::FieldCount() const
{
    return int(d_->columns.size());
}

QString Recordset::FieldName(int index) const
{
    if (index < 0 || index >= FieldCount())
        raise("Il campo numero " + QString::number(index) + " non esiste in questo recordset.");
    return d_->columns[std::size_t(index)].name;
}

Variant Recordset::operator[](const QString& name) const
{
    const int index = d_->names.find(name);
    if (index < 0) {
        d_->requireOpen();
        raise("Il campo " + name + " non esiste in questo recordset.");
    }
    return d_->fieldValue(index);
}

Variant Recordset::operator[](int index) const
{
    if (index < 0 || index >= FieldCount()) {
        d_->requireOpen();
        raise("Il campo numero " + QString::number(index) + " non esiste in questo recordset.");
    }
    return d_->fieldValue(index);
}

void Recordset::setField(const QString& name, const Variant& value)
{
    d_->requireOpen();
    const int column = d_->columnIndex(name);
    d_->requireWritable(column);
    const Column& target = d_->columns[std::size_t(column)];
    if (column == d_->keyColumn)
        raise("Il campo " + target.name + " è un contatore: il suo valore lo assegna l'archivio.");
    if (d_->editMode == adEditNone && !d_->atRow())
        raise("Nessuna riga corrente: il campo " + target.name + " non si può modificare.");
    Variant converted = valueForColumn(value, target.kind, target.name);
    if (d_->editMode == adEditNone) {
        d_->editMode = adEditInProgress;
        d_->pending.assign(d_->columns.size(), std::nullopt);
    }
    d_->pending[std::size_t(column)] = std::move(converted);
}

void Recordset::AddNew()
{
    d_->requireOpen();
    if (d_->lockType == adLockReadOnly)
        raise("Il recordset è aperto in sola lettura: non si possono aggiungere righe.");
    if (!d_->updatable)
        raise("A questa interrogazione non si possono aggiungere righe: i campi non vengono tutti da una sola tabella "
              "insieme alla sua chiave.");
    d_->store_();
    sqlite3* db = d_->requireDatabase();
    const std::int64_t key = d_->reserveKey(db);
    d_->positionBeforeAdd = d_->position;
    d_->newKey = key;
    d_->editMode = adEditAdd;
    d_->pending.assign(d_->columns.size(), std::nullopt);
}

void Recordset::Update()
{
    d_->requireOpen();
    d_->store_();
}

void Recordset::CancelUpdate()
{
    d_->requireOpen();
    if (d_->editMode == adEditAdd)
        d_->position = d_->positionBeforeAdd;
    d_->clearEdit();
}

int Recordset::EditMode() const
{
    return d_->editMode;
}

void Recordset::setFilter(const QString& filter)
{
    d_->requireOpen();
    d_->store_();
    if (filter.trimmed().isEmpty()) {
        d_->filtered = false;
        d_->visibleRows.clear();
        d_->filter.clear();
    } else {
        d_->applyFilter(filter);
    }
    d_->position = 0;
}

QString Recordset::Filter() const
{
    return d_->filter;
}

}  // namespace platform::ado
