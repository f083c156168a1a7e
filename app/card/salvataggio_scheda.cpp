// Saving the card shown: a new card is added as a row, a stored card's row is
// updated.  The row is stored whole or not at all: a value the archive
// refuses, or any other archive error, leaves the archive and the window's
// number, date and photo name as they were before the click.
#include "card/codice_scheda.h"
#include "card/form_scheda_filatelica.h"

#include "archive/letterali.h"
#include "forms/dialogs.h"
#include "photos/foto.h"
#include "regional/regional.h"
#include "runtime/error.h"
#include "runtime/runtime.h"

namespace albora {

using namespace platform::forms;
using platform::ado::adLockOptimistic;
using platform::ado::adOpenStatic;
using platform::runtime::Error;
using platform::runtime::Variant;

namespace {

// Sets one column from a control's text; a value the column refuses is
// reported by the field's caption, as the user knows it.
void impostaColonna(platform::ado::Recordset& rs, const char* colonna, const char* etichetta, const QString& valore)
{
    try {
        rs.setField(colonna, valore);
    } catch (const Error& e) {
        throw Error(e.number(), QStringLiteral("Il campo \"%1\" contiene un valore non valido: la scheda non è "
                                               "stata salvata. Correggere il valore e premere di nuovo Aggiorna.")
                                    .arg(QString::fromUtf8(etichetta)));
    }
}

}  // namespace

void FormSchedaFilatelica::Cmd_Agg_Click()
{
    if (Combo1->Text().isEmpty())
        return;
    const QString codicePrima = Text_Codice->Text();
    const QString dataPrima = Text_DataAggiornamento->Text();
    const QString fotoPrima = NomeFoto;
    rigaMemorizzata_ = false;
    if (!conGestoreErrori([this] { salvaScheda(); }) && !rigaMemorizzata_) {
        // Closing abandons a row being added or edited: nothing was stored.
        chiudiRsScheda();
        Text_Codice->setText(codicePrima);
        Text_DataAggiornamento->setText(dataPrima);
        NomeFoto = fotoPrima;
    }
}

Variant FormSchedaFilatelica::cercaIDCatalogo()
{
    Variant idCatalogo;
    StrSQL = "SELECT TabellaCatalogo.IDcatalogo,TabellaCatalogo.NomeCatalogo from TabellaCatalogo ";
    StrSQL += "Where TabellaCatalogo.NomeCatalogo='" + testoSql(Combo1->Text()) + "'";
    RsScheda.Open(StrSQL, connessione(), adOpenStatic, adLockOptimistic);
    while (!RsScheda.Eof()) {
        idCatalogo = RsScheda["IDcatalogo"];
        RsScheda.MoveNext();
    }
    RsScheda.Close();
    return idCatalogo;
}

void FormSchedaFilatelica::scriviCampi(const Variant& idCatalogo)
{
    RsScheda.setField("IDcatalogo", idCatalogo);
    if (Text_DataAggiornamento->Text().isEmpty())
        Text_DataAggiornamento->setText(platform::regional::current().shortDate(platform::runtime::Today()));
    impostaColonna(RsScheda, "DataAggiornamento", "Data ultimo aggiornamento", Text_DataAggiornamento->Text());
    for (const CampoScheda& campo : campiInOrdineDiScrittura()) {
        const QString valore = campo.Text();
        if (!valore.isEmpty())
            impostaColonna(RsScheda, campo.colonna, campo.etichetta, valore);
    }
}

void FormSchedaFilatelica::salvaScheda()
{
    const Variant idCatalogo = cercaIDCatalogo();
    const QString codice = Text_Codice->Text();
    if (eSchedaNuova(codice)) {
        inserisciScheda(idCatalogo);
        return;
    }
    if (!numeroCodice(codice))
        throw Error(platform::runtime::ErrTypeMismatch,
                    QStringLiteral("Il codice della scheda \"%1\" non è un numero: la scheda non è stata salvata.")
                        .arg(codice));
    aggiornaScheda(idCatalogo);
}

void FormSchedaFilatelica::inserisciScheda(const Variant& idCatalogo)
{
    StrSQL = "SELECT * from TabellaSchedaFilatelica ";
    RsScheda.Open(StrSQL, connessione(), adOpenStatic, adLockOptimistic);
    RsScheda.AddNew();
    const QString nuovoCodice = RsScheda["IDSchedaFilatelica"].text();
    Text_Codice->setText(nuovoCodice);
    scriviCampi(idCatalogo);

    // A photo taken or imported before the first save carries the number 0,
    // which every unsaved card shares: the card stores a copy under its own
    // number, and the 0-named file goes only once the row is stored.
    const QString fotoProvvisoria = NomeFoto;
    if (NomeFoto.isEmpty())
        NomeFoto = FotoSegnaposto;
    else
        NomeFoto = rinominaFotoNuovaScheda(PercorsoImmagini, NomeFoto, nuovoCodice);
    const bool copiata = !fotoProvvisoria.isEmpty() && NomeFoto != fotoProvvisoria;
    // Should storing the row fail, the copy stays behind unnamed by any card:
    // removing it could remove a file that was there before the copy.
    RsScheda.setField("IDImmagine", NomeFoto);
    if (!Text_Note->Text().isEmpty())
        impostaColonna(RsScheda, "Note", "Note", Text_Note->Text());
    RsScheda.Update();
    RsScheda.Close();
    rigaMemorizzata_ = true;
    if (copiata) {
        // The card is stored with its own photo; a 0-named file left behind
        // costs nothing but space, so a failure here is only reported.
        conGestoreErrori([&] {
            SchedaFoto scheda{nuovoCodice, PercorsoImmagini, NomeFoto, connessione(), RsScheda};
            rimuoviFotoProvvisoria(scheda, fotoProvvisoria);
        });
    }

    MsgBox("Inserimento effettuato con successo... Premi OK per continuare.", vbOKOnly + vbInformation,
           "INFORMAZIONE");
}

void FormSchedaFilatelica::aggiornaScheda(const Variant& idCatalogo)
{
    StrSQL = "SELECT * from TabellaSchedaFilatelica ";
    StrSQL += "Where TabellaSchedaFilatelica.IDSchedaFilatelica=" + Text_Codice->Text();
    RsScheda.Open(StrSQL, connessione(), adOpenStatic, adLockOptimistic);
    bool trovata = false;
    while (!RsScheda.Eof()) {
        trovata = true;
        scriviCampi(idCatalogo);
        if (!Text_Note->Text().isEmpty())
            impostaColonna(RsScheda, "Note", "Note", Text_Note->Text());
        RsScheda.MoveNext();
    }
    RsScheda.Close();
    rigaMemorizzata_ = trovata;

    if (!trovata) {
        // Deleted meanwhile (from another window): nothing was written, and
        // saying "updated" would be false.
        MsgBox(QStringLiteral("La scheda n. %1 non esiste più nell'archivio: forse è stata eliminata. "
                              "Le modifiche non sono state salvate.")
                   .arg(Text_Codice->Text()),
               vbOKOnly + vbExclamation, "ATTENZIONE");
        return;
    }
    MsgBox("Aggiornamento effettuato con successo... Premi OK per continuare.", vbOKOnly + vbInformation,
           "INFORMAZIONE");
}

void FormSchedaFilatelica::Cmd_Exit_Click()
{
    formSchedaFilatelica.Unload();
}

}  // namespace albora
