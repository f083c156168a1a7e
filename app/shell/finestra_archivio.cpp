#include "shell/finestra_archivio.h"

#include "forms/dialogs.h"
#include "runtime/error.h"
#include "runtime/runtime.h"
#include "shell/connessione.h"

#include <exception>

namespace albora {

using platform::runtime::Error;

void mostraErrore(const QString& descrizione)
{
    platform::forms::MsgBox(descrizione, platform::forms::vbOKOnly);
}

bool conGestoreErrori(const std::function<void()>& lavoro)
{
    try {
        lavoro();
        return true;
    } catch (const Error& e) {
        mostraErrore(e.description());
    } catch (const std::bad_alloc&) {
        mostraErrore("Memoria insufficiente per completare l'operazione.");
    } catch (const std::exception& e) {
        mostraErrore("Errore imprevisto: " + QString::fromLocal8Bit(e.what()));
    }
    return false;
}

bool FinestraArchivio::eseguiCaricamento(const std::function<void()>& lavoro)
{
    return conGestoreErrori(lavoro);
}

QString* FinestraArchivio::valore(const QString& chiave)
{
    if (chiave == "prov_conn") return &prov_conn;
    if (chiave == "ip_conn") return &ip_conn;
    if (chiave == "uid_conn") return &uid_conn;
    if (chiave == "pwd_conn") return &pwd_conn;
    if (chiave == "db_conn") return &db_conn;
    if (chiave == "image_conn") return &image_conn;
    if (chiave == "logo_conn") return &logo_conn;
    return nullptr;
}

void FinestraArchivio::apriArchivio(std::initializer_list<const char*> chiavi)
{
    Connessione = std::make_unique<platform::ado::Connection>();
    PercorsoApp = platform::runtime::AppPath();
    Ini = std::make_unique<Cini>();
    Ini->setFileName(percorsoImpostazioni(PercorsoApp));
    Ini->setApplicationKey(SezioneImpostazioni);
    for (const char* chiave : chiavi)
        *valore(chiave) = Ini->GetValue(chiave, DefaultImpostazione);
    apriConnessione(*Connessione, componiStringaConnessione(prov_conn, ip_conn, db_conn, uid_conn, pwd_conn));
}

}  // namespace albora
