#pragma once
// The editable grid of the windows and dialogs, addressed as they were
// drawn: cells by (row, column) from 0, widths and heights in twips. The
// first FixedRows() rows and FixedCols() columns are fixed: they stay in
// place while the other cells scroll, they draw like headers, and the user
// cannot make one of their cells current (the program can).
//
// Underneath it is a table view over the grid's cells (GridCells.h): the
// model's items are the cells that scroll, the fixed rows and columns are
// its column and row headers. The view's two header bands draw the fixed
// cells from there, and its corner the cells where they meet, so what an
// accessibility interface reports of a header is what the grid shows.
//
// The grid edits nothing itself: a dialog places its own editors over a
// cell (CellRect, CellEditorHost.h). Nothing the program does to the grid
// opens an editor or touches the system clipboard, and moving its current
// cell never scrolls it; what the user does is passed on as signals. The
// arrow keys move the current cell; Tab and Shift+Tab leave the grid for the
// next or previous control of the window's tab order.
// Everything works on a grid that was never shown (printing reads dialogs
// loaded hidden).
#include <vector>

#include <QColor>
#include <QRect>
#include <QString>
#include <QTableView>

class QHeaderView;

namespace platform {

class GridCells;

class Grid : public QTableView {
    Q_OBJECT
public:
    // One row and one column, both fixed.
    explicit Grid(QWidget* parent = nullptr);

    // Rows and columns, fixed ones included. Rows and columns beyond the
    // new count are dropped; new ones are empty.
    int Rows() const;
    void SetRows(int rows);
    int Cols() const;
    void SetCols(int cols);
    // Fixed rows and columns (at most all of them); their cells keep their
    // texts, colours and sizes when the number changes.
    int FixedRows() const;
    void SetFixedRows(int rows);
    int FixedCols() const;
    void SetFixedCols(int cols);

    // The text of a cell; "" outside the grid. Fixed cells show a CR LF as a
    // line break.
    QString TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const QString& text);
    // The text of the current cell.
    QString Text() const { return TextMatrix(row_, col_); }

    int ColWidthTwips(int col) const;
    void SetColWidthTwips(int col, int twips);
    // A fixed row is never lower than its texts need.
    int RowHeightTwips(int row) const;
    void SetRowHeightTwips(int row, int twips);
    // How the cells of a column place their text; centred unless set.
    Qt::Alignment ColAlignment(int col) const;
    void SetColAlignment(int col, Qt::Alignment alignment);

    // Colours of one cell; an invalid colour for one never set.
    void SetCellForeColor(int row, int col, const QColor& color);
    void SetCellBackColor(int row, int col, const QColor& color);
    QColor CellForeColor(int row, int col) const;
    // A cell that scrolls without a background of its own shows its row's.
    QColor CellBackColor(int row, int col) const;
    // The background of the cells of `row` that scroll and have none of their
    // own: one call for a whole row, kept with the row, not in each cell. An
    // invalid colour takes it away.
    void SetRowBackColor(int row, const QColor& color);

    // Switches painting off while many cells change.
    void SetRedraw(bool on);

    // The current cell, (0, 0) until one was made current. Setting it to
    // another cell raises EnterCell once, as the user's move does, and never
    // scrolls the grid; setting the cell it already is raises nothing.
    int Row() const { return row_; }
    int Col() const { return col_; }
    void SetRow(int row) { SetCurrentCell(row, col_); }
    void SetCol(int col) { SetCurrentCell(row_, col); }
    void SetCurrentCell(int row, int col);

    // Scrolls to the first row and column.
    void ShowTopLeft();
    // Scrolls the least that brings cell (row, col) wholly into view, along
    // the axes on which it scrolls (a fixed row or column is always in
    // view); raises Scroll when the cells move.
    void ScrollToCell(int row, int col);
    // Widens column `col` (never narrows it) so that its fixed cells' texts
    // and `sample`, the widest text its cells show, fit.
    void FitColumnTo(int col, const QString& sample);
    // The last column takes whatever width the others leave (none when they
    // do not fit).
    void SetLastColumnFills(bool on);

    // A cell's rectangle in the grid's own pixel coordinates, to place an
    // editor exactly over it (a cell that scrolls without its grid line);
    // the current cell's without arguments. Empty outside the grid.
    QRect CellRect(int row, int col) const;
    QRect CellRect() const { return CellRect(row_, col_); }

signals:
    // The current cell changed (the user's move or the program's).
    void EnterCell();
    // A click or a double click on a cell that is not fixed.
    void Click();
    void DblClick();
    // The cells scrolled.
    void Scroll();
    // `key` is the key code (letters as their upper-case character code),
    // `shift` the modifiers: 1 Shift, 2 Ctrl, 4 Alt.
    void KeyDown(int key, int shift);
    // A typed character (13 for Enter).
    void KeyPress(int key);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void updateGeometries() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class FixedBand;
    friend class FixedBand;
    class EmptyCellPanel;

    bool Inside(int row, int col) const { return row >= 0 && col >= 0 && row < Rows() && col < Cols(); }

    // The columns or the rows: how many, how many fixed, the sizes of the
    // fixed ones (-1: the usual size) and the band the others lie along.
    struct Lines {
        int count;
        int fixed;
        std::vector<int>& fixedPx;
        QHeaderView& band;
    };
    Lines ColLines() const;
    Lines RowLines() const;
    static int SizePx(const Lines& lines, int i);
    void SetSizePx(const Lines& lines, int i, int px);
    int ColWidthPx(int col) const;
    void SetColWidthPx(int col, int px);
    int RowHeightPx(int row) const;
    // What the texts of fixed row `row` need.
    int TextHeightPx(int row) const;
    void SetRowHeightPx(int row, int px);
    int FixedWidthPx() const;
    int FixedHeightPx() const;
    void PaintFixedCell(QPainter& painter, const QRect& rect, int row, int col, const QWidget* on) const;
    // The bands follow their cells themselves; the corner does not.
    void UpdateCorner(int row, int col);
    void FixedBandsChanged();
    // Qt's current cell follows the grid's, without scrolling.
    void SyncCurrent();
    // Keeps the current cell inside the grid after it shrank.
    void ClampCurrent();
    void Refix(int fixedRows, int fixedCols);
    void FitLastColumn();

    GridCells* cells_;
    // Sizes of the fixed rows and columns in pixels; -1: the usual size.
    std::vector<int> fixedRowPx_;
    std::vector<int> fixedColPx_;
    int row_ = 0;
    int col_ = 0;
    // The grid itself moves Qt's current cell: not the user's move.
    bool moving_ = false;
    bool lastColumnFills_ = false;
    FixedBand* topBand_ = nullptr;
    FixedBand* leftBand_ = nullptr;
    QWidget* corner_ = nullptr;
};

}  // namespace platform
