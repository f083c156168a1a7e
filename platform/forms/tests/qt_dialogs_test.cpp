// The real Qt boxes, answered by a click from inside their own event loop.
#include "forms/qt_dialogs.h"
#include "forms/test_main.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace platform::forms;

namespace {

// Runs `answer` on the modal dialog as soon as it is up; closes it whatever happens.
template <class Dialog>
void whenShown(std::function<void(Dialog*)> answer)
{
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no modal dialog";
            return;
        }
        answer(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

QStringList buttonTexts(QMessageBox* box)
{
    QStringList texts;
    for (QAbstractButton* button : box->buttons())
        texts << button->text();
    texts.sort();
    return texts;
}

QAbstractButton* buttonNamed(QMessageBox* box, const QString& text)
{
    for (QAbstractButton* button : box->buttons()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

TEST(QtDialogs, MessageBoxShowsItalianButtonsAndAnswersTheClickedOne)
{
    QtDialogs dialogs;
    QString title, text;
    QStringList texts;
    QString defaultText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenShown<QMessageBox>([&](QMessageBox* box) {
        title = box->windowTitle();
        text = box->text();
        texts = buttonTexts(box);
        icon = box->icon();
        defaultText = box->defaultButton() ? box->defaultButton()->text() : QString();
        if (QAbstractButton* no = buttonNamed(box, "No"))
            no->click();
    });
    const int answer = dialogs.messageBox(
        describeMessageBox("Sicuro di voler eliminare questa Foto? \rNon si torna indietro", vbYesNo + vbCritical,
                           "ATTENZIONE"));
    EXPECT_EQ(answer, vbNo);
    EXPECT_EQ(title, "ATTENZIONE");
    EXPECT_EQ(text, "Sicuro di voler eliminare questa Foto? \nNon si torna indietro");
    EXPECT_EQ(texts, (QStringList{"No", "Sì"}));
    EXPECT_EQ(defaultText, "Sì");
    EXPECT_EQ(icon, QMessageBox::Critical);
}

TEST(QtDialogs, EscapeAnswersCancelWhenThereIsOne)
{
    QtDialogs dialogs;
    QStringList texts;
    whenShown<QMessageBox>([&](QMessageBox* box) {
        texts = buttonTexts(box);
        box->reject();
    });
    EXPECT_EQ(dialogs.messageBox(describeMessageBox("Copia?", vbOKCancel + vbInformation, "ATTENZIONE")), vbCancel);
    EXPECT_EQ(texts, (QStringList{"Annulla", "OK"}));
}

TEST(QtDialogs, InputBoxGivesTheTextOrNothingWhenCancelled)
{
    QtDialogs dialogs;
    InputBoxRequest request{"Lettera?", "Copia di salvataggio", "", 7300, 4500};
    QPoint where;
    whenShown<QInputDialog>([&](QInputDialog* dialog) {
        where = dialog->pos();
        dialog->setTextValue("f");
        dialog->accept();
    });
    EXPECT_EQ(dialogs.inputBox(request), QString("f"));
    EXPECT_EQ(where, QPoint(487, 300));

    whenShown<QInputDialog>([](QInputDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(dialogs.inputBox(request), std::nullopt);
}

TEST(QtDialogs, FileFiltersBecomeQtFilters)
{
    EXPECT_EQ(qtFileFilter(""), "");
    EXPECT_EQ(qtFileFilter("Immagini|*.jpg;*.bmp|Tutti i file|*.*"), "Immagini (*.jpg *.bmp);;Tutti i file (*.*)");
}

}  // namespace
