#include "archivio_foto.h"

#include "files/operations.h"
#include "runtime/error.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace albora;
using namespace albora::prova;
using platform::runtime::Error;

class ImportaFoto : public ::testing::Test {
protected:
    ImportaFoto()
        : finestra(c)
    {
        c.aggiungiCatalogo("Italia");
        id = c.aggiungiScheda({{"Catalogo", "Italia"}, {"IDImmagine", "Fran0.jpg"}});
        codice = QString::number(id);
    }

    // A picture outside the photo folder, as the user picks it.
    QString sceltaUtente(const QString& nome, const char* formato, QColor colore = Qt::blue)
    {
        const QString percorso = esterna.path() + "/" + nome;
        CollezioneDiProva::scriviFoto(percorso, formato, colore);
        return percorso;
    }

    QString inCartella(const QString& nome) const { return c.cartellaFoto() + nome; }

    CollezioneDiProva c;
    FinestraFoto finestra;
    QTemporaryDir esterna;
    int id = 0;
    QString codice;
};

TEST_F(ImportaFoto, CopiaIlFileByteAByteEMemorizzaIlNome)
{
    const QString scelta = sceltaUtente("francobollo.JPG", "JPG");
    SchedaFoto scheda = finestra.scheda(codice);

    const std::optional<QImage> immagine = importaFoto(scheda, scelta);

    ASSERT_TRUE(immagine);
    EXPECT_FALSE(immagine->isNull());
    const QString nome = "Franc." + codice + ".JPG";
    EXPECT_EQ(contenuto(inCartella(nome)), contenuto(scelta));
    EXPECT_EQ(finestra.nomeFoto, nome);
    EXPECT_EQ(c.valore(id, "IDImmagine").text(), nome);
    EXPECT_EQ(finestra.recordset.State(), platform::ado::adStateClosed);
    EXPECT_TRUE(c.dialoghi.boxes.empty());
    EXPECT_TRUE(QFile::exists(scelta));
}

TEST_F(ImportaFoto, StessaEstensioneSostituisceAltraEstensioneAggiunge)
{
    SchedaFoto scheda = finestra.scheda(codice);
    importaFoto(scheda, sceltaUtente("prima.jpg", "JPG", Qt::red));
    const QString seconda = sceltaUtente("seconda.jpg", "JPG", Qt::green);
    importaFoto(scheda, seconda);
    EXPECT_EQ(contenuto(inCartella("Franc." + codice + ".jpg")), contenuto(seconda));

    const QString bitmap = sceltaUtente("terza.bmp", "BMP");
    importaFoto(scheda, bitmap);

    EXPECT_EQ(contenuto(inCartella("Franc." + codice + ".bmp")), contenuto(bitmap));
    EXPECT_EQ(contenuto(inCartella("Franc." + codice + ".jpg")), contenuto(seconda));
    EXPECT_EQ(c.valore(id, "IDImmagine").text(), "Franc." + codice + ".bmp");
    EXPECT_EQ(fileIn(c.cartellaFoto()),
              QStringList({"Fran0.jpg", "Franc." + codice + ".bmp", "Franc." + codice + ".jpg", "Franc.2.jpg"}));
}

TEST_F(ImportaFoto, SchedaNonSalvataScriveFranc0ELasciaLArchivio)
{
    SchedaFoto scheda = finestra.scheda("0");
    const QString scelta = sceltaUtente("scan.jpeg", "JPG");

    ASSERT_TRUE(importaFoto(scheda, scelta));

    EXPECT_EQ(contenuto(inCartella("Franc.0.jpeg")), contenuto(scelta));
    EXPECT_EQ(finestra.nomeFoto, "Franc.0.jpeg");
    EXPECT_EQ(c.valore(id, "IDImmagine").text(), "Fran0.jpg");
}

TEST_F(ImportaFoto, FormatoRifiutatoMostraIlMessaggioENonCambiaNulla)
{
    finestra.nomeFoto = "Fran0.jpg";
    SchedaFoto scheda = finestra.scheda(codice);

    EXPECT_FALSE(importaFoto(scheda, sceltaUtente("scan.Jpg", "JPG")));

    ASSERT_EQ(c.dialoghi.boxes.size(), 1u);
    const auto& box = c.dialoghi.boxes[0];
    EXPECT_EQ(box.title, "ATTENZIONE");
    EXPECT_EQ(box.prompt, "Selezione non valida!\rFormati accettati: JPG, JPEG, BMP");
    EXPECT_EQ(box.icon, platform::forms::MsgIcon::Exclamation);
    EXPECT_EQ(box.buttons, std::vector<int>{platform::forms::vbOK});
    EXPECT_EQ(finestra.nomeFoto, "Fran0.jpg");
    EXPECT_EQ(fileIn(c.cartellaFoto()), QStringList({"Fran0.jpg", "Franc.2.jpg"}));
}

TEST_F(ImportaFoto, NienteSceltaONomeVuotoNonFaNulla)
{
    SchedaFoto scheda = finestra.scheda(codice);
    EXPECT_FALSE(importaFoto(scheda, ""));
    EXPECT_FALSE(importaFoto(scheda, esterna.path() + "/"));
    EXPECT_TRUE(c.dialoghi.boxes.empty());
    EXPECT_EQ(fileIn(c.cartellaFoto()), QStringList({"Fran0.jpg", "Franc.2.jpg"}));
}

