#include "platform/ui/GridCells.h"

#include <algorithm>
#include <utility>

namespace platform {
namespace {

constexpr Qt::Alignment kUsualAlignment = Qt::AlignCenter;

QBrush BrushOf(const QColor& color) { return color.isValid() ? QBrush(color) : QBrush(); }

std::size_t Count(int rows, int cols) { return static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols); }

}  // namespace

GridCells::GridCells(QObject* parent)
    : QAbstractTableModel(parent),
      cells_(Count(rows_, cols_)),
      alignment_(static_cast<std::size_t>(cols_), kUsualAlignment) {}

QString GridCells::Shown(const QString& text) {
    if (!text.contains(QLatin1Char('\r'))) return text;
    QString s = text;
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return s;
}

// ---- shape ---------------------------------------------------------------------

void GridCells::SetRows(int rows) {
    rows = std::max(rows, fixedRows_);
    if (rows == rows_) return;
    if (rows > rows_) {
        beginInsertRows({}, rows_ - fixedRows_, rows - fixedRows_ - 1);
        cells_.resize(Count(rows, cols_));
        rows_ = rows;
        endInsertRows();
    } else {
        beginRemoveRows({}, rows - fixedRows_, rows_ - fixedRows_ - 1);
        cells_.resize(Count(rows, cols_));
        if (rowBack_.size() > static_cast<std::size_t>(rows)) rowBack_.resize(static_cast<std::size_t>(rows));
        rows_ = rows;
        endRemoveRows();
    }
}

void GridCells::SetCols(int cols) {
    cols = std::max(cols, fixedCols_);
    if (cols == cols_) return;
    const bool more = cols > cols_;
    if (more)
        beginInsertColumns({}, cols_ - fixedCols_, cols - fixedCols_ - 1);
    else
        beginRemoveColumns({}, cols - fixedCols_, cols_ - fixedCols_ - 1);
    std::vector<Cell> cells(Count(rows_, cols));
    const int kept = std::min(cols, cols_);
    for (int r = 0; r < rows_; ++r)
        for (int c = 0; c < kept; ++c)
            cells[Count(r, cols) + static_cast<std::size_t>(c)] =
                std::move(cells_[Count(r, cols_) + static_cast<std::size_t>(c)]);
    cells_ = std::move(cells);
    alignment_.resize(static_cast<std::size_t>(cols), kUsualAlignment);
    cols_ = cols;
    if (more)
        endInsertColumns();
    else
        endRemoveColumns();
}

void GridCells::SetFixed(int rows, int cols) {
    rows = std::clamp(rows, 0, rows_);
    cols = std::clamp(cols, 0, cols_);
    if (rows == fixedRows_ && cols == fixedCols_) return;
    beginResetModel();
    fixedRows_ = rows;
    fixedCols_ = cols;
    endResetModel();
}

// ---- cells ---------------------------------------------------------------------

const GridCells::Cell* GridCells::At(int row, int col) const {
    if (row < 0 || col < 0 || row >= rows_ || col >= cols_) return nullptr;
    return &cells_[Count(row, cols_) + static_cast<std::size_t>(col)];
}

GridCells::Cell* GridCells::Mutable(int row, int col) { return const_cast<Cell*>(std::as_const(*this).At(row, col)); }

// One setter for every part of a cell: it tells the view only of a change.
template <class T>
void GridCells::Set(int row, int col, T Cell::*part, const T& value, int role) {
    Cell* cell = Mutable(row, col);
    if (!cell || cell->*part == value) return;
    cell->*part = value;
    Changed(row, col, role);
}

void GridCells::SetText(int row, int col, const QString& text) { Set(row, col, &Cell::text, text, Qt::DisplayRole); }

void GridCells::SetFore(int row, int col, const QColor& color) {
    Set(row, col, &Cell::fore, BrushOf(color), Qt::ForegroundRole);
}

void GridCells::SetBack(int row, int col, const QColor& color) {
    Set(row, col, &Cell::back, BrushOf(color), Qt::BackgroundRole);
}

void GridCells::SetRowBack(int row, const QColor& color) {
    if (row < 0 || row >= rows_) return;
    const QBrush brush = BrushOf(color);
    if (rowBack_.size() <= static_cast<std::size_t>(row)) {
        if (brush.style() == Qt::NoBrush) return;
        rowBack_.resize(static_cast<std::size_t>(row) + 1);
    }
    QBrush& kept = rowBack_[static_cast<std::size_t>(row)];
    if (kept == brush) return;
    kept = brush;
    if (row >= fixedRows_ && cols_ > fixedCols_)
        emit dataChanged(index(row - fixedRows_, 0), index(row - fixedRows_, cols_ - fixedCols_ - 1),
                         {Qt::BackgroundRole});
}

