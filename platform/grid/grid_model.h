#pragma once
// The cells of an MSFlexGrid.  Each row is one text holding its cells joined
// by tabs, as AddItem received it, so a row costs one string and a cell is
// found by counting tabs.  Rows appended one by one are announced to the
// view in one batch, once control is back in the event loop (or before the
// next change of shape), so that filling many rows costs no per-row work in
// the view.

#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <QStringView>
#include <vector>

namespace platform::grid {

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int rows() const { return static_cast<int>(lines_.size()); }
    int cols() const { return cols_; }
    void setRows(int rows);
    void setCols(int cols);
    int fixedRows() const { return fixedRows_; }
    int fixedCols() const { return fixedCols_; }
    void setFixedRows(int rows);
    void setFixedCols(int cols);

    void clear();
    void addItem(const QString& line);
    QStringView cell(int row, int col) const;

    // Tells the views about the rows appended since the last announcement.
    void announceAppendedRows();

    void setFixedColour(const QColor& colour) { fixedColour_ = colour; }

private:
    QString keepColumns(const QString& line) const;
    bool isFixed(int row, int col) const { return row < fixedRows_ || col < fixedCols_; }

    std::vector<QString> lines_;
    int cols_ = 2;
    int fixedRows_ = 1;
    int fixedCols_ = 1;
    int announcedRows_ = 0;
    bool announcementQueued_ = false;
    QColor fixedColour_;
};

}  // namespace platform::grid
