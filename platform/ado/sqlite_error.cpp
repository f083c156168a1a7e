#include "sqlite_error.h"

#include "runtime/error.h"

#include <sqlite3.h>

namespace platform::ado::detail {

void raise(const QString& description)
{
    throw runtime::Error(runtime::ErrDatabase, description);
}

QString reasonFor(int resultCode)
{
    switch (resultCode) {
    case SQLITE_CONSTRAINT_UNIQUE:
    case SQLITE_CONSTRAINT_PRIMARYKEY: return "esiste già una riga con lo stesso valore";
    case SQLITE_CONSTRAINT_NOTNULL: return "manca un valore obbligatorio";
    default: break;
    }
    switch (resultCode & 0xff) {
    case SQLITE_ERROR: return "istruzione SQL non valida";
    case SQLITE_PERM:
    case SQLITE_AUTH: return "permesso negato";
    case SQLITE_BUSY: return "l'archivio è occupato da un'altra operazione, riprovare fra poco";
    case SQLITE_LOCKED: return "l'archivio è bloccato da un'altra operazione";
    case SQLITE_NOMEM: return "memoria insufficiente";
    case SQLITE_READONLY: return "l'archivio non si può modificare (sola lettura)";
    case SQLITE_INTERRUPT: return "operazione interrotta";
    case SQLITE_IOERR: return "errore di lettura o scrittura sul disco";
    case SQLITE_CORRUPT: return "il file dell'archivio è danneggiato";
    case SQLITE_FULL: return "il disco è pieno";
    case SQLITE_CANTOPEN: return "il file dell'archivio non si può aprire";
    case SQLITE_SCHEMA: return "la struttura dell'archivio è cambiata nel frattempo";
    case SQLITE_TOOBIG: return "il valore è troppo grande";
    case SQLITE_CONSTRAINT: return "un vincolo dell'archivio non è rispettato";
    case SQLITE_MISMATCH: return "tipo di dato non corrispondente";
    case SQLITE_RANGE: return "parametro fuori intervallo";
    case SQLITE_NOTADB: return "il file non è un archivio valido";
    default: return QString("errore dell'archivio (codice %1)").arg(resultCode);
    }
}

void raiseSqlite(sqlite3* db, int resultCode, const QString& what)
{
    QString description = what + ": " + reasonFor(resultCode);
    const char* detail = db ? sqlite3_errmsg(db) : nullptr;
    if (detail && *detail)
        description += " (" + QString::fromUtf8(detail) + ")";
    raise(description + ".");
}

}  // namespace platform::ado::detail
