#include "profile/profile.h"
#include "profile_test_support.h"

#include <gtest/gtest.h>

namespace {

using platform::profile::GetPrivateProfileStringA;

struct Read {
    std::string text;
    unsigned count;
    bool operator==(const Read&) const = default;
};

void PrintTo(const Read& r, std::ostream* os) { *os << '"' << r.text << "\" (" << r.count << ')'; }

Read readFrom(const std::string& file, const char* section, const char* key, const char* defaultValue,
              unsigned size = 100) {
    std::string buffer(size + 1, '#');  // one guard byte past the declared size
    const unsigned count = GetPrivateProfileStringA(section, key, defaultValue, buffer.data(), size, file.c_str());
    EXPECT_EQ(buffer[size], '#') << "wrote past the buffer";
    return {std::string(buffer.c_str()), count};
}

struct ReadCase {
    const char* name;
    std::string content;
    const char* section;
    const char* key;
    const char* defaultValue;
    unsigned size;
    Read expected;
};

class ProfileRead : public testing::TestWithParam<ReadCase> {
protected:
    profile_test::IniFolder folder;
};

TEST_P(ProfileRead, CopiesTheValueOrTheDefault) {
    const auto& c = GetParam();
    folder.write(c.content);
    EXPECT_EQ(readFrom(folder.path(), c.section, c.key, c.defaultValue, c.size), c.expected);
}

const std::string kLong = "abcdefghij";

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileRead,
    testing::Values(
        ReadCase{"plain_entry", "[db_remoto]\ndb_conn=archivio.mdb\n", "db_remoto", "db_conn", "p", 100,
                 {"archivio.mdb", 12}},
        ReadCase{"names_ignore_letter_case", "[DB_Remoto]\nDB_Conn=x\n", "db_remoto", "db_CONN", "p", 100, {"x", 1}},
        ReadCase{"accented_names_ignore_case", "[Citt\xC0]\n\xC8=x\n", "citt\xE0", "\xE8", "p", 100, {"x", 1}},
        ReadCase{"blanks_around_names_and_value", "  [ db_remoto ]\t\n \t db_conn \t=  a  b \t\n", "db_remoto",
                 "db_conn", "p", 100, {"a  b", 4}},
        ReadCase{"caller_blanks_around_names", "[s]\nk=v\n", " s ", " k\t", "p", 100, {"v", 1}},
        ReadCase{"double_quotes_lose_the_pair", "[s]\nk = \"  a  \"\n", "s", "k", "p", 100, {"  a  ", 5}},
        ReadCase{"single_quotes_lose_the_pair", "[s]\nk='x'\n", "s", "k", "p", 100, {"x", 1}},
        ReadCase{"mixed_quotes_stay", "[s]\nk=\"x'\n", "s", "k", "p", 100, {"\"x'", 3}},
        ReadCase{"lone_quote_stays", "[s]\nk=\"\n", "s", "k", "p", 100, {"\"", 1}},
        ReadCase{"equals_inside_value", "[s]\nk=a=b\n", "s", "k", "p", 100, {"a=b", 3}},
        ReadCase{"empty_value_is_not_the_default", "[s]\nk=\n", "s", "k", "p", 100, {"", 0}},
        ReadCase{"value_cut_to_size_minus_one", "[s]\nk=" + kLong + "\n", "s", "k", "p", 4, {"abc", 3}},
        ReadCase{"value_of_exactly_size_minus_one", "[s]\nk=abc\n", "s", "k", "p", 4, {"abc", 3}},
        ReadCase{"size_one_copies_nothing", "[s]\nk=abc\n", "s", "k", "p", 1, {"", 0}},
        ReadCase{"missing_key_gives_default", "[s]\nk=v\n", "s", "other", "p", 100, {"p", 1}},
        ReadCase{"default_loses_trailing_spaces_only", "[s]\n", "s", "k", "  p q  ", 100, {"  p q", 5}},
        ReadCase{"default_cut_to_size_minus_one", "[s]\n", "s", "k", "default", 4, {"def", 3}},
        ReadCase{"null_default_is_empty", "[s]\n", "s", "k", nullptr, 100, {"", 0}},
        ReadCase{"missing_section_gives_default", "[a]\nk=v\n", "s", "k", "p", 100, {"p", 1}},
        ReadCase{"key_of_another_section_not_seen", "[a]\nk=1\n[s]\nj=2\n", "s", "k", "p", 100, {"p", 1}},
        ReadCase{"section_ends_at_next_header", "[s]\nj=1\n[a]\nk=2\n", "s", "k", "p", 100, {"p", 1}},
        ReadCase{"first_of_duplicate_keys_wins", "[s]\nk=1\nK=2\n", "s", "k", "p", 100, {"1", 1}},
        ReadCase{"comment_lines_skipped", "[s]\n;k=1\n  ; k=2\nk=3\n", "s", "k", "p", 100, {"3", 1}},
        ReadCase{"line_without_equals_is_no_entry", "[s]\nk\nk=v\n", "s", "k", "p", 100, {"v", 1}},
        ReadCase{"crlf_line_ends", "[s]\r\nj=1\r\nk=v\r\n", "s", "k", "p", 100, {"v", 1}},
        ReadCase{"last_line_without_line_end", "[s]\nk=v", "s", "k", "p", 100, {"v", 1}},
        ReadCase{"windows_1252_bytes_unchanged", "[s]\nk=Citt\xE0 \x80\n", "s", "k", "p", 100,
                 {"Citt\xE0 \x80", 7}},
        ReadCase{"utf8_byte_order_mark_skipped", "\xEF\xBB\xBF[s]\nk=v\n", "s", "k", "p", 100, {"v", 1}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ProfileReadFile, MissingFileOrFolderGivesTheDefault) {
    profile_test::IniFolder folder;
    EXPECT_EQ(readFrom(folder.path("assente.ini"), "s", "k", "p "), (Read{"p", 1}));
    EXPECT_EQ(readFrom(folder.path("assente.ini"), "s", "k", ""), (Read{"", 0}));
    EXPECT_EQ(readFrom(folder.folder().toStdString(), "s", "k", "p"), (Read{"p", 1}));  // a folder is no file
    EXPECT_EQ(readFrom("", "s", "k", "p"), (Read{"p", 1}));
}

TEST(ProfileReadFile, NoRoomCopiesNothing) {
    profile_test::IniFolder folder;
    folder.write("[s]\nk=v\n");
    char untouched = '#';
    EXPECT_EQ(GetPrivateProfileStringA("s", "k", "p", &untouched, 0, folder.path().c_str()), 0u);
    EXPECT_EQ(untouched, '#');
    EXPECT_EQ(GetPrivateProfileStringA("s", "k", "p", nullptr, 10, folder.path().c_str()), 0u);
}

}  // namespace
