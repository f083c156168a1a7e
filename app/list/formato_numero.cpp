#include "list/formato_numero.h"

#include "regional/regional.h"

namespace albora {

using platform::runtime::VarType;

QString formattaNumero(const platform::runtime::Variant& valore, const QString& formato)
{
    const auto& regionale = platform::regional::current();
    switch (valore.type()) {
    case VarType::Null:
        return {};
    case VarType::Currency:
        return regionale.formatPatternCurrency(valore.toCurrency(), formato);
    case VarType::Long:
    case VarType::Double:
        return regionale.formatPattern(valore.toDouble(), formato);
    case VarType::Text: {
        const QString testo = valore.text();
        if (const auto importo = regionale.parseCurrency(testo))
            return regionale.formatPatternCurrency(*importo, formato);
        return testo;
    }
    default:
        return valore.text();
    }
}

}  // namespace albora
