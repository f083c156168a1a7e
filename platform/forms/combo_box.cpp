// Editable drop-down combo box.  Only choosing a row of the list clicks it:
// typing a text that happens to be in the list does not.
#include "forms/controls.h"
#include "forms/packed_texts.h"

#include <QAbstractListModel>
#include <QLineEdit>
#include <QTimer>

namespace platform::forms {

// The list's rows.  Filling a list of thousands of names row by row through
// QComboBox would cost one model signal and one item object per row; here
// the rows are kept as plain text and the view hears of them in one batch.
// The texts are packed, so that a list of thousands of names is not
// thousands of allocations made and freed again at every load of its window.
class ComboBox::Rows : public QAbstractListModel {
public:
    explicit Rows(QObject* parent) : QAbstractListModel(parent) {}

    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : announced_;
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= announced_ || (role != Qt::DisplayRole && role != Qt::EditRole))
            return {};
        return item(index.row());
    }

    int count() const { return texts_.size(); }
    QString item(int row) const { return texts_.at(row); }
    bool pending() const { return announced_ < count(); }

    void append(const QString& item) { texts_.append(item); }

    void announce()
    {
        if (!pending())
            return;
        beginInsertRows(QModelIndex(), announced_, count() - 1);
        announced_ = count();
        endInsertRows();
    }

    void clear()
    {
        beginResetModel();
        texts_.clear();
        announced_ = 0;
        endResetModel();
    }

private:
    PackedTexts texts_;
    int announced_ = 0;
};

ComboBox::ComboBox(QWidget* parent, const Twips& where)
    : QComboBox(parent), rows_(new Rows(this))
{
    setModel(rows_);
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
    if (!rows_->pending())
        QTimer::singleShot(0, this, [this] { announceRows(); });
    rows_->append(item);
}

void ComboBox::announceRows()
{
    // Qt makes the first row of an empty list the current one, text
    // included; here adding rows never changes the text part.
    const bool wasEmpty = count() == 0;
    const QString typed = currentText();
    rows_->announce();
    if (wasEmpty && count() > 0) {
        setCurrentIndex(-1);
        setEditText(typed);
    }
}

void ComboBox::showPopup()
{
    announceRows();
    QComboBox::showPopup();
}

void ComboBox::Clear()
{
    rows_->clear();
    clearEditText();
}

int ComboBox::ListCount() const
{
    return rows_->count();
}

QString ComboBox::List(int index) const
{
    if (index < 0 || index >= ListCount())
        return QString();
    return rows_->item(index);
}

void ComboBox::setFontSpec(const FontSpec& spec)
{
    setFont(makeFont(spec));
}

void ComboBox::chooseItem(int index)
{
    announceRows();
    if (index < 0 || index >= count())
        return;
    setCurrentIndex(index);
    setEditText(itemText(index));
    emit Click();
}

}  // namespace platform::forms
