#include "shell/connessione.h"

namespace albora {

QString percorsoImpostazioni(const QString& percorsoApp)
{
    return percorsoApp + "/agg.ini";
}

QString componiStringaConnessione(const QString& prov_conn, const QString& ip_conn, const QString& db_conn,
                                  const QString& uid_conn, const QString& pwd_conn)
{
    return "Provider=" + prov_conn + ";Data Source=" + ip_conn + db_conn + ";User ID=" + uid_conn +
           ";Persist Security Info=True;Jet OLEDB:Database Password=" + pwd_conn;
}

void apriConnessione(platform::ado::Connection& connessione, const QString& stringa)
{
    connessione.ConnectionString = stringa;
    connessione.ConnectionTimeout = 60;
    connessione.Mode = 3;
    connessione.CursorLocation = 2;
    connessione.Open();
}

}  // namespace albora
