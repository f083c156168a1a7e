#include "jet_dialect.h"
#include "jet_text.h"

#include "ado_test_support.h"
#include "runtime/error.h"

#include <gtest/gtest.h>

namespace {

using platform::ado::detail::jetCompare;
using platform::ado::detail::translateJetSql;

struct Translation {
    const char* name;
    const char* jet;
    const char* sqlite;
};

void PrintTo(const Translation& row, std::ostream* out)
{
    *out << row.name;
}

class JetDialect : public ::testing::TestWithParam<Translation> {};

TEST_P(JetDialect, TranslatesTheStatementsTheWindowsCompose)
{
    EXPECT_EQ(translateJetSql(QString::fromUtf8(GetParam().jet)), QString::fromUtf8(GetParam().sqlite));
}

INSTANTIATE_TEST_SUITE_P(
    Statements, JetDialect,
    ::testing::Values(
        Translation{"DeleteStar",
                    "delete * from TabellaSchedaFilatelica Where TabellaSchedaFilatelica.IDSchedaFilatelica=12",
                    "delete from TabellaSchedaFilatelica Where TabellaSchedaFilatelica.IDSchedaFilatelica=12"},
        Translation{"DeleteTableStar", "DELETE TabellaSchedaFilatelica.* FROM TabellaSchedaFilatelica",
                    "DELETE FROM TabellaSchedaFilatelica"},
        Translation{"SearchByDescription",
                    "SELECT * from TabellaSchedaFilatelica  where left(TabellaSchedaFilatelica.DescrizioneFrancobollo,4)= 'Lira'",
                    "SELECT * from TabellaSchedaFilatelica  where jet_left(TabellaSchedaFilatelica.DescrizioneFrancobollo,4)= 'Lira' COLLATE JET"},
        Translation{"LeftInAnyCase", "SELECT LEFT (Nome, 2) FROM T", "SELECT jet_left (Nome, 2) FROM T"},
        Translation{"CatalogueByName",
                    "SELECT * from TabellaCatalogo Where TabellaCatalogo.NomeCatalogo='Italia'",
                    "SELECT * from TabellaCatalogo Where TabellaCatalogo.NomeCatalogo='Italia' COLLATE JET"},
        Translation{"DoubledQuoteStaysInsideTheLiteral", "Where T.Nome='Repubblica dell''Ossola'",
                    "Where T.Nome='Repubblica dell''Ossola' COLLATE JET"},
        Translation{"LiteralsAreLeftAlone", "Where T.Nome='delete * from left(x, `y`'",
                    "Where T.Nome='delete * from left(x, `y`' COLLATE JET"},
        Translation{"BackQuotedName", "SELECT Forma, `Note`, Serie FROM TabellaSchedaFilatelica",
                    "SELECT Forma, \"Note\", Serie FROM TabellaSchedaFilatelica"},
        Translation{"BracketedName", "SELECT [Note] FROM T", "SELECT \"Note\" FROM T"},
        Translation{"DoubleQuotedTextIsJetText", "Where T.Nome=\"dell'Ossola\"",
                    "Where T.Nome='dell''Ossola' COLLATE JET"},
        Translation{"DistinctAndOrderUnchanged",
                    "SELECT distinct TabellaSchedaFilatelica.Tipologia from TabellaSchedaFilatelica Order by TabellaSchedaFilatelica.Tipologia asc ",
                    "SELECT distinct TabellaSchedaFilatelica.Tipologia from TabellaSchedaFilatelica Order by TabellaSchedaFilatelica.Tipologia asc "},
        Translation{"ExplicitCollationKept", "Where N='x' COLLATE NOCASE", "Where N='x' COLLATE NOCASE"},
        Translation{"ColumnNamedLeft", "SELECT T.Left FROM T LEFT JOIN U ON T.a=U.a",
                    "SELECT T.Left FROM T LEFT JOIN U ON T.a=U.a"}),
    ado_test::ByName());

TEST(JetDialectErrors, LiteralOrNameLeftOpenIsRefusedInItalian)
{
    for (const char* sql : {"SELECT * from T Where T.Nome='L'Aquila'", "SELECT `Note FROM T"}) {
        try {
            translateJetSql(QString::fromUtf8(sql));
            ADD_FAILURE() << sql;
        } catch (const platform::runtime::Error& e) {
            EXPECT_TRUE(e.description().startsWith("Istruzione SQL non valida")) << e.description().toStdString();
        }
    }
}

struct Comparison {
    const char* name;
    const char* a;
    const char* b;
    int sign;
};

void PrintTo(const Comparison& row, std::ostream* out)
{
    *out << row.name;
}

class JetCompare : public ::testing::TestWithParam<Comparison> {};

TEST_P(JetCompare, FollowsJetTextRules)
{
    const QByteArray a = QByteArray(GetParam().a);
    const QByteArray b = QByteArray(GetParam().b);
    auto sign = [](int v) { return (v > 0) - (v < 0); };
    EXPECT_EQ(sign(jetCompare(a.constData(), std::size_t(a.size()), b.constData(), std::size_t(b.size()))), GetParam().sign);
    EXPECT_EQ(sign(jetCompare(b.constData(), std::size_t(b.size()), a.constData(), std::size_t(a.size()))), -GetParam().sign);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, JetCompare,
    ::testing::Values(Comparison{"LetterCase", "Italia", "ITALIA", 0},
                      Comparison{"AccentedCapital", "Èra", "èra", 0},
                      Comparison{"AccentedCapitalInside", "perché", "PERCHÉ", 0},
                      Comparison{"TrailingBlanks", "Italia  ", "Italia", 0},
                      Comparison{"LeadingBlanksCount", " Italia", "Italia", -1},
                      Comparison{"AccentIsNotIgnoredForEquality", "e", "è", -1},
                      Comparison{"AccentSortsBesideItsLetter", "èbano", "fico", -1},
                      Comparison{"AccentBeforeLaterLetter", "ápice", "banana", -1},
                      Comparison{"ShorterFirst", "Lira", "Lira oro", -1},
                      Comparison{"PlainOrder", "alfa", "Zeta", -1}),
    ado_test::ByName());

}  // namespace
