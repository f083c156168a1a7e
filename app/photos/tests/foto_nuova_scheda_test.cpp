#include "archivio_foto.h"

#include <gtest/gtest.h>

namespace {

using namespace albora;
using namespace albora::prova;

TEST(FotoNuovaScheda, NomiCheNonPortanoLoZeroRestanoComeSono)
{
    CollezioneDiProva c;
    for (const char* nome : {"Fran0.jpg", "", "Franc.12.jpg", "Franc.0.", "0"})
        EXPECT_EQ(rinominaFotoNuovaScheda(c.cartellaFoto(), nome, "41"), nome);
    EXPECT_EQ(fileIn(c.cartellaFoto()), QStringList({"Fran0.jpg", "Franc.2.jpg"}));
}

TEST(FotoNuovaScheda, CopiaAlNuovoNumeroPoiRimuoveLaProvvisoria)
{
    CollezioneDiProva c;
    c.aggiungiCatalogo("Italia");
    CollezioneDiProva::scriviFoto(c.cartellaFoto() + "Franc.0.JPEG", "JPG", Qt::blue);
    const QByteArray foto = contenuto(c.cartellaFoto() + "Franc.0.JPEG");

    const QString nome = rinominaFotoNuovaScheda(c.cartellaFoto(), "Franc.0.JPEG", "41");

    EXPECT_EQ(nome, "Franc.41.JPEG");
    EXPECT_EQ(contenuto(c.cartellaFoto() + "Franc.41.JPEG"), foto);
    // Until the row is stored the photo is still where the window found it.
    EXPECT_EQ(contenuto(c.cartellaFoto() + "Franc.0.JPEG"), foto);

    const int id = c.aggiungiScheda({{"Catalogo", "Italia"}, {"IDImmagine", nome}});
    FinestraFoto finestra(c);
    SchedaFoto scheda = finestra.scheda(QString::number(id));
    rimuoviFotoProvvisoria(scheda, "Franc.0.JPEG");

    EXPECT_EQ(fileIn(c.cartellaFoto()), QStringList({"Fran0.jpg", "Franc.2.jpg", "Franc.41.JPEG"}));
    EXPECT_EQ(finestra.recordset.State(), platform::ado::adStateClosed);
}

TEST(FotoNuovaScheda, FotoProvvisoriaMancanteDaComunqueUnNomeProprio)
{
    CollezioneDiProva c;
    EXPECT_EQ(rinominaFotoNuovaScheda(c.cartellaFoto(), "Franc.0.jpg", "41"), "Franc.41.jpg");
    EXPECT_EQ(fileIn(c.cartellaFoto()), QStringList({"Fran0.jpg", "Franc.2.jpg"}));
}

TEST(FotoNuovaScheda, LaProvvisoriaRestaSeUnaSchedaLaNominaAncora)
{
    CollezioneDiProva c;
    c.aggiungiCatalogo("Italia");
    c.aggiungiScheda({{"Catalogo", "Italia"}, {"IDImmagine", "Franc.0.jpg"}});
    CollezioneDiProva::scriviFoto(c.cartellaFoto() + "Franc.0.jpg", "JPG");
    FinestraFoto finestra(c);
    SchedaFoto scheda = finestra.scheda("41");

    rimuoviFotoProvvisoria(scheda, "Franc.0.jpg");
    rimuoviFotoProvvisoria(scheda, "Fran0.jpg");

    EXPECT_EQ(fileIn(c.cartellaFoto()), QStringList({"Fran0.jpg", "Franc.0.jpg", "Franc.2.jpg"}));
}

}  // namespace
