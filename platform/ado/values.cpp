#include "values.h"

#include "regional/regional.h"
#include "sqlite_error.h"

#include <QDateTime>
#include <cmath>
#include <limits>
#include <unordered_map>
#include <sqlite3.h>

namespace platform::ado::detail {

using runtime::VarType;

namespace {

bool declares(const QByteArray& upper, const char* word)
{
    return upper.contains(word);
}

int digits(const char* p, int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i) {
        if (p[i] < '0' || p[i] > '9')
            return -1;
        value = value * 10 + (p[i] - '0');
    }
    return value;
}

// 'yyyy-MM-dd' or 'yyyy-MM-dd HH:mm:ss' (a 'T' also separates); invalid otherwise.
QDateTime parseIsoDate(const char* p, int size)
{
    if (size != 10 && size != 19)
        return {};
    if (p[4] != '-' || p[7] != '-')
        return {};
    const int year = digits(p, 4), month = digits(p + 5, 2), day = digits(p + 8, 2);
    int hour = 0, minute = 0, second = 0;
    if (size == 19) {
        if ((p[10] != ' ' && p[10] != 'T') || p[13] != ':' || p[16] != ':')
            return {};
        hour = digits(p + 11, 2);
        minute = digits(p + 14, 2);
        second = digits(p + 17, 2);
    }
    if (year < 0 || month < 0 || day < 0 || hour < 0 || minute < 0 || second < 0)
        return {};

    // Building a local QDateTime asks the C library for the time zone, which
    // stats the zone file each time; the cards of a catalogue share few
    // dates, so the moments already built are kept.
    thread_local std::unordered_map<std::int64_t, QDateTime> built;
    const std::int64_t key = ((((std::int64_t(year) * 13 + month) * 32 + day) * 24 + hour) * 60 + minute) * 60 + second;
    if (auto found = built.find(key); found != built.end())
        return found->second;
    const QDate date(year, month, day);
    const QTime time(hour, minute, second);
    if (!date.isValid() || !time.isValid())
        return {};
    if (built.size() >= 20000)
        built.clear();
    return built.emplace(key, QDateTime(date, time)).first->second;
}

Variant wholeNumber(std::int64_t value)
{
    if (value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max())
        return Variant(std::int32_t(value));
    return Variant(double(value));
}

Variant textOf(const Cell& cell)
{
    return Variant(QString::fromUtf8(cell.data, cell.size));
}

[[noreturn]] void refuse(const Variant& value, const QString& column, const QString& wanted)
{
    raise(QString("Il valore \"%1\" non è valido per il campo %2: serve %3.").arg(value.text(), column, wanted));
}

[[noreturn]] void outOfRange(const Variant& value, const QString& column)
{
    raise(QString("Il valore \"%1\" è fuori dall'intervallo ammesso per il campo %2.").arg(value.text(), column));
}

const char* wantedFor(ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::Long: return "un numero intero";
    case ColumnKind::Currency:
    case ColumnKind::Double: return "un numero";
    case ColumnKind::Date: return "una data";
    case ColumnKind::Boolean: return "un valore Vero o Falso";
    default: return "un testo";
    }
}

Variant toLongColumn(const Variant& value, const QString& column)
{
    double whole = 0;
    switch (value.type()) {
    case VarType::Long: return value;
    case VarType::Boolean: return Variant(std::int32_t(value.toBool() ? -1 : 0));
    case VarType::Currency: whole = std::nearbyint(double(value.toCurrency()) / 10000.0); break;
    case VarType::Double: whole = std::nearbyint(value.toDouble()); break;
    case VarType::Text: {
        auto parsed = regional::current().parseInteger(value.text());
        if (!parsed)
            refuse(value, column, wantedFor(ColumnKind::Long));
        if (*parsed < std::numeric_limits<std::int32_t>::min() || *parsed > std::numeric_limits<std::int32_t>::max())
            outOfRange(value, column);
        return Variant(std::int32_t(*parsed));
    }
    default: refuse(value, column, wantedFor(ColumnKind::Long));
    }
    if (!(whole >= std::numeric_limits<std::int32_t>::min() && whole <= std::numeric_limits<std::int32_t>::max()))
        outOfRange(value, column);
    return Variant(std::int32_t(whole));
}

