#pragma once
// The settings file and the connection string every window composes.

#include "ado/ado.h"

#include <QString>

namespace albora {

inline constexpr const char* SezioneImpostazioni = "db_remoto";
inline constexpr const char* DefaultImpostazione = "p";

// The settings file beside the program: application folder + "/agg.ini".
QString percorsoImpostazioni(const QString& percorsoApp);

QString componiStringaConnessione(const QString& prov_conn, const QString& ip_conn, const QString& db_conn,
                                  const QString& uid_conn, const QString& pwd_conn);

// Sets ConnectionString, ConnectionTimeout (60), Mode (3, read/write) and
// CursorLocation (2, server side), in this order, and opens.
void apriConnessione(platform::ado::Connection& connessione, const QString& stringa);

}  // namespace albora
