#include "scheda_di_prova.h"

#include "ado/ado.h"
#include "forms/form.h"
#include "list/form_lista_filatelica.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <stdexcept>

namespace albora::prova {

namespace {

void apri(platform::ado::Connection& conn, const CollezioneDiProva& c)
{
    conn.ConnectionString = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + c.archivio() +
                            ";User ID=Admin;Persist Security Info=True;Jet OLEDB:Database Password=";
    conn.Open();
}

void esegui(const CollezioneDiProva& c, const QString& sql)
{
    platform::ado::Connection conn;
    apri(conn, c);
    char* errore = nullptr;
    if (sqlite3_exec(conn.handle(), sql.toUtf8().constData(), nullptr, nullptr, &errore) != SQLITE_OK) {
        const std::string testo = errore ? errore : "errore";
        sqlite3_free(errore);
        throw std::runtime_error(testo);
    }
}

}  // namespace

FormSchedaFilatelica& apriScheda(int idScheda)
{
    formListaFilatelica->Text_ID->setText(QString::number(idScheda));
    FormSchedaFilatelica& scheda = *formSchedaFilatelica;
    formListaFilatelica.Unload();
    platform::forms::flushUnloaded();
    return scheda;
}

void rifiutaModifiche(const CollezioneDiProva& c, const char* evento, const char* descrizione)
{
    esegui(c, QString("CREATE TRIGGER rifiuta_%1 BEFORE %1 ON TabellaSchedaFilatelica "
                      "BEGIN SELECT RAISE(ABORT, '%2'); END")
                  .arg(QLatin1String(evento), QString::fromUtf8(descrizione)));
}

void eliminaDirettamente(const CollezioneDiProva& c, int idScheda)
{
    esegui(c, "DELETE FROM TabellaSchedaFilatelica WHERE IDSchedaFilatelica=" + QString::number(idScheda));
}

const platform::forms::MessageBoxRequest& ultimoMessaggio(const CollezioneDiProva& c)
{
    if (c.dialoghi.boxes.empty())
        throw std::runtime_error("nessun messaggio mostrato");
    return c.dialoghi.boxes.back();
}

}  // namespace albora::prova
