#include "archive/schema.h"

#include "ado/ado.h"
#include "regional/regional.h"
#include "runtime/error.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

using platform::ado::Connection;
using platform::ado::Recordset;
using platform::runtime::Variant;

QString connectionString(const QString& path, const QString& password = {})
{
    return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path +
           ";User ID=Admin;Persist Security Info=True;Jet OLEDB:Database Password=" + password;
}

class ArchiveSchema : public ::testing::Test {
protected:
    ArchiveSchema() : italian_(QLocale(QLocale::Italian, QLocale::Italy))
    {
        path_ = dir_.path() + "/ArchivioFilatelico.db";
        albora::creaArchivio(path_);
        conn_.ConnectionString = connectionString(path_);
        conn_.Open();
    }

    // Declared type of each column, as SQLite reports it.
    QMap<QString, QString> declaredTypes(const char* table)
    {
        QMap<QString, QString> types;
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(conn_.handle(), QByteArray("PRAGMA table_info(") + table + ")", -1, &stmt, nullptr);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            types[QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)))] =
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 2)));
        sqlite3_finalize(stmt);
        return types;
    }

    platform::regional::Scope italian_;
    QTemporaryDir dir_;
    QString path_;
    Connection conn_;
};

TEST_F(ArchiveSchema, HoldsBothTablesWithEveryColumnAndItsType)
{
    const auto catalogue = declaredTypes("TabellaCatalogo");
    EXPECT_EQ(catalogue.keys(), QStringList({"DataCreazioneCatalogo", "IDcatalogo", "NomeCatalogo"}));
    EXPECT_EQ(catalogue["DataCreazioneCatalogo"], "DATETIME");

    const auto cards = declaredTypes("TabellaSchedaFilatelica");
    EXPECT_EQ(cards.size(), 30);
    EXPECT_EQ(albora::nomiColonneScheda().size(), 30);
    for (const QString& name : albora::nomiColonneScheda())
        EXPECT_TRUE(cards.contains(name)) << name.toStdString();
    EXPECT_EQ(cards["IDSchedaFilatelica"], "INTEGER");
    EXPECT_EQ(cards["IDcatalogo"], "INTEGER");
    EXPECT_EQ(cards["ValoreFacciale"], "CURRENCY");
    EXPECT_EQ(cards["Quotazione"], "CURRENCY");
    EXPECT_EQ(cards["DataAggiornamento"], "DATETIME");
    EXPECT_EQ(cards["Note"], "TEXT");
    EXPECT_EQ(albora::nomiColonneScheda().mid(0, 4),
              QStringList({"IDSchedaFilatelica", "IDcatalogo", "Catalogo", "DataAggiornamento"}));
}

TEST_F(ArchiveSchema, CatalogueNamesAreUniqueRegardlessOfLetterCase)
{
    Recordset rs;
    rs.Open("SELECT * from TabellaCatalogo ", conn_, 3, 3);
    rs.AddNew();
    rs.setField("NomeCatalogo", "Repubblica dell'Ossola");
    rs.setField("DataCreazioneCatalogo", QDate(2026, 12, 11));
    rs.Update();
    rs.AddNew();
    rs.setField("NomeCatalogo", "REPUBBLICA DELL'OSSOLA");
    EXPECT_THROW(rs.Update(), platform::runtime::Error);
    rs.Close();

    rs.Open("SELECT * from TabellaCatalogo Where TabellaCatalogo.NomeCatalogo='repubblica dell''ossola'", conn_, 3, 3);
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs["DataCreazioneCatalogo"], Variant(QDate(2026, 12, 11)));
}

