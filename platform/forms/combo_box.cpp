// Editable drop-down combo box.  Only choosing a row of the list clicks it:
// typing a text that happens to be in the list does not.
#include "forms/controls.h"

#include <QAbstractListModel>
#include <QLineEdit>
#include <QTimer>
#include <vector>

namespace platform::forms {

// The list's rows.  Filling a list of thousands of names row by row through
// QComboBox would cost one model signal and one item object per row; here
// the rows are kept as plain text and the view hears of them in one batch.
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
        return items_[static_cast<std::size_t>(index.row())];
    }

    const std::vector<QString>& items() const { return items_; }
    bool pending() const { return announced_ < static_cast<int>(items_.size()); }

    void append(const QString& item) { items_.push_back(item); }

    void announce()
    {
        if (!pending())
            return;
        beginInsertRows(QModelIndex(), announced_, static_cast<int>(items_.size()) - 1);
        announced_ = static_cast<int>(items_.size());
        endInsertRows();
    }

    void clear()
    {
        beginResetModel();
        items_.clear();
        announced_ = 0;
        endResetModel();
    }

private:
    std::vector<QString> items_;
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
    return static_cast<int>(rows_->items().size());
}

QString ComboBox::List(int index) const
{
    if (index < 0 || index >= ListCount())
        return QString();
    return rows_->items()[static_cast<std::size_t>(index)];
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
