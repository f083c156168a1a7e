#pragma once
// Message box, input box and the file-open dialog.  Every one goes through a
// single seam: the program uses the real Qt dialogs, tests install
// ScriptedDialogs, which records every request and answers as scripted, so a
// test never blocks on a modal dialog.
//
//   int answer = MsgBox("Sicuro?", vbYesNo + vbCritical + vbDefaultButton1, "ATTENZIONE");
//   if (answer != vbYes) return;
//   MsgBox(error.description());          // no title: the application's title, "Albora"

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

namespace platform::forms {

enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

enum class MsgIcon { None, Critical, Question, Exclamation, Information };

struct MessageBoxRequest {
    QString prompt;
    QString title;             // already resolved: never empty
    std::vector<int> buttons;  // results in the order shown (vbYes, vbNo)
    int defaultButton;         // one of buttons
    MsgIcon icon;
};

struct InputBoxRequest {
    QString prompt;
    QString title;  // already resolved: never empty
    QString defaultText;
    int leftTwips = -1;  // from the screen's left edge; -1: centred
    int topTwips = -1;   // from the screen's top edge; -1: centred
};

struct FileDialogRequest {
    QString title;
    QString fileName;  // initial
    QString filter;    // empty: every file
    QString initialFolder;
    int flags = 0;
};

class DialogBackend {
public:
    virtual ~DialogBackend() = default;
    virtual int messageBox(const MessageBoxRequest& request) = 0;
    // nullopt when cancelled
    virtual std::optional<QString> inputBox(const InputBoxRequest& request) = 0;
    // chosen path; nullopt when cancelled
    virtual std::optional<QString> openFile(const FileDialogRequest& request) = 0;
};

// The backend in force (the Qt one unless a test installed another).
DialogBackend& dialogBackend();
void setDialogBackend(DialogBackend* backend);  // nullptr restores the Qt one

MessageBoxRequest describeMessageBox(const QString& prompt, int style, const QString& title);
int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = QString());
// The text typed, or "" when cancelled (as the desktop's InputBox).  No
// title: the application's title.
QString InputBox(const QString& prompt, const QString& title = QString(), const QString& defaultText = QString(),
                 int leftTwips = -1, int topTwips = -1);
// The chosen file's full path, or "" when cancelled.
QString OpenFileDialog(const FileDialogRequest& request);

// Headless twin: records every request; answers from the queues, and when
// a queue is empty gives the default button / cancels.
class ScriptedDialogs : public DialogBackend {
public:
    ScriptedDialogs();   // installs itself
    ~ScriptedDialogs() override;  // restores the previous backend

    std::vector<MessageBoxRequest> boxes;
    std::vector<InputBoxRequest> inputs;
    std::vector<FileDialogRequest> files;

    std::deque<int> answers;                           // for message boxes
    std::deque<std::optional<QString>> inputAnswers;   // for input boxes
    std::deque<std::optional<QString>> fileAnswers;    // for file dialogs

    int messageBox(const MessageBoxRequest& request) override;
    std::optional<QString> inputBox(const InputBoxRequest& request) override;
    std::optional<QString> openFile(const FileDialogRequest& request) override;

private:
    DialogBackend* previous_;
};

}  // namespace platform::forms
