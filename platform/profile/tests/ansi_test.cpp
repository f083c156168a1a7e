#include "profile/ansi.h"

#include <gtest/gtest.h>

namespace {

using platform::profile::fromAnsi;
using platform::profile::toAnsi;

struct CodeCase {
    const char* name;
    QString text;
    std::string bytes;
};

class AnsiCodes : public testing::TestWithParam<CodeCase> {};

TEST_P(AnsiCodes, TextAndBytesMapBothWays) {
    EXPECT_EQ(toAnsi(GetParam().text), GetParam().bytes);
    EXPECT_EQ(fromAnsi(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Windows1252, AnsiCodes,
    testing::Values(CodeCase{"ascii", u"db_conn = C:\\x"_qs, "db_conn = C:\\x"},
                    CodeCase{"latin1_accents", u"Città è"_qs, "Citt\xE0 \xE8"},
                    CodeCase{"euro_from_the_high_table", u"€ 5"_qs, "\x80 5"},
                    CodeCase{"typographic_quotes_and_dashes", u"‘’“”–—"_qs, "\x91\x92\x93\x94\x96\x97"},
                    CodeCase{"last_of_the_table", u"Ÿžœ"_qs, "\x9F\x9E\x9C"},
                    CodeCase{"unassigned_byte_keeps_its_number", QString(QChar(0x81)), "\x81"},
                    CodeCase{"nul_kept", QString(QChar(0)) + u"a"_qs, std::string("\0a", 2)}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(AnsiText, CharactersOutsideThePageBecomeOneQuestionMarkEach) {
    EXPECT_EQ(toAnsi(u"Ā"_qs), "?");
    EXPECT_EQ(toAnsi(QString(QChar(0x80))), "?");  // the byte 0x80 is the euro sign, not this control
    EXPECT_EQ(toAnsi(u"a😀b"_qs), "a?b");          // one character outside the basic plane, one '?'
}

TEST(AnsiText, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(toAnsi(fromAnsi(all)), all);
}

}  // namespace
