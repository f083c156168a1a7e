#pragma once
// The database password of an archive.  Only a salted PBKDF2-HMAC-SHA256
// digest is kept, in the provider's own one-row table AlboraProtezione;
// an archive without that row has no password and ignores the one given.
//
// The password guards opening through this provider; it does not encrypt
// the file.

#include <QByteArray>
#include <QString>

struct sqlite3;

namespace platform::ado::detail {

inline constexpr const char* PasswordTable = "AlboraProtezione";

// Raises ErrDatabase when the archive has a password and `password` is
// missing or wrong; the message names the archive.
void verifyPassword(sqlite3* db, const QString& archivePath, const QString& password);

// Protects the archive with `password`, or removes the protection when it
// is empty.  One transaction.
void setPassword(sqlite3* db, const QString& password);

QByteArray pbkdf2Sha256(const QByteArray& password, const QByteArray& salt, int iterations, int keyBytes);

}  // namespace platform::ado::detail
