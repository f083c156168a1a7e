// Deleting the card shown, with its photo, and going back to the list.
#include "scheda_di_prova.h"

#include "catalogue/form_catalogo.h"
#include "list/form_lista_filatelica.h"

#include <QFile>
#include <gtest/gtest.h>

namespace albora::prova {
namespace {

using namespace platform::forms;

QString domanda(const QString& codice)
{
    return "Sicuro di voler eliminare questa scheda n.(" + codice +
           ")?   Questa operazione cancellerà anche l'immagine del francobollo. " + QChar(13) +
           "Una volta confermato non sarà piu possibile il recupero dei dati! ";
}

class SchedaEliminazione : public ::testing::Test {
protected:
    void SetUp() override
    {
        c.aggiungiCatalogo("Italia");
        formCatalogo->Combo1->setText("Italia");
        altra = c.aggiungiScheda({{"Catalogo", "Italia"}, {"IDImmagine", "Fran0.jpg"}});
        c.aggiungiScheda({{"Catalogo", "Italia"}});
        // Card 3 with its photo Franc.3.jpg.
        nomeFoto = "Franc.3.jpg";
        CollezioneDiProva::scriviFoto(c.cartellaFoto() + nomeFoto, "JPG");
        id = c.aggiungiScheda({{"Catalogo", "Italia"}, {"DataAggiornamento", Variant(QDate(2026, 1, 1))},
                               {"IDImmagine", nomeFoto}});
        ASSERT_EQ(id, 3);
    }
    CollezioneDiProva c;
    int altra = 0;
    int id = 0;
    QString nomeFoto;
};

TEST_F(SchedaEliminazione, YesRemovesPhotoAndRowAndReturnsToTheList)
{
    FormSchedaFilatelica& f = apriScheda(id);
    ASSERT_TRUE(f.Image1->hasPicture());
    f.Cmd_Canc_Click();

    ASSERT_EQ(c.dialoghi.boxes.size(), 2u);
    const MessageBoxRequest& d = c.dialoghi.boxes[0];
    EXPECT_EQ(d.prompt, domanda(QString::number(id)));
    EXPECT_EQ(d.title, "ATTENZIONE");
    EXPECT_EQ(d.icon, MsgIcon::Critical);
    EXPECT_EQ(d.buttons, (std::vector<int>{vbYes, vbNo}));
    EXPECT_EQ(d.defaultButton, vbYes);
    const MessageBoxRequest& ok = c.dialoghi.boxes[1];
    EXPECT_EQ(ok.prompt, QString("Scheda eliminata con successo. ") + QChar(13) + "Premi OK per tornare all'elenco.");
    EXPECT_EQ(ok.title, "INFO");
    EXPECT_EQ(ok.icon, MsgIcon::Information);

    EXPECT_FALSE(c.esisteScheda(id));
    EXPECT_TRUE(c.esisteScheda(altra));
    EXPECT_FALSE(QFile::exists(c.cartellaFoto() + nomeFoto));
    EXPECT_TRUE(QFile::exists(c.cartellaFoto() + "Fran0.jpg"));
    EXPECT_FALSE(formSchedaFilatelica.IsLoaded());
    ASSERT_TRUE(formListaFilatelica.IsLoaded());
    EXPECT_TRUE(formListaFilatelica->isVisible());
    EXPECT_EQ(formListaFilatelica->Text_Catalogo->Text(), "Italia");
}

TEST_F(SchedaEliminazione, NoChangesNothing)
{
    FormSchedaFilatelica& f = apriScheda(id);
    c.dialoghi.answers.push_back(vbNo);
    f.Cmd_Canc_Click();
    EXPECT_EQ(c.dialoghi.boxes.size(), 1u);
    EXPECT_TRUE(c.esisteScheda(id));
    EXPECT_EQ(c.valore(id, "IDImmagine").text(), nomeFoto);
    EXPECT_TRUE(QFile::exists(c.cartellaFoto() + nomeFoto));
    EXPECT_TRUE(formSchedaFilatelica.IsLoaded());
    EXPECT_TRUE(f.Image1->hasPicture());
}

TEST_F(SchedaEliminazione, TheSharedPlaceholderStaysWhenItsCardIsDeleted)
{
    FormSchedaFilatelica& f = apriScheda(altra);
    f.Cmd_Canc_Click();
    EXPECT_FALSE(c.esisteScheda(altra));
    EXPECT_TRUE(QFile::exists(c.cartellaFoto() + "Fran0.jpg"));
}

TEST_F(SchedaEliminazione, ANewCardDeletesOnlyThePhotoTakenBeforeItsFirstSave)
{
    CollezioneDiProva::scriviFoto(c.cartellaFoto() + "Franc.0.jpg", "JPG");
    FormSchedaFilatelica& f = apriScheda(0);
    f.NomeFoto = "Franc.0.jpg";
    f.Cmd_Canc_Click();
    EXPECT_EQ(c.dialoghi.boxes.front().prompt, domanda("0"));
    EXPECT_FALSE(QFile::exists(c.cartellaFoto() + "Franc.0.jpg"));
    EXPECT_EQ(c.numeroSchede(), 3);
    EXPECT_FALSE(formSchedaFilatelica.IsLoaded());
}

TEST_F(SchedaEliminazione, AnArchiveErrorIsShownAndTheCardStays)
{
    rifiutaModifiche(c, "DELETE", "archivio bloccato");
    FormSchedaFilatelica& f = apriScheda(id);
    f.Cmd_Canc_Click();
    ASSERT_EQ(c.dialoghi.boxes.size(), 2u);
    EXPECT_TRUE(c.dialoghi.boxes[1].prompt.contains("archivio bloccato")) << c.dialoghi.boxes[1].prompt;
    EXPECT_EQ(c.dialoghi.boxes[1].title, "Albora");
    EXPECT_TRUE(c.esisteScheda(id));
    ASSERT_TRUE(formSchedaFilatelica.IsLoaded());
    EXPECT_EQ(f.Text_Codice->Text(), QString::number(id));
    EXPECT_FALSE(formListaFilatelica.IsLoaded());
    // The window still works afterwards.
    f.Cmd_Indietro_Click();
    EXPECT_EQ(f.Text_Codice->Text(), "2");
}

TEST_F(SchedaEliminazione, AnEmptyCardNumberAsksNothing)
{
    FormSchedaFilatelica& f = apriScheda(id);
    f.Text_Codice->setText("");
    f.Cmd_Canc_Click();
    EXPECT_TRUE(c.dialoghi.boxes.empty());
    EXPECT_TRUE(c.esisteScheda(id));
}

}  // namespace
}  // namespace albora::prova
