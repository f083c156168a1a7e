#include "connection_string.h"

#include "ado/ado.h"
#include "sqlite_error.h"

namespace platform::ado::detail {

namespace {

bool sameKey(const QString& key, const char* name)
{
    return key.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

void parseInto(const QString& text, OpenRequest& request)
{
    const QStringList parts = text.split(';');
    for (const QString& part : parts) {
        if (part.trimmed().isEmpty())
            continue;
        const qsizetype equals = part.indexOf('=');
        if (equals < 0)
            raise("La stringa di connessione non è valida: \"" + part.trimmed() +
                  "\" non è un'impostazione nella forma nome=valore (un valore contiene forse un punto e virgola?).");
        const QString key = part.left(equals).trimmed();
        const QString raw = part.mid(equals + 1);
        if (sameKey(key, "Provider"))
            request.provider = raw.trimmed();
        else if (sameKey(key, "Data Source"))
            request.dataSource = raw.trimmed();
        else if (sameKey(key, "User ID"))
            request.userId = raw.trimmed();
        else if (sameKey(key, "Jet OLEDB:Database Password"))
            request.password = raw;
        // Other settings (Persist Security Info, Mode, engine options) change nothing here.
    }
}

}  // namespace

OpenRequest parseOpenRequest(const QString& property, const QString& argument, const QString& userId,
                             const QString& password)
{
    OpenRequest request;
    const QString text = argument.isEmpty() ? property : argument;
    if (!argument.isEmpty() && !argument.contains('=')) {
        if (property.contains('='))
            parseInto(property, request);
        request.dataSource = argument;
        request.userId.clear();
        request.password.clear();
    } else {
        parseInto(text, request);
    }
    if (!userId.isEmpty())
        request.userId = userId;
    if (!password.isEmpty())
        request.password = password;
    return request;
}

void checkOpenRequest(const OpenRequest& request)
{
    if (!request.provider.isEmpty() && request.provider.compare(QLatin1String(JetProviderName), Qt::CaseInsensitive) != 0)
        raise("Il provider \"" + request.provider + "\" non è disponibile: l'archivio si apre con il provider " +
              JetProviderName + ".");
    if (request.dataSource.isEmpty())
        raise("La stringa di connessione non indica il file dell'archivio (Data Source).");
    if (!request.userId.isEmpty() && request.userId.compare(QLatin1String("Admin"), Qt::CaseInsensitive) != 0)
        raise("L'utente \"" + request.userId +
              "\" non è riconosciuto: l'archivio non ha un gruppo di lavoro e ammette solo l'utente Admin.");
}

}  // namespace platform::ado::detail
