// Numbers and dates as users type them and as the program shows them.
#include "regional/regional.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <limits>

namespace platform::regional {

namespace {

// The pieces of a typed number once its separators have been checked.
struct NumberParts {
    bool negative = false;
    QString integerDigits;
    QString fractionDigits;
};

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

std::optional<NumberParts> splitNumber(const QString& typed, QChar decimal, QChar group)
{
    QString text = typed.trimmed();
    NumberParts parts;
    if (text.startsWith(u'-') || text.startsWith(u'+')) {
        parts.negative = text.startsWith(u'-');
        text = text.mid(1).trimmed();
    }
    const qsizetype point = text.indexOf(decimal);
    QString whole = point < 0 ? text : text.left(point);
    parts.fractionDigits = point < 0 ? QString() : text.mid(point + 1);
    for (QChar c : std::as_const(parts.fractionDigits))
        if (!isDigit(c))
            return std::nullopt;

    // Group separators only every three digits: "1.234" yes, "12.50" no.
    const QStringList groups = whole.split(group);
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const QString& g = groups[i];
        for (QChar c : g)
            if (!isDigit(c))
                return std::nullopt;
        if (groups.size() > 1) {
            if (i == 0 ? (g.isEmpty() || g.size() > 3) : g.size() != 3)
                return std::nullopt;
        }
        parts.integerDigits += g;
    }
    if (parts.integerDigits.isEmpty() && parts.fractionDigits.isEmpty())
        return std::nullopt;
    return parts;
}

QString insertGroups(const QString& digits, QChar group)
{
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += group;
        out += digits[i];
    }
    return out;
}

struct Pattern {
    bool grouping = false;
    int decimals = 0;
    int minIntegerDigits = 0;
};

Pattern readPattern(const QString& pattern)
{
    Pattern p;
    const qsizetype point = pattern.indexOf(u'.');
    const QString integerPart = point < 0 ? pattern : pattern.left(point);
    p.grouping = integerPart.contains(u',');
    p.minIntegerDigits = int(integerPart.count(u'0'));
    if (point >= 0)
        p.decimals = int(pattern.mid(point + 1).count(u'0'));
    return p;
}

// Digits of a non-negative amount already rounded to the pattern's decimals.
QString applyPattern(bool negative, QString integerDigits, const QString& fractionDigits, const Pattern& p,
                     QChar decimal, QChar group)
{
    while (integerDigits.size() > 1 && integerDigits.startsWith(u'0'))
        integerDigits.remove(0, 1);
    if (integerDigits == "0")
        integerDigits.clear();
    while (integerDigits.size() < p.minIntegerDigits)
        integerDigits.prepend(u'0');
    QString text = p.grouping ? insertGroups(integerDigits, group) : integerDigits;
    if (p.decimals > 0)
        text += decimal + fractionDigits;
    const bool allZero = std::none_of(text.begin(), text.end(), [](QChar c) { return c >= u'1' && c <= u'9'; });
    return (negative && !allZero ? "-" : "") + text;
}

}  // namespace

QString Settings::numberText(double value) const
{
    if (value == 0.0)
        return "0";
    QString text = QString::number(value, 'g', 15);
    text.replace(u'.', decimal_);
    return text;
}

