#include "catalogue/form_catalogo.h"
#include "list/form_lista_filatelica.h"
#include "testing/collezione_di_prova.h"

#include "ado/ado.h"

#include <gtest/gtest.h>

using namespace albora;
using albora::prova::CollezioneDiProva;
using namespace platform::forms;

namespace {

QStringList voci(ComboBox* combo)
{
    QStringList out;
    for (int i = 0; i < combo->ListCount(); ++i)
        out << combo->List(i);
    return out;
}

int righeCatalogo(const CollezioneDiProva& c, const QString& where)
{
    platform::ado::Connection conn;
    conn.Open(c.archivio());
    platform::ado::Recordset rs;
    rs.Open("SELECT * from TabellaCatalogo Where " + where, conn, 3, 1);
    int n = 0;
    for (; !rs.Eof(); rs.MoveNext())
        ++n;
    return n;
}

TEST(FormCatalogo, ListsTheCataloguesInNameOrderIgnoringCase)
{
    CollezioneDiProva c;
    for (const char* nome : {"vaticano", "Italia", "Èritrea", "austria", "San Marino"})
        c.aggiungiCatalogo(QString::fromUtf8(nome));
    formCatalogo.Show();
    EXPECT_EQ(voci(formCatalogo->Combo1),
              (QStringList{"austria", QString::fromUtf8("Èritrea"), "Italia", "San Marino", "vaticano"}));
    EXPECT_TRUE(c.dialoghi.boxes.empty());
    EXPECT_TRUE(formCatalogo->isVisible());
}

TEST(FormCatalogo, EmptyArchiveGivesAnEmptyList)
{
    CollezioneDiProva c;
    formCatalogo.Show();
    EXPECT_EQ(formCatalogo->Combo1->ListCount(), 0);
    EXPECT_TRUE(c.dialoghi.boxes.empty());
}

TEST(FormCatalogo, NewCatalogueIsStoredWithTodayAndTheListRefilled)
{
    CollezioneDiProva c;
    c.aggiungiCatalogo("Italia");
    formCatalogo.Show();
    formCatalogo->Combo1->setText("Francia");
    formCatalogo->Cmd_Agg->click();

    EXPECT_TRUE(c.dialoghi.boxes.empty()) << "no message confirms the creation";
    EXPECT_EQ(voci(formCatalogo->Combo1), (QStringList{"Francia", "Italia"}));
    EXPECT_EQ(c.numeroCataloghi(), 2);
    EXPECT_EQ(righeCatalogo(c, "NomeCatalogo='Francia' and DataCreazioneCatalogo='2026-12-11'"), 1);
    EXPECT_FALSE(formListaFilatelica.IsLoaded()) << "creating a catalogue does not open its list";
}

TEST(FormCatalogo, ExistingNameInOtherCaseIsRefusedWithTheMessage)
{
    CollezioneDiProva c;
    c.aggiungiCatalogo(QString::fromUtf8("Città del Vaticano"));
    formCatalogo.Show();
    formCatalogo->Combo1->setText(QString::fromUtf8("CITTÀ DEL VATICANO"));
    formCatalogo->Cmd_Agg->click();

    ASSERT_EQ(c.dialoghi.boxes.size(), 1u);
    const auto& box = c.dialoghi.boxes[0];
    EXPECT_EQ(box.prompt, QString::fromUtf8("Nome Catalogo già esistente!"));
    EXPECT_EQ(box.title, "ATTENZIONE");
    EXPECT_EQ(box.icon, MsgIcon::Information);
    EXPECT_EQ(box.buttons, std::vector<int>{vbOK});
    EXPECT_EQ(c.numeroCataloghi(), 1);
}

TEST(FormCatalogo, EmptyNameDoesNothing)
{
    CollezioneDiProva c;
    formCatalogo.Show();
    formCatalogo->Combo1->setText("");
    formCatalogo->Cmd_Agg->click();
    EXPECT_TRUE(c.dialoghi.boxes.empty());
    EXPECT_EQ(c.numeroCataloghi(), 0);
}

TEST(FormCatalogo, NameWithApostropheIsStoredAndFound)
{
    CollezioneDiProva c;
    formCatalogo.Show();
    formCatalogo->Combo1->setText("Repubblica dell'Ossola");
    formCatalogo->Cmd_Agg->click();
    EXPECT_TRUE(c.dialoghi.boxes.empty());
    EXPECT_EQ(voci(formCatalogo->Combo1), QStringList{"Repubblica dell'Ossola"});

    formCatalogo->Combo1->setText("repubblica dell'ossola");
    formCatalogo->Cmd_Agg->click();
    ASSERT_EQ(c.dialoghi.boxes.size(), 1u);
    EXPECT_EQ(c.dialoghi.boxes[0].prompt, QString::fromUtf8("Nome Catalogo già esistente!"));
    EXPECT_EQ(c.numeroCataloghi(), 1);
}

TEST(FormCatalogo, ArchiveErrorDuringCreationIsShownAndWritesNothing)
{
    CollezioneDiProva c;
    formCatalogo.Show();
    {
        platform::ado::Connection altra;
        altra.Open(c.archivio());
        altra.Execute("ALTER TABLE TabellaCatalogo RENAME TO TabellaSpostata");
    }
    formCatalogo->Combo1->setText("Francia");
    formCatalogo->Cmd_Agg->click();
    ASSERT_EQ(c.dialoghi.boxes.size(), 1u);
    EXPECT_EQ(c.dialoghi.boxes[0].title, "Albora");
    EXPECT_FALSE(c.dialoghi.boxes[0].prompt.isEmpty());

    // The recordset was left closed: the next command works again.
    {
        platform::ado::Connection altra;
        altra.Open(c.archivio());
        altra.Execute("ALTER TABLE TabellaSpostata RENAME TO TabellaCatalogo");
    }
    formCatalogo->Cmd_Agg->click();
    EXPECT_EQ(c.dialoghi.boxes.size(), 1u);
    EXPECT_EQ(c.numeroCataloghi(), 1);
}

TEST(FormCatalogo, ChoosingACatalogueOpensItsListTypingDoesNot)
{
    CollezioneDiProva c;
    c.aggiungiCatalogo("Italia");
    c.aggiungiCatalogo("Francia");
    formCatalogo.Show();
    formCatalogo->Combo1->setText("Italia");
    EXPECT_FALSE(formListaFilatelica.IsLoaded());

    formCatalogo->Combo1->chooseItem(1);  // "Italia"
    ASSERT_TRUE(formListaFilatelica.IsLoaded());
    EXPECT_EQ(formListaFilatelica->Text_Catalogo->Text(), "Italia");
    EXPECT_TRUE(formListaFilatelica->isVisible());
    EXPECT_TRUE(formCatalogo->isVisible()) << "the catalogue window stays";
}

TEST(FormCatalogo, ExitUnloadsAndEndsTheProgram)
{
    CollezioneDiProva c;
    formCatalogo.Show();
    formCatalogo->Cmd_Exit->click();
    EXPECT_FALSE(formCatalogo.IsLoaded());
    EXPECT_EQ(c.chiusure, 1);
}

TEST(FormCatalogo, LayoutFollowsTheTwipsTable)
{
    CollezioneDiProva c;
    formCatalogo.Show();
    FormCatalogo& f = *formCatalogo;
    EXPECT_EQ(f.windowTitle(), "Catalogo");
    EXPECT_EQ(f.size(), QSize(569, 198));
    EXPECT_EQ(f.Label1->geometry(), QRect(16, 16, 401, 41));
    EXPECT_EQ(f.Label1->Caption(), "CATALOGO FILATELICO");
    EXPECT_EQ(f.Label2->Caption(), "Seleziona/Nuovo Catalogo:");
    EXPECT_EQ(f.Combo1->geometry().topLeft(), QPoint(208, 88));
    EXPECT_EQ(f.Cmd_Backup->toolTip(), "Backup Archivio");
    EXPECT_EQ(f.Cmd_Agg->toolTip(), "Aggiorna e/o aggiunge Catalogo");
    EXPECT_EQ(f.Cmd_Exit->toolTip(), "Exit");
    EXPECT_EQ(f.Cmd_Exit->geometry(), QRect(496, 128, 57, 57));
    EXPECT_TRUE(f.Combo1->isEditable());

    // Tab order: Combo1, Cmd_Agg, Cmd_Exit, Cmd_Backup.
    QWidget* combo = f.Combo1;
    EXPECT_EQ(combo->nextInFocusChain()->nextInFocusChain() != nullptr, true);
    QWidget* w = f.Combo1;
    QStringList ordine;
    for (int i = 0; i < 8 && ordine.size() < 4; ++i) {
        w = w->nextInFocusChain();
        if (w == f.Cmd_Agg) ordine << "Cmd_Agg";
        if (w == f.Cmd_Exit) ordine << "Cmd_Exit";
        if (w == f.Cmd_Backup) ordine << "Cmd_Backup";
    }
    EXPECT_EQ(ordine, (QStringList{"Cmd_Agg", "Cmd_Exit", "Cmd_Backup"}));
}

}  // namespace
