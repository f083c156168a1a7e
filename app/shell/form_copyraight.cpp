#include "shell/form_copyraight.h"

#include "forms/pictures.h"
#include "runtime/runtime.h"
#include "shell/data_environment.h"

namespace albora {

using namespace platform::forms;

FormSlot<FormCopyraight> formCopyraight;

namespace {

const QColor Azzurrino(192, 255, 255);

std::function<void()>& finestraPrincipale()
{
    static std::function<void()> mostra;
    return mostra;
}

Label* etichetta(QWidget* genitore, const QString& testo, const Twips& dove, const FontSpec& font,
                 Qt::Alignment allineamento = Qt::AlignLeft | Qt::AlignTop)
{
    auto* label = new Label(genitore, testo, dove);
    label->setFontSpec(font);
    label->setBackColor(Azzurrino);
    label->setAlignment(allineamento);
    return label;
}

}  // namespace

void impostaFinestraPrincipale(std::function<void()> mostra)
{
    finestraPrincipale() = std::move(mostra);
}

FormCopyraight::FormCopyraight()
{
    setBorder(Border::None, false);
    setClientSizeTwips(7065, 3285);
    setBackColor(Azzurrino);

    Frame1 = new Frame(this, QString(), {0, 0, 7080, 3330});
    Frame1->setBackColor(Azzurrino);
    Image1 = new ImageBox(Frame1, {120, 120, 2295, 2625});

    const Qt::Alignment destra = Qt::AlignRight | Qt::AlignTop;
    lblCompanyProduct = etichetta(Frame1, "Filatelia", {2640, 480, 1350, 435}, {"Arial", 18, true});
    lblCompanyProduct->setAutoSize(true);
    lblProductName = etichetta(Frame1, "Albora", {2520, 960, 3285, 765}, {"Arial", 32.25, true});
    lblProductName->setAutoSize(true);
    lblPlatform = etichetta(Frame1, "Piattaforma", {4680, 1920, 1755, 360}, {"Arial", 15.75, true}, destra);
    lblPlatform->setAutoSize(true);
    lblVersion = etichetta(Frame1, "Versione 14.06.26", {4800, 2280, 2010, 285}, {"Arial", 12, true}, destra);
    lblVersion->setAutoSize(true);
    lblAvviso = etichetta(Frame1, "Archivio della collezione filatelica", {2640, 240, 4335, 255}, {"Arial", 8.25},
                          destra);
    lblCopyright = etichetta(Frame1, "© 2026", {2640, 2040, 735, 255}, {"Arial", 8.25});
    lblAvvertenza = etichetta(Frame1, "Uso personale. Conserva una copia di sicurezza dell'archivio.",
                              {60, 2880, 6945, 315}, {"Arial Narrow", 9, true}, Qt::AlignHCenter | Qt::AlignTop);

    Timer1 = new Timer(this);
    connect(Timer1, &Timer::Tick, this, [this] { Timer1_Timer(); });
}

void FormCopyraight::Load()
{
    const bool caricata = eseguiCaricamento([this] {
        apriArchivio({"prov_conn", "ip_conn", "uid_conn", "pwd_conn", "image_conn", "db_conn", "logo_conn"});
        DataEnvironment1.apriConnection1(ip_conn + db_conn, pwd_conn);
        Image1->setPicture(LoadPicture(logo_conn));
        Timer1->setInterval(IntervalloSplash);
    });
    // The splash has no title bar and no close box: once the user has read
    // why the start failed, the program ends.
    if (!caricata)
        platform::runtime::End();
}

void FormCopyraight::Timer1_Timer()
{
    Timer1->setInterval(0);
    if (finestraPrincipale())
        finestraPrincipale()();
    formCopyraight.Unload();
}

}  // namespace albora
