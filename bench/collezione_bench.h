#pragma once
// A collection for the benchmarks: a scratch folder with agg.ini and a real
// archive, the application folder pointed at it, Italian settings, scripted
// message boxes; cards and catalogues written straight through SQLite.
//
//   bench::CollezioneBench c;
//   c.aggiungiSchede(100000, "Italia");
//   const bench::Tempi t = bench::aTurno(5, [&] { bench::leggiTutto(c.db(), "SELECT ..."); },
//                                           [&] { /* the same through the window */ });
//   bench::report("...", t.misurato, t.riferimento, 2.0);

#include "ado/ado.h"
#include "forms/dialogs.h"
#include "regional/regional.h"

#include <QString>
#include <cstddef>
#include <functional>
#include <sqlite3.h>

namespace bench {

// Windows go to the offscreen platform unless QT_QPA_PLATFORM names another;
// call it before the QApplication is made.
void finestreFuoriSchermo();

class CollezioneBench {
public:
    CollezioneBench();
    ~CollezioneBench();

    QString cartella() const { return cartella_; }
    sqlite3* db() const { return conn_.handle(); }

    // Cards of `catalogo` (added to TabellaCatalogo when missing) with every
    // column filled, in one transaction. Card i describes itself as "Gronchi
    // rosa, esemplare numero <i> della serie" and names its photo
    // "Franc.<i>.jpg". A few values are left Null, Tipologia, Carta and
    // Dentellatura among them, and those three repeat a handful of values, as
    // in a real collection: five types, four papers, six perforations.
    void aggiungiSchede(int quante, const char* catalogo);
    void aggiungiCataloghi(int quanti);
    // Writes the photo the card names into the images folder (a 320 x 240 JPEG).
    void aggiungiFoto(int idScheda);

    platform::forms::ScriptedDialogs dialoghi;

private:
    sqlite3_int64 idCatalogo(const char* nome);

    platform::regional::Scope italiano_;
    QString cartella_;
    platform::ado::Connection conn_;
};

// Runs a statement with SQLite alone and copies every value out of each row
// (into one row buffer the next row reuses); returns the number of rows.
std::size_t leggiTutto(sqlite3* db, const char* sql);

// The reference and the measured work take turns, so that both see the same
// load on the machine; each side's best time in milliseconds.
struct Tempi {
    double riferimento = 0;
    double misurato = 0;
};
Tempi aTurno(int giri, const std::function<void()>& riferimento, const std::function<void()>& misurato);

// Fails the benchmark program with a message (exit code 2).
[[noreturn]] void interrompi(const QString& perche);

}  // namespace bench
