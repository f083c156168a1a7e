// list-load-100k: the stamp list window loaded for a catalogue of 100,000
// cards (grid filled and drawn once), against reading the same rows straight
// through SQLite's C API and copying every value out.
#include "bench_support.h"
#include "collezione_bench.h"

#include "catalogue/form_catalogo.h"
#include "forms/form.h"
#include "list/form_lista_filatelica.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    bench::finestreFuoriSchermo();
    QApplication app(argc, argv);
    constexpr int Schede = 100000;
    bench::CollezioneBench c;
    c.aggiungiSchede(Schede, "Italia");

    albora::formCatalogo.Show();
    albora::formCatalogo->Combo1->setText("Italia");

    const char* righe = "SELECT * FROM TabellaSchedaFilatelica WHERE TabellaSchedaFilatelica.Catalogo='Italia' "
                        "ORDER BY TabellaSchedaFilatelica.Catalogo ASC";
    std::size_t righeLette = 0;
    int righeGriglia = 0;
    const bench::Tempi t = bench::aTurno(
        5, [&] { righeLette = bench::leggiTutto(c.db(), righe); },
        [&] {
            albora::formListaFilatelica.Show();
            QCoreApplication::processEvents();  // the view takes the rows and draws them
            righeGriglia = albora::formListaFilatelica->MSFlexGrid1->Rows();
            albora::formListaFilatelica.Unload();
            platform::forms::flushUnloaded();
        });

    if (!c.dialoghi.boxes.empty())
        bench::interrompi("list-load-100k: " + c.dialoghi.boxes.front().prompt);
    if (righeGriglia != Schede || righeLette != Schede)
        bench::interrompi(QString("list-load-100k: %1 grid rows, %2 rows read").arg(righeGriglia).arg(righeLette));
    const bool entro = bench::report("list-load-100k", t.misurato, t.riferimento, 3.0);
    bench::reportPeakMemory("list-load-100k", 250);
    platform::forms::UnloadAll();
    platform::forms::flushUnloaded();
    return entro ? 0 : 1;
}
