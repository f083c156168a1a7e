#include "regional/regional.h"
#include "runtime/error.h"
#include "runtime/variant.h"

#include <gtest/gtest.h>

using namespace platform::runtime;

namespace {

struct TextCase {
    const char* name;
    Variant value;
    const char* text;
};

TEST(VariantText, EveryKindShowsWithItalianSettings)
{
    platform::regional::Scope pin(QLocale(QLocale::Italian, QLocale::Italy));
    const TextCase cases[] = {
        {"null is empty text", Variant(), ""},
        {"long", Variant(std::int32_t(42)), "42"},
        {"currency without trailing zeros", Variant::currency(125000), "12,5"},
        {"currency whole", Variant::currency(10000), "1"},
        {"double", Variant(1234.5), "1234,5"},
        {"date", Variant(QDate(2026, 12, 11)), "11/12/2026"},
        {"text unchanged", Variant(QString("l'Ossola \"È\"")), "l'Ossola \"È\""},
        {"boolean", Variant(true), "Vero"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.value.text(), QString::fromUtf8(c.text)) << c.name;
}

TEST(VariantValues, NullIsItsOwnValue)
{
    EXPECT_TRUE(Variant().isNull());
    EXPECT_FALSE(Variant(QString()).isNull());
    EXPECT_FALSE(Variant(std::int32_t(0)).isNull());
    EXPECT_NE(Variant(), Variant(QString()));
    EXPECT_THROW(Variant().toLong(), Error);
}

TEST(VariantValues, ConversionsAndMismatches)
{
    platform::regional::Scope pin(QLocale(QLocale::Italian, QLocale::Italy));
    EXPECT_EQ(Variant(QString("1.234,5")).toCurrency(), 12345000);
    EXPECT_EQ(Variant(QString("12")).toLong(), 12);
    EXPECT_EQ(Variant(QString("11/12/2026")).toDate().date(), QDate(2026, 12, 11));
    EXPECT_EQ(Variant::currency(15000).toLong(), 2);  // 1,5 rounds to even
    try {
        Variant(QString("abc")).toCurrency();
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), ErrTypeMismatch);
        EXPECT_TRUE(e.description().contains("abc"));
    }
    EXPECT_THROW(Variant(QString("3000000000")).toLong(), Error);
}

}  // namespace
