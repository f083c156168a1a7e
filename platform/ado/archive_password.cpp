#include "archive_password.h"

#include "sqlite_error.h"
#include "statement.h"

#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <sqlite3.h>

namespace platform::ado::detail {

namespace {

// Each open of a protected archive derives the digest once (about 60 ms
// here); the count is stored with the digest, so it can grow later.
constexpr int Iterations = 20000;
constexpr int DigestBytes = 32;
constexpr int SaltBytes = 16;

bool tableExists(sqlite3* db)
{
    Statement query(db, "SELECT 1 FROM sqlite_master WHERE type='table' AND name=?1",
                    "Lettura della protezione dell'archivio non riuscita");
    query.bindText(1, PasswordTable);
    return query.step();
}

bool sameBytes(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

}  // namespace

QByteArray pbkdf2Sha256(const QByteArray& password, const QByteArray& salt, int iterations, int keyBytes)
{
    QMessageAuthenticationCode mac(QCryptographicHash::Sha256, password);
    QByteArray derived;
    for (quint32 block = 1; derived.size() < keyBytes; ++block) {
        const char index[4] = {char(block >> 24), char(block >> 16), char(block >> 8), char(block)};
        mac.reset();
        mac.addData(salt);
        mac.addData(index, 4);
        QByteArray u = mac.result();
        QByteArray t = u;
        for (int i = 1; i < iterations; ++i) {
            mac.reset();
            mac.addData(u);
            u = mac.result();
            for (qsizetype j = 0; j < t.size(); ++j)
                t[j] = char(t[j] ^ u[j]);
        }
        derived += t;
    }
    return derived.left(keyBytes);
}

void verifyPassword(sqlite3* db, const QString& archivePath, const QString& password)
{
    if (!tableExists(db))
        return;
    Statement query(db, QByteArray("SELECT Sale, Iterazioni, Impronta FROM ") + PasswordTable,
                    "Lettura della protezione dell'archivio non riuscita");
    if (!query.step())
        return;
    auto stmt = query.get();
    const QByteArray salt(static_cast<const char*>(sqlite3_column_blob(stmt, 0)), sqlite3_column_bytes(stmt, 0));
    const int iterations = sqlite3_column_int(stmt, 1);
    const QByteArray stored(static_cast<const char*>(sqlite3_column_blob(stmt, 2)), sqlite3_column_bytes(stmt, 2));
    if (password.isEmpty())
        raise("L'archivio \"" + archivePath + "\" è protetto da password: indicare la password dell'archivio.");
    if (iterations < 1 || !sameBytes(pbkdf2Sha256(password.toUtf8(), salt, iterations, int(stored.size())), stored))
        raise("La password dell'archivio \"" + archivePath + "\" non è corretta.");
}

void setPassword(sqlite3* db, const QString& password)
{
    const QString what = "Impostazione della password dell'archivio non riuscita";
    execute(db, "BEGIN IMMEDIATE", what);
    try {
        execute(db, QByteArray("CREATE TABLE IF NOT EXISTS ") + PasswordTable +
                        " (Sale BLOB NOT NULL, Iterazioni INTEGER NOT NULL, Impronta BLOB NOT NULL)",
                what);
        execute(db, QByteArray("DELETE FROM ") + PasswordTable, what);
        if (password.isEmpty()) {
            execute(db, QByteArray("DROP TABLE ") + PasswordTable, what);
        } else {
            QByteArray salt(SaltBytes, '\0');
            QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()), SaltBytes / 4);
            Statement insert(db, QByteArray("INSERT INTO ") + PasswordTable + " VALUES (?1, ?2, ?3)", what);
            sqlite3_bind_blob(insert.get(), 1, salt.constData(), int(salt.size()), SQLITE_TRANSIENT);
            insert.bindInteger(2, Iterations);
            const QByteArray digest = pbkdf2Sha256(password.toUtf8(), salt, Iterations, DigestBytes);
            sqlite3_bind_blob(insert.get(), 3, digest.constData(), int(digest.size()), SQLITE_TRANSIENT);
            insert.run();
        }
        execute(db, "COMMIT", what);
    } catch (...) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

}  // namespace platform::ado::detail
