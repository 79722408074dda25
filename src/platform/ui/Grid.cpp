#include "platform/ui/Grid.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>

#include "platform/Twips.h"
#include "platform/ui/GridCells.h"

namespace platform {
namespace {

using Cell = GridCells::Cell;

// The palette of a fixed cell with colours of its own. The style keeps the
// header pixmaps it draws under the palette's identity; a palette altered
// afresh at every paint is a new identity each time, and its pixmaps crowd
// Qt's pixmap cache until it is full. One palette per base and colours,
// shared by every grid, draws the same cell from the same pixmap.
const QPalette& CellPalette(const QPalette& base, const QColor& fore, const QColor& back) {
    struct Entry {
        qint64 base;
        QColor fore;
        QColor back;
        QPalette palette;
    };
    static std::vector<Entry> palettes;
    const qint64 baseKey = base.cacheKey();
    for (const Entry& e : palettes)
        if (e.base == baseKey && e.fore == fore && e.back == back) return e.palette;
    // A program uses a handful of cell colours over one or two bases; a
    // palette changed on the fly must not grow the list without end.
    if (palettes.size() >= 64) palettes.clear();
    QPalette palette = base;
    if (fore.isValid()) palette.setColor(QPalette::ButtonText, fore);
    if (back.isValid()) {
        palette.setColor(QPalette::Button, back);
        palette.setColor(QPalette::Window, back);
    }
    palettes.push_back({baseKey, fore, back, palette});
    return palettes.back().palette;
}

// The key codes the handlers compare with: character codes for letters and
// digits, the old virtual-key numbers for the rest they know.
int KeyCode(const QKeyEvent* e) {
    const int k = e->key();
    if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9)) return k;
    switch (k) {
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Tab: return 9;
        case Qt::Key_Return:
        case Qt::Key_Enter: return 13;
        case Qt::Key_Shift: return 16;
        case Qt::Key_Control: return 17;
        case Qt::Key_Alt: return 18;
        case Qt::Key_Escape: return 27;
        case Qt::Key_Space: return 32;
        case Qt::Key_PageUp: return 33;
        case Qt::Key_PageDown: return 34;
        case Qt::Key_End: return 35;
        case Qt::Key_Home: return 36;
        case Qt::Key_Left: return 37;
        case Qt::Key_Up: return 38;
        case Qt::Key_Right: return 39;
        case Qt::Key_Down: return 40;
        case Qt::Key_Insert: return 45;
        case Qt::Key_Delete: return 46;
        default: return k;
    }
}

int ShiftState(Qt::KeyboardModifiers m) {
    int s = 0;
    if (m & Qt::ShiftModifier) s |= 1;
    if (m & Qt::ControlModifier) s |= 2;
    if (m & Qt::AltModifier) s |= 4;
    return s;
}

}  // namespace

// A header of the table that draws the grid's fixed cells: above each
// column the fixed rows, beside each row the fixed columns. Its thickness is
// theirs; a click on it does nothing.
class Grid::FixedBand : public QHeaderView {
public:
    FixedBand(Qt::Orientation orientation, Grid* grid) : QHeaderView(orientation, grid), grid_(grid) {
        setSectionResizeMode(QHeaderView::Fixed);
        setSectionsClickable(false);
        setHighlightSections(false);
        setMinimumSectionSize(0);
    }
    QSize sizeHint() const override {
        if (orientation() == Qt::Horizontal) return {length(), grid_->FixedHeightPx()};
        return {grid_->FixedWidthPx(), length()};
    }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
        if (!rect.isValid()) return;
        if (orientation() == Qt::Horizontal) {
            int y = rect.top();
            for (int r = 0; r < grid_->FixedRows(); ++r) {
                const int h = grid_->RowHeightPx(r);
                grid_->PaintFixedCell(*painter, QRect(rect.left(), y, rect.width(), h), r,
                                      logicalIndex + grid_->FixedCols(), this);
                y += h;
            }
        } else {
            int x = rect.left();
            for (int c = 0; c < grid_->FixedCols(); ++c) {
                const int w = grid_->ColWidthPx(c);
                grid_->PaintFixedCell(*painter, QRect(x, rect.top(), w, rect.height()),
                                      logicalIndex + grid_->FixedRows(), c, this);
                x += w;
            }
        }
    }

private:
    Grid* grid_;
};

