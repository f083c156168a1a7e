// A photo taken or imported before a card's first save carries the number 0
// in its name; at insertion it gets the card's own number.
#include "photos/foto.h"
#include "photos/recordset_chiuso.h"

#include "archive/letterali.h"
#include "files/files.h"

namespace albora {

namespace {

const QLatin1String PrefissoProvvisorio("Franc.0.");

bool eProvvisoria(const QString& nomeFoto)
{
    return nomeFoto.startsWith(PrefissoProvvisorio) && nomeFoto.size() > PrefissoProvvisorio.size();
}

bool nominataDaUnaScheda(SchedaFoto& scheda, const QString& nomeFoto)
{
    const QString sql = QStringLiteral("SELECT * from TabellaSchedaFilatelica ") +
                        QStringLiteral("Where TabellaSchedaFilatelica.IDImmagine='") + testoSql(nomeFoto) +
                        QLatin1Char('\'');
    RecordsetChiusoAllaFine chiusura(scheda.recordset);
    scheda.recordset.Open(sql, scheda.connessione, platform::ado::adOpenStatic, platform::ado::adLockReadOnly);
    return !scheda.recordset.Eof();
}

}  // namespace

QString rinominaFotoNuovaScheda(const QString& percorsoImmagini, const QString& nomeFoto, const QString& nuovoCodice)
{
    if (!eProvvisoria(nomeFoto) || nuovoCodice.isEmpty() || nuovoCodice == QLatin1String("0"))
        return nomeFoto;
    const QString nuovoNome = QStringLiteral("Franc.") + nuovoCodice + QLatin1Char('.') +
                              nomeFoto.mid(PrefissoProvvisorio.size());
    const QString provvisoria = percorsoFoto(percorsoImmagini, nomeFoto);
    // A photo file that has gone missing leaves nothing to carry over; the
    // card still gets a name of its own.
    if (platform::files::FileExists(provvisoria))
        platform::files::CopyFile(provvisoria, percorsoFoto(percorsoImmagini, nuovoNome), true);
    return nuovoNome;
}

void rimuoviFotoProvvisoria(SchedaFoto& scheda, const QString& nomeProvvisorio)
{
    if (!eProvvisoria(nomeProvvisorio))
        return;
    const QString percorso = percorsoFoto(scheda.percorsoImmagini, nomeProvvisorio);
    if (!platform::files::FileExists(percorso) || nominataDaUnaScheda(scheda, nomeProvvisorio))
        return;
    platform::files::DeleteFile(percorso);
}

}  // namespace albora
