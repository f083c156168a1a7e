// catalogue-load: the catalogue window loaded with 10,000 catalogues (its
// prologue and the filled combo box), against reading the same names
// straight through SQLite's C API.
#include "bench_support.h"
#include "collezione_bench.h"

#include "catalogue/form_catalogo.h"
#include "forms/form.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    bench::finestreFuoriSchermo();
    QApplication app(argc, argv);
    constexpr int Cataloghi = 10000;
    bench::CollezioneBench c;
    c.aggiungiCataloghi(Cataloghi);

    const char* nomi = "SELECT TabellaCatalogo.NomeCatalogo from TabellaCatalogo "
                       "Order by TabellaCatalogo.NomeCatalogo COLLATE JET asc ";
    std::size_t letti = 0;
    int voci = 0;
    // The load takes a few milliseconds: more rounds keep one slow round
    // from deciding the figure.
    const bench::Tempi t = bench::aTurno(
        15, [&] { letti = bench::leggiTutto(c.db(), nomi); },
        [&] {
            albora::formCatalogo.Show();
            voci = albora::formCatalogo->Combo1->ListCount();
            albora::formCatalogo.Unload();
            platform::forms::flushUnloaded();
        });
    if (!c.dialoghi.boxes.empty())
        bench::interrompi("catalogue-load: " + c.dialoghi.boxes.front().prompt);
    if (voci != Cataloghi || letti != Cataloghi)
        bench::interrompi(QString("catalogue-load: %1 names listed, %2 read").arg(voci).arg(letti));
    return bench::report("catalogue-load", t.misurato, t.riferimento, 3.0) ? 0 : 1;
}
