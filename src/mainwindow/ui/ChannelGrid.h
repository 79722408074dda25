#pragma once
// The channel grid as the window's rules address it: row 0 is the header row,
// display column 0 the label column, cells are reached by (row, display
// column), widths are in twips. Underneath it is a QTableWidget whose
// horizontal header shows row 0 and whose vertical header shows column 0, so
// both stay in place while the cells scroll.
//
// Nothing the program does to the grid opens an editor or touches the system
// clipboard; the events a user causes are passed on as signals for the
// window's handlers.
#include <QColor>
#include <QRect>
#include <QString>
#include <QTableWidget>

class ChannelGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit ChannelGrid(QWidget* parent = nullptr);

    // Rows and columns, header row and label column included.
    int Rows() const { return rowCount() + 1; }
    void SetRows(int rows);
    int Cols() const { return columnCount() + 1; }
    void SetCols(int cols);

    QString TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const QString& text);

    int ColWidthTwips(int col) const;
    void SetColWidthTwips(int col, int twips);
    // Row 0 is the header row; other rows share one height.
    void SetRowHeightTwips(int row, int twips);

    void SetCellForeColor(int row, int col, const QColor& color);
    void SetCellBackColor(int row, int col, const QColor& color);
    QColor CellForeColor(int row, int col) const;
    QColor CellBackColor(int row, int col) const;

    // Switches painting off while many cells change.
    void SetRedraw(bool on);

    // The current cell. Moving it from the program raises EnterCell like a
    // user's move, but never scrolls the grid.
    int Row() const;
    int Col() const;
    void SetCurrentCell(int row, int col);

    // Scrolls to the first row and column.
    void ShowTopLeft();
    // Widens display column `col` (never narrows it) so that its header text
    // and `sample`, the widest text its cells show, fit.
    void FitColumnTo(int col, const QString& sample);

    // A cell's rectangle in the grid's own pixel coordinates (for an editor
    // placed over it).
    QRect CellRect(int row, int col) const;

signals:
    // The current cell changed.
    void EnterCell();
    void Click();
    void DblClick();
    // `key` is the key code (letters as their upper-case character code),
    // `shift` the modifiers: 1 Shift, 2 Ctrl, 4 Alt.
    void KeyDown(int key, int shift);
    // A typed character (13 for Enter).
    void KeyPress(int key);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void updateGeometries() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FitLastColumn();
    QTableWidgetItem* Item(int row, int col) const;
    QTableWidgetItem* EnsureItem(int row, int col);

    QString cornerText_;
    QColor cornerFore_;
    QWidget* cornerButton_ = nullptr;
    int labelWidthPx_ = 0;
};
