#include "recordset_impl.h"

#include "jet_text.h"
#include "regional/regional.h"

#include <QLocale>

namespace platform::ado {

using namespace detail;
using runtime::VarType;

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

}  // namespace platform::ado
