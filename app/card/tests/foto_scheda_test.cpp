// The photo buttons of the card window: import a picture file, delete the photo.
#include "scheda_di_prova.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace albora::prova {
namespace {

using namespace platform::forms;

class SchedaFotoComandi : public ::testing::Test {
public:
    void SetUp() override
    {
        ASSERT_TRUE(esterna.isValid());
        id = c.aggiungiScheda({{"Catalogo", "Italia"}, {"DataAggiornamento", Variant(QDate(2026, 1, 1))},
                               {"IDImmagine", "Fran0.jpg"}});
    }
    QString fileEsterno(const QString& nome, const char* formato = "JPG")
    {
        const QString percorso = esterna.path() + "/" + nome;
        CollezioneDiProva::scriviFoto(percorso, formato, Qt::blue);
        return percorso;
    }
    CollezioneDiProva c;
    QTemporaryDir esterna;
    int id = 0;
};

TEST_F(SchedaFotoComandi, ImportShowsThePictureCopiesItUnderTheCardsNameAndStoresTheName)
{
    const QString scelto = fileEsterno("francobollo.JPG");
    FormSchedaFilatelica& f = apriScheda(id);
    c.dialoghi.fileAnswers.push_back(scelto);
    f.Cmd_Sfoglia_Click();

    ASSERT_EQ(c.dialoghi.files.size(), 1u);
    const FileDialogRequest& d = c.dialoghi.files.front();
    EXPECT_EQ(d.title, "Carica immagine");
    EXPECT_EQ(d.fileName, "");
    EXPECT_EQ(d.filter, "");
    EXPECT_EQ(d.flags, 0x80000);
    const QString nome = "Franc." + QString::number(id) + ".JPG";
    EXPECT_EQ(f.NomeFoto, nome);
    EXPECT_EQ(c.valore(id, "IDImmagine").text(), nome);
    EXPECT_TRUE(QFile::exists(c.cartellaFoto() + nome));
    EXPECT_TRUE(QFile::exists(scelto));
    EXPECT_TRUE(f.Image1->hasPicture());
    EXPECT_TRUE(c.dialoghi.boxes.empty());
}

TEST_F(SchedaFotoComandi, CancellingTheDialogChangesNothing)
{
    FormSchedaFilatelica& f = apriScheda(id);
    f.Cmd_Sfoglia_Click();
    EXPECT_EQ(c.dialoghi.files.size(), 1u);
    EXPECT_TRUE(c.dialoghi.boxes.empty());
    EXPECT_EQ(f.NomeFoto, "Fran0.jpg");
    EXPECT_EQ(c.valore(id, "IDImmagine").text(), "Fran0.jpg");
}

TEST_F(SchedaFotoComandi, ARefusedFileTypeShowsTheAcceptedFormats)
{
    FormSchedaFilatelica& f = apriScheda(id);
    c.dialoghi.fileAnswers.push_back(fileEsterno("scan.Jpg"));
    f.Cmd_Sfoglia_Click();
    const MessageBoxRequest& m = ultimoMessaggio(c);
    EXPECT_EQ(m.prompt, QString("Selezione non valida!") + QChar(13) + "Formati accettati: JPG, JPEG, BMP");
    EXPECT_EQ(m.title, "ATTENZIONE");
    EXPECT_EQ(m.icon, MsgIcon::Exclamation);
    EXPECT_EQ(c.valore(id, "IDImmagine").text(), "Fran0.jpg");
    EXPECT_EQ(f.NomeFoto, "Fran0.jpg");
}

TEST_F(SchedaFotoComandi, AnImportErrorShowsItsDescriptionAndLosesNothing)
{
    struct Caso {
        const char* nome;
        std::function<QString(SchedaFotoComandi&)> prepara;  // returns the chosen file
        const char* descrizioneContiene;
    };
    const std::vector<Caso> casi = {
        {"FileCheNonEUnImmagine",
         [](SchedaFotoComandi& t) {
             const QString percorso = t.esterna.path() + "/testo.jpg";
             QFile file(percorso);
             EXPECT_TRUE(file.open(QIODevice::WriteOnly));
             file.write("non sono una foto");
             return percorso;
         },
         "testo.jpg"},
        {"CartellaFotoInesistente",
         [](SchedaFotoComandi& t) {
             t.c.impostazione("image_conn", t.c.cartella() + "/NonEsiste/");
             return t.fileEsterno("buona.jpg");
         },
         "NonEsiste"},
    };
    for (const Caso& caso : casi) {
        c.dialoghi.boxes.clear();
        const QString scelto = caso.prepara(*this);
        FormSchedaFilatelica& f = apriScheda(id);
        c.dialoghi.boxes.clear();
        c.dialoghi.fileAnswers.push_back(scelto);
        f.Cmd_Sfoglia_Click();
        ASSERT_EQ(c.dialoghi.boxes.size(), 1u) << caso.nome;
        EXPECT_TRUE(c.dialoghi.boxes.front().prompt.contains(caso.descrizioneContiene))
            << caso.nome << ": " << c.dialoghi.boxes.front().prompt;
        EXPECT_EQ(c.dialoghi.boxes.front().title, "Albora") << caso.nome;
        EXPECT_EQ(c.valore(id, "IDImmagine").text(), "Fran0.jpg") << caso.nome;
        EXPECT_FALSE(QFile::exists(c.cartellaFoto() + "Franc." + QString::number(id) + ".jpg")) << caso.nome;
        formSchedaFilatelica.Unload();
        flushUnloaded();
    }
}

TEST_F(SchedaFotoComandi, APhotoImportedForANewCardIsKeptUntilTheCardIsSaved)
{
    FormSchedaFilatelica& f = apriScheda(0);
    f.Combo1->setText("Italia");
    c.dialoghi.fileAnswers.push_back(fileEsterno("nuova.bmp", "BMP"));
    f.Cmd_Sfoglia_Click();
    EXPECT_EQ(f.NomeFoto, "Franc.0.bmp");
    EXPECT_TRUE(QFile::exists(c.cartellaFoto() + "Franc.0.bmp"));
    EXPECT_EQ(c.numeroSchede(), 1);

    f.Cmd_Agg_Click();
    const QString nome = "Franc." + f.Text_Codice->Text() + ".bmp";
    EXPECT_EQ(c.valore(f.Text_Codice->Text().toInt(), "IDImmagine").text(), nome);
    EXPECT_TRUE(QFile::exists(c.cartellaFoto() + nome));
}

QString domandaFoto()
{
    return QString("Sicuro di voler eliminare questa Foto? ") + QChar(13) +
           "Una volta confermato non sarà più possibile il recupero dell'immagine! ";
}

TEST_F(SchedaFotoComandi, DeletingThePhotoAsksThenClearsColumnFileAndBox)
{
    const QString nome = "Franc." + QString::number(id) + ".jpg";
    FormSchedaFilatelica& f = apriScheda(id);
    c.dialoghi.fileAnswers.push_back(fileEsterno("x.jpg"));
    f.Cmd_Sfoglia_Click();
    ASSERT_EQ(c.valore(id, "IDImmagine").text(), nome);

    c.dialoghi.answers.push_back(vbNo);
    f.Cmd_CancellaFoto_Click();
    EXPECT_TRUE(QFile::exists(c.cartellaFoto() + nome));
    EXPECT_TRUE(f.Image1->hasPicture());

    f.Cmd_CancellaFoto_Click();
    ASSERT_EQ(c.dialoghi.boxes.size(), 2u);
    for (const MessageBoxRequest& d : c.dialoghi.boxes) {
        EXPECT_EQ(d.prompt, domandaFoto());
        EXPECT_EQ(d.title, "ATTENZIONE");
        EXPECT_EQ(d.icon, MsgIcon::Critical);
        EXPECT_EQ(d.buttons, (std::vector<int>{vbYes, vbNo}));
        EXPECT_EQ(d.defaultButton, vbYes);
    }
    EXPECT_EQ(c.valore(id, "IDImmagine").text(), "0");
    EXPECT_FALSE(QFile::exists(c.cartellaFoto() + nome));
    EXPECT_FALSE(f.Image1->hasPicture());
    EXPECT_EQ(f.NomeFoto, nome);
    EXPECT_TRUE(QFile::exists(c.cartellaFoto() + "Fran0.jpg"));
}

TEST_F(SchedaFotoComandi, DeletingThePhotoWithAnEmptyCardNumberAsksNothing)
{
    FormSchedaFilatelica& f = apriScheda(id);
    f.Text_Codice->setText("");
    f.Cmd_CancellaFoto_Click();
    EXPECT_TRUE(c.dialoghi.boxes.empty());
    EXPECT_TRUE(f.Image1->hasPicture());
}

TEST_F(SchedaFotoComandi, AnArchiveErrorWhileDeletingThePhotoIsShownAndThePhotoStays)
{
    FormSchedaFilatelica& f = apriScheda(id);
    rifiutaModifiche(c, "UPDATE", "archivio bloccato");
    f.Cmd_CancellaFoto_Click();
    ASSERT_EQ(c.dialoghi.boxes.size(), 2u);
    EXPECT_TRUE(c.dialoghi.boxes[1].prompt.contains("archivio bloccato")) << c.dialoghi.boxes[1].prompt;
    EXPECT_EQ(c.valore(id, "IDImmagine").text(), "Fran0.jpg");
    EXPECT_TRUE(f.Image1->hasPicture());
}

}  // namespace
}  // namespace albora::prova
