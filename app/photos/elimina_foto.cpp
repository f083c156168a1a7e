// The photo-deletion steps, run by the photo delete command and by card deletion.
#include "photos/foto.h"
#include "photos/recordset_chiuso.h"

#include "files/files.h"
#include "runtime/runtime.h"

namespace albora {

namespace {

// Only a file of the card's own inside the photo folder is removed: never
// the shared placeholder, never the no-photo value 0, and never a name that
// reaches outside the folder.
bool eliminabile(const QString& nomeFoto)
{
    return haFoto(nomeFoto) && !eSegnaposto(nomeFoto) &&
           !nomeFoto.contains(QChar(platform::runtime::PathSeparator));
}

}  // namespace

void eliminaFotoScheda(SchedaFoto& scheda)
{
    if (scheda.codice.isEmpty())
        return;
    const QString sql = QStringLiteral("Select * from TabellaSchedaFilatelica ") +
                        QStringLiteral("Where TabellaSchedaFilatelica.IDSchedaFilatelica=") + scheda.codice;
    platform::ado::Recordset& rs = scheda.recordset;
    {
        RecordsetChiusoAllaFine chiusura(rs);
        rs.Open(sql, scheda.connessione, platform::ado::adOpenStatic, platform::ado::adLockOptimistic);
        while (!rs.Eof()) {
            scheda.nomeFoto = rs[QStringLiteral("IDImmagine")].text();
            rs.setField(QStringLiteral("IDImmagine"), platform::ado::Variant(0));
            rs.MoveNext();  // stores the row just changed
        }
    }

    const QString percorso = percorsoFoto(scheda.percorsoImmagini, scheda.nomeFoto);
    if (eliminabile(scheda.nomeFoto) && platform::files::FileExists(percorso))
        platform::files::DeleteFile(percorso);
}

}  // namespace albora
