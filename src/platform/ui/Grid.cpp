#include "platform/ui/Grid.h"

#include <algorithm>
#include <utility>

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>

#include "platform/Twips.h"

namespace platform {
namespace {

constexpr Qt::Alignment kUsualAlignment = Qt::AlignCenter;

// Fixed texts may hold a CR LF line break; a header draws only the LF.
QString Shown(const QString& text) {
    QString s = text;
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return s;
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
            for (int r = 0; r < grid_->fixedRows_; ++r) {
                const int h = grid_->RowHeightPx(r);
                grid_->PaintFixedCell(*painter, QRect(rect.left(), y, rect.width(), h), r,
                                      logicalIndex + grid_->fixedCols_, this);
                y += h;
            }
        } else {
            int x = rect.left();
            for (int c = 0; c < grid_->fixedCols_; ++c) {
                const int w = grid_->ColWidthPx(c);
                grid_->PaintFixedCell(*painter, QRect(x, rect.top(), w, rect.height()),
                                      logicalIndex + grid_->fixedRows_, c, this);
                x += w;
            }
        }
    }

private:
    Grid* grid_;
};

// Draws the cells that scroll: one without a background of its own in its
// row's, and one with nothing on it but its panel as that panel alone, which
// is most of a grid not yet full (the style's whole drawing of an item costs
// as much for an empty cell as for a full one).
class Grid::RowBackground : public QStyledItemDelegate {
public:
    explicit RowBackground(Grid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

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

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (option->backgroundBrush.style() != Qt::NoBrush) return;
        const QColor back = grid_->RowBackColor(index.row() + grid_->fixedRows_);
        if (back.isValid()) option->backgroundBrush = back;
    }

private:
    const Grid* grid_;
};

Grid::Grid(QWidget* parent) : QTableWidget(parent) {
    topBand_ = new FixedBand(Qt::Horizontal, this);
    leftBand_ = new FixedBand(Qt::Vertical, this);
    setHorizontalHeader(topBand_);
    setVerticalHeader(leftBand_);
    setItemDelegate(new RowBackground(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setCornerButtonEnabled(false);
    setWordWrap(false);
    // Narrow columns such as ">>" would otherwise show "..." in place of their text.
    setTextElideMode(Qt::ElideNone);
    leftBand_->setDefaultSectionSize(fontMetrics().height() + 4);

    top_.resize(1);
    fixedRowPx_.assign(1, -1);
    fixedColPx_.assign(1, -1);
    alignment_.assign(1, kUsualAlignment);

    // The corner of the two bands shows the cells where the fixed rows and
    // columns meet.
    corner_ = findChild<QAbstractButton*>();
    if (corner_) corner_->installEventFilter(this);

    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int col) {
        if (moving_ || row < 0 || col < 0) return;
        row_ = row + fixedRows_;
        col_ = col + fixedCols_;
        emit EnterCell();
    });
    connect(this, &QTableWidget::cellClicked, this, [this] { emit Click(); });
    connect(this, &QTableWidget::cellDoubleClicked, this, [this] { emit DblClick(); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit Scroll(); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit Scroll(); });
}

// ---- shape ---------------------------------------------------------------

void Grid::SetRows(int rows) {
    rows = std::max(rows, fixedRows_);
    if (rows == rows_) return;
    moving_ = true;
    setRowCount(rows - fixedRows_);
    moving_ = false;
    left_.resize(static_cast<std::size_t>((rows - fixedRows_) * fixedCols_));
    if (rowBack_.size() > static_cast<std::size_t>(rows)) rowBack_.resize(static_cast<std::size_t>(rows));
    rows_ = rows;
    ClampCurrent();
}

void Grid::SetCols(int cols) {
    cols = std::max(cols, fixedCols_);
    if (cols == cols_) return;
    moving_ = true;
    setColumnCount(cols - fixedCols_);
    moving_ = false;
    std::vector<FixedCell> top(static_cast<std::size_t>(fixedRows_ * cols));
    for (int r = 0; r < fixedRows_; ++r)
        for (int c = 0; c < std::min(cols, cols_); ++c)
            top[static_cast<std::size_t>(r * cols + c)] = top_[static_cast<std::size_t>(r * cols_ + c)];
    top_ = std::move(top);
    alignment_.resize(static_cast<std::size_t>(cols), kUsualAlignment);
    cols_ = cols;
    ClampCurrent();
}

void Grid::SetFixedRows(int rows) { Refix(std::clamp(rows, 0, rows_), fixedCols_); }

