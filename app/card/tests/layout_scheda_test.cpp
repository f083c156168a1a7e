// The card window as it opens: its texts, its fixed list, its initial values
// and the order in which Tab visits the fields.
#include "scheda_di_prova.h"

#include "forms/form.h"

#include <gtest/gtest.h>

namespace albora::prova {
namespace {

using platform::forms::px;

TEST(SchedaAspetto, ANewCardStartsWithTheInitialValuesAndTheWebcamFrameHidden)
{
    CollezioneDiProva c;
    FormSchedaFilatelica& f = apriScheda(0);

    EXPECT_EQ(f.Caption(), "Scheda Filatelica");
    EXPECT_EQ(f.size(), QSize(px(13005), px(8910)));
    EXPECT_EQ(f.Text_Codice->Text(), "0");
    EXPECT_EQ(f.Text_ValoreFacciale->Text(), "0");
    EXPECT_EQ(f.Text_Quotazione->Text(), "0");
    for (const CampoScheda& campo : f.campiInOrdineDiLettura()) {
        if (campo.testo == f.Text_ValoreFacciale || campo.testo == f.Text_Quotazione)
            continue;
        EXPECT_EQ(campo.Text(), "") << campo.colonna;
    }
    EXPECT_EQ(f.Text_Ricerca->Text(), "");
    EXPECT_FALSE(f.Image1->hasPicture());
    EXPECT_TRUE(f.Frame1->isHidden());
    EXPECT_EQ(f.cboDrivers->Text(), "Seleziona disattiva WebCam");
    EXPECT_EQ(f.NomeFoto, "");
    EXPECT_EQ(f.IDRitorno, "");
    EXPECT_EQ(f.hWebcam, 0u);
    EXPECT_TRUE(c.dialoghi.boxes.empty());
}

TEST(SchedaAspetto, CaptionsAndTooltipsReadAsDrawn)
{
    CollezioneDiProva c;
    FormSchedaFilatelica& f = apriScheda(0);

    const std::vector<std::pair<platform::forms::Label*, const char*>> etichette = {
        {f.Label1, "Codice ID:"},          {f.Label2, "Catalogo:"},
        {f.Label3, "Descrizione:"},        {f.Label4, "Stato Emittente:"},
        {f.Label5, "Note:"},               {f.Label6, "Valore facciale:"},
        {f.Label7, "Anno Emissione:"},     {f.Label8, "Stamperia:"},
        {f.Label9, "Periodo Circolazione:"}, {f.Label10, "Tiratura:"},
        {f.Label11, "Data ultimo aggiornamento:"}, {f.Label12, "Tipologia:"},
        {f.Label13, "Carta:"},             {f.Label14, "Quotazione:"},
        {f.Label15, "Vignetta:"},          {f.Label16, "Luogo Conservazione:"},
        {f.Label17, "Cataloghi Sigle:"},   {f.Label18, "Colori:"},
        {f.Label19, "Dentellatura:"},      {f.Label20, "Possessore:"},
        {f.Label21, "Serie:"},             {f.Label22, "Timbro:"},
        {f.Label23, "Stato di Conservazione:"}, {f.Label24, "Rarita:"},
        {f.Label25, "Forma:"},             {f.Label26, "Dimensioni:"},
        {f.Label27, "Centratura:"},        {f.Label28, "Cerca descrizione:"},
        {f.Label29, "Web-Cam selezionata:"},
    };
    for (const auto& [label, testo] : etichette)
        EXPECT_EQ(label->Caption(), QString::fromUtf8(testo));
    EXPECT_EQ(f.Frame1->Caption(), "Scatta una foto");

    const std::vector<std::pair<platform::forms::PictureButton*, const char*>> pulsanti = {
        {f.Cmd_Sfoglia, "Sfoglia e carica/sostituisce foto"},
        {f.Cmd_Cam, "Scatta una foto"},
        {f.Cmd_Trova, "Cerca immagine su internet"},
        {f.Cmd_CancellaFoto, "Elimina foto"},
        {f.Cmd_Annulla, "Annulla e esci"},
        {f.Cmd_SalvaFoto, "Scatta e Salva la foto"},
        {f.Cmd_Canc, "Cancella Scheda"},
        {f.Cmd_Cerca, "Cerca Francobollo"},
        {f.Cmd_Indietro, "Record Precedente"},
        {f.Cmd_Avanti, "Record successivo"},
        {f.Stampa_Scheda, "Stampa/Visualizza scheda"},
        {f.ComCLS, "Refresh scheda"},
        {f.Cmd_Agg, "Aggiorna e/o aggiunge Francobollo"},
        {f.Cmd_Exit, "Exit"},
    };
    for (const auto& [pulsante, suggerimento] : pulsanti) {
        EXPECT_EQ(pulsante->toolTip(), QString::fromUtf8(suggerimento));
        EXPECT_TRUE(pulsante->text().isEmpty());
    }
}

TEST(SchedaAspetto, CataloghiSigleOffersTheFourteenCataloguesInOrder)
{
    CollezioneDiProva c;
    FormSchedaFilatelica& f = apriScheda(0);
    const QStringList attese = {
        "UNI (Unificato: Italia, Vaticano, San Marino, Europa Occidentale)",
        "SAS (Sassone: Italia, Vaticano, San Marino, Colonie Italiane)",
        "CEI (Catalogo Enciclopedico Italiano: Italia, Vaticano, San Marino, Colonie Italiane)",
        "BOL (Bolaffi: Italia, Vaticano, San Marino)",
        "YVE (Yvert et Tellier: Francia)",
        "MIC (Michel: Germania)",
        "GIB (Stanley Gibbons: Gran Bretagna)",
        "SCO (Scott: Stati Uniti)",
        "VAC (Vaccari: Antichi Stati Italiani)",
        "CER (Ceres: Francia, Monaco, Colonie Francesi)",
        "DAL (Dallay: Francia, Monaco, Colonie Francesi)",
        "HEL (Hellas: Grecia)",
        "ZUM (Zumstein: Svizzera)",
        "MIS (Miscellania: Altri Stati)",
    };
    QStringList righe;
    for (int i = 0; i < f.Combo4->ListCount(); ++i)
        righe << f.Combo4->List(i);
    EXPECT_EQ(righe, attese);
    EXPECT_EQ(f.Combo4->Text(), "");
}

TEST(SchedaAspetto, TabVisitsTheFieldsThenTheMainButtonsAndSkipsTheReadOnlyBoxes)
{
    CollezioneDiProva c;
    FormSchedaFilatelica& f = apriScheda(0);
    const std::vector<QWidget*> ordine = {
        f.Combo1, f.Text_DescrizioneFrancobollo->editor(), f.Text_ValoreFacciale->editor(),
        f.Text_StatoEmittente->editor(), f.Text_AnnoEmissione->editor(), f.Text_Stamperia->editor(),
        f.Text_PeriodoCircolazione->editor(), f.Text_Tiratura->editor(), f.Combo2, f.Combo3,
        f.Text_Colori->editor(), f.Text_Vignetta->editor(), f.Text_Quotazione->editor(), f.Combo4,
        f.Text_Forma->editor(), f.Text_Serie->editor(), f.Text_Rarita->editor(), f.Text_Possessore->editor(),
        f.Text_Dimensioni->editor(), f.Combo5, f.Text_LuogoConservazione->editor(), f.Text_Timbro->editor(),
        f.Text_Centratura->editor(), f.Text_StatoConservazione->editor(), f.Text_Note->editor(),
        f.Cmd_Agg, f.Cmd_Exit, f.Cmd_Cerca, f.ComCLS, f.Stampa_Scheda,
    };
    // The focus chain as Tab walks it: only widgets that take the focus by
    // Tab, and not the editing part inside a combo box.
    auto prossimo = [](QWidget* w) {
        QWidget* n = w->nextInFocusChain();
        while (!(n->focusPolicy() & Qt::TabFocus) || w->isAncestorOf(n))
            n = n->nextInFocusChain();
        return n;
    };
    for (std::size_t i = 0; i + 1 < ordine.size(); ++i)
        EXPECT_EQ(prossimo(ordine[i]), ordine[i + 1]) << "after tab index " << i;
    EXPECT_FALSE(f.Text_Codice->editor()->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(f.Text_DataAggiornamento->editor()->focusPolicy() & Qt::TabFocus);
}

}  // namespace
}  // namespace albora::prova