QColor GridCells::RowBack(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < rowBack_.size()
               ? ColorOf(rowBack_[static_cast<std::size_t>(row)])
               : QColor();
}

Qt::Alignment GridCells::Alignment(int col) const {
    return col >= 0 && col < cols_ ? alignment_[static_cast<std::size_t>(col)] : kUsualAlignment;
}

void GridCells::SetAlignment(int col, Qt::Alignment alignment) {
    if (col < 0 || col >= cols_) return;
    alignment_[static_cast<std::size_t>(col)] = alignment;
    if (col >= fixedCols_ && rows_ > fixedRows_)
        emit dataChanged(index(0, col - fixedCols_), index(rows_ - fixedRows_ - 1, col - fixedCols_),
                         {Qt::TextAlignmentRole});
}

void GridCells::Changed(int row, int col, int role) {
    if (row >= fixedRows_ && col >= fixedCols_) {
        const QModelIndex at = index(row - fixedRows_, col - fixedCols_);
        emit dataChanged(at, at, {role});
    } else if (row < fixedRows_ && col >= fixedCols_) {
        emit headerDataChanged(Qt::Horizontal, col - fixedCols_, col - fixedCols_);
    } else if (row >= fixedRows_) {
        emit headerDataChanged(Qt::Vertical, row - fixedRows_, row - fixedRows_);
    }
}

// ---- model ---------------------------------------------------------------------

int GridCells::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_ - fixedRows_; }

int GridCells::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cols_ - fixedCols_; }

const GridCells::Cell* GridCells::ItemCell(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this) return nullptr;
    return At(index.row() + fixedRows_, index.column() + fixedCols_);
}

QVariant GridCells::Value(const Cell& cell, int row, int col, int role) const {
    switch (role) {
        // An empty cell has nothing to lay out.
        case Qt::DisplayRole:
        case Qt::EditRole: return cell.text.isEmpty() ? QVariant() : QVariant(cell.text);
        case Qt::ForegroundRole: return cell.fore.style() == Qt::NoBrush ? QVariant() : QVariant(cell.fore);
        case Qt::BackgroundRole:
            if (cell.back.style() != Qt::NoBrush) return QVariant(cell.back);
            if (static_cast<std::size_t>(row) < rowBack_.size() &&
                rowBack_[static_cast<std::size_t>(row)].style() != Qt::NoBrush)
                return QVariant(rowBack_[static_cast<std::size_t>(row)]);
            return {};
        case Qt::TextAlignmentRole: return static_cast<int>(Alignment(col));
        default: return {};
    }
}

QVariant GridCells::data(const QModelIndex& index, int role) const {
    const Cell* cell = ItemCell(index);
    return cell ? Value(*cell, index.row() + fixedRows_, index.column() + fixedCols_, role) : QVariant();
}

// The view asks for every role of a cell it draws at once: one look-up.
void GridCells::multiData(const QModelIndex& index, QModelRoleDataSpan roleDataSpan) const {
    const Cell* cell = ItemCell(index);
    for (QModelRoleData& d : roleDataSpan)
        d.setData(cell ? Value(*cell, index.row() + fixedRows_, index.column() + fixedCols_, d.role()) : QVariant());
}

QVariant GridCells::headerData(int section, Qt::Orientation orientation, int role) const {
    const int sections = orientation == Qt::Horizontal ? columnCount() : rowCount();
    if (role != Qt::DisplayRole || section < 0 || section >= sections) return {};
    return HeaderText(orientation, section);
}

QString GridCells::HeaderText(Qt::Orientation orientation, int section) const {
    const bool column = orientation == Qt::Horizontal;
    const int lines = column ? fixedRows_ : fixedCols_;
    QString text;
    for (int i = 0; i < lines; ++i) {
        const Cell* cell = column ? At(i, section + fixedCols_) : At(section + fixedRows_, i);
        if (!cell || cell->text.isEmpty()) continue;
        if (!text.isEmpty()) text += column ? QLatin1Char('\n') : QLatin1Char(' ');
        text += Shown(cell->text);
    }
    return text;
}

Qt::ItemFlags GridCells::flags(const QModelIndex& index) const {
    return ItemCell(index) ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

}  // namespace platform