void Grid::SetFixedCols(int cols) { Refix(fixedRows_, std::clamp(cols, 0, cols_)); }

// A change of the fixed rows or columns moves cells between the table and
// the bands: every cell is taken out and put back where it now belongs.
void Grid::Refix(int fixedRows, int fixedCols) {
    if (fixedRows == fixedRows_ && fixedCols == fixedCols_) return;
    const int rows = rows_;
    const int cols = cols_;
    struct Kept {
        QString text;
        QColor fore;
        QColor back;
    };
    std::vector<Kept> cells;
    cells.reserve(static_cast<std::size_t>(rows * cols));
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            Kept k{TextMatrix(r, c), {}, CellBackColor(r, c)};
            if (const FixedCell* f = Fixed(r, c))
                k.fore = f->fore;
            else if (const QTableWidgetItem* it = Item(r, c); it && it->data(Qt::ForegroundRole).isValid())
                k.fore = it->foreground().color();
            cells.push_back(std::move(k));
        }
    }
    std::vector<int> widths(static_cast<std::size_t>(cols));
    for (int c = 0; c < cols; ++c)
        widths[static_cast<std::size_t>(c)] = c < fixedCols_ ? fixedColPx_[static_cast<std::size_t>(c)] : ColWidthPx(c);
    std::vector<int> heights(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r)
        heights[static_cast<std::size_t>(r)] =
            r < fixedRows_ ? fixedRowPx_[static_cast<std::size_t>(r)] : RowHeightPx(r);

    moving_ = true;
    setRowCount(0);
    setColumnCount(0);
    fixedRows_ = fixedRows;
    fixedCols_ = fixedCols;
    // The row backgrounds were taken in with each cell's.
    rowBack_.clear();
    top_.assign(static_cast<std::size_t>(fixedRows * cols), {});
    left_.assign(static_cast<std::size_t>((rows - fixedRows) * fixedCols), {});
    fixedRowPx_.assign(static_cast<std::size_t>(fixedRows), -1);
    fixedColPx_.assign(static_cast<std::size_t>(fixedCols), -1);
    setRowCount(rows - fixedRows);
    setColumnCount(cols - fixedCols);
    moving_ = false;

    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const Kept& k = cells[static_cast<std::size_t>(r * cols + c)];
            if (!k.text.isEmpty()) SetTextMatrix(r, c, k.text);
            if (k.fore.isValid()) SetCellForeColor(r, c, k.fore);
            if (k.back.isValid()) SetCellBackColor(r, c, k.back);
        }
    }
    for (int c = 0; c < cols; ++c)
        if (widths[static_cast<std::size_t>(c)] >= 0) SetColWidthPx(c, widths[static_cast<std::size_t>(c)]);
    for (int r = 0; r < rows; ++r)
        if (heights[static_cast<std::size_t>(r)] >= 0) SetRowHeightPx(r, heights[static_cast<std::size_t>(r)]);
    FixedBandsChanged();
    SyncCurrent();
}

// ---- cells ---------------------------------------------------------------

Grid::FixedCell* Grid::Fixed(int row, int col) {
    return const_cast<FixedCell*>(std::as_const(*this).Fixed(row, col));
}

const Grid::FixedCell* Grid::Fixed(int row, int col) const {
    if (!Inside(row, col)) return nullptr;
    if (row < fixedRows_) return &top_[static_cast<std::size_t>(row * cols_ + col)];
    if (col < fixedCols_) return &left_[static_cast<std::size_t>((row - fixedRows_) * fixedCols_ + col)];
    return nullptr;
}

QTableWidgetItem* Grid::Item(int row, int col) const {
    if (!Inside(row, col) || row < fixedRows_ || col < fixedCols_) return nullptr;
    return item(row - fixedRows_, col - fixedCols_);
}

// Every change of an item in the table is announced to the view: a new item
// is changed before it joins the table, so that a new cell costs one
// announcement rather than two.
template <class Change>
void Grid::ChangeItem(int row, int col, Change change) {
    if (!Inside(row, col) || row < fixedRows_ || col < fixedCols_) return;
    if (QTableWidgetItem* it = item(row - fixedRows_, col - fixedCols_)) {
        change(*it);
        return;
    }
    auto* it = new QTableWidgetItem();
    it->setTextAlignment(alignment_[static_cast<std::size_t>(col)]);
    change(*it);
    setItem(row - fixedRows_, col - fixedCols_, it);
}

QString Grid::TextMatrix(int row, int col) const {
    if (const FixedCell* f = Fixed(row, col)) return f->text;
    const QTableWidgetItem* it = Item(row, col);
    return it ? it->text() : QString();
}

