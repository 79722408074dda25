#include "mainwindow/ui/ChannelGrid.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>

#include "mainwindow/MainLayout.h"

namespace {

// Header texts may hold a CR LF line break; the header draws only the LF.
QString Shown(const QString& text) {
    QString s = text;
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return s;
}

// The key codes the window's handlers compare with: character codes for
// letters and digits, the old virtual-key numbers for the rest it knows.
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

ChannelGrid::ChannelGrid(QWidget* parent) : QTableWidget(parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setCornerButtonEnabled(false);
    setWordWrap(false);
    // Narrow columns such as ">>" would otherwise show "..." in place of their text.
    setTextElideMode(Qt::ElideNone);
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);

    // Row 0 of the label column is the corner of the two headers; it shows
    // its text like any header cell.
    cornerButton_ = findChild<QAbstractButton*>();
    if (cornerButton_) cornerButton_->installEventFilter(this);

    connect(this, &QTableWidget::currentCellChanged, this, [this] { emit EnterCell(); });
    connect(this, &QTableWidget::cellClicked, this, [this] { emit Click(); });
    connect(this, &QTableWidget::cellDoubleClicked, this, [this] { emit DblClick(); });
}

void ChannelGrid::SetRows(int rows) {
    const int old = rowCount();
    setRowCount(std::max(0, rows - 1));
    // An empty label, not the view's own row numbers.
    for (int r = old; r < rowCount(); ++r) setVerticalHeaderItem(r, new QTableWidgetItem());
}

void ChannelGrid::SetCols(int cols) {
    const int old = columnCount();
    setColumnCount(std::max(0, cols - 1));
    for (int c = old; c < columnCount(); ++c) setHorizontalHeaderItem(c, new QTableWidgetItem());
}

QTableWidgetItem* ChannelGrid::Item(int row, int col) const {
    if (row < 0 || col < 0 || row >= Rows() || col >= Cols()) return nullptr;
    if (row == 0) return col == 0 ? nullptr : horizontalHeaderItem(col - 1);
    if (col == 0) return verticalHeaderItem(row - 1);
    return item(row - 1, col - 1);
}

QTableWidgetItem* ChannelGrid::EnsureItem(int row, int col) {
    if (row <= 0 || col <= 0 || row >= Rows() || col >= Cols()) return Item(row, col);
    QTableWidgetItem* it = item(row - 1, col - 1);
    if (!it) {
        it = new QTableWidgetItem();
        it->setTextAlignment(Qt::AlignCenter);
        setItem(row - 1, col - 1, it);
    }
    return it;
}

QString ChannelGrid::TextMatrix(int row, int col) const {
    if (row == 0 && col == 0) return cornerText_;
    const QTableWidgetItem* it = Item(row, col);
    if (!it) return {};
    if (row == 0 || col == 0) return it->data(Qt::UserRole).toString();
    return it->text();
}

void ChannelGrid::SetTextMatrix(int row, int col, const QString& text) {
    if (row == 0 && col == 0) {
        cornerText_ = text;
        if (cornerButton_) cornerButton_->update();
        return;
    }
    QTableWidgetItem* it = EnsureItem(row, col);
    if (!it) return;
    if (row == 0 || col == 0) {
        it->setData(Qt::UserRole, text);
        it->setText(Shown(text));
    } else if (it->text() != text) {
        it->setText(text);
    }
}

int ChannelGrid::ColWidthTwips(int col) const {
    if (col == 0) return TwipsFromPixels(labelWidthPx_);
    if (col < 0 || col >= Cols()) return 0;
    return TwipsFromPixels(columnWidth(col - 1));
}

void ChannelGrid::SetColWidthTwips(int col, int twips) {
    const int px = PixelsFromTwips(std::max(0, twips));
    if (col == 0) {
        labelWidthPx_ = px;
        verticalHeader()->setFixedWidth(px);
    } else if (col > 0 && col < Cols()) {
        setColumnWidth(col - 1, px);
    }
}

void ChannelGrid::SetRowHeightTwips(int row, int twips) {
    const int px = PixelsFromTwips(std::max(0, twips));
    if (row == 0)
        horizontalHeader()->setFixedHeight(px);
    else
        verticalHeader()->setDefaultSectionSize(px);
}

