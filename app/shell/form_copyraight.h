#pragma once
// The splash window the program starts with: it opens the archive and the
// print connection, shows the logo, and after 2500 ms hands over to the
// catalogue window and closes itself.

#include "forms/controls.h"
#include "forms/form.h"
#include "shell/finestra_archivio.h"

namespace albora {

class FormCopyraight : public FinestraArchivio {
    Q_OBJECT
public:
    FormCopyraight();

    static constexpr int IntervalloSplash = 2500;

    platform::forms::Frame* Frame1;
    platform::forms::ImageBox* Image1;
    platform::forms::Label* lblCompanyProduct;
    platform::forms::Label* lblProductName;
    platform::forms::Label* lblPlatform;
    platform::forms::Label* lblVersion;
    platform::forms::Label* lblAvviso;
    platform::forms::Label* lblCopyright;
    platform::forms::Label* lblAvvertenza;
    platform::forms::Timer* Timer1;

protected:
    void Load() override;

private:
    void Timer1_Timer();
};

extern platform::forms::FormSlot<FormCopyraight> formCopyraight;

// What runs when the catalogue window is due; set by the program so that the
// splash does not depend on the windows after it.
void impostaFinestraPrincipale(std::function<void()> mostra);

}  // namespace albora