// Every statement the windows compose, exactly as composed, runs on the schema.
TEST_F(ArchiveSchema, AcceptsTheStatementsOfTheWindows)
{
    Recordset rs;
    rs.Open("SELECT * from TabellaCatalogo ", conn_, 3, 3);
    rs.AddNew();
    rs.setField("NomeCatalogo", "Italia");
    rs.Update();
    rs.Close();
    rs.Open("SELECT * from TabellaSchedaFilatelica ", conn_, 3, 3);
    rs.AddNew();
    const auto id = rs["IDSchedaFilatelica"].toLong();
    rs.setField("IDcatalogo", std::int32_t(1));
    rs.setField("DataAggiornamento", "11/12/2026");
    rs.setField("Catalogo", "Italia");
    rs.setField("DescrizioneFrancobollo", "Lira oro");
    rs.setField("ValoreFacciale", "1.234,5");
    rs.setField("Quotazione", "0,1");
    rs.setField("Tipologia", "Ordinario");
    rs.setField("IDImmagine", "Fran0.jpg");
    rs.setField("Note", "Nota lunga");
    rs.Update();
    rs.Close();

    const QString number = QString::number(id);
    const QString statements[] = {
        "SELECT TabellaCatalogo.NomeCatalogo from TabellaCatalogo Order by TabellaCatalogo.NomeCatalogo asc ",
        "SELECT * from TabellaCatalogo Where TabellaCatalogo.NomeCatalogo='Italia'",
        "SELECT TabellaCatalogo.IDcatalogo,TabellaCatalogo.NomeCatalogo from TabellaCatalogo Where TabellaCatalogo.NomeCatalogo='Italia'",
        "SELECT * FROM TabellaSchedaFilatelica  where TabellaSchedaFilatelica.Catalogo='Italia' Order by TabellaSchedaFilatelica.Catalogo asc ",
        "SELECT distinct TabellaSchedaFilatelica.Tipologia from TabellaSchedaFilatelica Order by TabellaSchedaFilatelica.Tipologia asc ",
        "SELECT distinct TabellaSchedaFilatelica.Carta from TabellaSchedaFilatelica Order by TabellaSchedaFilatelica.Carta asc ",
        "SELECT distinct TabellaSchedaFilatelica.Dentellatura from TabellaSchedaFilatelica Order by TabellaSchedaFilatelica.Dentellatura asc ",
        "SELECT * from TabellaSchedaFilatelica Where TabellaSchedaFilatelica.IDSchedaFilatelica=" + number,
        "SELECT * from TabellaSchedaFilatelica  where left(TabellaSchedaFilatelica.DescrizioneFrancobollo,4)= 'lira'",
        "Select * from TabellaSchedaFilatelica Where TabellaSchedaFilatelica.IDSchedaFilatelica=" + number,
        "SELECT AnnoEmissione, Bozzettistica, Carta, CataloghiSigle, Catalogo, Centratura, Colori, DataAggiornamento, "
        "Dentellatura, DescrizioneFrancobollo, Dimensioni, Forma, IDcatalogo, LuogoConservazione, IDSchedaFilatelica, "
        "IDImmagine, `Note`, PeriodoCircolazione, Possessore, Quotazione, Rarita, Serie, Stamperia, StatoConservazione, "
        "StatoEmittente, Timbro, Tipologia, Tiratura, ValoreFacciale, Vignetta FROM TabellaSchedaFilatelica",
    };
    for (const QString& sql : statements) {
        rs.Open(sql, conn_, 3, 3);
        EXPECT_GE(rs.RecordCount(), 1) << sql.toStdString();
        rs.Close();
    }

    rs.Open(statements[7], conn_, 3, 3);
    EXPECT_EQ(rs["ValoreFacciale"], Variant::currency(12345000));
    EXPECT_EQ(rs["Quotazione"].text(), "0,1");
    EXPECT_EQ(rs["DataAggiornamento"].text(), "11/12/2026");
    EXPECT_TRUE(rs["Serie"].isNull());
    rs.Close();

    rs.Open("delete * from TabellaSchedaFilatelica Where TabellaSchedaFilatelica.IDSchedaFilatelica=" + number, conn_, 3, 3);
    rs.Open(statements[7], conn_, 3, 3);
    EXPECT_TRUE(rs.Eof());
}

TEST(ArchiveCreation, CanProtectTheArchiveAndNeverOverwrites)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/protetto.db";
    albora::creaArchivio(path, "segreta");
    EXPECT_THROW(albora::creaArchivio(path), platform::runtime::Error);

    Connection conn;
    conn.ConnectionString = connectionString(path);
    EXPECT_THROW(conn.Open(), platform::runtime::Error);
    conn.ConnectionString = connectionString(path, "segreta");
    conn.Open();
    EXPECT_EQ(conn.State(), platform::ado::adStateOpen);
}

}  // namespace