void ChannelGrid::SetCellForeColor(int row, int col, const QColor& color) {
    if (row == 0 && col == 0) {
        cornerFore_ = color;
        if (cornerButton_) cornerButton_->update();
        return;
    }
    if (QTableWidgetItem* it = EnsureItem(row, col)) it->setForeground(color);
}

void ChannelGrid::SetCellBackColor(int row, int col, const QColor& color) {
    if (QTableWidgetItem* it = EnsureItem(row, col)) it->setBackground(color);
}

QColor ChannelGrid::CellForeColor(int row, int col) const {
    if (row == 0 && col == 0) return cornerFore_;
    const QTableWidgetItem* it = Item(row, col);
    return it ? it->foreground().color() : QColor();
}

QColor ChannelGrid::CellBackColor(int row, int col) const {
    const QTableWidgetItem* it = Item(row, col);
    return it && it->background().style() != Qt::NoBrush ? it->background().color() : QColor();
}

void ChannelGrid::SetRedraw(bool on) { setUpdatesEnabled(on); }

int ChannelGrid::Row() const { return currentRow() < 0 ? 0 : currentRow() + 1; }

int ChannelGrid::Col() const { return currentColumn() < 0 ? 0 : currentColumn() + 1; }

void ChannelGrid::SetCurrentCell(int row, int col) {
    if (row < 1 || col < 1 || row >= Rows() || col >= Cols()) return;
    const int h = horizontalScrollBar()->value();
    const int v = verticalScrollBar()->value();
    // Without auto-scroll the view neither scrolls now nor, when it is not
    // shown yet, later when it first shows.
    const bool autoScrolling = hasAutoScroll();
    setAutoScroll(false);
    setCurrentCell(row - 1, col - 1);
    setAutoScroll(autoScrolling);
    horizontalScrollBar()->setValue(h);
    verticalScrollBar()->setValue(v);
}

void ChannelGrid::ShowTopLeft() {
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

void ChannelGrid::FitColumnTo(int col, const QString& sample) {
    if (col <= 0 || col >= Cols()) return;
    constexpr int kCellPadding = 12;
    int needed = fontMetrics().horizontalAdvance(sample) + kCellPadding;
    const QFontMetrics headerMetrics(horizontalHeader()->font());
    const int headerPadding = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader()) + 4;
    for (const QString& line : Shown(TextMatrix(0, col)).split(QLatin1Char('\n')))
        needed = std::max(needed, headerMetrics.horizontalAdvance(line) + headerPadding);
    if (columnWidth(col - 1) < needed) setColumnWidth(col - 1, needed);
}

QRect ChannelGrid::CellRect(int row, int col) const {
    if (row < 1 || col < 1 || row >= Rows() || col >= Cols()) return {};
    const QRect r = visualRect(model()->index(row - 1, col - 1));
    return r.translated(viewport()->pos());
}

void ChannelGrid::updateGeometries() {
    FitLastColumn();
    QTableWidget::updateGeometries();
}

// The last, empty column takes up whatever width the other columns leave,
// as wide as they really are (the frequency columns widen to their texts, the
// name column hides in the hyper views); when they do not fit it has none.
void ChannelGrid::FitLastColumn() {
    const int last = columnCount() - 1;
    if (last < 0) return;
    int others = 0;
    for (int c = 0; c < last; ++c) others += columnWidth(c);
    const int width = std::max(0, viewport()->width() - others);
    if (columnWidth(last) != width) setColumnWidth(last, width);
}

void ChannelGrid::keyPressEvent(QKeyEvent* event) {
    const int code = KeyCode(event);
    const int shift = ShiftState(event->modifiers());
    emit KeyDown(code, shift);
    // Ctrl with C, X or V belongs to the window's row clipboard, never to the
    // system clipboard.
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

bool ChannelGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cornerButton_ && event->type() == QEvent::Paint) {
        QPainter painter(cornerButton_);
        QStyleOptionHeader opt;
        opt.initFrom(cornerButton_);
        opt.rect = cornerButton_->rect();
        opt.text = Shown(cornerText_);
        opt.textAlignment = Qt::AlignCenter;
        opt.position = QStyleOptionHeader::OnlyOneSection;
        opt.orientation = Qt::Horizontal;
        if (cornerFore_.isValid()) opt.palette.setColor(QPalette::ButtonText, cornerFore_);
        style()->drawControl(QStyle::CE_Header, &opt, &painter, cornerButton_);
        return true;
    }
    return QTableWidget::eventFilter(watched, event);
}
