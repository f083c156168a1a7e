#include "ado_test_support.h"

#include <sqlite3.h>

namespace {

using namespace ado_test;
using platform::runtime::VarType;

class RecordsetTest : public ArchiveTest {
protected:
    RecordsetTest() { open(conn_); }

    // Adds a card through the recordset, as the card window does; returns its number.
    std::int32_t addCard(std::initializer_list<std::pair<const char*, Variant>> fields)
    {
        Recordset rs;
        rs.Open("SELECT * from Scheda ", conn_, 3, 3);
        rs.AddNew();
        const std::int32_t id = rs["ID"].toLong();
        for (const auto& [name, value] : fields)
            rs.setField(name, value);
        rs.Update();
        rs.Close();
        return id;
    }

    // One value read straight through SQLite, as stored in the file.
    QString stored(const QString& sql)
    {
        Connection other;
        open(other);
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(other.handle(), sql.toUtf8().constData(), -1, &stmt, nullptr);
        QString value = sqlite3_step(stmt) == SQLITE_ROW
                            ? QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)))
                            : QString("<nessuna riga>");
        sqlite3_finalize(stmt);
        return value;
    }

    Connection conn_;
};

TEST_F(RecordsetTest, WalksRowsWithFieldsByNameInAnyCaseAndNullAsItsOwnValue)
{
    addCard({{"Catalogo", "Italia"}, {"Descrizione", "Lira oro"}, {"Quantita", "3"}});
    addCard({{"Catalogo", "Italia"}, {"Descrizione", ""}, {"Quantita", "0"}});

    Recordset rs;
    rs.Open("SELECT * from Scheda Where Scheda.Catalogo='Italia' Order by Scheda.ID asc ", conn_, 3, 3);
    EXPECT_EQ(rs.State(), platform::ado::adStateOpen);
    EXPECT_EQ(rs.RecordCount(), 2);
    EXPECT_FALSE(rs.Bof());
    EXPECT_EQ(rs["descrizione"].text(), "Lira oro");
    EXPECT_EQ(rs["QUANTITA"], Variant(std::int32_t(3)));
    EXPECT_TRUE(rs["Nota"].isNull());
    EXPECT_EQ(rs["Nota"].text(), "");
    rs.MoveNext();
    EXPECT_EQ(rs["Descrizione"], Variant(""));
    EXPECT_FALSE(rs["Descrizione"].isNull());
    EXPECT_EQ(rs["Quantita"], Variant(std::int32_t(0)));
    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());
    EXPECT_TRUE(archiveError([&] { rs.MoveNext(); }).contains("alla fine"));
    EXPECT_TRUE(archiveError([&] { (void)rs["Descrizione"]; }).contains("Nessuna riga corrente"));
    rs.MoveFirst();
    EXPECT_EQ(rs["Descrizione"].text(), "Lira oro");
    EXPECT_TRUE(archiveError([&] { (void)rs["Colore"]; }).contains("Colore"));
    EXPECT_EQ(rs[rs.FieldIndex("DESCRIZIONE")].text(), "Lira oro");
    EXPECT_TRUE(archiveError([&] { (void)rs.FieldIndex("Colore"); }).contains("Colore"));
    rs.Close();
    EXPECT_EQ(rs.State(), platform::ado::adStateClosed);

    rs.Open("SELECT * from Scheda Where Scheda.Catalogo='Francia'", conn_, 3, 3);
    EXPECT_TRUE(rs.Eof());
    EXPECT_TRUE(rs.Bof());
    EXPECT_EQ(rs.RecordCount(), 0);
}

TEST_F(RecordsetTest, ValuesKeepTheirKindAndCurrencyIsExact)
{
    const auto id = addCard({{"Valore", "0,1"}, {"Peso", "2,5"}, {"Data", "11/12/2026"}});
    const auto other = addCard({{"Valore", Variant(0.1 + 0.2)}, {"Data", "11/12/2026 14:05"}});
    const auto large = addCard({{"Valore", "1.234.567,8901"}});

    Recordset rs;
    rs.Open("SELECT * from Scheda Order by Scheda.ID asc ", conn_, 3, 3);
    EXPECT_EQ(rs["Valore"], Variant::currency(1000));
    EXPECT_EQ(rs["Peso"], Variant(2.5));
    EXPECT_EQ(rs["Data"], Variant(QDate(2026, 12, 11)));
    rs.MoveNext();
    EXPECT_EQ(rs["Valore"], Variant::currency(3000));
    EXPECT_EQ(rs["Valore"].text(), "0,3");
    EXPECT_EQ(rs["Data"], Variant(QDateTime(QDate(2026, 12, 11), QTime(14, 5))));
    rs.MoveNext();
    EXPECT_EQ(rs["Valore"], Variant::currency(12345678901));

    // Stored as whole ten-thousandths and ISO text, never as binary fractions.
    EXPECT_EQ(stored(QString("SELECT typeof(Valore) || ':' || Valore FROM Scheda WHERE ID=%1").arg(id)), "integer:1000");
    EXPECT_EQ(stored(QString("SELECT Valore FROM Scheda WHERE ID=%1").arg(large)), "12345678901");
    EXPECT_EQ(stored(QString("SELECT Data FROM Scheda WHERE ID=%1").arg(id)), "2026-12-11");
    EXPECT_EQ(stored(QString("SELECT Data FROM Scheda WHERE ID=%1").arg(other)), "2026-12-11 14:05:00");
}

