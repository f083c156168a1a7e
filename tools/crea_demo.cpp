// Creates the demo collection: an archive with a few catalogues and a dozen
// cards, the photo folder with drawn stamps and the placeholder pictures, the
// logo, and the settings file beside the program that points at all of it.
//
//   crea_demo <cartella del programma> <cartella della collezione>
//
// An existing archive is never overwritten: then only the settings file is
// written (when missing), so the program finds the collection again.
#include "francobolli_disegnati.h"

#include "ado/ado.h"
#include "archive/schema.h"
#include "profile/ansi.h"
#include "profile/profile.h"
#include "runtime/error.h"
#include "regional/regional.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

using namespace albora::demo;
using platform::ado::Variant;

namespace {

const char* const NomeArchivio = "ArchivioFilatelico.db";

struct Catalogo {
    const char* nome;
    const char* creato;
};

const Catalogo Cataloghi[] = {
    {"Italia Repubblica", "2024-03-02"},
    {"Regno d'Italia", "2024-03-02"},
    {"San Marino", "2024-05-18"},
    {"Vaticano", "2025-01-10"},
};

struct Scheda {
    const char* catalogo;
    const char* descrizione;
    const char* valore;
    const char* stato;
    const char* anno;
    const char* quotazione;
    const char* tipologia;
    const char* carta;
    const char* sigle;
    const char* dentellatura;
    const char* conservazione;
    const char* luogo;
    const char* colori;
    const char* vignetta;
    Vignetta disegno;
    QColor colore;
    bool foto;
};

const Scheda Schede[] = {
    {"Italia Repubblica", "Italia al lavoro, 100 lire", "100", "Italia", "1950", "1250,00", "Ordinario",
     "Filigrana ruota", "SAS (Sassone: Italia, Vaticano, San Marino, Colonie Italiane)", "14", "Nuovo con gomma",
     "Album 1, pagina 3", "Bruno lilla", "Mestieri regionali", Vignetta::Torre, QColor(150, 90, 130), true},
    {"Italia Repubblica", "Siracusana, 25 lire", "25", "Italia", "1955", "3,50", "Ordinario", "Filigrana stelle",
     "UNI (Unificato: Italia, Vaticano, San Marino, Europa Occidentale)", "14", "Usato", "Album 1, pagina 5",
     "Viola", "Testa di Siracusa", Vignetta::Sole, QColor(120, 80, 170), true},
    {"Italia Repubblica", "Europa CEPT, 60 lire", "60", "Italia", "1961", "0,80", "Commemorativo", "Filigrana stelle",
     "UNI (Unificato: Italia, Vaticano, San Marino, Europa Occidentale)", "14 x 13 1/4", "Nuovo", "Album 1, pagina 9",
     "Azzurro", "Colomba", Vignetta::Colomba, QColor(70, 130, 200), true},
    {"Italia Repubblica", "Gronchi rosa, 205 lire", "205", "Italia", "1961", "780,00", "Posta aerea", "Filigrana stelle",
     "SAS (Sassone: Italia, Vaticano, San Marino, Colonie Italiane)", "14", "Nuovo con gomma integra",
     "Cassaforte", "Rosa", "Mappa del Perù", Vignetta::Stella, QColor(230, 140, 160), true},
    {"Regno d'Italia", "Vittorio Emanuele III, Leoni 5 centesimi", "0,05", "Regno d'Italia", "1906", "2,00",
     "Ordinario", "Filigrana corona", "SAS (Sassone: Italia, Vaticano, San Marino, Colonie Italiane)", "14",
     "Usato", "Album 2, pagina 1", "Verde", "Effigie del re", Vignetta::Corona, QColor(80, 150, 90), true},
    {"Regno d'Italia", "Imperiale, 1,25 lire", "1,25", "Regno d'Italia", "1929", "0,50", "Ordinario",
     "Filigrana corona", "CEI (Catalogo Enciclopedico Italiano: Italia, Vaticano, San Marino, Colonie Italiane)",
     "14", "Usato", "Album 2, pagina 4", "Azzurro", "Aquila", Vignetta::Corona, QColor(90, 120, 190), false},
    {"Regno d'Italia", "Posta pneumatica, 15 centesimi", "0,15", "Regno d'Italia", "1913", "45,00", "Posta pneumatica",
     "Filigrana corona", "SAS (Sassone: Italia, Vaticano, San Marino, Colonie Italiane)", "14", "Nuovo",
     "Album 2, pagina 7", "Rosa", "Testa di Mercurio", Vignetta::Sole, QColor(210, 120, 140), true},
    {"San Marino", "Veduta di San Marino, 10 lire", "10", "San Marino", "1949", "12,00", "Ordinario",
     "Senza filigrana", "BOL (Bolaffi: Italia, Vaticano, San Marino)", "14", "Nuovo", "Album 3, pagina 2",
     "Verde oliva", "Le tre torri", Vignetta::Torre, QColor(130, 150, 70), true},
    {"San Marino", "Giochi olimpici, 20 lire", "20", "San Marino", "1960", "1,20", "Commemorativo",
     "Senza filigrana", "BOL (Bolaffi: Italia, Vaticano, San Marino)", "13 1/2", "Nuovo", "Album 3, pagina 6",
     "Arancio", "Atleta", Vignetta::Stella, QColor(230, 150, 60), false},
    {"Vaticano", "Sede vacante, 60 lire", "60", "Città del Vaticano", "1958", "0,60", "Commemorativo",
     "Filigrana chiavi", "UNI (Unificato: Italia, Vaticano, San Marino, Europa Occidentale)", "14", "Nuovo",
     "Album 4, pagina 1", "Rosso", "Chiavi decussate", Vignetta::Corona, QColor(190, 60, 60), true},
    {"Vaticano", "Anno santo, 25 lire", "25", "Città del Vaticano", "1950", "3,00", "Commemorativo",
     "Filigrana chiavi", "SAS (Sassone: Italia, Vaticano, San Marino, Colonie Italiane)", "14",
     "Nuovo con linguella", "Album 4, pagina 3", "Bruno", "Porta santa", Vignetta::Colomba, QColor(150, 110, 70),
     true},
    {"Vaticano", "Conciliazione, 75 centesimi", "0,75", "Città del Vaticano", "1933", "95,00", "Ordinario",
     "Senza filigrana", "SAS (Sassone: Italia, Vaticano, San Marino, Colonie Italiane)", "14", "Usato",
     "Cassaforte", "Carminio", "Stemma pontificio", Vignetta::Sole, QColor(200, 50, 90), false},
};

bool scrivi(const QImage& immagine, const QString& percorso)
{
    if (immagine.save(percorso, "JPG", 90))
        return true;
    std::fprintf(stderr, "Impossibile scrivere l'immagine %s\n", qPrintable(percorso));
    return false;
}

void scriviImpostazioni(const QString& cartellaProgramma, const QString& collezione)
{
    const std::string file = platform::profile::toAnsi(cartellaProgramma + "/agg.ini");
    auto scrivi = [&](const char* chiave, const QString& valore) {
        platform::profile::WritePrivateProfileStringA("db_remoto", chiave, platform::profile::toAnsi(valore).c_str(),
                                                      file.c_str());
    };
    scrivi("prov_conn", "Microsoft.Jet.OLEDB.4.0");
    scrivi("ip_conn", collezione + "/");
    scrivi("db_conn", NomeArchivio);
    scrivi("uid_conn", "Admin");
    scrivi("pwd_conn", "nessuna");
    scrivi("image_conn", collezione + "/Upload/");
    scrivi("logo_conn", collezione + "/logo.jpg");
}

void riempiArchivio(const QString& archivio, const QString& cartellaFoto)
{
    platform::ado::Connection conn;
    conn.Open(archivio);
    platform::ado::Recordset rs;

    QMap<QString, int> numeri;
    rs.Open("SELECT * from TabellaCatalogo ", conn);
    for (const auto& c : Cataloghi) {
        rs.AddNew();
        numeri[QString::fromUtf8(c.nome)] = rs["IDcatalogo"].toLong();
        rs.setField("NomeCatalogo", QString::fromUtf8(c.nome));
        rs.setField("DataCreazioneCatalogo", Variant(QDate::fromString(c.creato, Qt::ISODate)));
        rs.Update();
    }
    rs.Close();

    rs.Open("SELECT * from TabellaSchedaFilatelica ", conn);
    int giorno = 0;
    for (const auto& s : Schede) {
        rs.AddNew();
        const int id = rs["IDSchedaFilatelica"].toLong();
        const QString catalogo = QString::fromUtf8(s.catalogo);
        rs.setField("IDcatalogo", Variant(std::int32_t(numeri.value(catalogo))));
        rs.setField("Catalogo", catalogo);
        rs.setField("DataAggiornamento", Variant(QDate(2025, 2, 3).addDays(giorno += 9)));
        rs.setField("DescrizioneFrancobollo", QString::fromUtf8(s.descrizione));
        rs.setField("ValoreFacciale", QString::fromUtf8(s.valore));
        rs.setField("StatoEmittente", QString::fromUtf8(s.stato));
        rs.setField("AnnoEmissione", QString::fromUtf8(s.anno));
        rs.setField("Stamperia", QString::fromUtf8("Officina Carte Valori"));
        rs.setField("Quotazione", QString::fromUtf8(s.quotazione));
        rs.setField("Vignetta", QString::fromUtf8(s.vignetta));
        rs.setField("LuogoConservazione", QString::fromUtf8(s.luogo));
        rs.setField("Colori", QString::fromUtf8(s.colori));
        rs.setField("Tipologia", QString::fromUtf8(s.tipologia));
        rs.setField("Carta", QString::fromUtf8(s.carta));
        rs.setField("CataloghiSigle", QString::fromUtf8(s.sigle));
        rs.setField("Dentellatura", QString::fromUtf8(s.dentellatura));
        rs.setField("Possessore", QString::fromUtf8("Collezione di famiglia"));
        rs.setField("StatoConservazione", QString::fromUtf8(s.conservazione));
        rs.setField("Rarita", QString::fromUtf8(QString(s.quotazione).size() > 5 ? "Rara" : "Comune"));
        rs.setField("Forma", QString::fromUtf8("Rettangolare"));
        rs.setField("Dimensioni", QString::fromUtf8("20 x 24 mm"));
        rs.setField("Centratura", QString::fromUtf8("Buona"));
        rs.setField("Note", QString::fromUtf8("Scheda di esempio della collezione dimostrativa."));
        QString nomeFoto = "Fran0.jpg";
        if (s.foto) {
            nomeFoto = "Franc." + QString::number(id) + ".jpg";
            const QString valore = QString::fromUtf8(s.valore);
            scrivi(disegnaFrancobollo(QString::fromUtf8(s.stato), valore, s.colore, s.disegno),
                   cartellaFoto + nomeFoto);
        }
        rs.setField("IDImmagine", nomeFoto);
        rs.Update();
    }
    rs.Close();
}

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "Uso: crea_demo <cartella del programma> <cartella della collezione>\n");
        return 2;
    }
    platform::regional::Scope italiano(QLocale(QLocale::Italian, QLocale::Italy));
    const QString cartellaProgramma = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString collezione = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    const QString archivio = collezione + "/" + NomeArchivio;
    const QString cartellaFoto = collezione + "/Upload/";

    try {
        if (!QFileInfo::exists(archivio)) {
            if (!QDir().mkpath(cartellaFoto)) {
                std::fprintf(stderr, "Impossibile creare la cartella %s\n", qPrintable(cartellaFoto));
                return 1;
            }
            albora::creaArchivio(archivio);
            if (!scrivi(disegnaSegnaposto(), cartellaFoto + "Fran0.jpg") || !scrivi(disegnaLogo(), collezione + "/logo.jpg"))
                return 1;
            riempiArchivio(archivio, cartellaFoto);
            // Printing falls back on this picture when a card has none.
            if (!QFileInfo::exists(cartellaFoto + "Franc.2.jpg") &&
                !scrivi(disegnaFrancobollo("Italia", "25", QColor(120, 80, 170), Vignetta::Sole), cartellaFoto + "Franc.2.jpg"))
                return 1;
            std::printf("Collezione dimostrativa creata in %s\n", qPrintable(collezione));
        }
        if (!QFileInfo::exists(cartellaProgramma + "/agg.ini")) {
            scriviImpostazioni(cartellaProgramma, collezione);
            std::printf("Impostazioni scritte in %s/agg.ini\n", qPrintable(cartellaProgramma));
        }
    } catch (const platform::runtime::Error& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.description()));
        return 1;
    }
    return 0;
}
