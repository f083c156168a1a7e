#pragma once
// A read-only grid of text cells filled a row at a time, sized in twips, with
// fixed (header-style) rows and columns drawn in grey.  Rows are kept
// compactly, one text per row, so that a hundred thousand of them fill at
// once and scroll smoothly.
//
//   auto* grid = new MSFlexGrid(this, {360, 1320, 11895, 4935});
//   grid->Clear();
//   grid->setRows(0);
//   grid->setCols(3);
//   grid->setColWidth(0, 600);
//   grid->AddItem("12\tItalia\t1.234,50");   // one row, split at the tabs
//   grid->TextMatrix(0, 2);                   // "1.234,50"
//   connect(grid, &MSFlexGrid::Click, this, [](int row) { ... });
//
// A new grid has two rows and two columns, of which one row and one column
// are fixed.

#include "forms/controls.h"

#include <QString>
#include <QTableView>
#include <vector>

namespace platform::grid {

class GridModel;

class MSFlexGrid : public QTableView {
    Q_OBJECT
public:
    MSFlexGrid(QWidget* parent, const forms::Twips& where);
    ~MSFlexGrid() override;

    // Empties every cell; the rows, columns and widths stay.
    void Clear();

    int Rows() const;
    // Adds empty rows at the end or drops rows from the end.  Fewer rows than
    // fixed rows make the surplus fixed rows go as well; when the current row
    // goes, the last row left becomes current.
    void setRows(int rows);
    int Cols() const;
    // Adds empty columns at the right or drops columns (and their text) from
    // the right; fewer columns than fixed columns make those go as well.
    void setCols(int cols);

    int FixedRows() const;
    void setFixedRows(int rows);  // at most Rows()
    int FixedCols() const;
    void setFixedCols(int cols);  // at most Cols()

    int ColWidth(int col) const;  // twips
    void setColWidth(int col, int twips);

    // Appends one row; the line is split at tab characters into the cells
    // from column 0 on.  Missing cells stay empty, surplus pieces are dropped.
    void AddItem(const QString& line);

    // Text of a cell; a cell outside the grid raises "Indice non compreso
    // nell'intervallo" (runtime error 381).
    QString TextMatrix(int row, int col) const;

    // The current row: the row last clicked, set or moved to with the
    // keyboard; -1 when there is none.
    int Row() const;
    void setRow(int row);

    void setFontSpec(const forms::FontSpec& spec);

    // What a user's click does: a click on a row makes it the current row
    // and emits Click with it; a row the grid does not have stands for the
    // empty area below the rows, and emits Click(-1) leaving Row() alone.
    void clickRow(int row);

signals:
    void Click(int row);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void applyColumnWidths();
    void applyRowHeight();

    GridModel* model_;
    std::vector<int> widthsTwips_;  // -1: the default width
    int currentRow_ = -1;
};

}  // namespace platform::grid
