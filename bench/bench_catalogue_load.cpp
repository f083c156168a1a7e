// catalogue-load: the catalogue window loaded with 10,000 catalogues (its
// prologue and the filled combo box), against reading the same names
// straight through SQLite's C API.
#include "bench_support.h"
#include "collezione_bench.h"

#include "catalogue/form_catalogo.h"
#include "forms/form.h"

#include <QApplication>
#include <algorithm>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    constexpr int Cataloghi = 10000;
    bench::CollezioneBench c;
    c.aggiungiCataloghi(Cataloghi);

    const char* nomi = "SELECT TabellaCatalogo.NomeCatalogo from TabellaCatalogo "
                       "Order by TabellaCatalogo.NomeCatalogo COLLATE JET asc ";
    std::size_t letti = 0;
    int voci = 0;
    double riferimento = 0, misurato = 0;
    for (int giro = 0; giro < 5; ++giro) {
        const double letto = bench::bestOf(1, [&] { letti = bench::leggiTutto(c.db(), nomi); });
        const double caricato = bench::bestOf(1, [&] {
            albora::formCatalogo.Show();
            voci = albora::formCatalogo->Combo1->ListCount();
            albora::formCatalogo.Unload();
            platform::forms::flushUnloaded();
        });
        riferimento = giro == 0 ? letto : std::min(riferimento, letto);
        misurato = giro == 0 ? caricato : std::min(misurato, caricato);
    }
    if (!c.dialoghi.boxes.empty())
        bench::interrompi("catalogue-load: " + c.dialoghi.boxes.front().prompt);
    if (voci != Cataloghi || letti != Cataloghi)
        bench::interrompi(QString("catalogue-load: %1 names listed, %2 read").arg(voci).arg(letti));
    return bench::report("catalogue-load", misurato, riferimento, 3.0) ? 0 : 1;
}
