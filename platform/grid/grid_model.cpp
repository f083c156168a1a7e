#include "grid/grid_model.h"

#include <QMetaObject>
#include <algorithm>

namespace platform::grid {

namespace {

// Position just after the n-th tab of the line, or -1 when it has fewer.
qsizetype afterTab(QStringView line, int n)
{
    qsizetype at = 0;
    for (int found = 0; found < n; ++found) {
        const qsizetype tab = line.indexOf(u'\t', at);
        if (tab < 0)
            return -1;
        at = tab + 1;
    }
    return at;
}

// Numbers are drawn against the right edge of their cell, other text against
// the left one.
bool looksLikeNumber(QStringView text)
{
    bool digit = false;
    for (QChar c : text) {
        if (c.isDigit())
            digit = true;
        else if (c != u'.' && c != u',' && c != u'-' && c != u'+' && c != u' ')
            return false;
    }
    return digit;
}

}  // namespace

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent)
{
    lines_.resize(2);
    announcedRows_ = 2;
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : announcedRows_;
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : cols_;
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return cell(index.row(), index.column()).toString();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(
            Qt::AlignVCenter | (looksLikeNumber(cell(index.row(), index.column())) ? Qt::AlignRight : Qt::AlignLeft));
    case Qt::BackgroundRole:
        if (isFixed(index.row(), index.column()) && fixedColour_.isValid())
            return fixedColour_;
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QStringView GridModel::cell(int row, int col) const
{
    const QStringView line(lines_[static_cast<std::size_t>(row)]);
    const qsizetype start = afterTab(line, col);
    if (start < 0)
        return {};
    const qsizetype tab = line.indexOf(u'\t', start);
    return tab < 0 ? line.mid(start) : line.mid(start, tab - start);
}

QString GridModel::keepColumns(const QString& line) const
{
    if (cols_ == 0)
        return {};
    const qsizetype cut = afterTab(line, cols_);
    return cut < 0 ? line : line.left(cut - 1);
}

void GridModel::addItem(const QString& line)
{
    lines_.push_back(keepColumns(line));
    if (!announcementQueued_) {
        announcementQueued_ = true;
        QMetaObject::invokeMethod(this, [this] { announceAppendedRows(); }, Qt::QueuedConnection);
    }
}

void GridModel::announceAppendedRows()
{
    announcementQueued_ = false;
    if (rows() <= announcedRows_)
        return;
    beginInsertRows(QModelIndex(), announcedRows_, rows() - 1);
    announcedRows_ = rows();
    endInsertRows();
}

void GridModel::setRows(int rows)
{
    announceAppendedRows();
    rows = std::max(rows, 0);
    if (rows < announcedRows_) {
        beginRemoveRows(QModelIndex(), rows, announcedRows_ - 1);
        lines_.resize(static_cast<std::size_t>(rows));
        lines_.shrink_to_fit();
        announcedRows_ = rows;
        endRemoveRows();
    } else if (rows > announcedRows_) {
        beginInsertRows(QModelIndex(), announcedRows_, rows - 1);
        lines_.resize(static_cast<std::size_t>(rows));
        announcedRows_ = rows;
        endInsertRows();
    }
    fixedRows_ = std::min(fixedRows_, rows);
}

void GridModel::setCols(int cols)
{
    announceAppendedRows();
    cols = std::max(cols, 0);
    if (cols == cols_)
        return;
    if (cols < cols_) {
        beginRemoveColumns(QModelIndex(), cols, cols_ - 1);
        cols_ = cols;
        for (QString& line : lines_)
            line = keepColumns(line);
        endRemoveColumns();
    } else {
        beginInsertColumns(QModelIndex(), cols_, cols - 1);
        cols_ = cols;
        endInsertColumns();
    }
    fixedCols_ = std::min(fixedCols_, cols);
}

void GridModel::setFixedRows(int rows)
{
    fixedRows_ = std::clamp(rows, 0, this->rows());
    if (announcedRows_ > 0 && cols_ > 0)
        emit dataChanged(index(0, 0), index(announcedRows_ - 1, cols_ - 1), {Qt::BackgroundRole});
}

void GridModel::setFixedCols(int cols)
{
    fixedCols_ = std::clamp(cols, 0, cols_);
    if (announcedRows_ > 0 && cols_ > 0)
        emit dataChanged(index(0, 0), index(announcedRows_ - 1, cols_ - 1), {Qt::BackgroundRole});
}

void GridModel::clear()
{
    for (QString& line : lines_)
        line = QString();
    if (announcedRows_ > 0 && cols_ > 0)
        emit dataChanged(index(0, 0), index(announcedRows_ - 1, cols_ - 1));
}

}  // namespace platform::grid