// Draws a cell with nothing on it but its panel as that panel alone, which
// is most of a grid not yet full: the style's whole drawing of an item costs
// as much for an empty cell as for a full one.
class Grid::EmptyCellPanel : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        const QStyle* style = cell.widget ? cell.widget->style() : QApplication::style();
        const bool panelOnly = cell.text.isEmpty() && cell.icon.isNull() &&
                               !(cell.features & QStyleOptionViewItem::HasCheckIndicator) &&
                               !(cell.state & QStyle::State_HasFocus);
        if (panelOnly)
            style->drawPrimitive(QStyle::PE_PanelItemViewItem, &cell, painter, cell.widget);
        else
            style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);
    }
};

Grid::Grid(QWidget* parent)
    : QTableView(parent), cells_(new GridCells(this)), fixedRowPx_(1, -1), fixedColPx_(1, -1) {
    topBand_ = new FixedBand(Qt::Horizontal, this);
    leftBand_ = new FixedBand(Qt::Vertical, this);
    setHorizontalHeader(topBand_);
    setVerticalHeader(leftBand_);
    setModel(cells_);
    setItemDelegate(new EmptyCellPanel(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setCornerButtonEnabled(false);
    // Tab and Shift+Tab belong to the window: they move the focus to the
    // next or previous control, never from cell to cell. A dialog opens its
    // editor on every cell entered, so a Tab that moved the cell would open
    // the next editor and keep the focus inside the grid for good.
    setTabKeyNavigation(false);
    setWordWrap(false);
    // Narrow columns such as ">>" would otherwise show "..." in place of their text.
    setTextElideMode(Qt::ElideNone);
    leftBand_->setDefaultSectionSize(fontMetrics().height() + 4);

    // The corner of the two bands shows the cells where the fixed rows and
    // columns meet.
    corner_ = findChild<QAbstractButton*>();
    if (corner_) corner_->installEventFilter(this);

    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (moving_ || !current.isValid()) return;
        row_ = current.row() + FixedRows();
        col_ = current.column() + FixedCols();
        emit EnterCell();
    });
    connect(this, &QAbstractItemView::clicked, this, [this] { emit Click(); });
    connect(this, &QAbstractItemView::doubleClicked, this, [this] { emit DblClick(); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit Scroll(); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit Scroll(); });
}

// ---- shape ---------------------------------------------------------------

int Grid::Rows() const { return cells_->Rows(); }
int Grid::Cols() const { return cells_->Cols(); }
int Grid::FixedRows() const { return cells_->FixedRows(); }
int Grid::FixedCols() const { return cells_->FixedCols(); }

void Grid::SetRows(int rows) {
    moving_ = true;
    cells_->SetRows(rows);
    moving_ = false;
    ClampCurrent();
}

void Grid::SetCols(int cols) {
    moving_ = true;
    cells_->SetCols(cols);
    moving_ = false;
    ClampCurrent();
}

void Grid::SetFixedRows(int rows) { Refix(std::clamp(rows, 0, Rows()), FixedCols()); }

void Grid::SetFixedCols(int cols) { Refix(FixedRows(), std::clamp(cols, 0, Cols())); }

// The cells stay where they are; the view starts over, so the sizes of the
// lines are taken along (a fixed one's -1, the usual size, included).
void Grid::Refix(int fixedRows, int fixedCols) {
    if (fixedRows == FixedRows() && fixedCols == FixedCols()) return;
    const int rows = Rows();
    const int cols = Cols();
    std::vector<int> widths(static_cast<std::size_t>(cols));
    for (int c = 0; c < cols; ++c)
        widths[static_cast<std::size_t>(c)] =
            c < FixedCols() ? fixedColPx_[static_cast<std::size_t>(c)] : ColWidthPx(c);
    std::vector<int> heights(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r)
        heights[static_cast<std::size_t>(r)] =
            r < FixedRows() ? fixedRowPx_[static_cast<std::size_t>(r)] : RowHeightPx(r);

    moving_ = true;
    fixedRowPx_.assign(static_cast<std::size_t>(fixedRows), -1);
    fixedColPx_.assign(static_cast<std::size_t>(fixedCols), -1);
    cells_->SetFixed(fixedRows, fixedCols);
    moving_ = false;

    for (int c = 0; c < cols; ++c)
        if (widths[static_cast<std::size_t>(c)] >= 0) SetColWidthPx(c, widths[static_cast<std::size_t>(c)]);
    for (int r = 0; r < rows; ++r)
        if (heights[static_cast<std::size_t>(r)] >= 0) SetRowHeightPx(r, heights[static_cast<std::size_t>(r)]);
    FixedBandsChanged();
    SyncCurrent();
}

