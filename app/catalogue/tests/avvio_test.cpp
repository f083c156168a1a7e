// Start-up: the splash window opens the archive and hands over to the
// catalogue window; every failure of the settings or the archive ends in one
// clear message box and writes nothing.
#include "catalogue/form_catalogo.h"
#include "shell/data_environment.h"
#include "shell/form_copyraight.h"
#include "testing/collezione_di_prova.h"

#include "ado/ado.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

using namespace albora;
using albora::prova::CollezioneDiProva;
using namespace platform::forms;

namespace {

QByteArray impronta(const QString& percorso)
{
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

QStringList contenuto(const QString& cartella)
{
    return QDir(cartella).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

void avviaSplash()
{
    impostaFinestraPrincipale([] { formCatalogo.Show(); });
    formCopyraight.Show();
}

TEST(Avvio, SplashOpensTheArchiveShowsTheLogoAndHandsOver)
{
    CollezioneDiProva c;
    c.aggiungiCatalogo("Italia");
    avviaSplash();

    FormCopyraight& splash = *formCopyraight;
    EXPECT_TRUE(c.dialoghi.boxes.empty());
    EXPECT_TRUE(splash.Image1->hasPicture());
    EXPECT_EQ(splash.Timer1->Interval(), 2500);
    EXPECT_TRUE(splash.Timer1->isArmed());
    EXPECT_EQ(DataEnvironment1.Connection1.State(), platform::ado::adStateOpen);
    EXPECT_FALSE(formCatalogo.IsLoaded()) << "the catalogue window waits for the timer";
    EXPECT_EQ(splash.lblVersion->Caption(), "Versione 14.06.26");
    EXPECT_EQ(splash.lblPlatform->Caption(), "Piattaforma");
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);

    splash.Timer1->fire();
    EXPECT_FALSE(formCopyraight.IsLoaded());
    ASSERT_TRUE(formCatalogo.IsLoaded());
    EXPECT_TRUE(formCatalogo->isVisible());
    EXPECT_EQ(formCatalogo->Combo1->ListCount(), 1);
    EXPECT_EQ(c.chiusure, 0);
}

struct Guasto {
    const char* nome;
    std::function<void(CollezioneDiProva&)> prepara;
    std::function<QString(const CollezioneDiProva&)> nelMessaggio;  // a piece the message must name
};

const QString ArchivioDiProva = "ArchivioFilatelico.db";

std::vector<Guasto> guasti()
{
    return {
        {"agg.ini missing", [](CollezioneDiProva& c) { QFile::remove(c.cartella() + "/agg.ini"); },
         [](const CollezioneDiProva&) { return QString("\"p\""); }},
        {"provider p", [](CollezioneDiProva& c) { c.impostazione("prov_conn", "p"); },
         [](const CollezioneDiProva&) { return QString("\"p\""); }},
        {"provider key absent", [](CollezioneDiProva& c) { c.togliImpostazione("prov_conn"); },
         [](const CollezioneDiProva&) { return QString("\"p\""); }},
        {"user key absent", [](CollezioneDiProva& c) { c.togliImpostazione("uid_conn"); },
         [](const CollezioneDiProva&) { return QString("\"p\""); }},
        {"user key empty", [](CollezioneDiProva& c) { c.impostazione("uid_conn", ""); },
         [](const CollezioneDiProva&) { return QString("\"Error\""); }},
        {"wrong user", [](CollezioneDiProva& c) { c.impostazione("uid_conn", "Mario"); },
         [](const CollezioneDiProva&) { return QString("\"Mario\""); }},
        {"archive name empty", [](CollezioneDiProva& c) { c.impostazione("db_conn", ""); },
         [](const CollezioneDiProva& c) { return c.cartella() + "/Error"; }},
        {"folder without trailing separator", [](CollezioneDiProva& c) { c.impostazione("ip_conn", c.cartella()); },
         [](const CollezioneDiProva& c) { return c.cartella() + ArchivioDiProva; }},
        {"archive missing", [](CollezioneDiProva& c) { QFile::remove(c.archivio()); },
         [](const CollezioneDiProva& c) { return c.archivio(); }},
        {"archive is a folder",
         [](CollezioneDiProva& c) {
             QFile::remove(c.archivio());
             QDir(c.cartella()).mkdir(ArchivioDiProva);
         },
         [](const CollezioneDiProva& c) { return c.archivio(); }},
        {"not a database",
         [](CollezioneDiProva& c) {
             QFile f(c.archivio());
             f.open(QIODevice::WriteOnly | QIODevice::Truncate);
             f.write("Francobolli: elenco scritto a mano, non un archivio.\n");
         },
         [](const CollezioneDiProva& c) { return c.archivio(); }},
        {"archive of the old program",
         [](CollezioneDiProva& c) {
             QFile f(c.archivio());
             f.open(QIODevice::WriteOnly | QIODevice::Truncate);
             QByteArray intestazione(2048, '\0');
             intestazione[0] = 0x00;
             intestazione[1] = 0x01;
             intestazione.replace(4, 15, "Standard Jet DB");
             f.write(intestazione);
         },
         [](const CollezioneDiProva&) { return QString("convert"); }},
        {"archive read-only",
         [](CollezioneDiProva& c) { QFile::setPermissions(c.archivio(), QFile::ReadOwner | QFile::ReadGroup); },
         [](const CollezioneDiProva& c) { return c.archivio(); }},
        {"logo missing", [](CollezioneDiProva& c) { QFile::remove(c.cartella() + "/logo.jpg"); },
         [](const CollezioneDiProva& c) { return c.cartella() + "/logo.jpg"; }},
        {"logo key absent", [](CollezioneDiProva& c) { c.togliImpostazione("logo_conn"); },
         [](const CollezioneDiProva&) { return QString("p"); }},
    };
}

TEST(Avvio, EveryFailureEndsInOneMessageAndWritesNothing)
{
    for (const auto& guasto : guasti()) {
        SCOPED_TRACE(guasto.nome);
        CollezioneDiProva c;
        guasto.prepara(c);
        const QByteArray prima = impronta(c.archivio());
        const QStringList file = contenuto(c.cartella());

        avviaSplash();

        ASSERT_EQ(c.dialoghi.boxes.size(), 1u);
        const auto& box = c.dialoghi.boxes[0];
        EXPECT_EQ(box.title, "Albora");
        EXPECT_EQ(box.buttons, std::vector<int>{vbOK});
        EXPECT_EQ(box.icon, MsgIcon::None);
        EXPECT_TRUE(box.prompt.contains(guasto.nelMessaggio(c), Qt::CaseInsensitive)) << box.prompt.toStdString();
        EXPECT_EQ(c.chiusure, 1) << "closing the message ends the program";
        if (formCopyraight.IsLoaded()) {
            EXPECT_FALSE(formCopyraight->Timer1->isArmed());
        }
        EXPECT_FALSE(formCatalogo.IsLoaded());
        EXPECT_EQ(impronta(c.archivio()), prima);
        EXPECT_EQ(contenuto(c.cartella()), file) << "nothing created";
        QFile::setPermissions(c.archivio(), QFile::ReadOwner | QFile::WriteOwner);
    }
}

TEST(Avvio, ProtectedArchiveOpensOnlyWithItsPassword)
{
    for (const char* parola : {"sbagliata", "segreta"}) {
        SCOPED_TRACE(parola);
        CollezioneDiProva c;
        {
            platform::ado::Connection conn;
            conn.Open(c.archivio());
            conn.setDatabasePassword("segreta");
        }
        c.impostazione("pwd_conn", parola);
        avviaSplash();
        const bool giusta = QString(parola) == "segreta";
        EXPECT_EQ(c.dialoghi.boxes.size(), giusta ? 0u : 1u);
        EXPECT_EQ(c.chiusure, giusta ? 0 : 1);
        // The print connection is opened with the same password, so a
        // protected archive starts as well.
        EXPECT_EQ(DataEnvironment1.Connection1.State(),
                  giusta ? platform::ado::adStateOpen : platform::ado::adStateClosed);
    }
}

TEST(Avvio, CatalogueWindowLoadFailureIsReportedAndTheWindowStillShows)
{
    CollezioneDiProva c;
    QFile::remove(c.archivio());
    formCatalogo.Show();
    ASSERT_EQ(c.dialoghi.boxes.size(), 1u);
    EXPECT_TRUE(c.dialoghi.boxes[0].prompt.contains(c.archivio()));
    EXPECT_TRUE(formCatalogo->isVisible());
    EXPECT_EQ(formCatalogo->Combo1->ListCount(), 0);
    EXPECT_EQ(c.chiusure, 0);
}

}  // namespace
