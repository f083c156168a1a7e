#pragma once
// The archive's two tables, TabellaCatalogo and TabellaSchedaFilatelica, and
// the creation of an empty archive file that holds them.
//
//   albora::creaArchivio("/dati/ArchivioFilatelico.db");            // no password
//   albora::creaArchivio("/dati/ArchivioFilatelico.db", "segreta");
//
// Text columns use the Jet text rules (COLLATE JET: letter case and trailing
// blanks ignored), so a catalogue name is unique regardless of letter case;
// money columns are CURRENCY (exact to four decimals), dates DATETIME.

#include <QString>
#include <QStringList>
#include <vector>

namespace albora {

struct ColonnaArchivio {
    const char* nome;
    const char* tipo;  // the declared type and constraints
};

// Columns of TabellaCatalogo.
const std::vector<ColonnaArchivio>& colonneCatalogo();
// The thirty columns of TabellaSchedaFilatelica, in the order the card
// window lists them (card number, catalogue, date, description, ...).
const std::vector<ColonnaArchivio>& colonneScheda();
QStringList nomiColonneScheda();

// The statements that create both tables on an empty database.
QStringList istruzioniSchema();

// Creates an empty archive at `percorso` (refused when something exists
// there), protected by `password` when one is given.  Raises runtime::Error.
void creaArchivio(const QString& percorso, const QString& password = {});

}  // namespace albora
