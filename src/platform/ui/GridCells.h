#pragma once
// The cells of a grid (Grid.h), fixed ones included, in the one place its
// view draws them from and an accessibility interface reads them from.
// The model's own items are the cells that scroll. The fixed rows above a
// column are that column's header, the fixed columns beside a row that
// row's header: a screen reader hears the header texts and row labels the
// grid shows, never numbers of its own.
//
// Cells are addressed as the grid addresses them, fixed ones included:
// (row, col) from 0.
#include <vector>

#include <QAbstractTableModel>
#include <QBrush>
#include <QColor>
#include <QString>

namespace platform {

class GridCells : public QAbstractTableModel {
public:
    struct Cell {
        QString text;
        // Solid, or Qt::NoBrush for the view's own colour; kept as brushes,
        // the form the view draws with.
        QBrush fore;
        QBrush back;
    };
    // A cell's colour; invalid for the view's own.
    static QColor ColorOf(const QBrush& brush) { return brush.style() == Qt::NoBrush ? QColor() : brush.color(); }

    // One row and one column, both fixed.
    explicit GridCells(QObject* parent);

    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    int FixedRows() const { return fixedRows_; }
    int FixedCols() const { return fixedCols_; }
    // Never fewer than the fixed ones. The cells that remain keep their
    // contents and the view the sizes of their lines; new ones are empty.
    void SetRows(int rows);
    void SetCols(int cols);
    // Every cell keeps its contents; the view starts over (the sizes of its
    // lines are lost).
    void SetFixed(int rows, int cols);

    // nullptr outside the grid.
    const Cell* At(int row, int col) const;
    void SetText(int row, int col, const QString& text);
    void SetFore(int row, int col, const QColor& color);
    void SetBack(int row, int col, const QColor& color);
    // The background of the cells of a row that scroll and have none of
    // their own: kept with the row, not in each cell, so that colouring
    // every other row of a long grid costs one change a row. An invalid
    // colour takes it away; a row dropped takes its colour with it.
    void SetRowBack(int row, const QColor& color);
    QColor RowBack(int row) const;
    // How the cells of a column place their text.
    Qt::Alignment Alignment(int col) const;
    void SetAlignment(int col, Qt::Alignment alignment);

    // A fixed cell's text as it is drawn: a CR LF is a line break.
    static QString Shown(const QString& text);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    void multiData(const QModelIndex& index, QModelRoleDataSpan roleDataSpan) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    Cell* Mutable(int row, int col);
    template <class T>
    void Set(int row, int col, T Cell::*part, const T& value, int role);
    // The cell of a model index; nullptr for one of another model or none.
    const Cell* ItemCell(const QModelIndex& index) const;
    QVariant Value(const Cell& cell, int row, int col, int role) const;
    // What the header of a column (the fixed rows, one line each) or of a
    // row (the fixed columns, side by side) shows.
    QString HeaderText(Qt::Orientation orientation, int section) const;
    // Tells the view that a cell changed: an item, a header, or nothing for a
    // cell where the fixed rows and columns meet.
    void Changed(int row, int col, int role);

    int rows_ = 1;
    int cols_ = 1;
    int fixedRows_ = 1;
    int fixedCols_ = 1;
    // Row by row.
    std::vector<Cell> cells_;
    std::vector<Qt::Alignment> alignment_;
    // Row backgrounds by row; shorter when the last rows have none.
    std::vector<QBrush> rowBack_;
};

}  // namespace platform