TEST_F(ImportaFoto, FileCheNonEUnImmagineNonCopiaNulla)
{
    SchedaFoto scheda = finestra.scheda(codice);
    const QString buona = sceltaUtente("buona.jpg", "JPG");
    importaFoto(scheda, buona);
    const QString falsa = esterna.path() + "/testo.jpg";
    QFile file(falsa);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("non sono una foto");
    file.close();

    try {
        importaFoto(scheda, falsa);
        FAIL() << "un file di testo è stato accettato come foto";
    } catch (const Error& e) {
        EXPECT_TRUE(e.description().contains(falsa)) << e.description().toStdString();
    }
    EXPECT_EQ(contenuto(inCartella("Franc." + codice + ".jpg")), contenuto(buona));
    EXPECT_EQ(c.valore(id, "IDImmagine").text(), "Franc." + codice + ".jpg");
}

TEST_F(ImportaFoto, CartellaFotoMancanteEUnErroreChiaro)
{
    const QString mancante = c.cartella() + "/NonCe/";
    SchedaFoto scheda = finestra.scheda(codice, mancante);

    try {
        importaFoto(scheda, sceltaUtente("scan.jpg", "JPG"));
        FAIL() << "nessun errore per la cartella mancante";
    } catch (const Error& e) {
        EXPECT_TRUE(e.description().contains(mancante)) << e.description().toStdString();
    }
    EXPECT_FALSE(QDir(mancante).exists());
    EXPECT_EQ(finestra.nomeFoto, "");
    EXPECT_EQ(c.valore(id, "IDImmagine").text(), "Fran0.jpg");
}

TEST_F(ImportaFoto, LaFotoDellaSchedaStessaRestaIntatta)
{
    SchedaFoto scheda = finestra.scheda(codice);
    importaFoto(scheda, sceltaUtente("scan.jpg", "JPG"));
    const QString propria = inCartella("Franc." + codice + ".jpg");
    const QByteArray prima = contenuto(propria);

    ASSERT_TRUE(importaFoto(scheda, propria));

    EXPECT_EQ(contenuto(propria), prima);
    EXPECT_EQ(fileIn(c.cartellaFoto()), QStringList({"Fran0.jpg", "Franc." + codice + ".jpg", "Franc.2.jpg"}));
}

// A copy that writes part of the bytes and then fails.
std::error_code copiaInterrotta(const platform::files::Path&, const platform::files::Path& to)
{
    QFile parziale(QString::fromStdString(to.string()));
    if (parziale.open(QIODevice::WriteOnly))
        parziale.write("BM");
    return std::make_error_code(std::errc::no_space_on_device);
}

TEST_F(ImportaFoto, CopiaFallitaLasciaIntattaLaFotoMemorizzata)
{
    SchedaFoto scheda = finestra.scheda(codice);
    const QString buona = sceltaUtente("buona.jpg", "JPG");
    importaFoto(scheda, buona);

    platform::files::Operations guasta = platform::files::systemOperations();
    guasta.copyContents = copiaInterrotta;
    {
        platform::files::ScopedOperations uso(guasta);
        EXPECT_THROW(importaFoto(scheda, sceltaUtente("nuova.jpg", "JPG", Qt::green)), Error);
    }

    EXPECT_EQ(contenuto(inCartella("Franc." + codice + ".jpg")), contenuto(buona));
    EXPECT_EQ(fileIn(c.cartellaFoto()), QStringList({"Fran0.jpg", "Franc." + codice + ".jpg", "Franc.2.jpg"}));
}

TEST_F(ImportaFoto, SchedaOltre32767RiceveLaSuaFoto)
{
    finestra.connessione.Execute("INSERT INTO TabellaSchedaFilatelica (IDSchedaFilatelica, Catalogo, IDImmagine) "
                                 "VALUES (40000, 'Italia', 'Fran0.jpg')");
    SchedaFoto scheda = finestra.scheda("40000");

    ASSERT_TRUE(importaFoto(scheda, sceltaUtente("scan.bmp", "BMP")));

    EXPECT_EQ(c.valore(40000, "IDImmagine").text(), "Franc.40000.bmp");
    EXPECT_EQ(c.valore(id, "IDImmagine").text(), "Fran0.jpg");
}

TEST_F(ImportaFoto, MemorizzaNomeFotoConvertiIlNumeroEIgnoraUnCodiceVuoto)
{
    SchedaFoto conZeri = finestra.scheda("00" + codice);
    memorizzaNomeFoto(conZeri, "Franc.X.jpg");
    EXPECT_EQ(c.valore(id, "IDImmagine").text(), "Franc.X.jpg");

    SchedaFoto vuota = finestra.scheda("");
    EXPECT_NO_THROW(memorizzaNomeFoto(vuota, "altro.jpg"));
    EXPECT_EQ(c.valore(id, "IDImmagine").text(), "Franc.X.jpg");

    SchedaFoto nonNumero = finestra.scheda("dodici");
    EXPECT_THROW(memorizzaNomeFoto(nonNumero, "altro.jpg"), Error);
    EXPECT_EQ(finestra.recordset.State(), platform::ado::adStateClosed);
}

}  // namespace
