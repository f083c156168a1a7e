// Storing a photo name into the IDImmagine column of a saved card.
#include "photos/foto.h"
#include "photos/numero_scheda.h"
#include "photos/recordset_chiuso.h"

namespace albora {

void memorizzaNomeFoto(SchedaFoto& scheda, const QString& nuovoNome)
{
    if (scheda.codice.isEmpty())
        return;
    const QString sql = QStringLiteral("SELECT * from TabellaSchedaFilatelica ") +
                        QStringLiteral("Where TabellaSchedaFilatelica.IDSchedaFilatelica=") +
                        numeroSchedaPerSql(scheda.codice);
    platform::ado::Recordset& rs = scheda.recordset;
    RecordsetChiusoAllaFine chiusura(rs);
    rs.Open(sql, scheda.connessione, platform::ado::adOpenStatic, platform::ado::adLockOptimistic);
    while (!rs.Eof()) {
        rs.setField(QStringLiteral("IDImmagine"), nuovoNome);
        rs.MoveNext();  // stores the row just changed
    }
    rs.Close();
}

}  // namespace albora
