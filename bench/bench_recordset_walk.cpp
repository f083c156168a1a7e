// recordset-walk: a catalogue of 100,000 cards read whole through a static
// Recordset (every field of every row to a Variant and its text), against
// the same rows read straight through SQLite's C API in the same run.

#include "bench_support.h"
#include "collezione_bench.h"

#include "ado/ado.h"
#include "archive/schema.h"
#include "regional/regional.h"
#include "runtime/error.h"

#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <sqlite3.h>
#include <string>
#include <time.h>

namespace {

constexpr int Cards = 100000;
const char* const Query = "SELECT * FROM TabellaSchedaFilatelica  where TabellaSchedaFilatelica.Catalogo='Italia' "
                          "Order by TabellaSchedaFilatelica.Catalogo asc ";
const char* const PlainQuery = "SELECT * FROM TabellaSchedaFilatelica where Catalogo='Italia' COLLATE JET";

void check(int rc, sqlite3* db)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        std::fprintf(stderr, "SQLite: %s\n", sqlite3_errmsg(db));
        std::exit(1);
    }
}

// Plausible cards, all of one catalogue (the list window loads one catalogue whole).
void fill(sqlite3* db)
{
    const QStringList columns = albora::nomiColonneScheda();
    QString sql = "INSERT INTO TabellaSchedaFilatelica (" + columns.join(", ") + ") VALUES (";
    for (int i = 0; i < columns.size(); ++i)
        sql += (i ? ", ?" : "?");
    sql += ")";
    check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db);
    sqlite3_stmt* insert = nullptr;
    check(sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &insert, nullptr), db);
    const char* states[] = {"Italia", "Regno d'Italia", "San Marino", "Città del Vaticano", "Repubblica Sociale"};
    const char* types[] = {"Ordinario", "Commemorativo", "Posta aerea", "Espresso", "Segnatasse"};
    const char* papers[] = {"Filigrana ruota", "Filigrana stelle", "Carta normale", "Carta fluorescente"};
    auto text = [&](int column, const std::string& value) {
        sqlite3_bind_text(insert, column, value.c_str(), int(value.size()), SQLITE_TRANSIENT);
    };
    for (int n = 1; n <= Cards; ++n) {
        sqlite3_reset(insert);
        sqlite3_clear_bindings(insert);
        int c = 0;
        sqlite3_bind_int(insert, ++c, n);
        sqlite3_bind_int(insert, ++c, 1);
        text(++c, "Italia");
        text(++c, "20" + std::to_string(10 + n % 16) + "-0" + std::to_string(1 + n % 9) + "-1" + std::to_string(n % 10));
        text(++c, std::string("Francobollo ") + types[n % 5] + " da " + std::to_string(n % 500) +
                      " lire, emissione celebrativa dell'anno " + std::to_string(1900 + n % 120));
        sqlite3_bind_int64(insert, ++c, (n % 1000) * 500);
        text(++c, states[n % 5]);
        text(++c, std::to_string(1900 + n % 120));
        text(++c, "Officina Carte Valori");
        text(++c, std::to_string(1900 + n % 120) + "-" + std::to_string(1905 + n % 120));
        text(++c, std::to_string(1000000 + n * 7));
        sqlite3_bind_int64(insert, ++c, std::int64_t(n % 977) * 12345);
        text(++c, "Effigie con cornice ornata");
        text(++c, "Album " + std::to_string(n % 40) + ", pagina " + std::to_string(n % 60));
        text(++c, n % 3 ? "rosso carminio" : "azzurro");
        text(++c, types[n % 5]);
        text(++c, papers[n % 4]);
        text(++c, "Sassone " + std::to_string(n % 2000));
        text(++c, n % 2 ? "14" : "13 1/4 x 14");
        text(++c, "Mario Rossi");
        text(++c, "Serie " + std::to_string(n % 300));
        text(++c, n % 4 ? "Nuovo" : "Usato, annullo a cerchio");
        text(++c, n % 5 ? "Ottimo" : "Buono, lievi difetti");
        text(++c, n % 10 ? "Comune" : "Raro");
        text(++c, "Rettangolare");
        text(++c, "20 x 24 mm");
        if (n % 3)
            text(++c, "Ben centrato");
        else
            ++c;  // stays Null
        if (n % 4 == 0)
            text(++c, "Acquistato a un convegno filatelico; certificato di autenticità allegato, busta originale.");
        else
            ++c;
        text(++c, "Franc." + std::to_string(n) + ".jpg");
        ++c;  // Bozzettistica stays Null
        check(sqlite3_step(insert), db);
    }
    sqlite3_finalize(insert);
    check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db);
}

// The reference: every value copied out of SQLite into a plain C++ value of
// its own (a std::string for text, a number otherwise).
std::size_t readStraightThroughSqlite(sqlite3* db)
{
    std::size_t sink = 0;
    sqlite3_stmt* stmt = nullptr;
    check(sqlite3_prepare_v2(db, PlainQuery, -1, &stmt, nullptr), db);
    const int columns = sqlite3_column_count(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            switch (sqlite3_column_type(stmt, c)) {
            case SQLITE_INTEGER: sink += std::size_t(sqlite3_column_int64(stmt, c)); break;
            case SQLITE_FLOAT: sink += std::size_t(sqlite3_column_double(stmt, c)); break;
            case SQLITE_TEXT: {
                const std::string text(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)),
                                       std::size_t(sqlite3_column_bytes(stmt, c)));
                sink += text.size() + (text.empty() ? 0 : std::size_t(text.back()));
                break;
            }
            default: break;
            }
        }
    }
    sqlite3_finalize(stmt);
    return sink;
}

std::size_t walkWithRecordset(platform::ado::Connection& conn, const QStringList& names)
{
    std::size_t sink = 0;
    platform::ado::Recordset rs;
    rs.Open(Query, conn, 3, 3);
    while (!rs.Eof()) {
        for (const QString& name : names)
            sink += std::size_t(rs[name].text().size());
        rs.MoveNext();
    }
    rs.Close();
    return sink;
}

}  // namespace

int main()
{
    platform::regional::Scope italian(QLocale(QLocale::Italian, QLocale::Italy));
    const QString archive = bench::scratchFolder() + "/ArchivioFilatelico.db";
    try {
        albora::creaArchivio(archive);
        platform::ado::Connection conn;
        conn.ConnectionString = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + archive +
                                ";User ID=Admin;Persist Security Info=True;Jet OLEDB:Database Password=";
        conn.Open();
        fill(conn.handle());

        const QStringList names = albora::nomiColonneScheda();
        std::size_t straight = 0;
        std::size_t walked = 0;
        const bench::Tempi tempi = bench::aTurno(
            5, [&] { straight = readStraightThroughSqlite(conn.handle()); },
            [&] { walked = walkWithRecordset(conn, names); });
        const double reference = tempi.riferimento;
        const double measured = tempi.misurato;
        if (straight == 0 || walked == 0) {
            std::fprintf(stderr, "nessuna riga letta\n");
            return 1;
        }
        const bool withinLimit = bench::report("recordset-walk", measured, reference, 2.0);
        bench::reportPeakMemory("recordset-walk", 250);
        return withinLimit ? 0 : 1;
    } catch (const platform::runtime::Error& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.description()));
        return 1;
    }
}
