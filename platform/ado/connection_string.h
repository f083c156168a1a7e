#pragma once
// What a Connection.Open is asked to open: the connection string of the
// settings ("Provider=...;Data Source=...;User ID=...;Persist Security
// Info=True;Jet OLEDB:Database Password=..."), or a bare path given as the
// first argument of Open, as the print connection does.

#include <QString>

namespace platform::ado::detail {

struct OpenRequest {
    QString provider;  // empty when none is named
    QString dataSource;
    QString userId;    // empty means Admin
    QString password;  // the database password
};

// `property` is the ConnectionString property, `argument` the first argument
// of Open (used instead when not empty).  A text without any "=" is a bare
// path: the provider then comes from the property.  Non-empty user and
// password arguments take precedence over the string.  Raises ErrDatabase
// for a malformed string.
OpenRequest parseOpenRequest(const QString& property, const QString& argument, const QString& userId,
                             const QString& password);

// Raises ErrDatabase naming the provider or the user when this provider
// cannot serve the request, or when no Data Source is named.
void checkOpenRequest(const OpenRequest& request);

}  // namespace platform::ado::detail
