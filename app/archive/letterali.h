#pragma once
// Text values go into statements between single quotes; a quote inside the
// value is doubled so that names like "Repubblica dell'Ossola" give a valid
// statement and are stored and found as typed.

#include <QString>

namespace albora {

inline QString testoSql(const QString& valore)
{
    QString doppio = valore;
    doppio.replace(u'\'', QStringLiteral("''"));
    return doppio;
}

}  // namespace albora
