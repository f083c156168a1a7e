#pragma once
// The common dialog a window places to let the user choose a file to open.
// The window sets its properties, calls ShowOpen and reads FileName back;
// the dialog itself goes through the same seam as the message boxes
// (platform::forms::dialogBackend()), so tests answer it with ScriptedDialogs.
//
//   platform::dialogs::CommonDialog CommonDialog1;
//   CommonDialog1.FileName = "";
//   CommonDialog1.DialogTitle = "Carica immagine";
//   CommonDialog1.CancelError = false;
//   CommonDialog1.Flags = platform::dialogs::cdlOFNExplorer;
//   CommonDialog1.ShowOpen();
//   if (CommonDialog1.FileName.isEmpty()) return;   // cancelled

#include <QString>

namespace platform::dialogs {

// Flags of the open dialog that windows use.
enum CommonDialogFlags : int {
    cdlOFNReadOnly = 0x1,
    cdlOFNHideReadOnly = 0x4,
    cdlOFNFileMustExist = 0x1000,
    cdlOFNExplorer = 0x80000,
};

// Error number raised by ShowOpen on cancel when CancelError is set.
inline constexpr int cdlCancel = 32755;

class CommonDialog {
public:
    QString FileName;      // initial name in, chosen full path out ("" when cancelled)
    QString DialogTitle;
    QString Filter;        // "Descrizione|*.jpg;*.bmp|..."; empty lists every file
    QString InitDir;
    int Flags = 0;
    bool CancelError = false;  // true: cancelling raises runtime::Error cdlCancel

    // Shows the open dialog (modal).  On a choice FileName holds the full
    // path; on cancel FileName is emptied, and with CancelError set an
    // error is raised as well.
    void ShowOpen();
};

}  // namespace platform::dialogs
