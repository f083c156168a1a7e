#include "catalogue/form_catalogo.h"

#include "archive/letterali.h"
#include "forms/dialogs.h"
#include "forms/pictures.h"
#include "list/form_lista_filatelica.h"
#include "runtime/runtime.h"
#include "shell/data_environment.h"

namespace albora {

using namespace platform::forms;
using platform::runtime::Variant;

FormSlot<FormCatalogo> formCatalogo;

FormCatalogo::FormCatalogo()
{
    setCaption("Catalogo");
    setBorder(Border::FixedSingle);
    setClientSizeTwips(8535, 2970);
    setBackColor(Qt::white);

    Label1 = new Label(this, "CATALOGO FILATELICO", {240, 240, 6015, 615});
    Label1->setFontSpec({"Arial", 24, true});
    Label1->setForeColor(systemHighlight());
    Label1->setBackColor(Qt::white);
    Label2 = new Label(this, "Seleziona/Nuovo Catalogo:", {120, 1320, 2895, 255});
    Label2->setFontSpec({"MS Sans Serif", 9.75, true});
    Label2->setBackColor(Qt::white);

    Combo1 = new ComboBox(this, {3120, 1320, 5295, 375});
    Combo1->setFontSpec({"Arial", 11.25});
    Combo1->setCursor(buttonCursor());

    Cmd_Backup = new PictureButton(this, {4800, 1920, 975, 855}, "Backup Archivio", Pictures::backup(),
                                   QColor(255, 255, 0));
    Cmd_Agg = new PictureButton(this, {6120, 1920, 975, 855}, "Aggiorna e/o aggiunge Catalogo", Pictures::add(),
                                QColor(128, 255, 128));
    Cmd_Exit = new PictureButton(this, {7440, 1920, 855, 855}, "Exit", Pictures::exit(), QColor(192, 255, 192));
    platform::forms::setTabOrder({Combo1, Cmd_Agg, Cmd_Exit, Cmd_Backup});

    connect(Combo1, &ComboBox::Click, this, [this] { Combo1_Click(); });
    connect(Cmd_Agg, &PictureButton::Click, this, [this] { Cmd_Agg_Click(); });
    connect(Cmd_Exit, &PictureButton::Click, this, [this] { Cmd_Exit_Click(); });
}

void FormCatalogo::Load()
{
    eseguiCaricamento([this] {
        apriArchivio({"prov_conn", "ip_conn", "uid_conn", "pwd_conn", "db_conn"});
        if (DataEnvironment1.Connection1.State() == platform::ado::adStateClosed)
            DataEnvironment1.apriConnection1(ip_conn + db_conn, pwd_conn);
        CaricaCataloghi();
    });
}

void FormCatalogo::CaricaCataloghi()
{
    Combo1->Clear();
    StrSQL = "SELECT TabellaCatalogo.NomeCatalogo from TabellaCatalogo ";
    StrSQL += "Order by TabellaCatalogo.NomeCatalogo asc ";
    RsCatalogo.Open(StrSQL, connessione(), platform::ado::adOpenStatic, platform::ado::adLockOptimistic);
    while (!RsCatalogo.Eof()) {
        Combo1->AddItem(RsCatalogo[QStringLiteral("NomeCatalogo")].text());
        RsCatalogo.MoveNext();
    }
    RsCatalogo.Close();
}

bool FormCatalogo::esisteCatalogo(const QString& nome)
{
    StrSQL = "SELECT * from TabellaCatalogo ";
    StrSQL += "Where TabellaCatalogo.NomeCatalogo='" + testoSql(nome) + "'";
    RsCatalogo.Open(StrSQL, connessione(), platform::ado::adOpenStatic, platform::ado::adLockOptimistic);
    bool trovato = false;
    while (!RsCatalogo.Eof()) {
        trovato = true;
        RsCatalogo.MoveNext();
    }
    RsCatalogo.Close();
    return trovato;
}

void FormCatalogo::aggiungiCatalogo(const QString& nome)
{
    StrSQL = "SELECT * from TabellaCatalogo ";
    RsCatalogo.Open(StrSQL, connessione(), platform::ado::adOpenStatic, platform::ado::adLockOptimistic);
    RsCatalogo.AddNew();
    RsCatalogo.setField("NomeCatalogo", nome);
    RsCatalogo.setField("DataCreazioneCatalogo", Variant(platform::runtime::Today()));
    RsCatalogo.Update();
    RsCatalogo.Close();
}

void FormCatalogo::Cmd_Agg_Click()
{
    const QString nome = Combo1->Text();
    if (nome.isEmpty())
        return;
    // An archive error shows its description; the row is stored whole or not
    // at all, and an abandoned recordset leaves nothing behind.
    const bool fatto = conGestoreErrori([&] {
        if (esisteCatalogo(nome)) {
            MsgBox("Nome Catalogo già esistente!", vbInformation + vbOKOnly, "ATTENZIONE");
            return;
        }
        aggiungiCatalogo(nome);
        CaricaCataloghi();
    });
    if (!fatto)
        RsCatalogo.Close();
}

void FormCatalogo::Combo1_Click()
{
    // Touching the list's text box loads the list, whose load fills the grid
    // from the name this combo box already holds.
    conGestoreErrori([this] {
        formListaFilatelica->Text_Catalogo->setText(Combo1->Text());
        formListaFilatelica.Show();
    });
}

void FormCatalogo::Cmd_Exit_Click()
{
    formCatalogo.Unload();
    platform::runtime::End();
}

}  // namespace albora
