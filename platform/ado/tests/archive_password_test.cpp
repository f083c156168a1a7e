#include "archive_password.h"

#include "ado_test_support.h"

#include <QFile>

namespace {

using namespace ado_test;
using platform::ado::detail::pbkdf2Sha256;

TEST(Pbkdf2, MatchesKnownDigests)
{
    EXPECT_EQ(pbkdf2Sha256("passwd", "salt", 1, 32).toHex(),
              "55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc");
    EXPECT_EQ(pbkdf2Sha256("Password", "NaCl", 1000, 32).toHex(),
              "c27dad0abae39af4ebb9965719d584e8b4eb2ee69e1fc9f8f4784d1ca68696e2");
}

TEST_F(ArchiveTest, PasswordGuardsOpeningAndIsNeverStoredInClear)
{
    const QString password = "Francobollo-Rosso-1961";
    {
        Connection conn;
        open(conn);
        conn.setDatabasePassword(password);
    }
    QFile file(path_);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_FALSE(bytes.contains(password.toUtf8()));
    EXPECT_FALSE(bytes.contains(QByteArray(reinterpret_cast<const char*>(password.utf16()), password.size() * 2)));

    struct Attempt {
        const char* name;
        QString password;
        const char* message;  // empty when the open succeeds
    } attempts[] = {
        {"Right", password, ""},
        {"Wrong", "francobollo-rosso-1961", "non è corretta"},
        {"Missing", "", "protetto da password"},
    };
    for (const auto& attempt : attempts) {
        Connection conn;
        conn.ConnectionString = jetConnectionString(path_, "Admin", attempt.password);
        if (*attempt.message) {
            const QString message = archiveError([&] { conn.Open(); });
            EXPECT_TRUE(message.contains(attempt.message)) << attempt.name << ": " << message.toStdString();
            EXPECT_TRUE(message.contains(path_)) << attempt.name;
        } else {
            conn.Open();
            EXPECT_EQ(conn.State(), platform::ado::adStateOpen) << attempt.name;
        }
    }

    // The print connection passes no password.
    Connection print;
    EXPECT_TRUE(archiveError([&] { print.Open(path_, "", "", -1); }).contains("protetto da password"));

    Connection conn;
    conn.ConnectionString = jetConnectionString(path_, "Admin", password);
    conn.Open();
    conn.setDatabasePassword({});
    conn.Close();
    print.Open(path_, "", "", -1);
    EXPECT_EQ(print.State(), platform::ado::adStateOpen);
}

TEST(CreateArchive, CanProtectTheNewArchive)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/protetto.db";
    platform::ado::CreateArchive(path, miniSchema(), "segreta");
    Connection conn;
    conn.ConnectionString = jetConnectionString(path);
    archiveError([&] { conn.Open(); });
    conn.ConnectionString = jetConnectionString(path, "Admin", "segreta");
    conn.Open();
    EXPECT_EQ(conn.State(), platform::ado::adStateOpen);
}

}  // namespace
