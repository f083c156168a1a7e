// list-load-100k: the stamp list window loaded for a catalogue of 100,000
// cards (grid filled and drawn once), against reading the same rows straight
// through SQLite's C API and copying every value out.
#include "bench_support.h"

#include "ado/ado.h"
#include "archive/schema.h"
#include "catalogue/form_catalogo.h"
#include "forms/dialogs.h"
#include "forms/form.h"
#include "list/form_lista_filatelica.h"
#include "profile/profile.h"
#include "regional/regional.h"
#include "runtime/runtime.h"

#include <QApplication>
#include <QDate>
#include <algorithm>
#include <cstdio>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

constexpr int Schede = 100000;
const char* const Catalogo = "Italia";

void impostazione(const QString& cartella, const char* chiave, const QString& valore)
{
    const std::string file = (cartella + "/agg.ini").toStdString();
    platform::profile::WritePrivateProfileStringA("db_remoto", chiave, valore.toStdString().c_str(), file.c_str());
}

void esegui(sqlite3* db, const char* sql)
{
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s: %s\n", sql, sqlite3_errmsg(db));
        std::exit(2);
    }
}

// A collection like the demo one: every card column filled, a few empty.
void riempiArchivio(platform::ado::Connection& conn)
{
    sqlite3* db = conn.handle();
    esegui(db, "INSERT INTO TabellaCatalogo (NomeCatalogo, DataCreazioneCatalogo) VALUES ('Italia', '2020-01-15')");
    esegui(db, "BEGIN");
    sqlite3_stmt* ins = nullptr;
    const char* sql =
        "INSERT INTO TabellaSchedaFilatelica (IDcatalogo, Catalogo, DataAggiornamento, DescrizioneFrancobollo, "
        "ValoreFacciale, StatoEmittente, AnnoEmissione, Stamperia, PeriodoCircolazione, Tiratura, Quotazione, "
        "Vignetta, LuogoConservazione, Colori, Tipologia, Carta, CataloghiSigle, Dentellatura, Possessore, Serie, "
        "Timbro, StatoConservazione, Rarita, Forma, Dimensioni, Centratura, Note, IDImmagine, Bozzettistica) "
        "VALUES (1, 'Italia', ?1, ?2, ?3, 'Italia', ?4, 'Officina Carte Valori', '1961-1965', '5.000.000', ?5, "
        "'Volo di Gronchi verso il Peru''', ?6, 'rosa e grigio', 'Posta ordinaria', 'Filigrana stelle', "
        "'Sassone', '14', 'Mario Rossi', 'Viaggio presidenziale', 'Annullo di Roma', 'Nuovo con gomma', 'Comune', "
        "'Rettangolare', '40 x 24 mm', 'Buona', 'Acquistato a un convegno filatelico; certificato allegato.', "
        "?7, 'Bozzetto di Corrado Mancioli')";
    if (sqlite3_prepare_v2(db, sql, -1, &ins, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", sqlite3_errmsg(db));
        std::exit(2);
    }
    for (int i = 1; i <= Schede; ++i) {
        const QDate data = QDate(2020, 1, 1).addDays(i % 2000);
        const std::string iso = data.toString(Qt::ISODate).toStdString();
        const std::string descrizione = "Gronchi rosa, esemplare numero " + std::to_string(i) + " della serie";
        const std::string anno = std::to_string(1900 + i % 120);
        const std::string luogo = "Album " + std::to_string(i % 40) + ", pagina " + std::to_string(i % 60);
        const std::string foto = "Franc." + std::to_string(i) + ".jpg";
        sqlite3_bind_text(ins, 1, iso.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(ins, 2, descrizione.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int64(ins, 3, 2050000);  // 205 lire
        sqlite3_bind_text(ins, 4, anno.c_str(), -1, SQLITE_TRANSIENT);
        if (i % 10 == 0)
            sqlite3_bind_null(ins, 5);
        else
            sqlite3_bind_int64(ins, 5, static_cast<sqlite3_int64>(i) * 12345);
        if (i % 7 == 0)
            sqlite3_bind_null(ins, 6);
        else
            sqlite3_bind_text(ins, 6, luogo.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(ins, 7, foto.c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(ins) != SQLITE_DONE) {
            std::fprintf(stderr, "%s\n", sqlite3_errmsg(db));
            std::exit(2);
        }
        sqlite3_reset(ins);
    }
    sqlite3_finalize(ins);
    esegui(db, "COMMIT");
}

// The same rows read with SQLite alone, every value copied out.
// Each row's values are copied into one row buffer that the next row reuses,
// so the reference holds no more than a row at a time.
struct RigaLetta {
    std::vector<sqlite3_int64> interi;
    std::vector<double> reali;
    std::vector<QString> testi;
    void svuota()
    {
        interi.clear();
        reali.clear();
        testi.clear();
    }
};

std::size_t leggiDirettamente(sqlite3* db)
{
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT * FROM TabellaSchedaFilatelica WHERE TabellaSchedaFilatelica.Catalogo='Italia' "
                       "ORDER BY TabellaSchedaFilatelica.Catalogo ASC",
                       -1, &stmt, nullptr);
    RigaLetta riga;
    std::size_t righe = 0;
    const int colonne = sqlite3_column_count(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        riga.svuota();
        for (int c = 0; c < colonne; ++c) {
            switch (sqlite3_column_type(stmt, c)) {
            case SQLITE_INTEGER:
                riga.interi.push_back(sqlite3_column_int64(stmt, c));
                break;
            case SQLITE_FLOAT:
                riga.reali.push_back(sqlite3_column_double(stmt, c));
                break;
            case SQLITE_TEXT:
                riga.testi.push_back(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)),
                                                       sqlite3_column_bytes(stmt, c)));
                break;
            default:
                break;
            }
        }
        ++righe;
    }
    sqlite3_finalize(stmt);
    return righe;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::regional::Scope italiano(QLocale(QLocale::Italian, QLocale::Italy));
    platform::forms::ScriptedDialogs dialoghi;

    const QString cartella = bench::scratchFolder();
    const QString archivio = cartella + "/ArchivioFilatelico.db";
    albora::creaArchivio(archivio);
    platform::runtime::setAppPathForTests(cartella);
    impostazione(cartella, "prov_conn", platform::ado::JetProviderName);
    impostazione(cartella, "ip_conn", cartella + "/");
    impostazione(cartella, "db_conn", "ArchivioFilatelico.db");
    impostazione(cartella, "uid_conn", "Admin");
    impostazione(cartella, "pwd_conn", " ");

    platform::ado::Connection conn;
    conn.Open(archivio);
    riempiArchivio(conn);

    albora::formCatalogo.Show();
    albora::formCatalogo->Combo1->setText(Catalogo);

    // The two sides take turns, so that both see the same load on the machine.
    std::size_t righeLette = 0;
    int righeGriglia = 0;
    double riferimento = 0, misurato = 0;
    for (int giro = 0; giro < 5; ++giro) {
        const double letto = bench::bestOf(1, [&] { righeLette = leggiDirettamente(conn.handle()); });
        const double caricato = bench::bestOf(1, [&] {
            albora::formListaFilatelica.Show();
            QCoreApplication::processEvents();  // the view takes the rows and draws them
            righeGriglia = albora::formListaFilatelica->MSFlexGrid1->Rows();
            albora::formListaFilatelica.Unload();
            platform::forms::flushUnloaded();
        });
        riferimento = giro == 0 ? letto : std::min(riferimento, letto);
        misurato = giro == 0 ? caricato : std::min(misurato, caricato);
    }

    if (!dialoghi.boxes.empty() || righeGriglia != Schede || righeLette != Schede) {
        std::fprintf(stderr, "list-load-100k: %d grid rows, %zu rows read, %zu messages%s%s\n", righeGriglia,
                     righeLette, dialoghi.boxes.size(), dialoghi.boxes.empty() ? "" : ": ",
                     dialoghi.boxes.empty() ? "" : qPrintable(dialoghi.boxes.front().prompt));
        return 2;
    }
    const bool entro = bench::report("list-load-100k", misurato, riferimento, 3.0);
    bench::reportPeakMemory("list-load-100k", 250);
    platform::forms::UnloadAll();
    platform::forms::flushUnloaded();
    return entro ? 0 : 1;
}
