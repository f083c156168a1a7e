#include "regional/regional.h"

#include <QRegularExpression>
#include <clocale>
#include <cstdlib>

namespace platform::regional {

namespace {

// The short date keeps the locale's order of day, month and year but always
// shows four digits for the year and two for day and month.
QString fourDigitShortDate(const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    static const QRegularExpression years("y+");
    static const QRegularExpression days("d+");
    static const QRegularExpression months("M+");
    format.replace(years, "yyyy");
    format.replace(days, "dd");
    format.replace(months, "MM");
    return format;
}

const Settings*& active()
{
    static const Settings* settings = nullptr;
    return settings;
}

}  // namespace

Settings::Settings(const QLocale& locale)
    : locale_(locale),
      decimal_(locale.decimalPoint().at(0)),
      group_(locale.groupSeparator().isEmpty() ? QChar(' ') : locale.groupSeparator().at(0)),
      shortDateFormat_(fourDigitShortDate(locale)),
      longDateFormat_(locale.language() == QLocale::Italian ? QString("dddd d MMMM yyyy")
                                                            : locale.dateFormat(QLocale::LongFormat))
{
    numericShortDate_ = numericDate(shortDateFormat_);
}

Settings::NumericDate Settings::numericDate(const QString& format)
{
    static const QRegularExpression simple(R"(^(dd|MM|yyyy)([^dMy])(dd|MM|yyyy)([^dMy])(dd|MM|yyyy)$)");
    NumericDate parts;
    const QRegularExpressionMatch m = simple.match(format);
    if (!m.hasMatch())
        return parts;
    for (int i = 0; i < 3; ++i)
        parts.order[i] = m.captured(1 + 2 * i).at(0).toLatin1();
    parts.separators[0] = m.captured(2).at(0);
    parts.separators[1] = m.captured(4).at(0);
    parts.usable = parts.order[0] != parts.order[1] && parts.order[1] != parts.order[2] && parts.order[0] != parts.order[2];
    return parts;
}

QString Settings::shortDate(const QDate& d) const
{
    if (!numericShortDate_.usable || !d.isValid() || d.year() < 1000 || d.year() > 9999)
        return locale_.toString(d, shortDateFormat_);
    char16_t text[10];
    int n = 0;
    auto digits = [&](int value, int width) {
        for (int i = width - 1; i >= 0; --i, value /= 10)
            text[n + i] = char16_t(u'0' + value % 10);
        n += width;
    };
    for (int i = 0; i < 3; ++i) {
        switch (numericShortDate_.order[i]) {
        case 'd': digits(d.day(), 2); break;
        case 'M': digits(d.month(), 2); break;
        default: digits(d.year(), 4); break;
        }
        if (i < 2)
            text[n++] = numericShortDate_.separators[i].unicode();
    }
    return QString(reinterpret_cast<const QChar*>(text), n);
}

QString Settings::longDate(const QDate& d) const
{
    return locale_.toString(d, longDateFormat_);
}

QString Settings::dateTimeText(const QDateTime& dt) const
{
    QString text = shortDate(dt.date());
    if (dt.time() != QTime(0, 0))
        text += ' ' + dt.time().toString("HH:mm:ss");
    return text;
}

QLocale systemLocale()
{
    const char* names[] = {"LC_ALL", "LC_NUMERIC", "LANG"};
    for (const char* name : names) {
        const char* value = std::getenv(name);
        if (value && *value) {
            QString code = QString::fromLocal8Bit(value).section('.', 0, 0);
            if (code == "C" || code == "POSIX")
                return QLocale(QLocale::Italian, QLocale::Italy);
            QLocale locale(code);
            if (locale.language() == QLocale::C)
                return QLocale(QLocale::Italian, QLocale::Italy);
            return locale;
        }
    }
    return QLocale(QLocale::Italian, QLocale::Italy);
}

const Settings& current()
{
    if (!active()) {
        static const Settings system(systemLocale());
        active() = &system;
    }
    return *active();
}

Scope::Scope(const QLocale& locale) : previous_(active())
{
    active() = new Settings(locale);
}

Scope::~Scope()
{
    delete active();
    active() = previous_;
}

}  // namespace platform::regional
