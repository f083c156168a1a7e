#include "runtime/variant.h"

#include "regional/regional.h"
#include "runtime/error.h"

#include <cmath>
#include <limits>

namespace platform::runtime {

namespace {

[[noreturn]] void mismatch(const QString& wanted, const QString& text)
{
    throw Error(ErrTypeMismatch, "Tipo non corrispondente: \"" + text + "\" non è " + wanted + ".");
}

}  // namespace

Variant Variant::currency(std::int64_t tenThousandths)
{
    Variant v;
    v.value_ = CurrencyValue{tenThousandths};
    return v;
}

VarType Variant::type() const
{
    switch (value_.index()) {
    case 1: return VarType::Long;
    case 2: return VarType::Currency;
    case 3: return VarType::Double;
    case 4: return VarType::Date;
    case 5: return VarType::Text;
    case 6: return VarType::Boolean;
    default: return VarType::Null;
    }
}

QString Variant::text() const
{
    const auto& rs = regional::current();
    switch (type()) {
    case VarType::Null: return QString();
    case VarType::Long: return QString::number(std::get<std::int32_t>(value_));
    case VarType::Currency: return rs.currencyText(std::get<CurrencyValue>(value_).tenThousandths);
    case VarType::Double: return rs.numberText(std::get<double>(value_));
    case VarType::Date: return rs.dateTimeText(std::get<QDateTime>(value_));
    case VarType::Text: return std::get<QString>(value_);
    case VarType::Boolean: return std::get<bool>(value_) ? "Vero" : "Falso";
    }
    return QString();
}

std::int32_t Variant::toLong() const
{
    double whole = 0;
    switch (type()) {
    case VarType::Long: return std::get<std::int32_t>(value_);
    case VarType::Boolean: return std::get<bool>(value_) ? -1 : 0;
    case VarType::Currency: whole = std::nearbyint(double(std::get<CurrencyValue>(value_).tenThousandths) / 10000.0); break;
    case VarType::Double: whole = std::nearbyint(std::get<double>(value_)); break;
    case VarType::Text: {
        auto parsed = regional::current().parseDouble(std::get<QString>(value_));
        if (!parsed)
            mismatch("un numero", text());
        whole = std::nearbyint(*parsed);
        break;
    }
    default: mismatch("un numero", text());
    }
    if (whole < double(std::numeric_limits<std::int32_t>::min()) || whole > double(std::numeric_limits<std::int32_t>::max()))
        throw Error(ErrOverflow, "Overflow");
    return std::int32_t(whole);
}

std::int64_t Variant::toCurrency() const
{
    switch (type()) {
    case VarType::Currency: return std::get<CurrencyValue>(value_).tenThousandths;
    case VarType::Long: return std::int64_t(std::get<std::int32_t>(value_)) * 10000;
    case VarType::Double: return std::llround(std::get<double>(value_) * 10000.0);
    case VarType::Text: {
        auto parsed = regional::current().parseCurrency(std::get<QString>(value_));
        if (!parsed)
            mismatch("un importo", text());
        return *parsed;
    }
    default: mismatch("un importo", text());
    }
}

double Variant::toDouble() const
{
    switch (type()) {
    case VarType::Double: return std::get<double>(value_);
    case VarType::Long: return std::get<std::int32_t>(value_);
    case VarType::Currency: return double(std::get<CurrencyValue>(value_).tenThousandths) / 10000.0;
    case VarType::Boolean: return std::get<bool>(value_) ? -1.0 : 0.0;
    case VarType::Text: {
        auto parsed = regional::current().parseDouble(std::get<QString>(value_));
        if (!parsed)
            mismatch("un numero", text());
        return *parsed;
    }
    default: mismatch("un numero", text());
    }
}

QDateTime Variant::toDate() const
{
    switch (type()) {
    case VarType::Date: return std::get<QDateTime>(value_);
    case VarType::Text: {
        auto parsed = regional::current().parseDate(std::get<QString>(value_));
        if (!parsed)
            mismatch("una data", text());
        return *parsed;
    }
    default: mismatch("una data", text());
    }
}

bool Variant::toBool() const
{
    switch (type()) {
    case VarType::Boolean: return std::get<bool>(value_);
    case VarType::Long: return std::get<std::int32_t>(value_) != 0;
    case VarType::Currency: return std::get<CurrencyValue>(value_).tenThousandths != 0;
    case VarType::Double: return std::get<double>(value_) != 0.0;
    case VarType::Text: {
        const QString t = std::get<QString>(value_).trimmed().toLower();
        if (t == "vero" || t == "true")
            return true;
        if (t == "falso" || t == "false")
            return false;
        return toDouble() != 0.0;
    }
    default: mismatch("un valore logico", text());
    }
}

bool Variant::operator==(const Variant& other) const
{
    return value_ == other.value_;
}

}  // namespace platform::runtime
