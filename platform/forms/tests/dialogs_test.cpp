// Message and input boxes: what a style asks for, the title they fall back
// to, and the scripted answers tests give in place of a user.
#include "forms/dialogs.h"
#include "forms/test_main.h"

#include <gtest/gtest.h>

using namespace platform::forms;

namespace {

struct StyleCase {
    const char* name;
    int style;
    std::vector<int> buttons;
    int defaultButton;
    MsgIcon icon;
};

void PrintTo(const StyleCase& c, std::ostream* out)
{
    *out << c.name;
}

class MessageBoxStyle : public ::testing::TestWithParam<StyleCase> {};

TEST_P(MessageBoxStyle, GivesButtonsDefaultAndIcon)
{
    const StyleCase& c = GetParam();
    const MessageBoxRequest request = describeMessageBox("Testo", c.style, "ATTENZIONE");
    EXPECT_EQ(request.buttons, c.buttons);
    EXPECT_EQ(request.defaultButton, c.defaultButton);
    EXPECT_EQ(request.icon, c.icon);
    EXPECT_EQ(request.title, "ATTENZIONE");
    EXPECT_EQ(request.prompt, "Testo");
}

INSTANTIATE_TEST_SUITE_P(
    Styles, MessageBoxStyle,
    ::testing::Values(
        StyleCase{"PlainOk", vbOKOnly, {vbOK}, vbOK, MsgIcon::None},
        StyleCase{"OkInformation", vbOKOnly + vbInformation, {vbOK}, vbOK, MsgIcon::Information},
        StyleCase{"OkExclamation", vbExclamation, {vbOK}, vbOK, MsgIcon::Exclamation},
        StyleCase{"OkCancelInformation", vbOKCancel + vbInformation, {vbOK, vbCancel}, vbOK, MsgIcon::Information},
        StyleCase{"YesNoCriticalFirstDefault", vbYesNo + vbCritical + vbDefaultButton1, {vbYes, vbNo}, vbYes,
                  MsgIcon::Critical},
        StyleCase{"YesNoSecondDefault", vbYesNo + vbQuestion + vbDefaultButton2, {vbYes, vbNo}, vbNo,
                  MsgIcon::Question},
        StyleCase{"YesNoCancelThirdDefault", vbYesNoCancel + vbDefaultButton3, {vbYes, vbNo, vbCancel}, vbCancel,
                  MsgIcon::None},
        StyleCase{"AbortRetryIgnore", vbAbortRetryIgnore + vbDefaultButton2, {vbAbort, vbRetry, vbIgnore}, vbRetry,
                  MsgIcon::None},
        StyleCase{"RetryCancel", vbRetryCancel + vbExclamation, {vbRetry, vbCancel}, vbRetry, MsgIcon::Exclamation},
        StyleCase{"DefaultBeyondTheButtonsIsTheFirst", vbOKOnly + vbDefaultButton3, {vbOK}, vbOK, MsgIcon::None}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(MessageBox, WithoutTitleShowsTheApplicationTitle)
{
    ScriptedDialogs dialogs;
    MsgBox("File non trovato: /tmp/x.jpg");
    InputBox("Lettera?");
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].title, "Albora");
    EXPECT_EQ(dialogs.boxes[0].prompt, "File non trovato: /tmp/x.jpg");
    EXPECT_EQ(dialogs.boxes[0].buttons, std::vector<int>{vbOK});
    ASSERT_EQ(dialogs.inputs.size(), 1u);
    EXPECT_EQ(dialogs.inputs[0].title, "Albora");
}

TEST(ScriptedDialogs, AnswerInTurnThenWithTheDefaultButton)
{
    ScriptedDialogs dialogs;
    dialogs.answers = {vbNo, vbYes};
    EXPECT_EQ(MsgBox("Primo", vbYesNo + vbDefaultButton1), vbNo);
    EXPECT_EQ(MsgBox("Secondo", vbYesNo + vbDefaultButton2), vbYes);
    EXPECT_EQ(MsgBox("Terzo", vbYesNo + vbDefaultButton2), vbNo);
    EXPECT_EQ(MsgBox("Quarto", vbOKCancel), vbOK);
    ASSERT_EQ(dialogs.boxes.size(), 4u);
    EXPECT_EQ(dialogs.boxes[2].prompt, "Terzo");
}

TEST(ScriptedDialogs, InputBoxGivesTheScriptedTextAndEmptyWhenCancelled)
{
    ScriptedDialogs dialogs;
    dialogs.inputAnswers = {QString("e"), std::nullopt};
    EXPECT_EQ(InputBox("Lettera?", "Copia di salvataggio", "", 7300, 4500), "e");
    EXPECT_EQ(InputBox("Lettera?"), "");
    EXPECT_EQ(InputBox("Lettera?"), "");  // nothing scripted: cancelled
    ASSERT_EQ(dialogs.inputs.size(), 3u);
    EXPECT_EQ(dialogs.inputs[0].title, "Copia di salvataggio");
    EXPECT_EQ(dialogs.inputs[0].leftTwips, 7300);
    EXPECT_EQ(dialogs.inputs[0].topTwips, 4500);
}

TEST(ScriptedDialogs, FileDialogRecordsTheRequestAndCancelsWhenUnscripted)
{
    ScriptedDialogs dialogs;
    dialogs.fileAnswers = {QString("/tmp/foto.jpg")};
    FileDialogRequest request;
    request.title = "Carica immagine";
    request.flags = 0x80000;
    EXPECT_EQ(OpenFileDialog(request), "/tmp/foto.jpg");
    EXPECT_EQ(OpenFileDialog(request), "");
    ASSERT_EQ(dialogs.files.size(), 2u);
    EXPECT_EQ(dialogs.files[0].title, "Carica immagine");
}

TEST(ScriptedDialogs, NestedScriptsGiveBackTheOuterOne)
{
    ScriptedDialogs outer;
    {
        ScriptedDialogs inner;
        MsgBox("dentro");
        EXPECT_EQ(inner.boxes.size(), 1u);
    }
    MsgBox("fuori");
    ASSERT_EQ(outer.boxes.size(), 1u);
    EXPECT_EQ(outer.boxes[0].prompt, "fuori");
    EXPECT_EQ(&dialogBackend(), &outer);
}

}  // namespace
