// Searching by the first characters of the description, and going back.
#include "scheda_di_prova.h"

#include <gtest/gtest.h>

namespace albora::prova {
namespace {

class SchedaRicerca : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const auto& [catalogo, descrizione] : std::vector<std::pair<QString, QString>>{
                 {"Italia", "Effigie"},                     // 1
                 {"Italia", "Lira oro"},                    // 2
                 {"Italia", "Lira rossa"},                  // 3
                 {"Italia", "Repubblica dell'Ossola"},      // 4
                 {"Italia", "Il \"Gronchi rosa\""},         // 5
                 {"Grecia", "Ελλάδα δραχμή"},               // 6
                 {"Italia", "Città di Trieste"},            // 7
                 {"Italia", "𝔄lfabeto gotico"},             // 8
             })
            c.aggiungiScheda({{"Catalogo", catalogo}, {"DescrizioneFrancobollo", descrizione},
                              {"DataAggiornamento", Variant(QDate(2026, 1, 1))}});
        c.aggiungiScheda({{"Catalogo", "Italia"}, {"DataAggiornamento", Variant(QDate(2026, 1, 1))}});  // 9: Null
    }
    CollezioneDiProva c;
};

TEST_F(SchedaRicerca, FindsByPrefixWhateverTheLetterCaseQuotesOrAlphabet)
{
    struct Caso {
        const char* testo;
        const char* trovata;  // card shown afterwards
    };
    for (const Caso& caso : {
             Caso{"Lira", "3"},               // several: the last row returned
             Caso{"lira r", "3"},
             Caso{"LIRA O", "2"},
             Caso{"Repubblica dell'", "4"},   // an apostrophe gives a valid statement and matches
             Caso{"Il \"Gronchi", "5"},
             Caso{"ελλάδα", "6"},
             Caso{"CITTÀ di", "7"},
             Caso{"𝔄l", "8"},                 // one character outside the basic plane
             Caso{"rossa", "1"},              // middle of a description: nothing found
             Caso{"Lira oro e argento", "1"}, // longer than the description: nothing found
         }) {
        FormSchedaFilatelica& f = apriScheda(1);
        f.Text_Ricerca->setText(QString::fromUtf8(caso.testo));
        f.Cmd_Cerca_Click();
        EXPECT_EQ(f.Text_Codice->Text(), caso.trovata) << caso.testo;
        EXPECT_EQ(f.IDRitorno, "1");
        EXPECT_EQ(f.Text_Ricerca->Text(), QString::fromUtf8(caso.testo));
        formSchedaFilatelica.Unload();
        platform::forms::flushUnloaded();
    }
    EXPECT_TRUE(c.dialoghi.boxes.empty());
}

TEST_F(SchedaRicerca, TheFoundCardIsShownWholeWithItsOwnCatalogue)
{
    FormSchedaFilatelica& f = apriScheda(2);
    f.Text_Ricerca->setText("Ελλ");
    f.Cmd_Cerca_Click();
    EXPECT_EQ(f.Text_Codice->Text(), "6");
    EXPECT_EQ(f.Combo1->Text(), "Grecia");
    EXPECT_EQ(f.Text_DescrizioneFrancobollo->Text(), "Ελλάδα δραχμή");
}

TEST_F(SchedaRicerca, AnEmptySearchGoesBackToTheCardShownWhenTheLastSearchStarted)
{
    FormSchedaFilatelica& f = apriScheda(5);
    // Nothing to go back to before the first search.
    f.Cmd_Cerca_Click();
    EXPECT_EQ(f.Text_Codice->Text(), "5");
    EXPECT_TRUE(c.dialoghi.boxes.empty());

    f.Text_Ricerca->setText("Lira r");
    f.Cmd_Cerca_Click();
    EXPECT_EQ(f.Text_Codice->Text(), "3");
    f.Text_Ricerca->setText("");
    f.Cmd_Cerca_Click();
    EXPECT_EQ(f.Text_Codice->Text(), "5");
    EXPECT_EQ(f.Text_DescrizioneFrancobollo->Text(), "Il \"Gronchi rosa\"");
}

TEST_F(SchedaRicerca, AFoundCardWhosePhotoIsMissingIsReportedAndShown)
{
    const int id = c.aggiungiScheda({{"Catalogo", "Italia"}, {"DescrizioneFrancobollo", "Trinacria"},
                                     {"DataAggiornamento", Variant(QDate(2026, 1, 1))},
                                     {"IDImmagine", "Franc.10.jpg"}});
    FormSchedaFilatelica& f = apriScheda(1);
    f.Text_Ricerca->setText("Trin");
    f.Cmd_Cerca_Click();
    EXPECT_EQ(f.Text_Codice->Text(), QString::number(id));
    EXPECT_EQ(f.Text_DescrizioneFrancobollo->Text(), "Trinacria");
    ASSERT_EQ(c.dialoghi.boxes.size(), 1u);
    EXPECT_TRUE(c.dialoghi.boxes.front().prompt.contains("Franc.10.jpg"));
}

}  // namespace
}  // namespace albora::prova
