#pragma once
// What every window that works on the archive owns from its load until it is
// unloaded: its own settings reader over agg.ini, the settings values, its
// own connection and the text of its current statement.
//
//   void FormCatalogo::Load()
//   {
//       eseguiCaricamento([this] {
//           apriArchivio({"prov_conn", "ip_conn", "uid_conn", "pwd_conn", "db_conn"});
//           CaricaCataloghi();
//       });
//   }
//
// eseguiCaricamento is the load's one error handler: any error shows its
// description in a message box with OK and the application's title, and the
// rest of the load does not run.

#include "ado/ado.h"
#include "forms/form.h"
#include "shell/cini.h"

#include <QString>
#include <functional>
#include <initializer_list>
#include <memory>

namespace albora {

class FinestraArchivio : public platform::forms::Form {
    Q_OBJECT
public:
    // The settings values, as read from agg.ini ("p" when a key is absent).
    QString prov_conn, ip_conn, uid_conn, pwd_conn, db_conn, image_conn, logo_conn;

    platform::ado::Connection& connessione() { return *Connessione; }

protected:
    // Reads the keys in the given order, composes the connection string,
    // sets the connection's properties and opens it.
    void apriArchivio(std::initializer_list<const char*> chiavi);

    // Runs the load's work under its error handler; false when it failed.
    bool eseguiCaricamento(const std::function<void()>& lavoro);

    std::unique_ptr<Cini> Ini;
    QString PercorsoApp;
    std::unique_ptr<platform::ado::Connection> Connessione;
    QString StrSQL;

private:
    QString* valore(const QString& chiave);
};

// Shows an error's description the way every error handler of the program
// does: OK only, no icon, the application's title.
void mostraErrore(const QString& descrizione);
// Runs work and shows any error it raises; false when it failed.
bool conGestoreErrori(const std::function<void()>& lavoro);

}  // namespace albora
