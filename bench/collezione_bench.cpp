#include "collezione_bench.h"

#include "bench_support.h"

#include "archive/schema.h"
#include "profile/profile.h"
#include "runtime/runtime.h"

#include <QDate>
#include <QDir>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

namespace bench {

namespace {

void esegui(sqlite3* db, const char* sql)
{
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        interrompi(QString(sql) + ": " + sqlite3_errmsg(db));
}

sqlite3_stmt* prepara(sqlite3* db, const char* sql)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK)
        interrompi(QString(sql) + ": " + sqlite3_errmsg(db));
    return stmt;
}

void impostazione(const QString& cartella, const char* chiave, const QString& valore)
{
    const std::string file = (cartella + "/agg.ini").toStdString();
    platform::profile::WritePrivateProfileStringA("db_remoto", chiave, valore.toStdString().c_str(), file.c_str());
}

}  // namespace

void finestreFuoriSchermo()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

void interrompi(const QString& perche)
{
    std::fprintf(stderr, "%s\n", qPrintable(perche));
    std::exit(2);
}

CollezioneBench::CollezioneBench()
    : italiano_(QLocale(QLocale::Italian, QLocale::Italy)), cartella_(scratchFolder())
{
    const QString archivio = cartella_ + "/ArchivioFilatelico.db";
    albora::creaArchivio(archivio);
    platform::runtime::setAppPathForTests(cartella_);
    impostazione(cartella_, "prov_conn", platform::ado::JetProviderName);
    impostazione(cartella_, "ip_conn", cartella_ + "/");
    impostazione(cartella_, "db_conn", "ArchivioFilatelico.db");
    impostazione(cartella_, "uid_conn", "Admin");
    impostazione(cartella_, "pwd_conn", "nessuna");
    impostazione(cartella_, "image_conn", cartella_ + "/Upload/");
    conn_.Open(archivio);
}

CollezioneBench::~CollezioneBench()
{
    platform::runtime::setAppPathForTests({});
}

void CollezioneBench::aggiungiCataloghi(int quanti)
{
    esegui(db(), "BEGIN");
    sqlite3_stmt* ins =
        prepara(db(), "INSERT INTO TabellaCatalogo (NomeCatalogo, DataCreazioneCatalogo) VALUES (?1, '2020-01-15')");
    for (int i = 1; i <= quanti; ++i) {
        const std::string nome = "Catalogo " + std::to_string((i * 7919) % 100003) + " di prova";
        sqlite3_bind_text(ins, 1, nome.c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(ins) != SQLITE_DONE)
            interrompi(sqlite3_errmsg(db()));
        sqlite3_reset(ins);
    }
    sqlite3_finalize(ins);
    esegui(db(), "COMMIT");
}

sqlite3_int64 CollezioneBench::idCatalogo(const char* nome)
{
    sqlite3_stmt* cerca = prepara(db(), "SELECT IDcatalogo FROM TabellaCatalogo WHERE NomeCatalogo=?1");
    sqlite3_bind_text(cerca, 1, nome, -1, SQLITE_STATIC);
    const bool trovato = sqlite3_step(cerca) == SQLITE_ROW;
    const sqlite3_int64 id = trovato ? sqlite3_column_int64(cerca, 0) : 0;
    sqlite3_finalize(cerca);
    if (trovato)
        return id;
    sqlite3_stmt* ins =
        prepara(db(), "INSERT INTO TabellaCatalogo (NomeCatalogo, DataCreazioneCatalogo) VALUES (?1, '2020-01-15')");
    sqlite3_bind_text(ins, 1, nome, -1, SQLITE_STATIC);
    if (sqlite3_step(ins) != SQLITE_DONE)
        interrompi(sqlite3_errmsg(db()));
    sqlite3_finalize(ins);
    return sqlite3_last_insert_rowid(db());
}