// ---- cells ---------------------------------------------------------------

QString Grid::TextMatrix(int row, int col) const {
    const Cell* cell = cells_->At(row, col);
    return cell ? cell->text : QString();
}

void Grid::SetTextMatrix(int row, int col, const QString& text) {
    const Cell* cell = cells_->At(row, col);
    if (!cell || cell->text == text) return;
    // A header of two lines makes the fixed rows higher.
    const bool fixedRow = row < FixedRows();
    const int height = fixedRow ? FixedHeightPx() : 0;
    cells_->SetText(row, col, text);
    if (fixedRow && FixedHeightPx() != height)
        FixedBandsChanged();
    else
        UpdateCorner(row, col);
}

void Grid::SetCellForeColor(int row, int col, const QColor& color) {
    cells_->SetFore(row, col, color);
    UpdateCorner(row, col);
}

void Grid::SetCellBackColor(int row, int col, const QColor& color) {
    cells_->SetBack(row, col, color);
    UpdateCorner(row, col);
}

QColor Grid::CellForeColor(int row, int col) const {
    const Cell* cell = cells_->At(row, col);
    return cell ? GridCells::ColorOf(cell->fore) : QColor();
}

QColor Grid::CellBackColor(int row, int col) const {
    const Cell* cell = cells_->At(row, col);
    if (!cell) return {};
    const QColor own = GridCells::ColorOf(cell->back);
    if (own.isValid() || row < FixedRows() || col < FixedCols()) return own;
    return cells_->RowBack(row);
}

void Grid::SetRowBackColor(int row, const QColor& color) { cells_->SetRowBack(row, color); }

Qt::Alignment Grid::ColAlignment(int col) const { return cells_->Alignment(col); }

void Grid::SetColAlignment(int col, Qt::Alignment alignment) {
    if (col < 0 || col >= Cols()) return;
    cells_->SetAlignment(col, alignment);
    if (col < FixedCols()) leftBand_->viewport()->update();
    if (FixedRows() > 0) (col < FixedCols() ? corner_ : topBand_->viewport())->update();
}

void Grid::UpdateCorner(int row, int col) {
    if (row < FixedRows() && col < FixedCols() && corner_) corner_->update();
}

void Grid::PaintFixedCell(QPainter& painter, const QRect& rect, int row, int col, const QWidget* on) const {
    const Cell* cell = cells_->At(row, col);
    QStyleOptionHeader opt;
    opt.initFrom(on);
    opt.rect = rect;
    opt.orientation = Qt::Horizontal;
    opt.position = QStyleOptionHeader::Middle;
    opt.textAlignment = ColAlignment(col);
    if (cell) {
        opt.text = GridCells::Shown(cell->text);
        const QColor fore = GridCells::ColorOf(cell->fore);
        const QColor back = GridCells::ColorOf(cell->back);
        if (fore.isValid() || back.isValid()) opt.palette = CellPalette(opt.palette, fore, back);
    }
    style()->drawControl(QStyle::CE_Header, &opt, &painter, on);
}

// ---- sizes -----------------------------------------------------------------

// Columns lie along the top band, rows along the left one; each band knows
// the sizes of the lines that scroll, the grid those of the fixed ones.
// (Only the setters, which are not const, change a size through them.)
Grid::Lines Grid::ColLines() const {
    return {Cols(), FixedCols(), const_cast<std::vector<int>&>(fixedColPx_), *topBand_};
}
Grid::Lines Grid::RowLines() const {
    return {Rows(), FixedRows(), const_cast<std::vector<int>&>(fixedRowPx_), *leftBand_};
}

int Grid::SizePx(const Lines& lines, int i) {
    if (i < 0 || i >= lines.count) return 0;
    if (i < lines.fixed) {
        const int px = lines.fixedPx[static_cast<std::size_t>(i)];
        return px >= 0 ? px : lines.band.defaultSectionSize();
    }
    return lines.band.sectionSize(i - lines.fixed);
}