QString Settings::currencyText(std::int64_t tenThousandths) const
{
    // Written backwards into a buffer: amounts fill whole columns of a list.
    const bool negative = tenThousandths < 0;
    std::uint64_t magnitude =
        negative ? std::uint64_t(0) - std::uint64_t(tenThousandths) : std::uint64_t(tenThousandths);
    char16_t text[32];
    int start = 32;
    std::uint64_t fraction = magnitude % 10000;
    magnitude /= 10000;
    int decimals = 4;
    while (decimals > 0 && fraction % 10 == 0) {
        fraction /= 10;
        --decimals;
    }
    for (int i = 0; i < decimals; ++i, fraction /= 10)
        text[--start] = char16_t(u'0' + fraction % 10);
    if (decimals > 0)
        text[--start] = decimal_.unicode();
    do {
        text[--start] = char16_t(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    if (negative)
        text[--start] = u'-';
    return QString(reinterpret_cast<const QChar*>(text + start), 32 - start);
}

std::optional<std::int64_t> Settings::parseCurrency(const QString& text) const
{
    auto parts = splitNumber(text, decimal_, group_);
    if (!parts)
        return std::nullopt;
    QString fraction = parts->fractionDigits;
    const bool roundUp = fraction.size() > 4 && fraction[4] >= u'5';
    fraction = fraction.left(4).leftJustified(4, u'0');
    QString digits = parts->integerDigits + fraction;
    while (digits.size() > 1 && digits.startsWith(u'0'))
        digits.remove(0, 1);
    if (digits.size() > 19)
        return std::nullopt;
    bool ok = false;
    std::uint64_t magnitude = digits.toULongLong(&ok);
    if (!ok)
        return std::nullopt;
    if (roundUp)
        ++magnitude;
    constexpr auto limit = std::uint64_t(std::numeric_limits<std::int64_t>::max());
    if (magnitude > limit)
        return std::nullopt;
    const auto value = std::int64_t(magnitude);
    return parts->negative ? -value : value;
}

std::optional<double> Settings::parseDouble(const QString& text) const
{
    auto parts = splitNumber(text, decimal_, group_);
    if (!parts)
        return std::nullopt;
    QString plain = (parts->negative ? "-" : "") + (parts->integerDigits.isEmpty() ? "0" : parts->integerDigits);
    if (!parts->fractionDigits.isEmpty())
        plain += "." + parts->fractionDigits;
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int64_t> Settings::parseInteger(const QString& text) const
{
    auto value = parseDouble(text);
    if (!value || std::fabs(*value) > 9.2e18)
        return std::nullopt;
    return std::int64_t(std::nearbyint(*value));  // halves to even, as whole-number conversions do
}

std::optional<QDateTime> Settings::parseDate(const QString& typed) const
{
    const QString text = typed.trimmed();
    static const QRegularExpression iso(R"(^(\d{4})-(\d{1,2})-(\d{1,2})(?:[ T](\d{1,2}):(\d{2})(?::(\d{2}))?)?$)");
    static const QRegularExpression local(
        R"(^(\d{1,4})[/.-](\d{1,2})[/.-](\d{1,4})(?: (\d{1,2})[:.](\d{2})(?:[:.](\d{2}))?)?$)");
    int year = 0, month = 0, day = 0;
    QRegularExpressionMatch m = iso.match(text);
    if (m.hasMatch()) {
        year = m.captured(1).toInt();
        month = m.captured(2).toInt();
        day = m.captured(3).toInt();
    } else {
        m = local.match(text);
        if (!m.hasMatch())
            return std::nullopt;
        // The order of day, month and year follows the short date format.
        const qsizetype d = shortDateFormat_.indexOf(u'd');
        const qsizetype mo = shortDateFormat_.indexOf(u'M');
        const qsizetype y = shortDateFormat_.indexOf(u'y');
        auto rank = [](qsizetype self, qsizetype a, qsizetype b) { return 1 + int(self > a) + int(self > b); };
        day = m.captured(rank(d, mo, y)).toInt();
        month = m.captured(rank(mo, d, y)).toInt();
        const QString yearText = m.captured(rank(y, d, mo));
        if (yearText.size() != 4)
            return std::nullopt;
        year = yearText.toInt();
    }
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    QTime time(0, 0);
    if (!m.captured(4).isEmpty()) {
        time = QTime(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
        if (!time.isValid())
            return std::nullopt;
    }
    return QDateTime(date, time);
}

QString Settings::formatPattern(double value, const QString& pattern) const
{
    const Pattern p = readPattern(pattern);
    // Halves away from zero, as the number formats of the desktop do.
    const double scale = std::pow(10.0, p.decimals);
    const double rounded = std::round(std::fabs(value) * scale * (1.0 + 1e-15)) / scale;
    const QString plain = QString::number(rounded, 'f', p.decimals);
    const qsizetype point = plain.indexOf(u'.');
    return applyPattern(value < 0, point < 0 ? plain : plain.left(point), point < 0 ? QString() : plain.mid(point + 1),
                        p, decimal_, group_);
}

QString Settings::formatPatternCurrency(std::int64_t tenThousandths, const QString& pattern) const
{
    const Pattern p = readPattern(pattern);
    const bool negative = tenThousandths < 0;
    std::uint64_t magnitude = negative ? std::uint64_t(0) - std::uint64_t(tenThousandths) : std::uint64_t(tenThousandths);
    const int dropped = 4 - std::min(p.decimals, 4);
    std::uint64_t divisor = 1;
    for (int i = 0; i < dropped; ++i)
        divisor *= 10;
    magnitude = (magnitude + divisor / 2) / divisor;  // halves away from zero
    const int kept = 4 - dropped;
    std::uint64_t unit = 1;
    for (int i = 0; i < kept; ++i)
        unit *= 10;
    QString fraction = kept > 0 ? QString::number(magnitude % unit).rightJustified(kept, u'0') : QString();
    fraction = fraction.leftJustified(p.decimals, u'0');
    return applyPattern(negative, QString::number(magnitude / unit), fraction, p, decimal_, group_);
}

}  // namespace platform::regional
