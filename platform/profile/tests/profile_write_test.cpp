#include "profile/profile.h"
#include "profile_test_support.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

using platform::profile::GetPrivateProfileStringA;
using platform::profile::WritePrivateProfileStringA;

struct WriteCase {
    const char* name;
    std::optional<std::string> before;  // no file when empty
    const char* section;
    const char* key;
    const char* value;
    std::string after;
};

class ProfileWrite : public testing::TestWithParam<WriteCase> {
protected:
    profile_test::IniFolder folder;
};

TEST_P(ProfileWrite, ChangesOnlyWhatItMust) {
    const auto& c = GetParam();
    if (c.before) {
        folder.write(*c.before);
    }
    EXPECT_NE(WritePrivateProfileStringA(c.section, c.key, c.value, folder.path().c_str()), 0);
    EXPECT_EQ(folder.read(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileWrite,
    testing::Values(
        WriteCase{"creates_the_file", std::nullopt, "db_remoto", "db_conn", "a.mdb", "[db_remoto]\ndb_conn=a.mdb\n"},
        WriteCase{"adds_a_section_at_the_end", "; impostazioni\r\n[a]\r\nx=1\r\n", "s", "k", "v",
                  "; impostazioni\r\n[a]\r\nx=1\r\n[s]\r\nk=v\r\n"},
        WriteCase{"adds_a_section_after_a_last_line_without_end", "[a]\nx=1", "s", "k", "v", "[a]\nx=1\n[s]\nk=v\n"},
        WriteCase{"adds_a_key_after_the_section_content", "[s]\nx=1\n\n[t]\ny=2\n", "S", "k", "v",
                  "[s]\nx=1\nk=v\n\n[t]\ny=2\n"},
        WriteCase{"adds_a_key_to_an_empty_last_section", "[s]", "s", "k", "v", "[s]\nk=v\n"},
        WriteCase{"replaces_a_value_keeping_the_rest", "; nota\r\n[S]\r\n  K = vecchio ; no\r\nz=2\r\n", "s", "k",
                  "nuovo", "; nota\r\n[S]\r\nK=nuovo\r\nz=2\r\n"},
        WriteCase{"replaces_only_the_first_duplicate", "[s]\nk=1\nk=2\n", "s", "k", "3", "[s]\nk=3\nk=2\n"},
        WriteCase{"blanks_around_names_not_written", "[s]\n", " s ", " k ", "v", "[s]\nk=v\n"},
        WriteCase{"byte_order_mark_kept", "\xEF\xBB\xBF[s]\nk=1\n", "s", "k", "2", "\xEF\xBB\xBF[s]\nk=2\n"},
        WriteCase{"windows_1252_value_written_as_bytes", std::nullopt, "s", "k", "Citt\xE0", "[s]\nk=Citt\xE0\n"},
        WriteCase{"null_value_removes_the_key", "[s]\nj=1\nk=2\n[t]\n", "s", "k", nullptr, "[s]\nj=1\n[t]\n"},
        WriteCase{"null_value_for_a_missing_key_changes_nothing", "[s]\nj=1", "s", "k", nullptr, "[s]\nj=1"},
        WriteCase{"null_key_removes_the_section", "[a]\nx=1\n[s]\nk=2\n\n[t]\ny=3\n", "s", nullptr, nullptr,
                  "[a]\nx=1\n[t]\ny=3\n"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ProfileWriteRead, WrittenValuesReadBack) {
    profile_test::IniFolder folder;
    const auto file = folder.path();
    ASSERT_NE(WritePrivateProfileStringA("db_remoto", "ip_conn", "C:\\Archivio\\", file.c_str()), 0);
    ASSERT_NE(WritePrivateProfileStringA("db_remoto", "uid_conn", "", file.c_str()), 0);
    ASSERT_NE(WritePrivateProfileStringA("db_remoto", "ip_conn", "D:\\Nuovo\\", file.c_str()), 0);
    char buffer[100] = {};
    EXPECT_EQ(GetPrivateProfileStringA("db_remoto", "ip_conn", "p", buffer, 100, file.c_str()), 9u);
    EXPECT_STREQ(buffer, "D:\\Nuovo\\");
    EXPECT_EQ(GetPrivateProfileStringA("db_remoto", "uid_conn", "p", buffer, 100, file.c_str()), 0u);
    EXPECT_EQ(QDir(folder.folder()).entryList(QDir::Files | QDir::Hidden), QStringList{"agg.ini"})
        << "no temporary file left behind";
}

struct RefusedCase {
    const char* name;
    const char* section;
    const char* key;
    const char* value;
};

class ProfileWriteRefused : public testing::TestWithParam<RefusedCase> {};

// Names and values that could not be read back as written would damage the
// file's structure (a value with a line break could add a section).
TEST_P(ProfileWriteRefused, LeavesTheFileAsItWas) {
    const auto& c = GetParam();
    profile_test::IniFolder folder;
    folder.write("[s]\nk=1\n");
    EXPECT_EQ(WritePrivateProfileStringA(c.section, c.key, c.value, folder.path().c_str()), 0);
    EXPECT_EQ(folder.read(), "[s]\nk=1\n");
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileWriteRefused,
                         testing::Values(RefusedCase{"line_break_in_value", "s", "k", "x\n[t]\ny=2"},
                                         RefusedCase{"carriage_return_in_value", "s", "k", "x\ry"},
                                         RefusedCase{"line_break_in_key", "s", "k\nj", "v"},
                                         RefusedCase{"equals_in_key", "s", "a=b", "v"},
                                         RefusedCase{"key_looking_like_a_comment", "s", " ;k", "v"},
                                         RefusedCase{"key_looking_like_a_header", "s", "[k]", "v"},
                                         RefusedCase{"bracket_in_section", "s]x", "k", "v"},
                                         RefusedCase{"null_section", nullptr, "k", "v"}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ProfileWriteFile, FailsWithoutTouchingAnythingWhenTheFileCannotBeWritten) {
    profile_test::IniFolder folder;
    EXPECT_EQ(WritePrivateProfileStringA("s", "k", "v", folder.path("manca/agg.ini").c_str()), 0);
    EXPECT_FALSE(QDir(folder.folder()).exists("manca"));
    // A folder in place of the file can be neither read nor replaced.
    ASSERT_TRUE(QDir(folder.folder()).mkdir("cartella.ini"));
    EXPECT_EQ(WritePrivateProfileStringA("s", "k", "v", folder.path("cartella.ini").c_str()), 0);
    EXPECT_TRUE(QDir(folder.folder()).exists("cartella.ini"));
    EXPECT_EQ(WritePrivateProfileStringA("s", "k", "v", ""), 0);
}

}  // namespace
