#include "card/codice_scheda.h"

#include "runtime/runtime.h"

namespace albora {

std::optional<std::int32_t> numeroCodice(const QString& codice)
{
    if (codice.isEmpty() || !platform::runtime::IsNumeric(codice))
        return std::nullopt;
    try {
        return platform::runtime::CLng(codice);
    } catch (const platform::runtime::Error&) {
        return std::nullopt;
    }
}

bool eSchedaNuova(const QString& codice)
{
    if (codice.isEmpty())
        return true;
    const auto numero = numeroCodice(codice);
    return numero && *numero == 0;
}

}  // namespace albora
