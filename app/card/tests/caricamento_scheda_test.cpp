// Opening the card window, its lists, showing a card and its photo,
// stepping to the neighbouring card numbers, and clearing for a new card.
#include "scheda_di_prova.h"

#include "list/form_lista_filatelica.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace albora::prova {
namespace {

using platform::forms::MsgIcon;

TEST(SchedaCaricamento, ShowsEveryColumnAsTextWithTheRegionalSettings)
{
    CollezioneDiProva c;
    c.aggiungiCatalogo("Italia");
    c.aggiungiCatalogo("Francia");
    CollezioneDiProva::scriviFoto(c.cartellaFoto() + "Franc.1.jpg", "BMP");  // a bitmap under a .jpg name
    const int id = c.aggiungiScheda({
        {"Catalogo", "Italia"}, {"DataAggiornamento", Variant(QDate(2026, 1, 15))},
        {"DescrizioneFrancobollo", "Lira oro"}, {"ValoreFacciale", "1234,5"}, {"StatoEmittente", "Italia"},
        {"AnnoEmissione", "1861"}, {"Stamperia", "Torino"}, {"PeriodoCircolazione", "1861-1863"},
        {"Tiratura", "100.000"}, {"Quotazione", "12,25"}, {"Vignetta", "Re"}, {"LuogoConservazione", "Album 1"},
        {"Colori", "Giallo"}, {"Tipologia", "Ordinario"}, {"Carta", "Filigrana"},
        {"CataloghiSigle", "Scelta libera"}, {"Dentellatura", "Non dentellato"}, {"Possessore", "Anna"},
        {"Serie", "Effigie"}, {"Timbro", "Nuovo"}, {"StatoConservazione", "Ottimo"}, {"Rarita", "R2"},
        {"Forma", "Rettangolare"}, {"Dimensioni", "20x24"}, {"Centratura", "Buona"}, {"Note", "Prima\nseconda"},
        {"IDImmagine", "Franc.1.jpg"},
    });
    ASSERT_EQ(id, 1);
    FormSchedaFilatelica& f = apriScheda(id);

    const std::map<QString, QString> attesi = {
        {"DataAggiornamento", "15/01/2026"}, {"Catalogo", "Italia"}, {"DescrizioneFrancobollo", "Lira oro"},
        {"ValoreFacciale", "1234,5"}, {"StatoEmittente", "Italia"}, {"AnnoEmissione", "1861"},
        {"Stamperia", "Torino"}, {"PeriodoCircolazione", "1861-1863"}, {"Tiratura", "100.000"},
        {"Quotazione", "12,25"}, {"Vignetta", "Re"}, {"LuogoConservazione", "Album 1"}, {"Colori", "Giallo"},
        {"Tipologia", "Ordinario"}, {"Carta", "Filigrana"}, {"CataloghiSigle", "Scelta libera"},
        {"Dentellatura", "Non dentellato"}, {"Possessore", "Anna"}, {"Serie", "Effigie"}, {"Timbro", "Nuovo"},
        {"StatoConservazione", "Ottimo"}, {"Rarita", "R2"}, {"Forma", "Rettangolare"}, {"Dimensioni", "20x24"},
        {"Centratura", "Buona"}, {"Note", "Prima\nseconda"},
    };
    for (const CampoScheda& campo : f.campiInOrdineDiLettura())
        EXPECT_EQ(campo.Text(), attesi.at(campo.colonna)) << campo.colonna;
    EXPECT_EQ(f.Text_Codice->Text(), "1");
    EXPECT_EQ(f.NomeFoto, "Franc.1.jpg");
    EXPECT_TRUE(f.Image1->hasPicture());
    EXPECT_EQ(f.PercorsoImmagini, c.cartellaFoto());
    EXPECT_TRUE(c.dialoghi.boxes.empty());
    // The fixed list of Combo4 stays, whatever the card holds.
    EXPECT_EQ(f.Combo4->ListCount(), 14);
}

TEST(SchedaCaricamento, ListsHoldTheCataloguesAndTheDistinctValuesInOrderNullAsAnEmptyRow)
{
    CollezioneDiProva c;
    c.aggiungiCatalogo("Vaticano");
    c.aggiungiCatalogo("Italia");
    c.aggiungiScheda({{"Catalogo", "Italia"}, {"Tipologia", "Ordinario"}, {"Carta", "Patinata"}});
    c.aggiungiScheda({{"Catalogo", "Italia"}, {"Tipologia", "Commemorativo"}, {"Dentellatura", "14"}});
    c.aggiungiScheda({{"Catalogo", "Italia"}, {"Tipologia", "Ordinario"}, {"Carta", "Patinata"}});
    FormSchedaFilatelica& f = apriScheda(0);

    auto righe = [](platform::forms::ComboBox* combo) {
        QStringList r;
        for (int i = 0; i < combo->ListCount(); ++i)
            r << combo->List(i);
        return r;
    };
    EXPECT_EQ(righe(f.Combo1), QStringList({"Italia", "Vaticano"}));
    EXPECT_EQ(righe(f.Combo2), QStringList({"Commemorativo", "Ordinario"}));
    EXPECT_EQ(righe(f.Combo3), QStringList({"", "Patinata"}));
    EXPECT_EQ(righe(f.Combo5), QStringList({"", "14"}));
}

TEST(SchedaCaricamento, ACardSavedWithOnlyItsCatalogueShowsEveryOtherFieldEmptyAndNoPhoto)
{
    CollezioneDiProva c;
    const int id = c.aggiungiScheda({{"Catalogo", "Italia"}, {"DataAggiornamento", Variant(QDate(2026, 3, 2))}});
    FormSchedaFilatelica& f = apriScheda(id);
    EXPECT_EQ(f.Combo1->Text(), "Italia");
    EXPECT_EQ(f.Text_DataAggiornamento->Text(), "02/03/2026");
    EXPECT_EQ(f.Text_ValoreFacciale->Text(), "");
    EXPECT_EQ(f.Text_Quotazione->Text(), "");
    EXPECT_EQ(f.Text_Note->Text(), "");
    EXPECT_EQ(f.NomeFoto, "");
    EXPECT_FALSE(f.Image1->hasPicture());
}

struct FotoGuasta {
    const char* nome;
    std::function<void(CollezioneDiProva&)> prepara;
    const char* descrizioneContiene;
};

class SchedaFotoNonCaricabile : public ::testing::TestWithParam<FotoGuasta> {};

TEST_P(SchedaFotoNonCaricabile, TheLoadReportsTheErrorAndKeepsTheTextFields)
{
    CollezioneDiProva c;
    GetParam().prepara(c);
    const int id = c.aggiungiScheda({{"Catalogo", "Italia"}, {"DataAggiornamento", Variant(QDate(2026, 3, 2))},
                                     {"DescrizioneFrancobollo", "Gronchi rosa"}, {"IDImmagine", "Franc.1.jpg"}});
    FormSchedaFilatelica& f = apriScheda(id);

    ASSERT_EQ(c.dialoghi.boxes.size(), 1u);
    const auto& messaggio = c.dialoghi.boxes.front();
    EXPECT_TRUE(messaggio.prompt.contains(QString::fromUtf8(GetParam().descrizioneContiene))) << messaggio.prompt;
    EXPECT_EQ(messaggio.title, "Albora");
    EXPECT_EQ(messaggio.icon, MsgIcon::None);
    EXPECT_EQ(f.Text_DescrizioneFrancobollo->Text(), "Gronchi rosa");
    EXPECT_EQ(f.Text_DataAggiornamento->Text(), "02/03/2026");
    EXPECT_EQ(f.NomeFoto, "Franc.1.jpg");
    EXPECT_FALSE(f.Image1->hasPicture());
}

INSTANTIATE_TEST_SUITE_P(
    Casi, SchedaFotoNonCaricabile,
    ::testing::Values(
        FotoGuasta{"FileMancante", [](CollezioneDiProva&) {}, "Franc.1.jpg"},
        FotoGuasta{"FileCheNonEUnImmagine",
                   [](CollezioneDiProva& c) {
                       QFile file(c.cartellaFoto() + "Franc.1.jpg");
                       ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                       file.write("questo non è un francobollo");
                   },
                   "Franc.1.jpg"},
        FotoGuasta{"CartellaFotoInesistente",
                   [](CollezioneDiProva& c) { c.impostazione("image_conn", c.cartella() + "/NonEsiste/"); },
                   "NonEsiste"}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST(SchedaCaricamento, AnArchiveThatCannotBeOpenedIsReportedAndTheWindowStillOpens)
{
    CollezioneDiProva c;
    formListaFilatelica->Text_ID->setText("0");
    c.impostazione("db_conn", "Inesistente.db");
    FormSchedaFilatelica& f = *formSchedaFilatelica;
    ASSERT_EQ(c.dialoghi.boxes.size(), 1u);
    EXPECT_TRUE(c.dialoghi.boxes.front().prompt.contains("Inesistente.db")) << c.dialoghi.boxes.front().prompt;
    EXPECT_EQ(f.Combo1->ListCount(), 0);
    EXPECT_EQ(f.Text_Codice->Text(), "0");
}

// Cards 1, 2 and 4 (3 deleted); 5 belongs to another catalogue.
class SchedaNavigazione : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 1; i <= 5; ++i)
            c.aggiungiScheda({{"Catalogo", i == 5 ? "Francia" : "Italia"},
                              {"DataAggiornamento", Variant(QDate(2026, 1, i))},
                              {"DescrizioneFrancobollo", QString("Francobollo %1").arg(i)},
                              {"IDImmagine", i == 2 ? "Fran0.jpg" : "0"}});
        eliminaDirettamente(c, 3);
    }
    CollezioneDiProva c;
};