void CollezioneBench::aggiungiSchede(int quante, const char* catalogo)
{
    const sqlite3_int64 id = idCatalogo(catalogo);
    esegui(db(), "BEGIN");
    sqlite3_stmt* ins = prepara(
        db(),
        "INSERT INTO TabellaSchedaFilatelica (IDcatalogo, Catalogo, DataAggiornamento, DescrizioneFrancobollo, "
        "ValoreFacciale, StatoEmittente, AnnoEmissione, Stamperia, PeriodoCircolazione, Tiratura, Quotazione, "
        "Vignetta, LuogoConservazione, Colori, Tipologia, Carta, CataloghiSigle, Dentellatura, Possessore, Serie, "
        "Timbro, StatoConservazione, Rarita, Forma, Dimensioni, Centratura, Note, IDImmagine, Bozzettistica) "
        "VALUES (?12, ?8, ?1, ?2, ?3, 'Italia', ?4, 'Officina Carte Valori', '1961-1965', '5.000.000', ?5, "
        "'Volo di Gronchi verso il Peru''', ?6, 'rosa e grigio', ?9, ?10, "
        "'Sassone', ?11, 'Mario Rossi', 'Viaggio presidenziale', 'Annullo di Roma', 'Nuovo con gomma', 'Comune', "
        "'Rettangolare', '40 x 24 mm', 'Buona', 'Acquistato a un convegno filatelico; certificato allegato.', "
        "?7, 'Bozzetto di Corrado Mancioli')");
    // nullptr stands for a card that leaves the column empty.
    const char* tipologie[] = {"Posta ordinaria", "Commemorativo", "Posta aerea", "Espresso", "Segnatasse", nullptr};
    const char* carte[] = {"Filigrana stelle", "Filigrana ruota", "Senza filigrana", "Carta fluorescente", nullptr};
    const char* dentellature[] = {"14", "13 1/4", "14 x 13 1/4", "11 1/2", "12", "Non dentellato", nullptr};
    auto testoOppureNull = [ins](int parametro, const char* testo) {
        if (testo)
            sqlite3_bind_text(ins, parametro, testo, -1, SQLITE_TRANSIENT);
        else
            sqlite3_bind_null(ins, parametro);
    };
    for (int i = 1; i <= quante; ++i) {
        const std::string iso = QDate(2020, 1, 1).addDays(i % 2000).toString(Qt::ISODate).toStdString();
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
        testoOppureNull(6, i % 7 == 0 ? nullptr : luogo.c_str());
        sqlite3_bind_text(ins, 7, foto.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(ins, 8, catalogo, -1, SQLITE_STATIC);
        testoOppureNull(9, tipologie[static_cast<std::size_t>(i) % std::size(tipologie)]);
        testoOppureNull(10, carte[static_cast<std::size_t>(i) % std::size(carte)]);
        testoOppureNull(11, dentellature[static_cast<std::size_t>(i) % std::size(dentellature)]);
        sqlite3_bind_int64(ins, 12, id);
        if (sqlite3_step(ins) != SQLITE_DONE)
            interrompi(sqlite3_errmsg(db()));
        sqlite3_reset(ins);
    }
    sqlite3_finalize(ins);
    esegui(db(), "COMMIT");
}

void CollezioneBench::aggiungiFoto(int idScheda)
{
    sqlite3_stmt* cerca = prepara(db(), "SELECT IDImmagine FROM TabellaSchedaFilatelica WHERE IDSchedaFilatelica=?1");
    sqlite3_bind_int64(cerca, 1, idScheda);
    if (sqlite3_step(cerca) != SQLITE_ROW || sqlite3_column_type(cerca, 0) != SQLITE_TEXT)
        interrompi(QString("La scheda %1 non ha una foto").arg(idScheda));
    const QString nome = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(cerca, 0)));
    sqlite3_finalize(cerca);
    QDir(cartella_).mkpath("Upload");
    QImage foto(320, 240, QImage::Format_RGB32);
    foto.fill(Qt::lightGray);
    if (!foto.save(cartella_ + "/Upload/" + nome, "JPG"))
        interrompi("Impossibile scrivere la foto " + nome);
}

Tempi aTurno(int giri, const std::function<void()>& riferimento, const std::function<void()>& misurato)
{
    Tempi migliori;
    for (int giro = 0; giro < giri; ++giro) {
        const double letto = bestOf(1, riferimento);
        const double fatto = bestOf(1, misurato);
        migliori.riferimento = giro == 0 ? letto : std::min(migliori.riferimento, letto);
        migliori.misurato = giro == 0 ? fatto : std::min(migliori.misurato, fatto);
    }
    return migliori;
}

namespace {

struct RigaLetta {
    std::vector<sqlite3_int64> interi;
    std::vector<double> reali;
    std::vector<QString> testi;
};

}  // namespace

std::size_t leggiTutto(sqlite3* db, const char* sql)
{
    sqlite3_stmt* stmt = prepara(db, sql);
    RigaLetta riga;
    std::size_t righe = 0;
    const int colonne = sqlite3_column_count(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        riga.interi.clear();
        riga.reali.clear();
        riga.testi.clear();
        for (int c = 0; c < colonne; ++c) {
            switch (sqlite3_column_type(stmt, c)) {
            case SQLITE_INTEGER: riga.interi.push_back(sqlite3_column_int64(stmt, c)); break;
            case SQLITE_FLOAT: riga.reali.push_back(sqlite3_column_double(stmt, c)); break;
            case SQLITE_TEXT:
                riga.testi.push_back(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)),
                                                       sqlite3_column_bytes(stmt, c)));
                break;
            default: break;
            }
        }
        ++righe;
    }
    sqlite3_finalize(stmt);
    return righe;
}

}  // namespace bench
