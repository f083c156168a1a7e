// The stamp list window: filling the grid from the catalogue chosen in the
// catalogue window, and the hand-over to the card window.
#include "list/form_lista_filatelica.h"

#include "card/form_scheda_filatelica.h"
#include "catalogue/form_catalogo.h"
#include "shell/connessione.h"
#include "testing/collezione_di_prova.h"

#include "ado/ado.h"
#include "runtime/error.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace albora;
using albora::prova::CollezioneDiProva;
using platform::runtime::Variant;

namespace {

// Chooses the catalogue in the catalogue window, which opens the list.
void scegliCatalogo(const QString& nome)
{
    auto* combo = formCatalogo->Combo1;
    for (int i = 0; i < combo->ListCount(); ++i) {
        if (combo->List(i) == nome) {
            combo->chooseItem(i);
            return;
        }
    }
    FAIL() << "catalogo non in elenco: " << nome.toStdString();
}

QStringList colonna(int col)
{
    QStringList valori;
    auto* grid = formListaFilatelica->MSFlexGrid1;
    for (int r = 0; r < grid->Rows(); ++r)
        valori << grid->TextMatrix(r, col);
    return valori;
}

QStringList riga(int r)
{
    QStringList celle;
    auto* grid = formListaFilatelica->MSFlexGrid1;
    for (int c = 0; c < grid->Cols(); ++c)
        celle << grid->TextMatrix(r, c);
    return celle;
}

struct TreSchede {
    CollezioneDiProva c;
    int italia = c.aggiungiCatalogo("Italia");
    int francia = c.aggiungiCatalogo("Francia");
    int prima = c.aggiungiScheda({{"Catalogo", "Italia"},
                                  {"IDcatalogo", italia},
                                  {"DataAggiornamento", Variant(QDate(2020, 3, 15))},
                                  {"DescrizioneFrancobollo", "Lira oro"},
                                  {"ValoreFacciale", Variant::currency(5000)},
                                  {"AnnoEmissione", "1961"},
                                  {"Quotazione", Variant::currency(12345000)},
                                  {"LuogoConservazione", "Album 1"}});
    int altrove = c.aggiungiScheda({{"Catalogo", "Francia"}, {"Quotazione", Variant::currency(10000)}});
    int seconda = c.aggiungiScheda({{"Catalogo", "Italia"}, {"LuogoConservazione", "Scatola"}});
    int terza = c.aggiungiScheda({{"Catalogo", "Italia"},
                                  {"Quotazione", Variant::currency(5000)},
                                  {"DescrizioneFrancobollo", "Gronchi rosa"}});

