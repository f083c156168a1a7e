#include "photos/numero_scheda.h"

#include "runtime/runtime.h"

namespace albora {

QString numeroSchedaPerSql(const QString& codice)
{
    try {
        return QString::number(platform::runtime::CLng(codice));
    } catch (const platform::runtime::Error& e) {
        throw platform::runtime::Error(
            e.number(), QStringLiteral("Numero di scheda non valido: \"%1\" (%2)").arg(codice, e.description()));
    }
}

}  // namespace albora
