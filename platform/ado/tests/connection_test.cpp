#include "ado_test_support.h"

#include <QFile>
#include <sqlite3.h>
#include <sys/stat.h>

namespace {

using namespace ado_test;

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// What a Jet or ACE database file starts with.
QByteArray accessHeader(const char* engine)
{
    QByteArray bytes(4096, '\0');
    bytes.replace(0, 4, QByteArray("\x00\x01\x00\x00", 4));
    bytes.replace(4, 15, QByteArray(engine));
    return bytes;
}

struct OpenFailure {
    const char* name;
    // Prepares the folder and the connection; returns nothing.
    std::function<void(const QString& folder, const QString& archive, Connection&)> arrange;
    QStringList expected;  // pieces the message must hold; "%P" is the archive's path
};

void PrintTo(const OpenFailure& row, std::ostream* out)
{
    *out << row.name;
}

class OpenFailures : public ArchiveTest, public ::testing::WithParamInterface<OpenFailure> {};

TEST_P(OpenFailures, AreRefusedWithAnItalianMessageAndCreateNothing)
{
    Connection conn;
    const QString folder = dir_.path();
    GetParam().arrange(folder, path_, conn);
    const QStringList before = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    const QString message = archiveError([&] { conn.Open(); });

    for (QString piece : GetParam().expected)
        EXPECT_TRUE(message.contains(piece.replace("%P", path_))) << message.toStdString() << "\n  lacks: " << piece.toStdString();
    EXPECT_EQ(conn.State(), platform::ado::adStateClosed);
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
}

auto withString(const std::function<QString(const QString& folder, const QString& archive)>& make)
{
    return [make](const QString& folder, const QString& archive, Connection& conn) {
        conn.ConnectionString = make(folder, archive);
    };
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OpenFailures,
    ::testing::Values(
        OpenFailure{"SettingsMissingGiveProviderP",
                    withString([](auto&, auto&) { return jetConnectionString("pp", "p", "p", "p"); }),
                    {"provider \"p\"", "Microsoft.Jet.OLEDB.4.0"}},
        OpenFailure{"OtherProvider",
                    withString([](auto&, auto& a) { return jetConnectionString(a, "Admin", "", "SQLOLEDB"); }),
                    {"\"SQLOLEDB\""}},
        OpenFailure{"UnknownUser", withString([](auto&, auto& a) { return jetConnectionString(a, "Error"); }),
                    {"utente \"Error\"", "Admin"}},
        OpenFailure{"MissingFile",
                    withString([](auto& f, auto&) { return jetConnectionString(f + "/manca.db"); }),
                    {"/manca.db\"", "non esiste"}},
        OpenFailure{"FolderRunIntoFileName",
                    withString([](auto& f, auto&) { return jetConnectionString(f + "/dati" + "archivio.db"); }),
                    {"datiarchivio.db\"", "non esiste"}},
        OpenFailure{"MissingFolder",
                    withString([](auto& f, auto&) { return jetConnectionString(f + "/manca/archivio.db"); }),
                    {"cartella", "/manca\"", "non esiste"}},
        OpenFailure{"Folder", withString([](auto& f, auto&) { return jetConnectionString(f); }), {"è una cartella"}},
        OpenFailure{"EmptyFile",
                    [](auto&, auto& a, Connection& c) {
                        QFile::remove(a);
                        writeFile(a, {});
                        c.ConnectionString = jetConnectionString(a);
                    },
                    {"\"%P\"", "vuoto"}},
        OpenFailure{"JetDatabase",
                    [](auto&, auto& a, Connection& c) {
                        QFile::remove(a);
                        writeFile(a, accessHeader("Standard Jet DB"));
                        c.ConnectionString = jetConnectionString(a);
                    },
                    {"\"%P\"", "convertito"}},
        OpenFailure{"AceDatabase",
                    [](auto&, auto& a, Connection& c) {
                        QFile::remove(a);
                        writeFile(a, accessHeader("Standard ACE DB"));
                        c.ConnectionString = jetConnectionString(a);
                    },
                    {"\"%P\"", "convertito"}},
        OpenFailure{"NotADatabase",
                    [](auto&, auto& a, Connection& c) {
                        QFile::remove(a);
                        writeFile(a, QByteArray(2000, 'x'));
                        c.ConnectionString = jetConnectionString(a);
                    },
                    {"\"%P\"", "non è un archivio"}},
        OpenFailure{"DamagedDatabase",
                    [](auto&, auto& a, Connection& c) {
                        QFile::remove(a);
                        writeFile(a, QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\x7f'));
                        c.ConnectionString = jetConnectionString(a);
                    },
                    {"\"%P\"", "non riuscita"}},
        OpenFailure{"Unreadable",
                    [](auto&, auto& a, Connection& c) {
                        ::chmod(QFile::encodeName(a).constData(), 0);
                        c.ConnectionString = jetConnectionString(a);
                    },
                    {"\"%P\"", "leggere"}},
        OpenFailure{"ReadOnly",
                    [](auto&, auto& a, Connection& c) {
                        ::chmod(QFile::encodeName(a).constData(), 0444);
                        c.ConnectionString = jetConnectionString(a);
                    },
                    {"\"%P\"", "sola lettura"}},
        OpenFailure{"NoDataSource",
                    withString([](auto&, auto&) { return QString("Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin"); }),
                    {"Data Source"}},
        OpenFailure{"ValueWithSemicolon",
                    withString([](auto& f, auto&) { return jetConnectionString(f + "/a;b.db"); }),
                    {"\"b.db\"", "nome=valore"}}),
    ado_test::ByName());

struct OpenSuccess {
    const char* name;
    std::function<void(Connection&, const QString& archive)> open;
};

void PrintTo(const OpenSuccess& row, std::ostream* out)
{
    *out << row.name;
}

class OpenSuccesses : public ArchiveTest, public ::testing::WithParamInterface<OpenSuccess> {};

TEST_P(OpenSuccesses, OpenTheArchive)
{
    Connection conn;
    GetParam().open(conn, path_);
    ASSERT_EQ(conn.State(), platform::ado::adStateOpen);
    EXPECT_EQ(conn.dataSource(), path_);
    Recordset rs;
    rs.Open("SELECT * from TabellaCatalogo ", conn, 3, 3);
    EXPECT_TRUE(rs.Eof());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OpenSuccesses,
    ::testing::Values(
        OpenSuccess{"SettingsString",
                    [](Connection& c, auto& a) {
                        c.ConnectionString = jetConnectionString(a);
                        c.ConnectionTimeout = 60;
                        c.Mode = 3;
                        c.CursorLocation = 2;
                        c.Open();
                    }},
        OpenSuccess{"AdminInAnyCaseAndProviderInLowerCase",
                    [](Connection& c, auto& a) {
                        c.ConnectionString = jetConnectionString(a, "aDMIN", "", "microsoft.jet.oledb.4.0");
                        c.Open();
                    }},
        OpenSuccess{"PasswordIgnoredWithoutProtection",
                    [](Connection& c, auto& a) {
                        c.ConnectionString = jetConnectionString(a, "Admin", "qualunque");
                        c.Open();
                    }},
        OpenSuccess{"PrintConnectionWithBarePath",
                    [](Connection& c, auto& a) {
                        c.ConnectionString = "Provider=Microsoft.Jet.OLEDB.4.0;Persist Security Info=False;";
                        c.Open(a, "", "", -1);
                    }},
        OpenSuccess{"ReadOnlyFileInReadMode",
                    [](Connection& c, auto& a) {
                        ::chmod(QFile::encodeName(a).constData(), 0444);
                        c.ConnectionString = jetConnectionString(a);
                        c.Mode = 1;
                        c.Open();
                    }}),
    ado_test::ByName());

TEST_F(ArchiveTest, ConnectionKeepsTheFileCompleteAfterEveryCommit)
{
    Connection conn;
    open(conn);
    auto pragma = [&](const char* sql) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(conn.handle(), sql, -1, &stmt, nullptr);
        sqlite3_step(stmt);
        QString value = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        sqlite3_finalize(stmt);
        return value;
    };
    EXPECT_EQ(pragma("PRAGMA journal_mode"), "delete");
    EXPECT_EQ(pragma("PRAGMA synchronous"), "2");  // FULL
}

TEST_F(ArchiveTest, OpeningTwiceIsRefusedAndCloseCloses)
{
    Connection conn;
    open(conn);
    EXPECT_TRUE(archiveError([&] { conn.Open(); }).contains("già aperta"));
    conn.Close();
    EXPECT_EQ(conn.State(), platform::ado::adStateClosed);
    EXPECT_TRUE(archiveError([&] { conn.Execute("delete * from Scheda"); }).contains("non è aperta"));
}

TEST_F(ArchiveTest, CreateArchiveNeverReplacesAFile)
{
    writeFile(dir_.path() + "/esistente.db", "dati preziosi");
    EXPECT_TRUE(archiveError([&] { platform::ado::CreateArchive(dir_.path() + "/esistente.db", miniSchema()); })
                    .contains("esiste già"));
    QFile kept(dir_.path() + "/esistente.db");
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "dati preziosi");
}

TEST_F(ArchiveTest, FailedCreationLeavesNothing)
{
    const QString target = dir_.path() + "/nuovo.db";
    archiveError([&] { platform::ado::CreateArchive(target, {"CREATE TABLE T (a INTEGER)", "CREATE TABL sbagliata"}); });
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"archivio.db"});
}

}  // namespace
