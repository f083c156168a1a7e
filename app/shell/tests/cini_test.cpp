#include "shell/cini.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kLong = QString("0123456789").repeated(12);

// agg.ini as a user would keep it, in the Windows-1252 code page.
const QByteArray kSettings = "[db_remoto]\r\n"
                             "db_conn=archivio.mdb\r\n"
                             "vuoto=\r\n"
                             "lungo=" + kLong.toLatin1() + "\r\n"
                             "tab=a\tb  c\r\n"
                             "accento=Cartella Citt\xE0 Vecchia\r\n"
                             "spazi=\" a \"\r\n"
                             "[altro]\r\n"
                             "solo_altrove=x\r\n";

class CiniFile : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(kSettings), kSettings.size());
        file.close();
        ini.setFileName(path());
        ini.setApplicationKey("db_remoto");
    }
    QString path(const QString& name = "agg.ini") const { return dir.filePath(name); }

    QTemporaryDir dir;
    Cini ini;
};

struct ValueCase {
    const char* name;
    QString key;
    QString defaultValue;
    QString expected;
};

class CiniGetValue : public CiniFile, public testing::WithParamInterface<ValueCase> {};

TEST_P(CiniGetValue, ReturnsTheCleanedValue) {
    EXPECT_EQ(ini.GetValue(GetParam().key, GetParam().defaultValue), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CiniGetValue,
    testing::Values(ValueCase{"present_key", "db_conn", "p", "archivio.mdb"},
                    ValueCase{"key_in_other_letter_case", "DB_Conn", "p", "archivio.mdb"},
                    ValueCase{"absent_key_gives_default", "manca", "p", "p"},
                    ValueCase{"absent_key_empty_default_is_error", "manca", "", "Error"},
                    ValueCase{"key_of_another_section_is_absent", "solo_altrove", "p", "p"},
                    ValueCase{"empty_value_is_error_whatever_the_default", "vuoto", "p", "Error"},
                    ValueCase{"empty_value_empty_default_is_error", "vuoto", "", "Error"},
                    ValueCase{"long_value_cut_to_99", "lungo", "p", kLong.left(99)},
                    ValueCase{"tab_dropped_inner_blanks_kept", "tab", "p", "ab  c"},
                    ValueCase{"accented_letter_dropped", "accento", "p", "Cartella Citt Vecchia"},
                    // the NUL fill follows the value, so its own last blank stays
                    ValueCase{"quoted_blanks_leading_go_trailing_stay", "spazi", "p", "a "},
                    ValueCase{"default_cleaned_too", "manca", u" p\tè "_qs, "p"},
                    ValueCase{"default_of_blanks_only_is_error", "manca", "   ", "Error"},
                    ValueCase{"long_default_cut_to_99", "manca", kLong, kLong.left(99)}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Cini, StartsEmptyAndStoresNamesWithoutOuterBlanks) {
    Cini ini;
    EXPECT_EQ(ini.FileName(), "");
    EXPECT_EQ(ini.ApplicationKey(), "");
    ini.setFileName("  /opt/albora/agg.ini  ");
    ini.setApplicationKey("  db remoto ");
    EXPECT_EQ(ini.FileName(), "/opt/albora/agg.ini");
    EXPECT_EQ(ini.ApplicationKey(), "db remoto");
}

TEST_F(CiniFile, BlanksAroundFileNameAndSectionDoNotStopTheRead) {
    ini.setFileName("  " + path() + " ");
    ini.setApplicationKey(" db_remoto  ");
    EXPECT_EQ(ini.GetValue("db_conn", "p"), "archivio.mdb");
}

TEST_F(CiniFile, MissingFileOrSectionGivesTheDefault) {
    ini.setFileName(path("assente.ini"));
    EXPECT_EQ(ini.GetValue("db_conn", "p"), "p");
    EXPECT_EQ(ini.GetValue("db_conn", ""), "Error");
    ini.setFileName(path());
    ini.setApplicationKey("manca");
    EXPECT_EQ(ini.GetValue("db_conn", "p"), "p");
}

TEST_F(CiniFile, SetValueWritesWhatGetValueReads) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"Città"_qs));
    ini.setFileName(dir.filePath(u"Città/nuovo.ini"_qs));
    EXPECT_TRUE(ini.SetValue("image_conn", u"Foto è qui"_qs));
    EXPECT_TRUE(ini.SetValue("db_conn", "archivio.mdb"));
    EXPECT_EQ(ini.GetValue("image_conn", "p"), "Foto  qui");
    EXPECT_EQ(ini.GetValue("db_conn", "p"), "archivio.mdb");

    QFile written(ini.FileName());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("[db_remoto]\nimage_conn=Foto \xE8 qui\ndb_conn=archivio.mdb\n"))
        << "the value is stored in the Windows-1252 code page";
}

TEST_F(CiniFile, SetValueReplacesAValueAndKeepsTheOthers) {
    EXPECT_TRUE(ini.SetValue("db_conn", "nuovo.mdb"));
    EXPECT_EQ(ini.GetValue("db_conn", "p"), "nuovo.mdb");
    EXPECT_EQ(ini.GetValue("tab", "p"), "ab  c");
    ini.setApplicationKey("altro");
    EXPECT_EQ(ini.GetValue("solo_altrove", "p"), "x");
}

TEST_F(CiniFile, SetValueReportsFailureWithFalse) {
    ini.setFileName(path("manca/agg.ini"));
    EXPECT_FALSE(ini.SetValue("db_conn", "x"));
    ini.setFileName(path());
    EXPECT_FALSE(ini.SetValue("db_conn", "a\r\n[altro]"));  // could not be read back as written
    EXPECT_EQ(ini.GetValue("db_conn", "p"), "archivio.mdb");
}

}  // namespace