void Grid::SetTextMatrix(int row, int col, const QString& text) {
    if (FixedCell* f = Fixed(row, col)) {
        if (f->text == text) return;
        const int height = row < fixedRows_ ? FixedHeightPx() : 0;
        f->text = text;
        if (row < fixedRows_ && FixedHeightPx() != height)
            FixedBandsChanged();
        else
            UpdateFixedCell(row, col);
        return;
    }
    ChangeItem(row, col, [&text](QTableWidgetItem& it) {
        if (it.text() != text) it.setText(text);
    });
}

void Grid::SetCellForeColor(int row, int col, const QColor& color) {
    if (FixedCell* f = Fixed(row, col)) {
        f->fore = color;
        UpdateFixedCell(row, col);
    } else {
        ChangeItem(row, col, [&color](QTableWidgetItem& it) { it.setForeground(color); });
    }
}

void Grid::SetCellBackColor(int row, int col, const QColor& color) {
    if (FixedCell* f = Fixed(row, col)) {
        f->back = color;
        UpdateFixedCell(row, col);
    } else {
        ChangeItem(row, col, [&color](QTableWidgetItem& it) { it.setBackground(color); });
    }
}

QColor Grid::CellForeColor(int row, int col) const {
    if (const FixedCell* f = Fixed(row, col)) return f->fore;
    const QTableWidgetItem* it = Item(row, col);
    return it ? it->foreground().color() : QColor();
}

QColor Grid::CellBackColor(int row, int col) const {
    if (const FixedCell* f = Fixed(row, col)) return f->back;
    if (!Inside(row, col)) return {};
    const QTableWidgetItem* it = Item(row, col);
    return it && it->background().style() != Qt::NoBrush ? it->background().color() : RowBackColor(row);
}

void Grid::SetRowBackColor(int row, const QColor& color) {
    if (row < 0 || row >= rows_) return;
    if (rowBack_.size() <= static_cast<std::size_t>(row)) {
        if (!color.isValid()) return;
        rowBack_.resize(static_cast<std::size_t>(row) + 1);
    }
    rowBack_[static_cast<std::size_t>(row)] = color;
    viewport()->update();
}

QColor Grid::RowBackColor(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < rowBack_.size() ? rowBack_[static_cast<std::size_t>(row)]
                                                                       : QColor();
}

Qt::Alignment Grid::ColAlignment(int col) const {
    return col >= 0 && col < cols_ ? alignment_[static_cast<std::size_t>(col)] : kUsualAlignment;
}

void Grid::SetColAlignment(int col, Qt::Alignment alignment) {
    if (col < 0 || col >= cols_) return;
    alignment_[static_cast<std::size_t>(col)] = alignment;
    for (int r = 0; r < rows_; ++r)
        if (QTableWidgetItem* it = Item(r, col)) it->setTextAlignment(alignment);
    if (col < fixedCols_) leftBand_->viewport()->update();
    if (fixedRows_ > 0) (col < fixedCols_ ? corner_ : topBand_->viewport())->update();
}

void Grid::UpdateFixedCell(int row, int col) {
    if (row < fixedRows_ && col < fixedCols_) {
        if (corner_) corner_->update();
    } else if (row < fixedRows_) {
        topBand_->viewport()->update();
    } else {
        leftBand_->viewport()->update();
    }
}

void Grid::PaintFixedCell(QPainter& painter, const QRect& rect, int row, int col, const QWidget* on) const {
    const FixedCell* cell = Fixed(row, col);
    QStyleOptionHeader opt;
    opt.initFrom(on);
    opt.rect = rect;
    opt.orientation = Qt::Horizontal;
    opt.position = QStyleOptionHeader::Middle;
    opt.textAlignment = ColAlignment(col);
    if (cell) {
        opt.text = Shown(cell->text);
        if (cell->fore.isValid()) opt.palette.setColor(QPalette::ButtonText, cell->fore);
        if (cell->back.isValid()) {
            opt.palette.setColor(QPalette::Button, cell->back);
            opt.palette.setColor(QPalette::Window, cell->back);
        }
    }
    style()->drawControl(QStyle::CE_Header, &opt, &painter, on);
}

// ---- sizes -----------------------------------------------------------------

// Columns lie along the top band, rows along the left one; each band knows
// the sizes of the lines that scroll, the grid those of the fixed ones.
// (Only the setters, which are not const, change a size through them.)
Grid::Lines Grid::ColLines() const {
    return {cols_, fixedCols_, const_cast<std::vector<int>&>(fixedColPx_), *topBand_};
}
Grid::Lines Grid::RowLines() const {
    return {rows_, fixedRows_, const_cast<std::vector<int>&>(fixedRowPx_), *leftBand_};
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
    return row >= 0 && row < fixedRows_ ? std::max(px, TextHeightPx(row)) : px;
}

