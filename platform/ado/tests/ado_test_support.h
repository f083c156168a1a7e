#pragma once
// A miniature archive in a temporary folder, with Italian regional settings
// pinned: a catalogue table like the program's and a card table with one
// column of every kind.

#include "ado/ado.h"
#include "regional/regional.h"
#include "runtime/error.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace ado_test {

using platform::ado::Connection;
using platform::ado::Recordset;
using platform::runtime::Variant;

inline QStringList miniSchema()
{
    return {
        "CREATE TABLE TabellaCatalogo (IDcatalogo INTEGER PRIMARY KEY AUTOINCREMENT, "
        "NomeCatalogo TEXT COLLATE JET UNIQUE, DataCreazioneCatalogo DATETIME)",
        "CREATE TABLE Scheda (ID INTEGER PRIMARY KEY AUTOINCREMENT, Catalogo TEXT COLLATE JET, "
        "Descrizione TEXT COLLATE JET, Valore CURRENCY, Peso REAL, Quantita INTEGER, Data DATETIME, "
        "Nota TEXT COLLATE JET)",
    };
}

inline QString jetConnectionString(const QString& path, const QString& user = "Admin", const QString& password = {},
                                   const QString& provider = platform::ado::JetProviderName)
{
    return "Provider=" + provider + ";Data Source=" + path + ";User ID=" + user +
           ";Persist Security Info=True;Jet OLEDB:Database Password=" + password;
}

// Names each row of a table of cases after its `name`.
struct ByName {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& row) const
    {
        return row.param.name;
    }
};

// The description of the archive error `work` raises (a test failure when it raises none).
inline QString archiveError(const std::function<void()>& work)
{
    try {
        work();
    } catch (const platform::runtime::Error& e) {
        EXPECT_EQ(e.number(), platform::runtime::ErrDatabase) << e.description().toStdString();
        return e.description();
    }
    ADD_FAILURE() << "no error was raised";
    return {};
}

class ArchiveTest : public ::testing::Test {
protected:
    ArchiveTest() : italian_(QLocale(QLocale::Italian, QLocale::Italy))
    {
        path_ = dir_.path() + "/archivio.db";
        platform::ado::CreateArchive(path_, miniSchema());
    }

    void openOn(Connection& conn, const QString& path)
    {
        conn.ConnectionString = jetConnectionString(path);
        conn.Open();
    }
    void open(Connection& conn) { openOn(conn, path_); }

    // Rows straight from a second connection, so nothing cached is seen.
    long count(const QString& sql)
    {
        Connection other;
        open(other);
        Recordset rs;
        rs.Open(sql, other, 3, 1);
        return rs.RecordCount();
    }

    platform::regional::Scope italian_;
    QTemporaryDir dir_;
    QString path_;
};

}  // namespace ado_test
