#include "testing/collezione_di_prova.h"

#include "ado/ado.h"
#include "archive/schema.h"
#include "forms/form.h"
#include "profile/ansi.h"
#include "profile/profile.h"
#include "runtime/error.h"
#include "runtime/runtime.h"
#include "shell/data_environment.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <stdexcept>

namespace albora::prova {

using platform::ado::Connection;
using platform::ado::Recordset;

namespace {

const char* const NomeArchivio = "ArchivioFilatelico.db";

void apri(Connection& conn, const QString& archivio)
{
    conn.ConnectionString = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + archivio +
                            ";User ID=Admin;Persist Security Info=True;Jet OLEDB:Database Password=";
    conn.Open();
}

}  // namespace

CollezioneDiProva::CollezioneDiProva()
    : regionale_(QLocale(QLocale::Italian, QLocale::Italy))
{
    if (!cartella_.isValid())
        throw std::runtime_error("cartella temporanea non disponibile");
    QDir(cartella()).mkpath("Upload");
    creaArchivio(archivio());

    platform::runtime::setAppPathForTests(cartella());
    platform::runtime::setTodayForTests([] { return QDate(2026, 12, 11); });
    platform::runtime::setEndHandler([this] { ++chiusure; });

    impostazione("prov_conn", "Microsoft.Jet.OLEDB.4.0");
    impostazione("ip_conn", cartella() + "/");
    impostazione("db_conn", NomeArchivio);
    impostazione("uid_conn", "Admin");
    impostazione("pwd_conn", " ");
    impostazione("image_conn", cartellaFoto());
    impostazione("logo_conn", cartella() + "/logo.jpg");

    scriviFoto(cartella() + "/logo.jpg", "JPG", Qt::darkGreen);
    scriviFoto(cartellaFoto() + "Fran0.jpg", "JPG", Qt::lightGray);
    scriviFoto(cartellaFoto() + "Franc.2.jpg", "JPG", Qt::gray);
}

CollezioneDiProva::~CollezioneDiProva()
{
    platform::forms::UnloadAll();
    platform::forms::flushUnloaded();
    if (DataEnvironment1.Connection1.State() != platform::ado::adStateClosed)
        DataEnvironment1.Connection1.Close();
    platform::runtime::setEndHandler({});
    platform::runtime::setTodayForTests({});
    platform::runtime::setAppPathForTests({});
}

QString CollezioneDiProva::cartella() const { return cartella_.path(); }
QString CollezioneDiProva::archivio() const { return cartella() + "/" + NomeArchivio; }
QString CollezioneDiProva::cartellaFoto() const { return cartella() + "/Upload/"; }

void CollezioneDiProva::impostazione(const QString& chiave, const QString& valore)
{
    const std::string file = platform::profile::toAnsi(cartella() + "/agg.ini");
    platform::profile::WritePrivateProfileStringA("db_remoto", platform::profile::toAnsi(chiave).c_str(),
                                                  platform::profile::toAnsi(valore).c_str(), file.c_str());
}

void CollezioneDiProva::togliImpostazione(const QString& chiave)
{
    const std::string file = platform::profile::toAnsi(cartella() + "/agg.ini");
    platform::profile::WritePrivateProfileStringA("db_remoto", platform::profile::toAnsi(chiave).c_str(), nullptr,
                                                  file.c_str());
}

int CollezioneDiProva::aggiungiCatalogo(const QString& nome)
{
    Connection conn;
    apri(conn, archivio());
    Recordset rs;
    rs.Open("SELECT * from TabellaCatalogo ", conn);
    rs.AddNew();
    const int id = rs["IDcatalogo"].toLong();
    rs.setField("NomeCatalogo", nome);
    rs.setField("DataCreazioneCatalogo", Variant(QDate(2026, 1, 15)));
    rs.Update();
    rs.Close();
    return id;
}

int CollezioneDiProva::aggiungiScheda(std::initializer_list<std::pair<const char*, Variant>> colonne)
{
    Connection conn;
    apri(conn, archivio());
    Recordset rs;
    rs.Open("SELECT * from TabellaSchedaFilatelica ", conn);
    rs.AddNew();
    const int id = rs["IDSchedaFilatelica"].toLong();
    for (const auto& [colonna, valore] : colonne)
        rs.setField(colonna, valore);
    rs.Update();
    rs.Close();
    return id;
}

Variant CollezioneDiProva::valore(int idScheda, const QString& colonna) const
{
    Connection conn;
    apri(conn, archivio());
    Recordset rs;
    rs.Open("SELECT * from TabellaSchedaFilatelica Where IDSchedaFilatelica=" + QString::number(idScheda), conn, 3, 1);
    Variant v = rs.Eof() ? Variant() : rs[colonna];
    rs.Close();
    return v;
}

namespace {

int conta(const QString& archivio, const QString& sql)
{
    Connection conn;
    apri(conn, archivio);
    Recordset rs;
    rs.Open(sql, conn, 3, 1);
    const int n = rs[0].toLong();
    rs.Close();
    return n;
}

}  // namespace

int CollezioneDiProva::numeroSchede() const
{
    return conta(archivio(), "SELECT count(*) from TabellaSchedaFilatelica");
}

int CollezioneDiProva::numeroCataloghi() const
{
    return conta(archivio(), "SELECT count(*) from TabellaCatalogo");
}

bool CollezioneDiProva::esisteScheda(int idScheda) const
{
    return conta(archivio(), "SELECT count(*) from TabellaSchedaFilatelica Where IDSchedaFilatelica=" +
                                 QString::number(idScheda)) == 1;
}

void CollezioneDiProva::scriviFoto(const QString& percorso, const char* formato, QColor colore)
{
    QImage immagine(64, 48, QImage::Format_RGB32);
    immagine.fill(colore);
    QPainter pittore(&immagine);
    pittore.setPen(Qt::white);
    pittore.drawRect(4, 4, 55, 39);
    pittore.end();
    if (!immagine.save(percorso, formato))
        throw std::runtime_error("immagine di prova non scritta: " + percorso.toStdString());
}

}  // namespace albora::prova
