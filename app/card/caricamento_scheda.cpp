// Opening the card window, filling its lists, showing a card, stepping to the
// next or previous card number, and clearing the window for a new card.
#include "card/codice_scheda.h"
#include "card/form_scheda_filatelica.h"

#include "forms/pictures.h"
#include "list/form_lista_filatelica.h"
#include "photos/foto.h"
#include "runtime/error.h"

namespace albora {

using namespace platform::forms;
using platform::ado::adLockOptimistic;
using platform::ado::adOpenStatic;

void FormSchedaFilatelica::Load()
{
    const bool caricata = eseguiCaricamento([this] {
        apriArchivio({"prov_conn", "ip_conn", "uid_conn", "pwd_conn", "db_conn", "image_conn"});
        PercorsoImmagini = image_conn;
        Text_Codice->setText(formListaFilatelica->Text_ID->Text());
        CaricaCombo();
        CaricaScheda();
    });
    if (!caricata) {
        chiudiRsScheda();
        // The settings were read before the connection was opened.
        PercorsoImmagini = image_conn;
    }
}

void FormSchedaFilatelica::CaricaCombo()
{
    StrSQL = "SELECT TabellaCatalogo.NomeCatalogo from TabellaCatalogo ";
    StrSQL += "Order by TabellaCatalogo.NomeCatalogo asc ";
    riempiCombo(Combo1, StrSQL, "NomeCatalogo");

    StrSQL = "SELECT distinct TabellaSchedaFilatelica.Tipologia from TabellaSchedaFilatelica ";
    StrSQL += "Order by TabellaSchedaFilatelica.Tipologia asc ";
    riempiCombo(Combo2, StrSQL, "Tipologia");

    StrSQL = "SELECT distinct TabellaSchedaFilatelica.Carta from TabellaSchedaFilatelica ";
    StrSQL += "Order by TabellaSchedaFilatelica.Carta asc ";
    riempiCombo(Combo3, StrSQL, "Carta");

    StrSQL = "SELECT distinct TabellaSchedaFilatelica.Dentellatura from TabellaSchedaFilatelica ";
    StrSQL += "Order by TabellaSchedaFilatelica.Dentellatura asc ";
    riempiCombo(Combo5, StrSQL, "Dentellatura");
}

void FormSchedaFilatelica::riempiCombo(ComboBox* combo, const QString& sql, const char* colonna)
{
    combo->Clear();
    RsScheda.Open(sql, connessione(), adOpenStatic, adLockOptimistic);
    while (!RsScheda.Eof()) {
        combo->AddItem(RsScheda[colonna].text());
        RsScheda.MoveNext();
    }
    RsScheda.Close();
}

void FormSchedaFilatelica::CaricaScheda()
{
    // A new card ("0") or a number that no longer exists finds no row, and
    // the controls keep what they hold.
    const auto numero = numeroCodice(Text_Codice->Text());
    if (!numero)
        return;
    StrSQL = "SELECT * from TabellaSchedaFilatelica ";
    StrSQL += "Where TabellaSchedaFilatelica.IDSchedaFilatelica=" + QString::number(*numero);
    RsScheda.Open(StrSQL, connessione(), adOpenStatic, adLockOptimistic);
    while (!RsScheda.Eof()) {
        MostraScheda();
        RsScheda.MoveNext();
    }
    RsScheda.Close();
}

void FormSchedaFilatelica::MostraScheda()
{
    for (const CampoScheda& campo : campiInOrdineDiLettura())
        campo.setText(RsScheda[campo.colonna].text());
    mostraFoto();
}

void FormSchedaFilatelica::mostraFoto()
{
    // The box is emptied first, so that a photo that cannot be loaded never
    // leaves the previous card's photo on screen.
    Image1->clearPicture();
    const platform::ado::Variant idImmagine = RsScheda["IDImmagine"];
    if (!haFoto(idImmagine)) {
        NomeFoto.clear();
        return;
    }
    NomeFoto = idImmagine.text();
    try {
        Image1->setPicture(LoadPicture(percorsoFoto(PercorsoImmagini, NomeFoto)));
    } catch (const platform::runtime::Error& e) {
        // Reported as the load reports it; the card's text fields stay shown.
        mostraErrore(e.description());
    }
}

void FormSchedaFilatelica::vaiAScheda(const QString& numero)
{
    StrSQL = "SELECT * from TabellaSchedaFilatelica ";
    StrSQL += "Where TabellaSchedaFilatelica.IDSchedaFilatelica=" + numero;
    mostraRisultati();
}

void FormSchedaFilatelica::mostraRisultati()
{
    const bool fatto = conGestoreErrori([this] {
        RsScheda.Open(StrSQL, connessione(), adOpenStatic, adLockOptimistic);
        while (!RsScheda.Eof()) {
            Text_Codice->setText(RsScheda["IDSchedaFilatelica"].text());
            MostraScheda();
            RsScheda.MoveNext();
        }
        RsScheda.Close();
    });
    if (!fatto)
        chiudiRsScheda();
}

void FormSchedaFilatelica::Cmd_Avanti_Click()
{
    if (Text_DataAggiornamento->Text().isEmpty())
        return;
    const auto numero = numeroCodice(Text_Codice->Text());
    if (!numero)
        return;
    vaiAScheda(QString::number(qint64(*numero) + 1));
}

void FormSchedaFilatelica::Cmd_Indietro_Click()
{
    const auto numero = numeroCodice(Text_Codice->Text());
    if (!numero)
        return;
    vaiAScheda(QString::number(qint64(*numero) - 1));
}

void FormSchedaFilatelica::ComCLS_Click()
{
    Text_Codice->setText("0");
    // Every field, the date and the money boxes included; the combo boxes keep their lists.
    for (const CampoScheda& campo : campiInOrdineDiLettura())
        campo.setText(QString());
    Image1->clearPicture();
    NomeFoto.clear();
}

}  // namespace albora
