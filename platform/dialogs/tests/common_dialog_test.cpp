#include "dialogs/common_dialog.h"

#include "forms/dialogs.h"
#include "runtime/error.h"

#include <gtest/gtest.h>

namespace {

using platform::dialogs::CommonDialog;
using platform::forms::ScriptedDialogs;

CommonDialog imageDialog()
{
    CommonDialog dialog;
    dialog.FileName = "";
    dialog.DialogTitle = "Carica immagine";
    dialog.CancelError = false;
    dialog.Flags = platform::dialogs::cdlOFNExplorer;
    return dialog;
}

TEST(CommonDialog, ShowOpenPassesItsPropertiesAndReturnsTheChosenPath)
{
    ScriptedDialogs scripted;
    scripted.fileAnswers.push_back(QString("/foto/francobollo.JPG"));
    CommonDialog dialog = imageDialog();
    dialog.Filter = "Immagini|*.jpg;*.bmp";

    dialog.ShowOpen();

    EXPECT_EQ(dialog.FileName, "/foto/francobollo.JPG");
    ASSERT_EQ(scripted.files.size(), 1u);
    EXPECT_EQ(scripted.files[0].title, "Carica immagine");
    EXPECT_EQ(scripted.files[0].fileName, "");
    EXPECT_EQ(scripted.files[0].filter, "Immagini|*.jpg;*.bmp");
    EXPECT_EQ(scripted.files[0].flags, 0x80000);
}

TEST(CommonDialog, CancelWithoutCancelErrorEmptiesFileName)
{
    ScriptedDialogs scripted;
    scripted.fileAnswers.push_back(std::nullopt);
    CommonDialog dialog = imageDialog();
    dialog.FileName = "/vecchia/scelta.jpg";

    EXPECT_NO_THROW(dialog.ShowOpen());
    EXPECT_EQ(dialog.FileName, "");
    EXPECT_EQ(scripted.files.at(0).fileName, "/vecchia/scelta.jpg");
}

TEST(CommonDialog, CancelWithCancelErrorRaises)
{
    ScriptedDialogs scripted;  // no answer queued: the dialog is cancelled
    CommonDialog dialog = imageDialog();
    dialog.CancelError = true;

    try {
        dialog.ShowOpen();
        FAIL() << "cancel did not raise";
    } catch (const platform::runtime::Error& e) {
        EXPECT_EQ(e.number(), platform::dialogs::cdlCancel);
        EXPECT_FALSE(e.description().isEmpty());
    }
    EXPECT_EQ(dialog.FileName, "");
}

}  // namespace