TEST_F(SchedaNavigazione, NextAndPreviousStepByOneNumberAndStopSilentlyAtAGapOrAnEnd)
{
    struct Passo {
        int da;
        bool avanti;
        int atteso;
    };
    for (const Passo& p : {Passo{1, true, 2}, Passo{2, false, 1}, Passo{2, true, 2}, Passo{4, false, 4},
                           Passo{1, false, 1}, Passo{5, true, 5}, Passo{4, true, 5}}) {
        FormSchedaFilatelica& f = apriScheda(p.da);
        if (p.avanti)
            f.Cmd_Avanti_Click();
        else
            f.Cmd_Indietro_Click();
        EXPECT_EQ(f.Text_Codice->Text(), QString::number(p.atteso)) << p.da << (p.avanti ? " avanti" : " indietro");
        EXPECT_EQ(f.Text_DescrizioneFrancobollo->Text(), QString("Francobollo %1").arg(p.atteso));
        formSchedaFilatelica.Unload();
        platform::forms::flushUnloaded();
    }
    EXPECT_TRUE(c.dialoghi.boxes.empty());
}

TEST_F(SchedaNavigazione, TheNeighbourShowsItsOwnCatalogueAndReplacesThePhoto)
{
    FormSchedaFilatelica& f = apriScheda(2);
    EXPECT_EQ(f.NomeFoto, "Fran0.jpg");
    EXPECT_TRUE(f.Image1->hasPicture());
    f.Cmd_Indietro_Click();
    EXPECT_EQ(f.NomeFoto, "");
    EXPECT_FALSE(f.Image1->hasPicture());

    formSchedaFilatelica.Unload();
    platform::forms::flushUnloaded();
    FormSchedaFilatelica& g = apriScheda(4);
    g.Cmd_Avanti_Click();
    EXPECT_EQ(g.Text_Codice->Text(), "5");
    EXPECT_EQ(g.Combo1->Text(), "Francia");
}