struct BadValue {
    const char* name;
    const char* column;
    const char* text;
    const char* message;
};

void PrintTo(const BadValue& row, std::ostream* out)
{
    *out << row.name;
}

class TextThatDoesNotConvert : public RecordsetTest, public ::testing::WithParamInterface<BadValue> {};

TEST_P(TextThatDoesNotConvert, IsRefusedNamingTheColumnAndWritesNothing)
{
    const auto id = addCard({{"Catalogo", "Italia"}, {"Valore", "5"}});

    Recordset rs;
    rs.Open("SELECT * from Scheda Where Scheda.ID=" + QString::number(id), conn_, 3, 3);
    rs.setField("Descrizione", "cambiata");
    EXPECT_EQ(archiveError([&] { rs.setField(GetParam().column, GetParam().text); }), QString::fromUtf8(GetParam().message));
    rs.Close();

    rs.Open("SELECT * from Scheda ", conn_, 3, 3);
    rs.AddNew();
    rs.setField("Catalogo", "Francia");
    archiveError([&] { rs.setField(GetParam().column, GetParam().text); });
    rs.Close();

    EXPECT_EQ(count("SELECT * from Scheda "), 1);
    EXPECT_EQ(stored("SELECT coalesce(Descrizione, 'Null') || '/' || Valore FROM Scheda"), "Null/50000");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextThatDoesNotConvert,
    ::testing::Values(
        BadValue{"Letters", "Valore", "abc", "Il valore \"abc\" non è valido per il campo Valore: serve un numero."},
        BadValue{"PointAsDecimalSeparator", "Valore", "12.50",
                 "Il valore \"12.50\" non è valido per il campo Valore: serve un numero."},
        BadValue{"NotADate", "Data", "31/02/2026", "Il valore \"31/02/2026\" non è valido per il campo Data: serve una data."},
        BadValue{"NotAWholeNumber", "Quantita", "tre",
                 "Il valore \"tre\" non è valido per il campo Quantita: serve un numero intero."},
        BadValue{"OutOfRange", "Quantita", "99999999999",
                 "Il valore \"99999999999\" è fuori dall'intervallo ammesso per il campo Quantita."}),
    ado_test::ByName());

TEST_F(RecordsetTest, AutoNumberIsReadableAtOnceAndNeverReused)
{
    Recordset rs;
    rs.Open("SELECT * from Scheda ", conn_, 3, 3);
    rs.AddNew();
    EXPECT_EQ(rs.EditMode(), platform::ado::adEditAdd);
    EXPECT_EQ(rs["ID"], Variant(std::int32_t(1)));
    EXPECT_TRUE(rs["Catalogo"].isNull());
    EXPECT_TRUE(archiveError([&] { rs.setField("ID", std::int32_t(7)); }).contains("contatore"));
    rs.setField("Catalogo", "Italia");
    rs.Update();
    EXPECT_EQ(rs.EditMode(), platform::ado::adEditNone);
    EXPECT_EQ(rs["ID"], Variant(std::int32_t(1)));
    EXPECT_EQ(rs.RecordCount(), 1);

    rs.AddNew();  // abandoned: its number stays used
    EXPECT_EQ(rs["ID"], Variant(std::int32_t(2)));
    rs.CancelUpdate();
    EXPECT_EQ(rs["ID"], Variant(std::int32_t(1)));
    rs.AddNew();
    EXPECT_EQ(rs["ID"], Variant(std::int32_t(3)));
    rs.Update();
    rs.Close();

    rs.Open("delete * from Scheda Where Scheda.ID=3", conn_, 3, 3);
    EXPECT_EQ(rs.State(), platform::ado::adStateClosed);
    EXPECT_EQ(addCard({}), 4);

    // A second connection adding meanwhile gets its own number.
    Connection other;
    open(other);
    Recordset mine, theirs;
    mine.Open("SELECT * from Scheda ", conn_, 3, 3);
    theirs.Open("SELECT * from Scheda ", other, 3, 3);
    mine.AddNew();
    theirs.AddNew();
    EXPECT_EQ(mine["ID"], Variant(std::int32_t(5)));
    EXPECT_EQ(theirs["ID"], Variant(std::int32_t(6)));
    theirs.Update();
    mine.Update();
    EXPECT_EQ(count("SELECT * from Scheda "), 4);
}

