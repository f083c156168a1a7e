#include "regional/regional.h"
#include "runtime/runtime.h"

#include <gtest/gtest.h>

using namespace platform::runtime;

namespace {

QLocale italian() { return QLocale(QLocale::Italian, QLocale::Italy); }

TEST(RuntimeText, TrimTouchesOnlyBlanks)
{
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");
    EXPECT_EQ(LTrim("  a "), "a ");
    EXPECT_EQ(RTrim("  a "), "  a");
    EXPECT_EQ(Left("Lira oro", 4), "Lira");
    EXPECT_EQ(Left("Lira", 10), "Lira");
    EXPECT_THROW(Left("Lira", -1), Error);
}

struct WholeCase {
    const char* name;
    const char* text;
    int expected;        // when no error
    int errorNumber;     // 0: none
};

TEST(RuntimeNumbers, SixteenBitConversion)
{
    platform::regional::Scope pin(italian());
    const WholeCase cases[] = {
        {"plain", "12", 12, 0},
        {"leading zero", "012", 12, 0},
        {"half to even", "2,5", 2, 0},
        {"half to even up", "3,5", 4, 0},
        {"upper bound", "32767", 32767, 0},
        {"lower bound", "-32768", -32768, 0},
        {"past the range", "32768", 0, ErrOverflow},
        {"card number of a large archive", "100000", 0, ErrOverflow},
        {"not a number", "abc", 0, ErrTypeMismatch},
        {"empty", "", 0, ErrTypeMismatch},
    };
    for (const auto& c : cases) {
        if (c.errorNumber == 0) {
            EXPECT_EQ(CInt(c.text), c.expected) << c.name;
        } else {
            try {
                CInt(c.text);
                ADD_FAILURE() << c.name << ": no error";
            } catch (const Error& e) {
                EXPECT_EQ(e.number(), c.errorNumber) << c.name;
                if (c.errorNumber == ErrOverflow) {
                    EXPECT_EQ(e.description(), "Overflow") << c.name;
                }
            }
        }
    }
    EXPECT_EQ(CLng("100000"), 100000);
    EXPECT_THROW(CLng("3000000000"), Error);
}

TEST(RuntimeEnvironment, SeamsForClockAppPathAndEnd)
{
    setTodayForTests([] { return QDate(2026, 12, 11); });
    EXPECT_EQ(Today(), QDate(2026, 12, 11));
    setTodayForTests({});
    EXPECT_EQ(Today(), QDate::currentDate());

    setAppPathForTests("/tmp/altrove");
    EXPECT_EQ(AppPath(), "/tmp/altrove");
    setAppPathForTests({});

    int ended = 0;
    setEndHandler([&] { ++ended; });
    End();
    EXPECT_EQ(ended, 1);
    setEndHandler({});
    EXPECT_EQ(AppTitle(), "Albora");
}

}  // namespace