Variant toCurrencyColumn(const Variant& value, const QString& column)
{
    switch (value.type()) {
    case VarType::Currency: return value;
    case VarType::Long: return Variant::currency(std::int64_t(value.toLong()) * 10000);
    case VarType::Boolean: return Variant::currency(value.toBool() ? -10000 : 0);
    case VarType::Double: {
        double scaled = std::nearbyint(value.toDouble() * 10000.0);
        if (!(std::fabs(scaled) < 9.2e18))
            outOfRange(value, column);
        return Variant::currency(std::int64_t(scaled));
    }
    case VarType::Text: {
        auto parsed = regional::current().parseCurrency(value.text());
        if (!parsed)
            refuse(value, column, wantedFor(ColumnKind::Currency));
        return Variant::currency(*parsed);
    }
    default: refuse(value, column, wantedFor(ColumnKind::Currency));
    }
}

Variant toDoubleColumn(const Variant& value, const QString& column)
{
    switch (value.type()) {
    case VarType::Double: return value;
    case VarType::Long:
    case VarType::Currency:
    case VarType::Boolean: return Variant(value.toDouble());
    case VarType::Text: {
        auto parsed = regional::current().parseDouble(value.text());
        if (!parsed)
            refuse(value, column, wantedFor(ColumnKind::Double));
        return Variant(*parsed);
    }
    default: refuse(value, column, wantedFor(ColumnKind::Double));
    }
}

Variant toDateColumn(const Variant& value, const QString& column)
{
    if (value.type() == VarType::Date)
        return value;
    if (value.type() == VarType::Text) {
        auto parsed = regional::current().parseDate(value.text());
        if (parsed && parsed->isValid())
            return Variant(*parsed);
    }
    refuse(value, column, wantedFor(ColumnKind::Date));
}

Variant toBooleanColumn(const Variant& value, const QString& column)
{
    switch (value.type()) {
    case VarType::Boolean: return value;
    case VarType::Long:
    case VarType::Currency:
    case VarType::Double: return Variant(value.toBool());
    case VarType::Text: {
        const QString t = value.text().trimmed();
        for (const char* yes : {"Vero", "True", "Sì", "Si"}) {
            if (t.compare(QString::fromUtf8(yes), Qt::CaseInsensitive) == 0)
                return Variant(true);
        }
        for (const char* no : {"Falso", "False", "No"}) {
            if (t.compare(QString::fromUtf8(no), Qt::CaseInsensitive) == 0)
                return Variant(false);
        }
        if (auto number = regional::current().parseDouble(t))
            return Variant(*number != 0.0);
        refuse(value, column, wantedFor(ColumnKind::Boolean));
    }
    default: refuse(value, column, wantedFor(ColumnKind::Boolean));
    }
}

}  // namespace

ColumnKind kindFromDeclaredType(const char* declaredType)
{
    if (!declaredType || !*declaredType)
        return ColumnKind::Any;
    const QByteArray upper = QByteArray(declaredType).toUpper();
    if (declares(upper, "CURRENCY") || declares(upper, "MONEY"))
        return ColumnKind::Currency;
    if (declares(upper, "DATE") || declares(upper, "TIME"))
        return ColumnKind::Date;
    if (declares(upper, "BOOL") || declares(upper, "BIT") || declares(upper, "YESNO"))
        return ColumnKind::Boolean;
    if (declares(upper, "INT") || declares(upper, "LONG") || declares(upper, "COUNTER"))
        return ColumnKind::Long;
    if (declares(upper, "REAL") || declares(upper, "FLOA") || declares(upper, "DOUB") || declares(upper, "NUMERIC") ||
        declares(upper, "DECIMAL"))
        return ColumnKind::Double;
    if (declares(upper, "CHAR") || declares(upper, "TEXT") || declares(upper, "CLOB") || declares(upper, "MEMO"))
        return ColumnKind::Text;
    return ColumnKind::Any;
}

