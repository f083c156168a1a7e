#pragma once
// A value of the archive or of a control: Null, Long, Currency, Double,
// Date, Text or Boolean.  Null is a value of its own, distinct from "" and 0.
//
//   Variant v = Variant::currency(125000);   // 12,5
//   v.text();                                 // "12,5" with Italian settings
//   Variant().isNull();                       // true
//   Variant().text();                         // "" (every reader shows Null as empty text)

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <variant>

namespace platform::runtime {

enum class VarType { Null, Long, Currency, Double, Date, Text, Boolean };

class Variant {
public:
    Variant() = default;  // Null
    Variant(std::int32_t v) : value_(v) {}
    Variant(double v) : value_(v) {}
    Variant(bool v) : value_(v) {}
    Variant(const QString& v) : value_(v) {}
    Variant(QString&& v) : value_(std::move(v)) {}
    Variant(const char* v) : value_(QString::fromUtf8(v)) {}
    Variant(const QDateTime& v) : value_(v) {}
    Variant(const QDate& d) : value_(QDateTime(d, QTime(0, 0))) {}

    static Variant currency(std::int64_t tenThousandths);

    VarType type() const;
    bool isNull() const { return type() == VarType::Null; }

    // Text with the regional settings: a date in the short form (with the
    // time when it is not midnight), a number with the locale's decimal
    // separator and no grouping, Boolean as "Vero"/"Falso", Null as "".
    QString text() const;

    // Raw access; each throws a type-mismatch Error when the value is of
    // another kind and cannot be read as one.
    std::int32_t toLong() const;
    std::int64_t toCurrency() const;  // ten-thousandths
    double toDouble() const;
    QDateTime toDate() const;
    bool toBool() const;

    bool operator==(const Variant& other) const;

private:
    struct CurrencyValue {
        std::int64_t tenThousandths;
        bool operator==(const CurrencyValue&) const = default;
    };
    std::variant<std::monostate, std::int32_t, CurrencyValue, double, QDateTime, QString, bool> value_;
};

}  // namespace platform::runtime