TEST_F(RecordsetTest, MovingOnStoresTheEditedRow)
{
    const auto first = addCard({{"Descrizione", "uno"}});
    addCard({{"Descrizione", "due"}});

    Recordset rs;
    rs.Open("SELECT * from Scheda Order by Scheda.ID asc ", conn_, 3, 3);
    rs.setField("Descrizione", "uno bis");
    EXPECT_EQ(rs.EditMode(), platform::ado::adEditInProgress);
    EXPECT_EQ(rs["Descrizione"].text(), "uno bis");
    rs.MoveNext();  // stores row one
    EXPECT_EQ(stored(QString("SELECT Descrizione FROM Scheda WHERE ID=%1").arg(first)), "uno bis");
    rs.setField("Descrizione", "due bis");
    rs.MoveFirst();  // stores row two
    EXPECT_EQ(rs["Descrizione"].text(), "uno bis");
    rs.MoveNext();
    EXPECT_EQ(rs["Descrizione"].text(), "due bis");
    rs.Close();
    EXPECT_EQ(count("SELECT * from Scheda Where Scheda.Descrizione='due bis'"), 1);
}

TEST_F(RecordsetTest, AbandonedRowsLeaveNothingBehind)
{
    const auto id = addCard({{"Descrizione", "originale"}});

    Recordset rs;
    rs.Open("SELECT * from Scheda ", conn_, 3, 3);
    rs.setField("Descrizione", "modificata");
    rs.Close();
    rs.Open("SELECT * from Scheda ", conn_, 3, 3);
    rs.setField("Descrizione", "modificata");
    rs.CancelUpdate();
    EXPECT_EQ(rs["Descrizione"].text(), "originale");
    rs.AddNew();
    rs.setField("Descrizione", "nuova");
    rs.Close();
    {
        Recordset dropped;
        dropped.Open("SELECT * from Scheda ", conn_, 3, 3);
        dropped.AddNew();
        dropped.setField("Descrizione", "nuova");
    }
    EXPECT_EQ(count("SELECT * from Scheda "), 1);
    EXPECT_EQ(stored(QString("SELECT Descrizione FROM Scheda WHERE ID=%1").arg(id)), "originale");
}

struct JetMatch {
    const char* name;
    const char* storedName;
    const char* where;
    bool found;
};

void PrintTo(const JetMatch& row, std::ostream* out)
{
    *out << row.name;
}

class JetComparisonInStatements : public RecordsetTest, public ::testing::WithParamInterface<JetMatch> {};

