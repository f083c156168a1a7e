// card-open: the card window opened on one card of an archive of 100,000
// cards (its four lists filled, the card and its photo shown, the window
// drawn once), against running the same five queries straight through
// SQLite's C API and copying every value out.
#include "bench_support.h"
#include "collezione_bench.h"

#include "card/form_scheda_filatelica.h"
#include "forms/form.h"
#include "list/form_lista_filatelica.h"

#include <QApplication>
#include <string>

namespace {

constexpr int SchedaAperta = 54321;

// The card window's five queries: catalogue names, the three distinct lists, the card.
std::size_t apriDirettamente(sqlite3* db)
{
    static const std::string scheda = "SELECT * FROM TabellaSchedaFilatelica "
                                      "WHERE TabellaSchedaFilatelica.IDSchedaFilatelica=" +
                                      std::to_string(SchedaAperta);
    return bench::leggiTutto(db, "SELECT TabellaCatalogo.NomeCatalogo FROM TabellaCatalogo "
                                 "ORDER BY TabellaCatalogo.NomeCatalogo ASC") +
           bench::leggiTutto(db, "SELECT DISTINCT TabellaSchedaFilatelica.Tipologia FROM TabellaSchedaFilatelica "
                                 "ORDER BY TabellaSchedaFilatelica.Tipologia ASC") +
           bench::leggiTutto(db, "SELECT DISTINCT TabellaSchedaFilatelica.Carta FROM TabellaSchedaFilatelica "
                                 "ORDER BY TabellaSchedaFilatelica.Carta ASC") +
           bench::leggiTutto(db, "SELECT DISTINCT TabellaSchedaFilatelica.Dentellatura FROM TabellaSchedaFilatelica "
                                 "ORDER BY TabellaSchedaFilatelica.Dentellatura ASC") +
           bench::leggiTutto(db, scheda.c_str());
}

}  // namespace

int main(int argc, char* argv[])
{
    bench::finestreFuoriSchermo();
    QApplication app(argc, argv);
    bench::CollezioneBench c;
    c.aggiungiCataloghi(11);
    c.aggiungiSchede(100000, "Italia");
    c.aggiungiFoto(SchedaAperta);

    // The list hands the card number over, as when a row of its grid is
    // clicked; with no catalogue chosen its own load leaves the grid empty.
    albora::formListaFilatelica->Text_ID->setText(QString::number(SchedaAperta));

    std::size_t righeLette = 0;
    QString codice;
    int tipologie = 0;
    const bench::Tempi t = bench::aTurno(
        5, [&] { righeLette = apriDirettamente(c.db()); },
        [&] {
            albora::formSchedaFilatelica.Show();
            QCoreApplication::processEvents();  // drawn once
            codice = albora::formSchedaFilatelica->Text_Codice->Text();
            tipologie = albora::formSchedaFilatelica->Combo2->ListCount();
            albora::formSchedaFilatelica.Unload();
            platform::forms::flushUnloaded();
        });

    if (!c.dialoghi.boxes.empty())
        bench::interrompi("card-open: " + c.dialoghi.boxes.front().prompt);
    // Five types and the cards that have none.
    if (codice != QString::number(SchedaAperta) || tipologie != 6)
        bench::interrompi(
            QString("card-open: card %1, %2 types, %3 rows read").arg(codice).arg(tipologie).arg(righeLette));
    const bool entro = bench::report("card-open", t.misurato, t.riferimento, 2.0);
    platform::forms::UnloadAll();
    platform::forms::flushUnloaded();
    return entro ? 0 : 1;
}
