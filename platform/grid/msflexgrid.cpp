#include "grid/msflexgrid.h"

#include <algorithm>

#include "forms/form.h"
#include "grid/grid_model.h"
#include "runtime/error.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPalette>
#include <QStyle>
#include <QStyledItemDelegate>
#include <vector>

namespace platform::grid {

namespace {

constexpr int ErrSubscriptOutOfRange = 381;
constexpr int DefaultColWidthTwips = 960;

// Numbers stand against the right edge of their cell; one too wide for its
// cell is drawn from the left edge instead, so that what gets cut off is the
// end and not the leading digits.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!(option->displayAlignment & Qt::AlignRight))
            return;
        const int margins = 2 * (option->widget ? option->widget->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1 : 4);
        if (option->fontMetrics.horizontalAdvance(option->text) > option->rect.width() - margins)
            option->displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    }
};

}  // namespace

MSFlexGrid::MSFlexGrid(QWidget* parent, const forms::Twips& where)
    : QTableView(parent), model_(new GridModel(this))
{
    model_->setFixedColour(QApplication::palette().color(QPalette::Button));
    setModel(model_);
    setItemDelegate(new CellDelegate(this));
    // The keyboard moves the current row as well.
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { currentRow_ = current.isValid() ? current.row() : -1; });
    forms::placeTwips(this, where);

    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultSectionSize(forms::px(DefaultColWidthTwips));
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setCornerButtonEnabled(false);
    setFocusPolicy(Qt::StrongFocus);
    setFontSpec({});
}

MSFlexGrid::~MSFlexGrid() = default;

void MSFlexGrid::Clear()
{
    model_->clear();
}

int MSFlexGrid::Rows() const
{
    return model_->rows();
}

void MSFlexGrid::setRows(int rows)
{
    // Removing rows may move the view's current index; the grid's own current
    // row only changes when it no longer exists.
    const int before = currentRow_;
    model_->setRows(rows);
    currentRow_ = std::min(before, model_->rows() - 1);
}

int MSFlexGrid::Cols() const
{
    return model_->cols();
}

void MSFlexGrid::setCols(int cols)
{
    model_->setCols(cols);
    applyColumnWidths();
}

int MSFlexGrid::FixedRows() const
{
    return model_->fixedRows();
}

void MSFlexGrid::setFixedRows(int rows)
{
    model_->setFixedRows(rows);
}

int MSFlexGrid::FixedCols() const
{
    return model_->fixedCols();
}

void MSFlexGrid::setFixedCols(int cols)
{
    model_->setFixedCols(cols);
}

int MSFlexGrid::ColWidth(int col) const
{
    if (col < 0 || col >= Cols())
        throw runtime::Error(ErrSubscriptOutOfRange, "Indice non compreso nell'intervallo");
    const auto at = static_cast<std::size_t>(col);
    return at < widthsTwips_.size() && widthsTwips_[at] >= 0 ? widthsTwips_[at] : DefaultColWidthTwips;
}

void MSFlexGrid::setColWidth(int col, int twips)
{
    if (col < 0 || col >= Cols() || twips < 0)
        throw runtime::Error(ErrSubscriptOutOfRange, "Indice non compreso nell'intervallo");
    const auto at = static_cast<std::size_t>(col);
    if (widthsTwips_.size() <= at)
        widthsTwips_.resize(at + 1, -1);
    widthsTwips_[at] = twips;
    setColumnWidth(col, forms::px(twips));
}

void MSFlexGrid::applyColumnWidths()
{
    if (widthsTwips_.size() > static_cast<std::size_t>(Cols()))
        widthsTwips_.resize(static_cast<std::size_t>(Cols()));
    for (int col = 0; col < Cols(); ++col)
        setColumnWidth(col, forms::px(ColWidth(col)));
}

void MSFlexGrid::AddItem(const QString& line)
{
    model_->addItem(line);
}

QString MSFlexGrid::TextMatrix(int row, int col) const
{
    if (row < 0 || row >= Rows() || col < 0 || col >= Cols())
        throw runtime::Error(ErrSubscriptOutOfRange, "Indice non compreso nell'intervallo");
    return model_->cell(row, col).toString();
}

int MSFlexGrid::Row() const
{
    return currentRow_;
}

void MSFlexGrid::setRow(int row)
{
    if (row < 0 || row >= Rows())
        throw runtime::Error(ErrSubscriptOutOfRange, "Indice non compreso nell'intervallo");
    model_->announceAppendedRows();
    currentRow_ = row;
    setCurrentIndex(model_->index(row, 0));
}

void MSFlexGrid::setFontSpec(const forms::FontSpec& spec)
{
    setFont(forms::makeFont(spec));
    applyRowHeight();
}

void MSFlexGrid::applyRowHeight()
{
    verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + 4);
}

void MSFlexGrid::clickRow(int row)
{
    if (row < 0 || row >= Rows()) {
        emit Click(-1);
        return;
    }
    setRow(row);
    emit Click(row);
}

void MSFlexGrid::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const int row = rowAt(event->position().toPoint().y());
    clickRow(row);
}

}  // namespace platform::grid
