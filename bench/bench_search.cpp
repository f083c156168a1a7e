// search-100k: a search by the first characters of the description in the
// card window, over an archive of 100,000 cards (statement composed, rows
// walked, the card found shown with its photo), against the same predicate
// run straight through SQLite's C API with every value of the found rows
// copied out.
#include "bench_support.h"
#include "collezione_bench.h"

#include "card/form_scheda_filatelica.h"
#include "forms/form.h"
#include "list/form_lista_filatelica.h"

#include <QApplication>
#include <string>

namespace {

constexpr int SchedaAperta = 1;
constexpr int SchedaCercata = 87654;
// The trailing blank keeps 876540 and the like out: one card matches.
const char* const TestoCercato = "gronchi rosa, esemplare numero 87654 ";

// The predicate the window's statement becomes: the archive's Left and its
// text comparison (letter case ignored).
std::string cercaDirettamente(const QString& testo)
{
    return "SELECT * FROM TabellaSchedaFilatelica WHERE jet_left(TabellaSchedaFilatelica.DescrizioneFrancobollo, " +
           std::to_string(testo.toUcs4().size()) + ") = '" + testo.toStdString() + "' COLLATE JET";
}

}  // namespace

int main(int argc, char* argv[])
{
    bench::finestreFuoriSchermo();
    QApplication app(argc, argv);
    bench::CollezioneBench c;
    c.aggiungiSchede(100000, "Italia");
    c.aggiungiFoto(SchedaAperta);
    c.aggiungiFoto(SchedaCercata);

    albora::formListaFilatelica->Text_ID->setText(QString::number(SchedaAperta));
    albora::FormSchedaFilatelica& scheda = *albora::formSchedaFilatelica;
    scheda.Show();
    QCoreApplication::processEvents();
    const QString testo = QString::fromUtf8(TestoCercato);
    const std::string riferimento = cercaDirettamente(testo);

    std::size_t righeLette = 0;
    QString trovata;
    const bench::Tempi t = bench::aTurno(
        5, [&] { righeLette = bench::leggiTutto(c.db(), riferimento.c_str()); },
        [&] {
            scheda.Text_Codice->setText(QString::number(SchedaAperta));
            scheda.Text_Ricerca->setText(testo);
            scheda.Cmd_Cerca_Click();
            trovata = scheda.Text_Codice->Text();
        });

    if (!c.dialoghi.boxes.empty())
        bench::interrompi("search-100k: " + c.dialoghi.boxes.front().prompt);
    if (trovata != QString::number(SchedaCercata) || righeLette != 1)
        bench::interrompi(QString("search-100k: card %1 found, %2 rows read").arg(trovata).arg(righeLette));
    const bool entro = bench::report("search-100k", t.misurato, t.riferimento, 2.0);
    platform::forms::UnloadAll();
    platform::forms::flushUnloaded();
    return entro ? 0 : 1;
}
