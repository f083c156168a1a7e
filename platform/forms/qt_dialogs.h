#pragma once
// The real dialogs: modal Qt message box, input box and file dialog with
// Italian button texts.  Internal to the window layer.

#include "forms/dialogs.h"

namespace platform::forms {

class QtDialogs : public DialogBackend {
public:
    int messageBox(const MessageBoxRequest& request) override;
    std::optional<QString> inputBox(const InputBoxRequest& request) override;
    std::optional<QString> openFile(const FileDialogRequest& request) override;
};

// The backend a test installed, or nullptr while the Qt one is in force.
DialogBackend* installedDialogBackend();

// "Immagini|*.jpg;*.bmp|Tutti|*.*" -> "Immagini (*.jpg *.bmp);;Tutti (*.*)"
QString qtFileFilter(const QString& filter);

}  // namespace platform::forms