TEST_F(SchedaNavigazione, ReachingACardWhosePhotoIsMissingReportsItAndShowsTheCard)
{
    c.aggiungiScheda({{"Catalogo", "Italia"}, {"DataAggiornamento", Variant(QDate(2026, 2, 1))},
                      {"DescrizioneFrancobollo", "Senza foto"}, {"IDImmagine", "Franc.6.jpg"}});
    FormSchedaFilatelica& f = apriScheda(5);
    f.Cmd_Avanti_Click();
    ASSERT_EQ(c.dialoghi.boxes.size(), 1u);
    EXPECT_TRUE(c.dialoghi.boxes.front().prompt.contains("Franc.6.jpg"));
    EXPECT_EQ(f.Text_Codice->Text(), "6");
    EXPECT_EQ(f.Text_DescrizioneFrancobollo->Text(), "Senza foto");
    EXPECT_FALSE(f.Image1->hasPicture());
    // The recordset was closed: the next step works.
    f.Cmd_Indietro_Click();
    EXPECT_EQ(f.Text_Codice->Text(), "5");
}

TEST_F(SchedaNavigazione, ANewCardDoesNotMoveAndClearingEmptiesEverything)
{
    FormSchedaFilatelica& f = apriScheda(0);
    f.Cmd_Avanti_Click();
    f.Cmd_Indietro_Click();
    EXPECT_EQ(f.Text_Codice->Text(), "0");
    EXPECT_EQ(f.Text_DescrizioneFrancobollo->Text(), "");

    formSchedaFilatelica.Unload();
    platform::forms::flushUnloaded();
    c.aggiungiCatalogo("Italia");
    FormSchedaFilatelica& g = apriScheda(2);
    g.ComCLS_Click();
    EXPECT_EQ(g.Text_Codice->Text(), "0");
    for (const CampoScheda& campo : g.campiInOrdineDiLettura())
        EXPECT_EQ(campo.Text(), "") << campo.colonna;
    EXPECT_FALSE(g.Image1->hasPicture());
    EXPECT_EQ(g.NomeFoto, "");
    EXPECT_EQ(g.Combo1->ListCount(), 1);  // the lists stay
    g.Cmd_Avanti_Click();
    g.Cmd_Indietro_Click();
    EXPECT_EQ(g.Text_Codice->Text(), "0");
    EXPECT_TRUE(c.dialoghi.boxes.empty());
}

TEST_F(SchedaNavigazione, ACardDeletedByAnotherWindowWhileShownStillLetsTheUserStepAway)
{
    FormSchedaFilatelica& f = apriScheda(2);
    eliminaDirettamente(c, 2);
    f.Cmd_Indietro_Click();
    EXPECT_EQ(f.Text_Codice->Text(), "1");
    EXPECT_TRUE(c.dialoghi.boxes.empty());
}

}  // namespace
}  // namespace albora::prova