int Grid::TextHeightPx(int row) const {
    int lines = 0;
    for (int c = 0; c < cols_; ++c) {
        const QString& text = top_[static_cast<std::size_t>(row * cols_ + c)].text;
        if (!text.isEmpty()) lines = std::max(lines, static_cast<int>(Shown(text).count(QLatin1Char('\n'))) + 1);
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
    for (int c = 0; c < fixedCols_; ++c) px += ColWidthPx(c);
    return px;
}

int Grid::FixedHeightPx() const {
    int px = 0;
    for (int r = 0; r < fixedRows_; ++r) px += RowHeightPx(r);
    return px;
}

void Grid::FixedBandsChanged() {
    topBand_->setHidden(fixedRows_ == 0);
    leftBand_->setHidden(fixedCols_ == 0);
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
    if (row_ >= fixedRows_ && col_ >= fixedCols_) {
        setCurrentCell(row_ - fixedRows_, col_ - fixedCols_);
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
    const int row = std::max(0, std::min(row_, rows_ - 1));
    const int col = std::max(0, std::min(col_, cols_ - 1));
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
    if (!Inside(row, col) || rows_ <= fixedRows_ || cols_ <= fixedCols_) return;
    const int h = horizontalScrollBar()->value();
    const int v = verticalScrollBar()->value();
    scrollTo(model()->index(std::max(row - fixedRows_, 0), std::max(col - fixedCols_, 0)), EnsureVisible);
    if (col < fixedCols_) horizontalScrollBar()->setValue(h);
    if (row < fixedRows_) verticalScrollBar()->setValue(v);
}

void Grid::FitColumnTo(int col, const QString& sample) {
    if (col < fixedCols_ || col >= cols_) return;
    constexpr int kCellPadding = 12;
    int needed = fontMetrics().horizontalAdvance(sample) + kCellPadding;
    const QFontMetrics headerMetrics(topBand_->font());
    const int headerPadding = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, topBand_) + 4;
    for (int r = 0; r < fixedRows_; ++r)
        for (const QString& line : Shown(TextMatrix(r, col)).split(QLatin1Char('\n')))
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
    const int frame = frameWidth();
    int x = frame;
    if (col < fixedCols_) {
        for (int c = 0; c < col; ++c) x += ColWidthPx(c);
    } else {
        x += FixedWidthPx() + columnViewportPosition(col - fixedCols_);
    }
    int y = frame;
    if (row < fixedRows_) {
        for (int r = 0; r < row; ++r) y += RowHeightPx(r);
    } else {
        y += FixedHeightPx() + rowViewportPosition(row - fixedRows_);
    }
    // A cell that scrolls ends before its grid line, as Qt draws it.
    const int line = row >= fixedRows_ && col >= fixedCols_ && showGrid() ? 1 : 0;
    return {x, y, ColWidthPx(col) - line, RowHeightPx(row) - line};
}

// ---- Qt ------------------------------------------------------------------------

void Grid::updateGeometries() {
    if (lastColumnFills_) FitLastColumn();
    QTableWidget::updateGeometries();
}

// The last column takes up whatever width the other columns leave, as wide
// as they really are; when they do not fit it has none.
void Grid::FitLastColumn() {
    const int last = columnCount() - 1;
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
    QTableWidget::keyPressEvent(event);
}

// Qt makes a cell current when a view without one gets the focus; the grid
// keeps its own, a fixed cell too, until the user moves.
void Grid::focusInEvent(QFocusEvent* event) {
    moving_ = true;
    QTableWidget::focusInEvent(event);
    moving_ = false;
    SyncCurrent();
}

bool Grid::eventFilter(QObject* watched, QEvent* event) {
    if (corner_ && watched == corner_ && event->type() == QEvent::Paint) {
        QPainter painter(corner_);
        int y = 0;
        for (int r = 0; r < fixedRows_; ++r) {
            int x = 0;
            for (int c = 0; c < fixedCols_; ++c) {
                PaintFixedCell(painter, QRect(x, y, ColWidthPx(c), RowHeightPx(r)), r, c, corner_);
                x += ColWidthPx(c);
            }
            y += RowHeightPx(r);
        }
        return true;
    }
    return QTableWidget::eventFilter(watched, event);
}

}  // namespace platform
