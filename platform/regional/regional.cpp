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
}

QString Settings::shortDate(const QDate& d) const
{
    return locale_.toString(d, shortDateFormat_);
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
