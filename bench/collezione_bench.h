#pragma once
// A collection for the benchmarks: a scratch folder with agg.ini and a real
// archive, the application folder pointed at it, Italian settings, scripted
// message boxes; cards and catalogues written straight through SQLite.
//
//   bench::CollezioneBench c;
//   c.aggiungiSchede(100000, "Italia");
//   double riferimento = bench::bestOf(3, [&] { bench::leggiTutto(c.db(), "SELECT ..."); });

#include "ado/ado.h"
#include "forms/dialogs.h"
#include "regional/regional.h"

#include <QString>
#include <cstddef>
#include <sqlite3.h>

namespace bench {

class CollezioneBench {
public:
    CollezioneBench();
    ~CollezioneBench();

    QString cartella() const { return cartella_; }
    sqlite3* db() const { return conn_.handle(); }

    // Cards with every column filled (a few left Null), in one transaction.
    void aggiungiSchede(int quante, const char* catalogo);
    void aggiungiCataloghi(int quanti);

    platform::forms::ScriptedDialogs dialoghi;

private:
    platform::regional::Scope italiano_;
    QString cartella_;
    platform::ado::Connection conn_;
};

// Runs a statement with SQLite alone and copies every value out of each row
// (into one row buffer the next row reuses); returns the number of rows.
std::size_t leggiTutto(sqlite3* db, const char* sql);

// Fails the benchmark program with a message (exit code 2).
[[noreturn]] void interrompi(const QString& perche);

}  // namespace bench
