#include "signalling/FiveToneGrid.h"

Tone5CellEntry EnterTone5Cell(const Tone5EnteredCell& cell) {
    if (cell.isOpenCell) return Tone5CellEntry::Stay;
    if (cell.col == kTone5CodeCol && cell.specialRow) return Tone5CellEntry::Stay;
    const bool rowColumn = cell.col >= kTone5StandardCol && cell.col <= kTone5NameCol;
    if (rowColumn && cell.codeEmpty && !cell.pttidRow) return Tone5CellEntry::CommitOnly;
    return Tone5CellEntry::CommitAndOpen;
}

int NextTone5Row(int row) { return row >= kTone5LastRow ? kTone5FirstRow : row + 1; }

Tone5EnterMove EnterMoveOf(int editor, int row, int col, bool textEmpty) {
    Tone5EnterMove move;
    switch (editor) {
        case kTone5CodeCol:
            if (textEmpty)
                move.row = NextTone5Row(row);
            else
                move.firstCol = col + 1;
            break;
        case kTone5StandardCol: move.firstCol = col + 1; break;
        case kTone5PeriodCol:
            move.firstCol = kTone5CodeCol;
            move.row = NextTone5Row(row);
            break;
        case kTone5NameCol:
            move.row = NextTone5Row(row);
            move.lastCol = kTone5CodeCol;
            break;
        default: break;
    }
    return move;
}

std::optional<char16_t> Tone5NameChar(char16_t c) {
    if (c < 32 || c > 126 || c == u'\\' || c == u'~') return std::nullopt;
    return c;
}