void Grid::SetSizePx(const Lines& lines, int i, int px) {
    if (i < 0 || i >= lines.count) return;
    if (i < lines.fixed) {
        lines.fixedPx[static_cast<std::size_t>(i)] = px;
        FixedBandsChanged();
    } else {
        lines.band.resizeSection(i - lines.fixed, px);
    }
}

int Grid::ColWidthPx(int col) const { return SizePx(ColLines(), col); }
void Grid::SetColWidthPx(int col, int px) { SetSizePx(ColLines(), col, px); }
// A fixed row is never lower than its texts need (a header of two lines).
int Grid::RowHeightPx(int row) const {
    const int px = SizePx(RowLines(), row);
    return row >= 0 && row < FixedRows() ? std::max(px, TextHeightPx(row)) : px;
}

int Grid::TextHeightPx(int row) const {
    int lines = 0;
    for (int c = 0; c < Cols(); ++c) {
        const QString& text = cells_->At(row, c)->text;
        if (!text.isEmpty())
            lines = std::max(lines, static_cast<int>(GridCells::Shown(text).count(QLatin1Char('\n'))) + 1);
    }
    if (lines == 0) return 0;
    return lines * QFontMetrics(topBand_->font()).lineSpacing() +
           2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, topBand_);
}
void Grid::SetRowHeightPx(int row, int px) { SetSizePx(RowLines(), row, px); }

int Grid::ColWidthTwips(int col) const { return TwipsFromPixels(ColWidthPx(col)); }
void Grid::SetColWidthTwips(int col, int twips) { SetColWidthPx(col, PixelsFromTwips(std::max(0, twips))); }
int Grid::RowHeightTwips(int row) const { return TwipsFromPixels(RowHeightPx(row)); }
void Grid::SetRowHeightTwips(int row, int twips) { SetRowHeightPx(row, PixelsFromTwips(std::max(0, twips))); }

int Grid::FixedWidthPx() const {
    int px = 0;
    for (int c = 0; c < FixedCols(); ++c) px += ColWidthPx(c);
    return px;
}

int Grid::FixedHeightPx() const {
    int px = 0;
    for (int r = 0; r < FixedRows(); ++r) px += RowHeightPx(r);
    return px;
}

void Grid::FixedBandsChanged() {
    topBand_->setHidden(FixedRows() == 0);
    leftBand_->setHidden(FixedCols() == 0);
    topBand_->updateGeometry();
    leftBand_->updateGeometry();
    updateGeometries();
    topBand_->viewport()->update();
    leftBand_->viewport()->update();
    if (corner_) corner_->update();
}

void Grid::SetRedraw(bool on) { setUpdatesEnabled(on); }

// ---- current cell ------------------------------------------------------------

void Grid::SetCurrentCell(int row, int col) {
    if (!Inside(row, col) || (row == row_ && col == col_)) return;
    row_ = row;
    col_ = col;
    SyncCurrent();
    emit EnterCell();
}

void Grid::SyncCurrent() {
    const int h = horizontalScrollBar()->value();
    const int v = verticalScrollBar()->value();
    // Without auto-scroll the view neither scrolls now nor, when it is not
    // shown yet, later when it first shows.
    const bool autoScrolling = hasAutoScroll();
    setAutoScroll(false);
    moving_ = true;
    if (row_ >= FixedRows() && col_ >= FixedCols()) {
        setCurrentIndex(cells_->index(row_ - FixedRows(), col_ - FixedCols()));
    } else {
        setCurrentIndex(QModelIndex());
        clearSelection();
    }
    moving_ = false;
    setAutoScroll(autoScrolling);
    horizontalScrollBar()->setValue(h);
    verticalScrollBar()->setValue(v);
}

void Grid::ClampCurrent() {
    const int row = std::max(0, std::min(row_, Rows() - 1));
    const int col = std::max(0, std::min(col_, Cols() - 1));
    if (row == row_ && col == col_) return;
    row_ = row;
    col_ = col;
    SyncCurrent();
    emit EnterCell();
}

