// Deleting the card shown, with its photo, and going back to the stamp list.
#include "card/codice_scheda.h"
#include "card/form_scheda_filatelica.h"

#include "catalogue/form_catalogo.h"
#include "forms/dialogs.h"
#include "list/form_lista_filatelica.h"
#include "photos/foto.h"
#include "runtime/error.h"

namespace albora {

using namespace platform::forms;
using platform::ado::adLockOptimistic;
using platform::ado::adOpenStatic;

void FormSchedaFilatelica::Cmd_Canc_Click()
{
    const QString codice = Text_Codice->Text();
    if (codice.isEmpty())
        return;
    const QString domanda = "Sicuro di voler eliminare questa scheda n.(" + codice +
                            ")?   Questa operazione cancellerà anche l'immagine del francobollo. " + QChar(13) +
                            "Una volta confermato non sarà piu possibile il recupero dei dati! ";
    if (MsgBox(domanda, vbYesNo + vbCritical + vbDefaultButton1, "ATTENZIONE") != vbYes)
        return;

    const bool eliminata = conGestoreErrori([&] {
        // The number goes into statements: it must be one.
        if (!numeroCodice(codice))
            throw platform::runtime::Error(platform::runtime::ErrTypeMismatch,
                                           QStringLiteral("Numero di scheda non valido: \"%1\"").arg(codice));
        SchedaFoto scheda{codice, PercorsoImmagini, NomeFoto, connessione(), RsScheda};
        eliminaFotoScheda(scheda);
        Image1->clearPicture();
        StrSQL = "delete * from TabellaSchedaFilatelica ";
        StrSQL += "Where TabellaSchedaFilatelica.IDSchedaFilatelica=" + codice;
        RsScheda.Open(StrSQL, connessione(), adOpenStatic, adLockOptimistic);
        chiudiRsScheda();
    });
    if (!eliminata) {
        // The card stays on screen; the user sees why.
        chiudiRsScheda();
        return;
    }

    MsgBox(QString("Scheda eliminata con successo. ") + QChar(13) + "Premi OK per tornare all'elenco.",
           vbOKOnly + vbInformation, "INFO");
    formSchedaFilatelica.Unload();
    formListaFilatelica->Text_Catalogo->setText(formCatalogo->Combo1->Text());
    formListaFilatelica.Show();
}

}  // namespace albora
