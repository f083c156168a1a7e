// Message box, input box and file dialog requests, and the seam they go through.
#include "forms/dialogs.h"

#include "forms/qt_dialogs.h"
#include "runtime/runtime.h"

namespace platform::forms {

namespace {

DialogBackend*& installedBackend()
{
    static DialogBackend* backend = nullptr;
    return backend;
}

std::vector<int> buttonsOf(int style)
{
    switch (style & 0x7) {
    case vbOKCancel:
        return {vbOK, vbCancel};
    case vbAbortRetryIgnore:
        return {vbAbort, vbRetry, vbIgnore};
    case vbYesNoCancel:
        return {vbYes, vbNo, vbCancel};
    case vbYesNo:
        return {vbYes, vbNo};
    case vbRetryCancel:
        return {vbRetry, vbCancel};
    default:
        return {vbOK};
    }
}

MsgIcon iconOf(int style)
{
    switch (style & 0x70) {
    case vbCritical:
        return MsgIcon::Critical;
    case vbQuestion:
        return MsgIcon::Question;
    case vbExclamation:
        return MsgIcon::Exclamation;
    case vbInformation:
        return MsgIcon::Information;
    default:
        return MsgIcon::None;
    }
}

QString titleOrApp(const QString& title)
{
    return title.isEmpty() ? runtime::AppTitle() : title;
}

}  // namespace

DialogBackend* installedDialogBackend()
{
    return installedBackend();
}

DialogBackend& dialogBackend()
{
    if (installedBackend())
        return *installedBackend();
    static QtDialogs qtDialogs;
    return qtDialogs;
}

void setDialogBackend(DialogBackend* backend)
{
    installedBackend() = backend;
}

MessageBoxRequest describeMessageBox(const QString& prompt, int style, const QString& title)
{
    MessageBoxRequest request;
    request.prompt = prompt;
    request.title = titleOrApp(title);
    request.buttons = buttonsOf(style);
    // A default beyond the buttons shown falls back to the first one.
    const std::size_t defaultIndex = static_cast<std::size_t>((style & 0xF00) >> 8);
    request.defaultButton = defaultIndex < request.buttons.size() ? request.buttons[defaultIndex] : request.buttons[0];
    request.icon = iconOf(style);
    return request;
}

int MsgBox(const QString& prompt, int style, const QString& title)
{
    return dialogBackend().messageBox(describeMessageBox(prompt, style, title));
}

QString InputBox(const QString& prompt, const QString& title, const QString& defaultText, int leftTwips, int topTwips)
{
    InputBoxRequest request;
    request.prompt = prompt;
    request.title = titleOrApp(title);
    request.defaultText = defaultText;
    request.leftTwips = leftTwips;
    request.topTwips = topTwips;
    return dialogBackend().inputBox(request).value_or(QString());
}

QString OpenFileDialog(const FileDialogRequest& request)
{
    return dialogBackend().openFile(request).value_or(QString());
}

}  // namespace platform::forms
