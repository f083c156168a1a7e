#pragma once
// The main window: lists the catalogues, creates a new one from the name
// typed, opens the stamp list of the chosen one, and ends the program.

#include "ado/ado.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "shell/finestra_archivio.h"

namespace albora {

class FormCatalogo : public FinestraArchivio {
    Q_OBJECT
public:
    FormCatalogo();

    platform::forms::Label* Label1;
    platform::forms::Label* Label2;
    platform::forms::ComboBox* Combo1;
    platform::forms::PictureButton* Cmd_Backup;
    platform::forms::PictureButton* Cmd_Agg;
    platform::forms::PictureButton* Cmd_Exit;

    void Cmd_Agg_Click();
    void Cmd_Exit_Click();
    void Combo1_Click();

protected:
    void Load() override;

private:
    void CaricaCataloghi();
    bool esisteCatalogo(const QString& nome);
    void aggiungiCatalogo(const QString& nome);

    platform::ado::Recordset RsCatalogo;
};

extern platform::forms::FormSlot<FormCatalogo> formCatalogo;

}  // namespace albora
