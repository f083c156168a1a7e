#pragma once
// Helpers shared by the card window's tests.

#include "card/form_scheda_filatelica.h"
#include "testing/collezione_di_prova.h"

#include <QString>
#include <ostream>

// Texts in failure messages (found through QString's own, global, namespace).
inline std::ostream& operator<<(std::ostream& out, const QString& text)
{
    return out << text.toStdString();
}

namespace albora::prova {

// Opens the card window as the list does: the card number in the list's
// Text_ID, then the first touch of the card window loads it; the list
// unloads afterwards.
FormSchedaFilatelica& apriScheda(int idScheda);

// Makes the archive refuse a kind of change ("INSERT", "UPDATE", "DELETE")
// on the card table with the given description, as a damaged or locked
// archive would.
void rifiutaModifiche(const CollezioneDiProva& c, const char* evento, const char* descrizione);

// Deletes a card straight in the archive, as another window would.
void eliminaDirettamente(const CollezioneDiProva& c, int idScheda);

// The last message box shown (fails the test when there is none).
const platform::forms::MessageBoxRequest& ultimoMessaggio(const CollezioneDiProva& c);

}  // namespace albora::prova