void Grid::ShowTopLeft() {
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

void Grid::ScrollToCell(int row, int col) {
    const int fixedRows = FixedRows();
    const int fixedCols = FixedCols();
    if (!Inside(row, col) || Rows() <= fixedRows || Cols() <= fixedCols) return;
    const int h = horizontalScrollBar()->value();
    const int v = verticalScrollBar()->value();
    scrollTo(cells_->index(std::max(row - fixedRows, 0), std::max(col - fixedCols, 0)), EnsureVisible);
    if (col < fixedCols) horizontalScrollBar()->setValue(h);
    if (row < fixedRows) verticalScrollBar()->setValue(v);
}

void Grid::FitColumnTo(int col, const QString& sample) {
    if (col < FixedCols() || col >= Cols()) return;
    constexpr int kCellPadding = 12;
    int needed = fontMetrics().horizontalAdvance(sample) + kCellPadding;
    const QFontMetrics headerMetrics(topBand_->font());
    const int headerPadding = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, topBand_) + 4;
    for (int r = 0; r < FixedRows(); ++r)
        for (const QString& line : GridCells::Shown(TextMatrix(r, col)).split(QLatin1Char('\n')))
            needed = std::max(needed, headerMetrics.horizontalAdvance(line) + headerPadding);
    if (ColWidthPx(col) < needed) SetColWidthPx(col, needed);
}

void Grid::SetLastColumnFills(bool on) {
    lastColumnFills_ = on;
    updateGeometries();
}

QRect Grid::CellRect(int row, int col) const {
    if (!Inside(row, col)) return {};
    // From the sizes the grid was given, not from where Qt last laid the
    // view out: a grid that was never shown has not been laid out.
    const int fixedRows = FixedRows();
    const int fixedCols = FixedCols();
    const int frame = frameWidth();
    int x = frame;
    if (col < fixedCols) {
        for (int c = 0; c < col; ++c) x += ColWidthPx(c);
    } else {
        x += FixedWidthPx() + columnViewportPosition(col - fixedCols);
    }
    int y = frame;
    if (row < fixedRows) {
        for (int r = 0; r < row; ++r) y += RowHeightPx(r);
    } else {
        y += FixedHeightPx() + rowViewportPosition(row - fixedRows);
    }
    // A cell that scrolls ends before its grid line, as Qt draws it.
    const int line = row >= fixedRows && col >= fixedCols && showGrid() ? 1 : 0;
    return {x, y, ColWidthPx(col) - line, RowHeightPx(row) - line};
}

// ---- Qt ------------------------------------------------------------------------

void Grid::updateGeometries() {
    if (lastColumnFills_) FitLastColumn();
    QTableView::updateGeometries();
}

// The last column takes up whatever width the other columns leave, as wide
// as they really are; when they do not fit it has none.
void Grid::FitLastColumn() {
    const int last = cells_->columnCount() - 1;
    if (last < 0) return;
    int others = 0;
    for (int c = 0; c < last; ++c) others += columnWidth(c);
    const int width = std::max(0, viewport()->width() - others);
    if (columnWidth(last) != width) setColumnWidth(last, width);
}

void Grid::keyPressEvent(QKeyEvent* event) {
    const int code = KeyCode(event);
    const int shift = ShiftState(event->modifiers());
    emit KeyDown(code, shift);
    // Ctrl with C, X or V is for the window's own use, never the system
    // clipboard's.
    if ((shift & 2) && (code == 'C' || code == 'X' || code == 'V')) {
        event->accept();
        return;
    }
    if (code == 13) {
        emit KeyPress(13);
        event->accept();
        return;
    }
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint()) {
        // Typing neither edits nor searches the grid.
        emit KeyPress(text.at(0).unicode());
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

// Qt makes a cell current when a view without one gets the focus; the grid
// keeps its own, a fixed cell too, until the user moves.
void Grid::focusInEvent(QFocusEvent* event) {
    moving_ = true;
    QTableView::focusInEvent(event);
    moving_ = false;
    SyncCurrent();
}

bool Grid::eventFilter(QObject* watched, QEvent* event) {
    if (corner_ && watched == corner_ && event->type() == QEvent::Paint) {
        QPainter painter(corner_);
        int y = 0;
        for (int r = 0; r < FixedRows(); ++r) {
            int x = 0;
            for (int c = 0; c < FixedCols(); ++c) {
                PaintFixedCell(painter, QRect(x, y, ColWidthPx(c), RowHeightPx(r)), r, c, corner_);
                x += ColWidthPx(c);
            }
            y += RowHeightPx(r);
        }
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

}  // namespace platform
