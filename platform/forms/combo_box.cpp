// Editable drop-down combo box.  Only choosing a row of the list clicks it:
// typing a text that happens to be in the list does not.
#include "forms/controls.h"

#include <QLineEdit>

namespace platform::forms {

ComboBox::ComboBox(QWidget* parent, const Twips& where)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);  // Enter does not add the typed text to the list
    setCompleter(nullptr);                 // the typed text stays as typed
    setMaxVisibleItems(8);
    // Qt picks the matching row when editing ends, and reports that as a
    // choice; here only a real choice counts.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    connect(this, &QComboBox::activated, this, [this](int) { emit Click(); });
    placeTwips(this, where);
}

QString ComboBox::Text() const
{
    return currentText();
}

void ComboBox::setText(const QString& text)
{
    setEditText(text);
    // A long value shows from its beginning, as a text box does.
    if (lineEdit())
        lineEdit()->setCursorPosition(0);
}

void ComboBox::AddItem(const QString& item)
{
    // Qt makes the first row added the current one, text included; here
    // adding rows never changes the text part.
    const QString typed = currentText();
    addItem(item);
    if (count() == 1) {
        setCurrentIndex(-1);
        setEditText(typed);
    }
}

void ComboBox::Clear()
{
    clear();
    clearEditText();
}

int ComboBox::ListCount() const
{
    return count();
}

QString ComboBox::List(int index) const
{
    return itemText(index);
}

void ComboBox::setFontSpec(const FontSpec& spec)
{
    setFont(makeFont(spec));
}

void ComboBox::chooseItem(int index)
{
    if (index < 0 || index >= count())
        return;
    setCurrentIndex(index);
    setEditText(itemText(index));
    emit Click();
}

}  // namespace platform::forms
