#pragma once
// The card window's photo state over the test collection: its own
// connection to the archive, its one recordset and NomeFoto.

#include "photos/foto.h"
#include "testing/collezione_di_prova.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

namespace albora::prova {

struct FinestraFoto {
    explicit FinestraFoto(CollezioneDiProva& c)
        : collezione(c)
    {
        connessione.ConnectionString = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + c.archivio() +
                                       ";User ID=Admin;Persist Security Info=True;Jet OLEDB:Database Password=";
        connessione.Open();
    }

    SchedaFoto scheda(const QString& codice) { return scheda(codice, collezione.cartellaFoto()); }
    SchedaFoto scheda(const QString& codice, const QString& cartella)
    {
        return SchedaFoto{codice, cartella, nomeFoto, connessione, recordset};
    }

    CollezioneDiProva& collezione;
    platform::ado::Connection connessione;
    platform::ado::Recordset recordset;
    QString nomeFoto;
};

inline QByteArray contenuto(const QString& percorso)
{
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QStringList fileIn(const QString& cartella)
{
    return QDir(cartella).entryList(QDir::Files, QDir::Name);
}

}  // namespace albora::prova