Cell cellOf(sqlite3_stmt* stmt, int column)
{
    Cell cell;
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        cell.type = CellType::Integer;
        cell.integer = sqlite3_column_int64(stmt, column);
        break;
    case SQLITE_FLOAT:
        cell.type = CellType::Real;
        cell.real = sqlite3_column_double(stmt, column);
        break;
    case SQLITE_TEXT:
        cell.type = CellType::Text;
        cell.data = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
        cell.size = sqlite3_column_bytes(stmt, column);
        break;
    case SQLITE_BLOB:
        cell.type = CellType::Blob;
        cell.data = static_cast<const char*>(sqlite3_column_blob(stmt, column));
        cell.size = sqlite3_column_bytes(stmt, column);
        break;
    default: break;
    }
    return cell;
}

Variant decodeCell(ColumnKind kind, const Cell& cell)
{
    switch (cell.type) {
    case CellType::Null: return Variant();
    case CellType::Integer:
        switch (kind) {
        case ColumnKind::Currency: return Variant::currency(cell.integer);
        case ColumnKind::Double: return Variant(double(cell.integer));
        case ColumnKind::Boolean: return Variant(cell.integer != 0);
        default: return wholeNumber(cell.integer);
        }
    case CellType::Real:
        if (kind == ColumnKind::Currency)
            return Variant::currency(std::llround(cell.real * 10000.0));
        return Variant(cell.real);
    case CellType::Text:
        if (kind == ColumnKind::Date) {
            QDateTime moment = parseIsoDate(cell.data, cell.size);
            if (moment.isValid())
                return Variant(moment);
        }
        return textOf(cell);
    case CellType::Blob: return textOf(cell);
    }
    return Variant();
}

Variant valueForColumn(const Variant& value, ColumnKind kind, const QString& column)
{
    if (value.isNull())
        return value;
    switch (kind) {
    case ColumnKind::Long: return toLongColumn(value, column);
    case ColumnKind::Currency: return toCurrencyColumn(value, column);
    case ColumnKind::Double: return toDoubleColumn(value, column);
    case ColumnKind::Date: return toDateColumn(value, column);
    case ColumnKind::Boolean: return toBooleanColumn(value, column);
    case ColumnKind::Text: return value.type() == VarType::Text ? value : Variant(value.text());
    case ColumnKind::Any: return value;
    }
    return value;
}

QByteArray isoDateText(const QDateTime& moment)
{
    const QTime time = moment.time();
    const bool midnight = time.hour() == 0 && time.minute() == 0 && time.second() == 0;
    return moment.toString(midnight ? "yyyy-MM-dd" : "yyyy-MM-dd HH:mm:ss").toUtf8();
}

void bindValue(sqlite3_stmt* stmt, int index, const Variant& value)
{
    switch (value.type()) {
    case VarType::Null: sqlite3_bind_null(stmt, index); break;
    case VarType::Long: sqlite3_bind_int64(stmt, index, value.toLong()); break;
    case VarType::Currency: sqlite3_bind_int64(stmt, index, value.toCurrency()); break;
    case VarType::Double: sqlite3_bind_double(stmt, index, value.toDouble()); break;
    case VarType::Boolean: sqlite3_bind_int64(stmt, index, value.toBool() ? 1 : 0); break;
    case VarType::Date: {
        const QByteArray text = isoDateText(value.toDate());
        sqlite3_bind_text(stmt, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        break;
    }
    case VarType::Text: {
        const QByteArray text = value.text().toUtf8();
        sqlite3_bind_text(stmt, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        break;
    }
    }
}

}  // namespace platform::ado::detail
