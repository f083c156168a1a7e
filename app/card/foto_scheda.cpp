// The photo buttons: import a picture file as the card's photo, and delete
// the card's photo.
#include "card/form_scheda_filatelica.h"

#include "forms/dialogs.h"
#include "photos/foto.h"

namespace albora {

using namespace platform::forms;

void FormSchedaFilatelica::Cmd_Sfoglia_Click()
{
    CaricaFoto();
}

void FormSchedaFilatelica::CaricaFoto()
{
    const bool fatto = conGestoreErrori([this] {
        CommonDialog1.FileName = QString();
        CommonDialog1.DialogTitle = "Carica immagine";
        CommonDialog1.CancelError = false;
        CommonDialog1.Flags = platform::dialogs::cdlOFNExplorer;
        CommonDialog1.Filter = QString();
        CommonDialog1.ShowOpen();
        const QString scelto = CommonDialog1.FileName;
        if (scelto.isEmpty())
            return;
        SchedaFoto scheda{Text_Codice->Text(), PercorsoImmagini, NomeFoto, connessione(), RsScheda};
        if (const auto immagine = importaFoto(scheda, scelto))
            Image1->setPicture(*immagine);
    });
    if (!fatto)
        chiudiRsScheda();
}

void FormSchedaFilatelica::Cmd_CancellaFoto_Click()
{
    if (Text_Codice->Text().isEmpty())
        return;
    const QString domanda = QString("Sicuro di voler eliminare questa Foto? ") + QChar(13) +
                            "Una volta confermato non sarà più possibile il recupero dell'immagine! ";
    if (MsgBox(domanda, vbYesNo + vbCritical + vbDefaultButton1, "ATTENZIONE") != vbYes)
        return;
    const bool fatto = conGestoreErrori([this] {
        SchedaFoto scheda{Text_Codice->Text(), PercorsoImmagini, NomeFoto, connessione(), RsScheda};
        eliminaFotoScheda(scheda);
        Image1->clearPicture();
    });
    if (!fatto)
        chiudiRsScheda();
}

}  // namespace albora
