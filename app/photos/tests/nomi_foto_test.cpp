#include "photos/foto.h"

#include <gtest/gtest.h>

namespace {

using namespace albora;

struct CasoImportazione {
    const char* caso;
    const char* percorso;  // as the open dialog returns it
    const char* atteso;    // nullptr: refused
};

void PrintTo(const CasoImportazione& riga, std::ostream* os)
{
    *os << riga.caso;
}

class NomeImportato : public ::testing::TestWithParam<CasoImportazione> {};

TEST_P(NomeImportato, NomeDelFileCopiato)
{
    const CasoImportazione& c = GetParam();
    const std::optional<QString> nome = nomeFotoImportata("7", nomeProprio(c.percorso));
    if (c.atteso)
        EXPECT_EQ(nome.value_or("(rifiutato)"), c.atteso);
    else
        EXPECT_FALSE(nome) << nome->toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Casi, NomeImportato,
    ::testing::Values(CasoImportazione{"JpegMaiuscolo", "/foto/Foto.JPEG", "Franc.7.JPEG"},
                      CasoImportazione{"JpegMinuscolo", "/foto/a.jpeg", "Franc.7.jpeg"},
                      CasoImportazione{"JpgMaiuscolo", "/foto/francobollo.JPG", "Franc.7.JPG"},
                      CasoImportazione{"Bmp", "/foto/scan.bmp", "Franc.7.bmp"},
                      CasoImportazione{"BmpMaiuscolo", "/foto/scan.BMP", "Franc.7.BMP"},
                      CasoImportazione{"JpegMisto", "/foto/scan.Jpeg", "Franc.7.Jpeg"},
                      CasoImportazione{"SenzaSeparatore", "scan.jpg", "Franc.7.jpg"},
                      CasoImportazione{"SpaziAttorno", "  /foto/scan.jpg  ", "Franc.7.jpg"},
                      CasoImportazione{"CartellaConPunto", "/foto.jpg/scan.gif", nullptr},
                      CasoImportazione{"JpgMisto", "/foto/b.Jpg", nullptr},
                      CasoImportazione{"JpgMisto2", "/foto/scan.Jpg", nullptr},
                      CasoImportazione{"BmpMisto", "/foto/scan.Bmp", nullptr},
                      CasoImportazione{"Gif", "/foto/scan.gif", nullptr},
                      CasoImportazione{"Png", "/foto/scan.png", nullptr},
                      CasoImportazione{"SoloCartella", "/foto/", nullptr}),
    [](const auto& riga) { return std::string(riga.param.caso); });

TEST(NomiFoto, NomeProprioDopoLUltimoSeparatore)
{
    EXPECT_EQ(nomeProprio(" /a/b/c.jpg "), "c.jpg");
    EXPECT_EQ(nomeProprio("c.jpg"), "c.jpg");
    EXPECT_EQ(nomeProprio("/a/b/"), "");
    EXPECT_EQ(nomeProprio("   "), "");
}

TEST(NomiFoto, WebcamPercorsoESegnaposto)
{
    EXPECT_EQ(nomeFotoWebcam("12"), "Franc.12.jpg");
    EXPECT_EQ(nomeFotoWebcam("0"), "Franc.0.jpg");
    // The folder is a plain prefix: nothing is inserted between folder and name.
    EXPECT_EQ(percorsoFoto("/archivio/Upload", "Franc.12.jpg"), "/archivio/UploadFranc.12.jpg");
    EXPECT_TRUE(eSegnaposto("Fran0.jpg"));
    EXPECT_TRUE(eSegnaposto("FRAN0.JPG"));
    EXPECT_FALSE(eSegnaposto("Franc.0.jpg"));
    EXPECT_FALSE(haFoto(platform::ado::Variant()));
    EXPECT_FALSE(haFoto(platform::ado::Variant("")));
    EXPECT_FALSE(haFoto(platform::ado::Variant("0")));
    EXPECT_FALSE(haFoto(platform::ado::Variant(0)));
    EXPECT_TRUE(haFoto(platform::ado::Variant("Fran0.jpg")));
}

}  // namespace
