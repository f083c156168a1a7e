#include "regional/regional.h"

#include <gtest/gtest.h>

using platform::regional::Scope;
using platform::regional::current;

namespace {

QLocale italian() { return QLocale(QLocale::Italian, QLocale::Italy); }
QLocale american() { return QLocale(QLocale::English, QLocale::UnitedStates); }

TEST(RegionalDates, ItalianShortAndLongForms)
{
    Scope pin(italian());
    EXPECT_EQ(current().shortDate(QDate(2026, 12, 11)), "11/12/2026");
    EXPECT_EQ(current().shortDate(QDate(2026, 1, 5)), "05/01/2026");
    EXPECT_EQ(current().longDate(QDate(2026, 12, 11)), QString::fromUtf8("venerdì 11 dicembre 2026"));
    EXPECT_EQ(current().dateTimeText(QDateTime(QDate(2026, 12, 11), QTime(14, 5))), "11/12/2026 14:05:00");
}

TEST(RegionalDates, ShortDateAlwaysHasFourDigitYear)
{
    Scope pin(american());
    EXPECT_EQ(current().shortDate(QDate(2026, 12, 11)), "12/11/2026");
}

struct DateCase {
    const char* name;
    const char* typed;
    QDateTime expected;  // invalid: refused
};

TEST(RegionalDates, ReadingTypedDates)
{
    Scope pin(italian());
    const DateCase cases[] = {
        {"short form", "11/12/2026", QDateTime(QDate(2026, 12, 11), QTime(0, 0))},
        {"single digits", "1/2/2026", QDateTime(QDate(2026, 2, 1), QTime(0, 0))},
        {"with time", "11/12/2026 14:05", QDateTime(QDate(2026, 12, 11), QTime(14, 5))},
        {"iso", "2026-12-11", QDateTime(QDate(2026, 12, 11), QTime(0, 0))},
        {"blanks around", "  11/12/2026 ", QDateTime(QDate(2026, 12, 11), QTime(0, 0))},
        {"no such day", "31/02/2026", QDateTime()},
        {"two-digit year", "11/12/26", QDateTime()},
        {"words", "ieri", QDateTime()},
        {"empty", "", QDateTime()},
    };
    for (const auto& c : cases) {
        auto parsed = current().parseDate(c.typed);
        if (c.expected.isValid()) {
            ASSERT_TRUE(parsed.has_value()) << c.name;
            EXPECT_EQ(*parsed, c.expected) << c.name;
        } else {
            EXPECT_FALSE(parsed.has_value()) << c.name;
        }
    }
}

struct CurrencyCase {
    const char* name;
    const char* typed;
    std::optional<std::int64_t> expected;
};

TEST(RegionalNumbers, ReadingTypedAmountsExactly)
{
    Scope pin(italian());
    const CurrencyCase cases[] = {
        {"whole", "12", 120000},
        {"decimal comma", "12,5", 125000},
        {"grouped", "1.234,50", 12345000},
        {"two groups", "1.234.567", 12345670000},
        {"negative", "-0,75", -7500},
        {"blanks around", " 3 ", 30000},
        {"leading comma", ",5", 5000},
        {"four decimals kept exactly", "0,1234", 1234},
        {"fifth decimal rounds", "0,00005", 1},
        {"point is not a decimal separator", "12.50", std::nullopt},
        {"misplaced group", "1.23,4", std::nullopt},
        {"letters", "dodici", std::nullopt},
        {"letters after digits", "12abc", std::nullopt},
        {"empty", "", std::nullopt},
        {"sign alone", "-", std::nullopt},
        {"beyond the range", "99999999999999999999", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(current().parseCurrency(c.typed), c.expected) << c.name;
}

TEST(RegionalNumbers, AmountsAsTextAndBack)
{
    Scope pin(italian());
    EXPECT_EQ(current().currencyText(125000), "12,5");
    EXPECT_EQ(current().currencyText(120000), "12");
    EXPECT_EQ(current().currencyText(-5000), "-0,5");
    EXPECT_EQ(current().currencyText(1), "0,0001");
    EXPECT_EQ(current().numberText(1234.5), "1234,5");
    EXPECT_EQ(current().numberText(0.1 + 0.2), "0,3");
    for (std::int64_t amount : {std::int64_t(0), std::int64_t(1), std::int64_t(-123456789), std::int64_t(99990000)})
        EXPECT_EQ(current().parseCurrency(current().currencyText(amount)), amount);
}

struct PatternCase {
    const char* name;
    double value;
    const char* italian;
    const char* american;
};

TEST(RegionalNumbers, GroupedTwoDecimalFormatPerLocale)
{
    const PatternCase cases[] = {
        {"thousands", 1234.5, "1.234,50", "1,234.50"},
        {"millions", 1234567.891, "1.234.567,89", "1,234,567.89"},
        {"below one", 0.5, "0,50", "0.50"},
        {"zero", 0, "0,00", "0.00"},
        {"half rounds away from zero", 2.675, "2,68", "2.68"},
        {"negative", -1500, "-1.500,00", "-1,500.00"},
    };
    for (const auto& c : cases) {
        {
            Scope pin(italian());
            EXPECT_EQ(current().formatPattern(c.value, "##,##0.00"), c.italian) << c.name;
        }
        {
            Scope pin(american());
            EXPECT_EQ(current().formatPattern(c.value, "##,##0.00"), c.american) << c.name;
        }
    }
    Scope pin(italian());
    EXPECT_EQ(current().formatPatternCurrency(12345000, "##,##0.00"), "1.234,50");
    EXPECT_EQ(current().formatPatternCurrency(26750, "##,##0.00"), "2,68");
    EXPECT_EQ(current().formatPatternCurrency(-15000000, "##,##0.00"), "-1.500,00");
}

TEST(RegionalSystem, PlainCLocaleMeansItalian)
{
    qputenv("LC_ALL", "C");
    EXPECT_EQ(platform::regional::systemLocale().language(), QLocale::Italian);
    qputenv("LC_ALL", "en_US.UTF-8");
    EXPECT_EQ(platform::regional::systemLocale().language(), QLocale::English);
    qunsetenv("LC_ALL");
}

}  // namespace