TEST_P(JetComparisonInStatements, IgnoresLetterCaseAccentsIncludedAndTrailingBlanks)
{
    addCard({{"Descrizione", QString::fromUtf8(GetParam().storedName)}});
    Recordset rs;
    rs.Open("SELECT * from Scheda  where " + QString::fromUtf8(GetParam().where), conn_, 3, 3);
    EXPECT_EQ(rs.RecordCount(), GetParam().found ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JetComparisonInStatements,
    ::testing::Values(
        JetMatch{"Column", "Èra moderna", "Scheda.Descrizione='èra MODERNA'", true},
        JetMatch{"TrailingBlanks", "Italia", "Scheda.Descrizione='Italia   '", true},
        JetMatch{"AccentStillCounts", "Era moderna", "Scheda.Descrizione='Èra moderna'", false},
        JetMatch{"LeftPrefix", "Lira rossa", "left(Scheda.Descrizione,6)= 'LIRA R'", true},
        JetMatch{"LeftAccentedPrefix", "Èra moderna", "left(Scheda.Descrizione,3)= 'èra'", true},
        JetMatch{"LeftNotInTheMiddle", "Lira rossa", "left(Scheda.Descrizione,5)= 'rossa'", false},
        JetMatch{"LeftLongerThanText", "Lira", "left(Scheda.Descrizione,9)= 'Lira rossa'", false},
        JetMatch{"Apostrophe", "Repubblica dell'Ossola", "Scheda.Descrizione='repubblica dell''ossola'", true}),
    ado_test::ByName());

TEST_F(RecordsetTest, DistinctOrderAndUniqueFollowJetText)
{
    for (const char* word : {"banana", "Zeta", "Banana", "ápice", "èbano", "alfa", "Ebano", "BANANA  "})
        addCard({{"Catalogo", QString::fromUtf8(word)}});
    Recordset rs;
    rs.Open("SELECT distinct Scheda.Catalogo from Scheda Order by Scheda.Catalogo asc ", conn_, 3, 3);
    QStringList seen;
    for (; !rs.Eof(); rs.MoveNext())
        seen << rs["Catalogo"].text().toLower().trimmed();
    EXPECT_EQ(seen, QStringList({"alfa", "ápice", "banana", "ebano", "èbano", "zeta"}));
    rs.Close();

    rs.Open("SELECT * from TabellaCatalogo ", conn_, 3, 3);
    rs.AddNew();
    rs.setField("NomeCatalogo", "Italia");
    rs.Update();
    rs.AddNew();
    rs.setField("NomeCatalogo", "ITALIA");
    EXPECT_TRUE(archiveError([&] { rs.Update(); }).contains("esiste già"));
    rs.Close();
    EXPECT_EQ(count("SELECT * from TabellaCatalogo "), 1);
}

TEST_F(RecordsetTest, OnlyWholeRowsOfOneTableWithItsKeyCanBeChanged)
{
    addCard({{"Catalogo", "Italia"}});
    struct Case {
        const char* sql;
        int lock;
        const char* message;
    } cases[] = {
        {"SELECT Scheda.Catalogo from Scheda ", 3, "una sola tabella"},
        {"SELECT S.ID, S.Catalogo, T.NomeCatalogo FROM Scheda S LEFT JOIN TabellaCatalogo T ON T.NomeCatalogo=S.Catalogo", 3,
         "una sola tabella"},
        {"SELECT ID, upper(Catalogo) AS Catalogo FROM Scheda", 3, "una sola tabella"},
        {"SELECT * from Scheda ", 1, "sola lettura"},
    };
    for (const auto& c : cases) {
        Recordset rs;
        rs.Open(c.sql, conn_, 3, c.lock);
        EXPECT_TRUE(archiveError([&] { rs.setField("Catalogo", "Francia"); }).contains(c.message)) << c.sql;
    }
    EXPECT_EQ(count("SELECT * from Scheda Where Scheda.Catalogo='Italia'"), 1);
}

TEST_F(RecordsetTest, FilterKeepsMatchingRows)
{
    addCard({{"Catalogo", "Italia"}});
    const auto second = addCard({{"Catalogo", "Francia"}});
    addCard({{"Catalogo", "italia "}});

    Recordset rs;
    rs.Open("SELECT * FROM Scheda", conn_, 3, 3);
    rs.setFilter("ID=" + QString::number(second));
    EXPECT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs["Catalogo"].text(), "Francia");
    rs.setFilter("Catalogo='ITALIA'");
    EXPECT_EQ(rs.RecordCount(), 2);
    rs.setFilter("ID=0");
    EXPECT_TRUE(rs.Eof());
    rs.setFilter("");
    EXPECT_EQ(rs.RecordCount(), 3);
    EXPECT_TRUE(archiveError([&] { rs.setFilter("ID=abc"); }).contains("serve un numero"));
    EXPECT_TRUE(archiveError([&] { rs.setFilter("Colore='rosso'"); }).contains("Colore"));
}

TEST_F(RecordsetTest, NoLockIsHeldAfterOpen)
{
    addCard({{"Catalogo", "Italia"}});
    Recordset reading;
    reading.Open("SELECT * from Scheda ", conn_, 3, 3);

    Connection other;
    other.ConnectionTimeout = 1;
    open(other);
    other.Execute("delete * from Scheda");
    EXPECT_EQ(reading.RecordCount(), 1);
    EXPECT_EQ(reading["Catalogo"].text(), "Italia");
}

TEST_F(RecordsetTest, SqlErrorsSurfaceAtOpenInItalian)
{
    Recordset rs;
    const QString message = archiveError([&] { rs.Open("SELECT * from TabellaInesistente ", conn_, 3, 3); });
    EXPECT_TRUE(message.contains("istruzione SQL non valida")) << message.toStdString();
    EXPECT_TRUE(message.contains("TabellaInesistente")) << message.toStdString();
    EXPECT_EQ(rs.State(), platform::ado::adStateClosed);
    EXPECT_TRUE(archiveError([&] { rs.Open("SELECT * from Scheda Where Scheda.ID=", conn_, 3, 3); })
                    .contains("istruzione SQL non valida"));
}

}  // namespace