    TreSchede() { formCatalogo.Show(); }
};

TEST(FormListaFilatelica, ListsTheCardsOfTheChosenCatalogue)
{
    TreSchede s;
    scegliCatalogo("Italia");

    ASSERT_TRUE(formListaFilatelica.IsLoaded());
    EXPECT_TRUE(formListaFilatelica->isVisible());
    EXPECT_EQ(formListaFilatelica->Text_Catalogo->Text(), "Italia");
    auto* grid = formListaFilatelica->MSFlexGrid1;
    ASSERT_EQ(grid->Rows(), 3);
    EXPECT_EQ(grid->Cols(), 8);
    EXPECT_EQ(grid->FixedRows(), 0);
    EXPECT_EQ(riga(0), (QStringList{QString::number(s.prima), QString::number(s.italia), "15/03/2020", "Lira oro",
                                    "0,5", "1961", "1.234,50", "Album 1"}));
    EXPECT_EQ(colonna(0),
              (QStringList{QString::number(s.prima), QString::number(s.seconda), QString::number(s.terza)}));
    EXPECT_EQ(colonna(6), (QStringList{"1.234,50", "", "0,50"}));  // no quotation: empty
    EXPECT_EQ(colonna(7), (QStringList{"Album 1", "Scatola", ""}));  // no storage place: empty
    EXPECT_EQ(riga(1)[3], "");

    const int larghezze[] = {600, 5, 1400, 4600, 900, 600, 900, 2500};
    for (int col = 0; col < 8; ++col)
        EXPECT_EQ(grid->ColWidth(col), larghezze[col]) << "colonna " << col;
    EXPECT_EQ(formListaFilatelica->Text_ID->Text(), "0");
    EXPECT_TRUE(s.c.dialoghi.boxes.empty());
}

TEST(FormListaFilatelica, RowsFollowTheCatalogueNameAsTheArchiveComparesIt)
{
    struct Caso {
        const char* nome;
        QString scelto;
        int schede;
    };
    const Caso casi[] = {
        {"a catalogue with no cards gives no rows", "Vuoto", 0},
        {"an apostrophe in the name", "Repubblica dell'Ossola", 2},
        {"letter case does not matter", "ITALIA", 1},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        CollezioneDiProva c;
        c.aggiungiCatalogo(caso.scelto);
        c.aggiungiScheda({{"Catalogo", "Italia"}});
        c.aggiungiScheda({{"Catalogo", "Repubblica dell'Ossola"}});
        c.aggiungiScheda({{"Catalogo", "Repubblica dell'Ossola"}});
        formCatalogo.Show();
        scegliCatalogo(caso.scelto);
        EXPECT_EQ(formListaFilatelica->MSFlexGrid1->Rows(), caso.schede);
        EXPECT_EQ(formListaFilatelica->MSFlexGrid1->Cols(), 8);
        EXPECT_TRUE(c.dialoghi.boxes.empty());
    }
}

TEST(FormListaFilatelica, NoCatalogueChosenLeavesTheGridAsDesigned)
{
    TreSchede s;
    formCatalogo->Combo1->setText("");
    formListaFilatelica->Text_Catalogo->setText("Italia");  // not what the rows follow
    auto* grid = formListaFilatelica->MSFlexGrid1;
    EXPECT_EQ(grid->Rows(), 2);
    EXPECT_EQ(grid->Cols(), 2);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(grid->FixedCols(), 1);
    EXPECT_TRUE(s.c.dialoghi.boxes.empty());
}

TEST(FormListaFilatelica, AClickOnARowOpensThatCardAndClosesTheList)
{
    TreSchede s;
    scegliCatalogo("Italia");
    formListaFilatelica->MSFlexGrid1->clickRow(1);

    EXPECT_FALSE(formListaFilatelica.IsLoaded());
    ASSERT_TRUE(formSchedaFilatelica.IsLoaded());
    EXPECT_TRUE(formSchedaFilatelica->isVisible());
    EXPECT_EQ(formSchedaFilatelica->Text_Codice->Text(), QString::number(s.seconda));
    EXPECT_EQ(formSchedaFilatelica->Text_LuogoConservazione->Text(), "Scatola");
    EXPECT_TRUE(formCatalogo->isVisible());
    EXPECT_TRUE(s.c.dialoghi.boxes.empty());
}

TEST(FormListaFilatelica, AnOpenCardWindowIsOnlyBroughtToTheFront)
{
    TreSchede s;
    scegliCatalogo("Italia");
    formListaFilatelica->MSFlexGrid1->clickRow(0);
    scegliCatalogo("Italia");
    formListaFilatelica->MSFlexGrid1->clickRow(2);

    EXPECT_FALSE(formListaFilatelica.IsLoaded());
    EXPECT_EQ(formSchedaFilatelica->Text_Codice->Text(), QString::number(s.prima));

    scegliCatalogo("Italia");
    formListaFilatelica->Text_Catalogo->setText("Francia");
    formListaFilatelica->Cmd_Agg_Click();
    EXPECT_FALSE(formListaFilatelica.IsLoaded());
    EXPECT_EQ(formSchedaFilatelica->Text_Codice->Text(), QString::number(s.prima));
    EXPECT_EQ(formSchedaFilatelica->Combo1->Text(), "Francia");
}

TEST(FormListaFilatelica, NewCardTakesTheNameShownInTheListAndNumberZero)
{
    TreSchede s;
    scegliCatalogo("Italia");
    formListaFilatelica->Text_Catalogo->setText("Francia");  // edited by the user
    formListaFilatelica->Cmd_Agg->click();

    EXPECT_FALSE(formListaFilatelica.IsLoaded());
    ASSERT_TRUE(formSchedaFilatelica.IsLoaded());
    EXPECT_TRUE(formSchedaFilatelica->isVisible());
    EXPECT_EQ(formSchedaFilatelica->Text_Codice->Text(), "0");
    EXPECT_EQ(formSchedaFilatelica->Combo1->Text(), "Francia");
    EXPECT_TRUE(s.c.dialoghi.boxes.empty());
}

TEST(FormListaFilatelica, AClickThatHitsNoCardDoesNothing)
{
    struct Caso {
        const char* nome;
        QString catalogo;
        int riga;
    };
    const Caso casi[] = {
        {"empty grid", "Francia", -1},
        {"below the rows", "Italia", 3},
        {"grid as designed, row without a number", "", 1},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        CollezioneDiProva c;
        c.aggiungiCatalogo("Italia");
        c.aggiungiCatalogo("Francia");
        for (int i = 0; i < 3; ++i)
            c.aggiungiScheda({{"Catalogo", "Italia"}});
        formCatalogo->Combo1->setText(caso.catalogo);
        formListaFilatelica.Show();
        formListaFilatelica->MSFlexGrid1->clickRow(caso.riga);
        EXPECT_TRUE(formListaFilatelica.IsLoaded());
        EXPECT_FALSE(formSchedaFilatelica.IsLoaded());
        EXPECT_EQ(formListaFilatelica->Text_ID->Text(), "0");
        EXPECT_TRUE(c.dialoghi.boxes.empty());
    }
}

TEST(FormListaFilatelica, ExitClosesOnlyTheList)
{
    TreSchede s;
    scegliCatalogo("Italia");
    formListaFilatelica->Cmd_Exit->click();
    EXPECT_FALSE(formListaFilatelica.IsLoaded());
    EXPECT_TRUE(formCatalogo.IsLoaded());
    EXPECT_FALSE(formSchedaFilatelica.IsLoaded());
}

TEST(FormListaFilatelica, LoadErrorsShowTheirDescriptionAndTheWindowStillOpens)
{
    CollezioneDiProva c;
    c.aggiungiCatalogo("Italia");
    c.aggiungiScheda({{"Catalogo", "Italia"}});
    formCatalogo.Show();
    formCatalogo->Combo1->setText("Italia");
    c.impostazione("db_conn", "Manca.mdb");

    QString attesa;
    try {
        platform::ado::Connection conn;
        apriConnessione(conn, componiStringaConnessione("Microsoft.Jet.OLEDB.4.0", c.cartella() + "/", "Manca.mdb",
                                                        "Admin", " "));
    } catch (const platform::runtime::Error& e) {
        attesa = e.description();
    }
    ASSERT_FALSE(attesa.isEmpty());

    formListaFilatelica.Show();
    ASSERT_EQ(c.dialoghi.boxes.size(), 1u);
    EXPECT_EQ(c.dialoghi.boxes[0].prompt, attesa);
    EXPECT_EQ(c.dialoghi.boxes[0].title, "Albora");
    EXPECT_TRUE(formListaFilatelica->isVisible());
    EXPECT_EQ(formListaFilatelica->MSFlexGrid1->Rows(), 2);  // as designed
}

TEST(FormListaFilatelica, HeadingsStartAtTheirCharacterPositions)
{
    const QString& testo = FormListaFilatelica::Intestazione;
    EXPECT_EQ(testo.size(), 142);
    const std::pair<const char*, int> titoli[] = {{"ID", 0},    {"Data", 12},     {"Descrizione", 43},
                                                  {"Val.", 92}, {"Anno", 100},    {"Quotaz.", 105},
                                                  {"Ubicazione", 119}};
    QString soloTitoli(testo.size(), u' ');
    for (const auto& [titolo, posizione] : titoli) {
        EXPECT_EQ(testo.indexOf(titolo), posizione) << titolo;
        soloTitoli.replace(posizione, QString(titolo).size(), titolo);
    }
    EXPECT_EQ(testo, soloTitoli);  // the rest is blanks

    CollezioneDiProva c;
    formListaFilatelica.Show();
    EXPECT_EQ(formListaFilatelica->Label1->Caption(), testo);
    EXPECT_EQ(formListaFilatelica->Caption(), "Lista Filatelica");
}

TEST(FormListaFilatelica, TabbingSkipsTheCatalogueName)
{
    CollezioneDiProva c;
    formListaFilatelica.Show();
    auto& f = *formListaFilatelica;
    const QList<QWidget*> attesi{f.Cmd_Exit, f.Cmd_Agg, f.MSFlexGrid1, f.Cmd_ExpExcel};
    QList<QWidget*> visti;
    QWidget* w = f.Cmd_Exit;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&f) && w->isEnabled() && !visti.contains(w))
            visti << w;
        w = w->nextInFocusChain();
    } while (w != f.Cmd_Exit);
    EXPECT_EQ(visti, attesi);
    EXPECT_EQ(f.Cmd_ExpExcel->toolTip(), "Esporta su Excel (Desktop)");
    EXPECT_FALSE(f.Text_ID->isVisibleTo(&f));
}

}  // namespace
