#pragma once
// Regional settings: how dates and numbers are written and read back.
//
// Taken from the system locale (LC_ALL, LC_NUMERIC/LC_TIME, LANG); Italian
// where the system names none ("C" or "POSIX").  As on the desktop the users
// come from, the short date always has a four-digit year ("dd/MM/yyyy" in
// Italian) and the long date names the weekday and the month
// ("venerdì 11 dicembre 2026").
//
//   auto& rs = platform::regional::current();
//   rs.shortDate(QDate(2026, 12, 11));            // "11/12/2026"
//   rs.parseCurrency("1.234,5");                  // 12345000 (ten-thousandths)
//   rs.formatPattern(1234.5, "##,##0.00");        // "1.234,50"
//
// Tests pin a locale with `Scope pin(QLocale(QLocale::Italian, QLocale::Italy));`.

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>

namespace platform::regional {

class Settings {
public:
    explicit Settings(const QLocale& locale);

    const QLocale& locale() const { return locale_; }
    QChar decimalSeparator() const { return decimal_; }
    QChar groupSeparator() const { return group_; }
    QString shortDateFormat() const { return shortDateFormat_; }

    QString shortDate(const QDate& d) const;
    QString longDate(const QDate& d) const;
    // Date with the time of day when it is not midnight ("11/12/2026 14:05:00").
    QString dateTimeText(const QDateTime& dt) const;

    // Plain text of a number: locale decimal separator, no grouping, no
    // trailing zeros ("12,5", "-3", "0,0001").
    QString numberText(double value) const;
    QString currencyText(std::int64_t tenThousandths) const;

    // Reading what a user typed.  Blanks around the text are allowed; group
    // separators only where they belong (every three digits), so "12.50"
    // is not silently read as 1250 under Italian settings.  Nothing is
    // guessed: text that is not a number gives std::nullopt.
    std::optional<std::int64_t> parseCurrency(const QString& text) const;  // rounded to 4 decimals
    std::optional<double> parseDouble(const QString& text) const;
    std::optional<std::int64_t> parseInteger(const QString& text) const;
    // Short date ("11/12/2026", "1/2/2026"), optionally followed by a time
    // ("11/12/2026 14:05" or with seconds), or ISO "2026-12-11".
    std::optional<QDateTime> parseDate(const QString& text) const;

    // Number formats of the "##,##0.00" family: grouping when the pattern
    // has a comma, as many decimals as zeros after the point, at least as
    // many integer digits as zeros before it.
    QString formatPattern(double value, const QString& pattern) const;
    QString formatPatternCurrency(std::int64_t tenThousandths, const QString& pattern) const;

private:
    // The short date as three numeric parts and their separators, when its
    // format is that simple ("dd/MM/yyyy"): written without QLocale, which
    // matters when a whole catalogue of dates is shown.
    struct NumericDate {
        bool usable = false;
        char order[3] = {};  // 'd', 'M', 'y'
        QChar separators[2];
    };
    static NumericDate numericDate(const QString& format);

    QLocale locale_;
    NumericDate numericShortDate_;
    QChar decimal_;
    QChar group_;
    QString shortDateFormat_;
    QString longDateFormat_;
};

// The settings in force: from the system at first use.
const Settings& current();

// Locale the system asks for, Italian when it names none.
QLocale systemLocale();

// Pins other settings while it lives (tests, benchmarks).
class Scope {
public:
    explicit Scope(const QLocale& locale);
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

private:
    const Settings* previous_;
};

}  // namespace platform::regional
