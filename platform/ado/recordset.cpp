#include "ado/ado.h"

#include "connection_impl.h"
#include "jet_dialect.h"
#include "recordset_impl.h"
#include "statement.h"

#include <sqlite3.h>

namespace platform::ado {

using namespace detail;

namespace {

bool onlyBlanks(const char* text)
{
    for (; text && *text; ++text) {
        if (*text != ';' && !QChar::isSpace(uchar(*text)))
            return false;
    }
    return true;
}

}  // namespace

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

int Recordset::FieldIndex(const QString& name) const
{
    return d_->columnIndex(name);
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
