#include "archivio_foto.h"

#include "runtime/error.h"

#include <gtest/gtest.h>

namespace {

using namespace albora;
using namespace albora::prova;

struct CasoEliminazione {
    const char* caso;
    const char* idImmagine;     // the stored card's column; nullptr: a card not yet saved ("0")
    const char* nomeFotoPrima;  // NomeFoto held by the window
    const char* daCreare;       // a file put into the photo folder first ("" none)
    const char* nomeFotoDopo;
    bool fileRimosso;           // daCreare is gone afterwards
};

void PrintTo(const CasoEliminazione& riga, std::ostream* os)
{
    *os << riga.caso;
}

class EliminaFoto : public ::testing::TestWithParam<CasoEliminazione> {};

TEST_P(EliminaFoto, PassiDiEliminazione)
{
    const CasoEliminazione& p = GetParam();
    CollezioneDiProva c;
    c.aggiungiCatalogo("Italia");
    const int altra = c.aggiungiScheda({{"Catalogo", "Italia"}, {"IDImmagine", "Franc.99.jpg"}});
    QString codice = "0";
    int id = 0;
    if (p.idImmagine) {
        id = c.aggiungiScheda({{"Catalogo", "Italia"}, {"IDImmagine", p.idImmagine}});
        codice = QString::number(id);
    }
    const QString daCreare = QString(p.daCreare);
    if (!daCreare.isEmpty() && !QFile::exists(c.cartellaFoto() + daCreare))
        CollezioneDiProva::scriviFoto(c.cartellaFoto() + daCreare, "JPG");
    CollezioneDiProva::scriviFoto(c.cartellaFoto() + "Franc.99.jpg", "JPG");
    const QStringList prima = fileIn(c.cartellaFoto());
    FinestraFoto finestra(c);
    finestra.nomeFoto = p.nomeFotoPrima;
    SchedaFoto scheda = finestra.scheda(codice);

    eliminaFotoScheda(scheda);

    EXPECT_EQ(finestra.nomeFoto, QString(p.nomeFotoDopo));
    QStringList attesi = prima;
    if (p.fileRimosso)
        attesi.removeAll(daCreare);
    EXPECT_EQ(fileIn(c.cartellaFoto()), attesi);
    if (p.idImmagine) {
        EXPECT_EQ(c.valore(id, "IDImmagine").text(), "0");
    }
    EXPECT_EQ(c.valore(altra, "IDImmagine").text(), "Franc.99.jpg");
    EXPECT_EQ(finestra.recordset.State(), platform::ado::adStateClosed);
    EXPECT_TRUE(c.dialoghi.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Casi, EliminaFoto,
    ::testing::Values(
        CasoEliminazione{"FotoDellaScheda", "Franc.12.jpg", "Franc.12.jpg", "Franc.12.jpg", "Franc.12.jpg", true},
        CasoEliminazione{"NomeDallArchivioNonDallaFinestra", "Franc.12.bmp", "", "Franc.12.bmp", "Franc.12.bmp",
                         true},
        CasoEliminazione{"GiaZero", "0", "", "0", "0", false},
        CasoEliminazione{"Segnaposto", "Fran0.jpg", "Fran0.jpg", "Fran0.jpg", "Fran0.jpg", false},
        CasoEliminazione{"SegnapostoMaiuscolo", "FRAN0.JPG", "FRAN0.JPG", "FRAN0.JPG", "FRAN0.JPG", false},
        CasoEliminazione{"FileMancante", "Franc.12.jpg", "", "", "Franc.12.jpg", false},
        CasoEliminazione{"NonSalvata", nullptr, "Franc.0.jpg", "Franc.0.jpg", "Franc.0.jpg", true},
        CasoEliminazione{"NonSalvataSenzaFoto", nullptr, "", "", "", false}),
    [](const auto& riga) { return std::string(riga.param.caso); });

TEST(EliminaFotoSenzaCodice, NonFaNulla)
{
    CollezioneDiProva c;
    CollezioneDiProva::scriviFoto(c.cartellaFoto() + "Franc.0.jpg", "JPG");
    FinestraFoto finestra(c);
    finestra.nomeFoto = "Franc.0.jpg";
    SchedaFoto scheda = finestra.scheda("");

    EXPECT_NO_THROW(eliminaFotoScheda(scheda));

    EXPECT_EQ(finestra.nomeFoto, "Franc.0.jpg");
    EXPECT_TRUE(QFile::exists(c.cartellaFoto() + "Franc.0.jpg"));
}

}  // namespace
