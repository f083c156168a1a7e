// The open dialog of CommonDialog, through the window layer's dialog seam.
#include "dialogs/common_dialog.h"

#include "forms/dialogs.h"
#include "runtime/error.h"

namespace platform::dialogs {

void CommonDialog::ShowOpen()
{
    forms::FileDialogRequest request;
    request.title = DialogTitle;
    request.fileName = FileName;
    request.filter = Filter;
    request.initialFolder = InitDir;
    request.flags = Flags;

    const std::optional<QString> chosen = forms::dialogBackend().openFile(request);
    if (chosen && !chosen->isEmpty()) {
        FileName = *chosen;
        return;
    }
    FileName.clear();
    if (CancelError)
        throw runtime::Error(cdlCancel, QStringLiteral("Operazione annullata dall'utente."));
}

}  // namespace platform::dialogs
