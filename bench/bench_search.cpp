// search-100k: a search by the first characters of the description in the
// card window, over an archive of 100,000 cards (statement composed, rows
// walked, the card found shown with its photo), against the same predicate
// run straight through SQLite's C API with every value of the found rows
// copied out.
#include "bench_support.h"

#include "ado/ado.h"
#include "archive/schema.h"
#include "card/form_scheda_filatelica.h"
#include "forms/dialogs.h"
#include "forms/form.h"
#include "list/form_lista_filatelica.h"
#include "profile/profile.h"
#include "regional/regional.h"
#include "runtime/runtime.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

constexpr int Schede = 100000;
constexpr int SchedaAperta = 1;
constexpr int SchedaCercata = 87654;
// The trailing blank keeps 876540 and the like out: one card matches.
const char* const TestoCercato = "gronchi rosa, esemplare numero 87654 ";

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

// Twelve catalogues; types, papers and perforations repeat with a few
// values each and are sometimes empty, as in a real collection.
void riempiArchivio(sqlite3* db)
{
    esegui(db, "BEGIN");
    for (const char* nome : {"Italia", "Vaticano", "San Marino", "Francia", "Germania", "Svizzera", "Grecia",
                             "Gran Bretagna", "Stati Uniti", "Colonie Italiane", "Antichi Stati", "Europa"}) {
        const std::string sql = std::string("INSERT INTO TabellaCatalogo (NomeCatalogo, DataCreazioneCatalogo) "
                                            "VALUES ('") + nome + "', '2020-01-15')";
        esegui(db, sql.c_str());
    }
    sqlite3_stmt* ins = nullptr;
    const char* sql =
        "INSERT INTO TabellaSchedaFilatelica (IDcatalogo, Catalogo, DataAggiornamento, DescrizioneFrancobollo, "
        "ValoreFacciale, StatoEmittente, AnnoEmissione, Stamperia, PeriodoCircolazione, Tiratura, Quotazione, "
        "Vignetta, LuogoConservazione, Colori, Tipologia, Carta, CataloghiSigle, Dentellatura, Possessore, Serie, "
        "Timbro, StatoConservazione, Rarita, Forma, Dimensioni, Centratura, Note, IDImmagine, Bozzettistica) "
        "VALUES (1, 'Italia', ?1, ?2, 2050000, 'Italia', ?3, 'Officina Carte Valori', '1961-1965', '5.000.000', "
        "?4, 'Volo di Gronchi verso il Peru''', 'Album 3', 'rosa e grigio', ?5, ?6, 'Sassone', ?7, 'Mario Rossi', "
        "'Viaggio presidenziale', 'Annullo di Roma', 'Nuovo con gomma', 'Comune', 'Rettangolare', '40 x 24 mm', "
        "'Buona', 'Acquistato a un convegno filatelico; certificato allegato.', 'Fran0.jpg', 'Mancioli')";
    if (sqlite3_prepare_v2(db, sql, -1, &ins, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", sqlite3_errmsg(db));
        std::exit(2);
    }
    const char* tipologie[] = {"Ordinario", "Commemorativo", "Posta aerea", "Espresso", "Segnatasse", nullptr};
    const char* carte[] = {"Filigrana stelle", "Filigrana ruota", "Patinata", "Fluorescente", nullptr};
    for (int i = 1; i <= Schede; ++i) {
        const std::string iso = QDate(2020, 1, 1).addDays(i % 2000).toString(Qt::ISODate).toStdString();
        const std::string descrizione = "Gronchi rosa, esemplare numero " + std::to_string(i) + " della serie";
        const std::string anno = std::to_string(1900 + i % 120);
        const std::string dentellatura = std::to_string(10 + i % 8) + (i % 3 ? "" : " 1/2");
        auto testoOppureNull = [&](int colonna, const char* testo) {
            if (testo)
                sqlite3_bind_text(ins, colonna, testo, -1, SQLITE_STATIC);
            else
                sqlite3_bind_null(ins, colonna);
        };
        sqlite3_bind_text(ins, 1, iso.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(ins, 2, descrizione.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(ins, 3, anno.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int64(ins, 4, static_cast<sqlite3_int64>(i) * 12345);
        testoOppureNull(5, tipologie[i % 6]);
        testoOppureNull(6, carte[i % 5]);
        testoOppureNull(7, i % 11 ? dentellatura.c_str() : nullptr);
        if (sqlite3_step(ins) != SQLITE_DONE) {
            std::fprintf(stderr, "%s\n", sqlite3_errmsg(db));
            std::exit(2);
        }
        sqlite3_reset(ins);
    }
    sqlite3_finalize(ins);
    esegui(db, "COMMIT");
}

// The predicate the window's statement becomes, run with SQLite alone: the
// archive's Left and its text comparison (letter case ignored), every value
// of the rows found copied out.
std::size_t cercaDirettamente(sqlite3* db, const QString& testo)
{
    const std::string sql = "SELECT * FROM TabellaSchedaFilatelica WHERE "
                            "jet_left(TabellaSchedaFilatelica.DescrizioneFrancobollo, ?1) = ?2 COLLATE JET";
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s: %s\n", sql.c_str(), sqlite3_errmsg(db));
        std::exit(2);
    }
    const QByteArray utf8 = testo.toUtf8();
    sqlite3_bind_int64(stmt, 1, static_cast<sqlite3_int64>(testo.toUcs4().size()));
    sqlite3_bind_text(stmt, 2, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_STATIC);
    std::vector<QString> valori;
    std::size_t righe = 0;
    const int colonne = sqlite3_column_count(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int c = 0; c < colonne; ++c) {
            switch (sqlite3_column_type(stmt, c)) {
            case SQLITE_INTEGER:
                valori.push_back(QString::number(sqlite3_column_int64(stmt, c)));
                break;
            case SQLITE_FLOAT:
                valori.push_back(QString::number(sqlite3_column_double(stmt, c)));
                break;
            case SQLITE_TEXT:
                valori.push_back(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)),
                                                   sqlite3_column_bytes(stmt, c)));
                break;
            default:
                valori.push_back(QString());
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
    QDir(cartella).mkpath("Upload");
    QImage foto(320, 240, QImage::Format_RGB32);
    foto.fill(Qt::lightGray);
    foto.save(cartella + "/Upload/Fran0.jpg", "JPG");
    albora::creaArchivio(archivio);
    platform::runtime::setAppPathForTests(cartella);
    impostazione(cartella, "prov_conn", platform::ado::JetProviderName);
    impostazione(cartella, "ip_conn", cartella + "/");
    impostazione(cartella, "db_conn", "ArchivioFilatelico.db");
    impostazione(cartella, "uid_conn", "Admin");
    impostazione(cartella, "pwd_conn", " ");
    impostazione(cartella, "image_conn", cartella + "/Upload/");

    platform::ado::Connection conn;
    conn.Open(archivio);
    riempiArchivio(conn.handle());

    albora::formListaFilatelica->Text_ID->setText(QString::number(SchedaAperta));
    albora::FormSchedaFilatelica& scheda = *albora::formSchedaFilatelica;
    scheda.Show();
    QCoreApplication::processEvents();
    const QString testo = QString::fromUtf8(TestoCercato);

    // The two sides take turns, so that both see the same load on the machine.
    std::size_t righeLette = 0;
    QString trovata;
    double riferimento = 0, misurato = 0;
    for (int giro = 0; giro < 5; ++giro) {
        const double letto = bench::bestOf(1, [&] { righeLette = cercaDirettamente(conn.handle(), testo); });
        const double cercato = bench::bestOf(1, [&] {
            scheda.Text_Codice->setText(QString::number(SchedaAperta));
            scheda.Text_Ricerca->setText(testo);
            scheda.Cmd_Cerca_Click();
            trovata = scheda.Text_Codice->Text();
        });
        riferimento = giro == 0 ? letto : std::min(riferimento, letto);
        misurato = giro == 0 ? cercato : std::min(misurato, cercato);
    }

    if (!dialoghi.boxes.empty() || trovata != QString::number(SchedaCercata) || righeLette != 1) {
        std::fprintf(stderr, "search-100k: card %s found, %zu rows read, %zu messages%s%s\n", qPrintable(trovata),
                     righeLette, dialoghi.boxes.size(), dialoghi.boxes.empty() ? "" : ": ",
                     dialoghi.boxes.empty() ? "" : qPrintable(dialoghi.boxes.front().prompt));
        return 2;
    }
    const bool entro = bench::report("search-100k", misurato, riferimento, 2.0);
    platform::forms::UnloadAll();
    platform::forms::flushUnloaded();
    return entro ? 0 : 1;
}
