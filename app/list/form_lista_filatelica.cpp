#include "list/form_lista_filatelica.h"

#include "archive/letterali.h"
#include "card/form_scheda_filatelica.h"
#include "catalogue/form_catalogo.h"
#include "forms/pictures.h"
#include "list/formato_numero.h"

#include <QStringList>
#include <array>

namespace albora {

using namespace platform::forms;
using platform::grid::MSFlexGrid;

FormSlot<FormListaFilatelica> formListaFilatelica;

const QString FormListaFilatelica::Intestazione = QStringLiteral(
    "ID          Data                           Descrizione                                      "
    "Val.    Anno Quotaz.       Ubicazione             ");

namespace {

// Grid columns, in order: the card column each shows and its width in twips.
struct ColonnaGriglia {
    const char* colonna;
    int larghezza;
};
constexpr std::array<ColonnaGriglia, FormListaFilatelica::ColonneGriglia> Colonne{{
    {"IDSchedaFilatelica", 600},
    {"IDcatalogo", 5},
    {"DataAggiornamento", 1400},
    {"DescrizioneFrancobollo", 4600},
    {"ValoreFacciale", 900},
    {"AnnoEmissione", 600},
    {"Quotazione", 900},
    {"LuogoConservazione", 2500},
}};
constexpr int ColonnaQuotazione = 6;
const QString FormatoQuotazione = QStringLiteral("##,##0.00");

}  // namespace

FormListaFilatelica::FormListaFilatelica()
{
    setCaption("Lista Filatelica");
    setBorder(Border::FixedSingle);
    setClientSizeTwips(12585, 7740);
    setBackColor(Qt::white);

    Label5 = new Label(this, "Catalogo:", {960, 240, 1815, 495});
    Label5->setFontSpec({"Arial", 18, true});
    Label5->setBackColor(Qt::white);

    Text_Catalogo = new TextBox(this, {2880, 240, 7095, 525});
    Text_Catalogo->setFontSpec({"Arial", 20.25, true});
    Text_Catalogo->setForeColor(systemHighlight());
    Text_Catalogo->setTabStop(false);

    Text_ID = new TextBox(this, {120, 120, 735, 285});
    Text_ID->setText("0");
    Text_ID->hide();

    Label1 = new Label(this, Intestazione, {600, 1080, 11535, 255});
    Label1->setFontSpec({"Arial", 12, true});
    Label1->setBackColor(Qt::white);

    MSFlexGrid1 = new MSFlexGrid(this, {360, 1320, 11895, 4935});
    MSFlexGrid1->setFontSpec({"Arial", 12});

    // The export is wired up together with the export itself.
    Cmd_ExpExcel = new PictureButton(this, {8760, 6480, 855, 855}, "Esporta su Excel (Desktop)", Pictures::excel(),
                                     QColor(0, 0, 0));
    Cmd_Agg = new PictureButton(this, {9960, 6480, 975, 855}, "Aggiorna e/o aggiunge francobollo", Pictures::add(),
                                QColor(128, 255, 128));
    Cmd_Exit = new PictureButton(this, {11280, 6480, 855, 855}, "Exit", Pictures::exit(), QColor(192, 255, 192));
    platform::forms::setTabOrder({Cmd_Exit, Cmd_Agg, MSFlexGrid1, Cmd_ExpExcel});

    connect(MSFlexGrid1, &MSFlexGrid::Click, this, [this](int riga) { MSFlexGrid1_Click(riga); });
    connect(Cmd_Agg, &PictureButton::Click, this, [this] { Cmd_Agg_Click(); });
    connect(Cmd_Exit, &PictureButton::Click, this, [this] { Cmd_Exit_Click(); });
}

void FormListaFilatelica::Load()
{
    const bool caricata = eseguiCaricamento([this] {
        apriArchivio({"prov_conn", "ip_conn", "uid_conn", "pwd_conn", "db_conn"});
        CaricaGriglia();
    });
    // The recordset serves the window's later statements as well.
    if (!caricata)
        RsLista.Close();
}

void FormListaFilatelica::CaricaGriglia()
{
    // The rows follow the catalogue chosen in the catalogue window, not the
    // name shown in Text_Catalogo.
    const QString catalogo = formCatalogo->Combo1->Text();
    if (catalogo.isEmpty())
        return;

    MSFlexGrid1->Clear();
    MSFlexGrid1->setRows(0);
    MSFlexGrid1->setCols(ColonneGriglia);
    for (int colonna = 0; colonna < ColonneGriglia; ++colonna)
        MSFlexGrid1->setColWidth(colonna, Colonne[static_cast<std::size_t>(colonna)].larghezza);

    StrSQL = "SELECT * FROM TabellaSchedaFilatelica ";
    StrSQL += " where TabellaSchedaFilatelica.Catalogo='" + testoSql(catalogo) + "'";
    StrSQL += " Order by TabellaSchedaFilatelica.Catalogo asc ";
    RsLista.Open(StrSQL, connessione(), platform::ado::adOpenStatic, platform::ado::adLockOptimistic);
    const auto campi = posizioniCampi();
    while (!RsLista.Eof()) {
        MSFlexGrid1->AddItem(rigaGriglia(campi));
        RsLista.MoveNext();
    }
    RsLista.Close();
}

// Where the grid's columns are among the fields of the open recordset, looked
// up once rather than by name for every card.
std::array<int, FormListaFilatelica::ColonneGriglia> FormListaFilatelica::posizioniCampi() const
{
    std::array<int, ColonneGriglia> posizioni{};
    for (std::size_t i = 0; i < posizioni.size(); ++i)
        posizioni[i] = RsLista.FieldIndex(QString::fromLatin1(Colonne[i].colonna));
    return posizioni;
}

// The current record as one grid line: the columns joined by tabs, in a
// text of exactly its length (the grid keeps it as it is).
QString FormListaFilatelica::rigaGriglia(const std::array<int, ColonneGriglia>& campi) const
{
    std::array<QString, ColonneGriglia> valori;
    qsizetype lunghezza = ColonneGriglia - 1;
    for (std::size_t i = 0; i < campi.size(); ++i) {
        const auto valore = RsLista[campi[i]];
        valori[i] = i == ColonnaQuotazione ? formattaNumero(valore, FormatoQuotazione) : valore.text();
        lunghezza += valori[i].size();
    }
    QString riga;
    riga.reserve(lunghezza);
    for (std::size_t i = 0; i < valori.size(); ++i) {
        if (i > 0)
            riga += u'\t';
        riga += valori[i];
    }
    return riga;
}

void FormListaFilatelica::MSFlexGrid1_Click(int riga)
{
    // A click that hits no card (an empty grid, the area below the rows, a
    // row without a number) has nothing to open.
    if (riga < 0)
        return;
    const QString id = MSFlexGrid1->TextMatrix(riga, 0);
    if (id.isEmpty())
        return;
    Text_ID->setText(id);
    formSchedaFilatelica.Show();
    formListaFilatelica.Unload();
}

void FormListaFilatelica::Cmd_Agg_Click()
{
    // Touching the card window loads it; its load reads Text_ID, still "0".
    formSchedaFilatelica->Combo1->setText(Text_Catalogo->Text());
    formSchedaFilatelica.Show();
    formListaFilatelica.Unload();
}

void FormListaFilatelica::Cmd_Exit_Click()
{
    formListaFilatelica.Unload();
}

}  // namespace albora
