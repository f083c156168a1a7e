#pragma once
// The card number of Text_Codice as a whole number, for the statements that
// address a card's row.

#include <QString>

namespace albora {

// "012" -> "12".  The whole range of the AutoNumber is accepted; a text that
// is no number, or lies outside that range, raises an Italian error naming it.
QString numeroSchedaPerSql(const QString& codice);

}  // namespace albora
