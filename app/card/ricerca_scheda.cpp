// Search by the first characters of the description, and the way back to
// the card shown when the last search started.
#include "card/form_scheda_filatelica.h"

#include "archive/letterali.h"

namespace albora {

void FormSchedaFilatelica::Cmd_Cerca_Click()
{
    const QString testo = Text_Ricerca->Text();
    if (!testo.isEmpty()) {
        IDRitorno = Text_Codice->Text();
        // The archive's Left counts characters, not UTF-16 units: a letter
        // outside the basic plane is one character.
        const auto lunghezza = testo.toUcs4().size();
        StrSQL = "SELECT * from TabellaSchedaFilatelica ";
        StrSQL += " where left(TabellaSchedaFilatelica.DescrizioneFrancobollo," + QString::number(lunghezza) +
                  ")= '" + testoSql(testo) + "'";
    } else {
        // No search yet since the window opened: there is no card to go back to.
        if (IDRitorno.isEmpty())
            return;
        StrSQL = "SELECT * from TabellaSchedaFilatelica ";
        StrSQL += "Where TabellaSchedaFilatelica.IDSchedaFilatelica=" + IDRitorno;
    }
    mostraRisultati();
}

}  // namespace albora
