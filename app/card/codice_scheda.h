#pragma once
// The card number shown in Text_Codice, read as a whole number.

#include <QString>
#include <cstdint>
#include <optional>

namespace albora {

// nullopt when the text is empty or is no whole number in the AutoNumber's range.
std::optional<std::int32_t> numeroCodice(const QString& codice);

// A card not yet in the archive: Text_Codice empty or reading 0.
bool eSchedaNuova(const QString& codice);

}  // namespace albora
