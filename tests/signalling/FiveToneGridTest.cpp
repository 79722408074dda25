// The code grid's editing rules: what entering a cell does, and where Enter
// takes the user from each floating editor.
#include <gtest/gtest.h>

#include "signalling/FiveToneGrid.h"

TEST(FiveToneGrid, EnteringACell) {
    struct Case { const char* name; Tone5EnteredCell cell; Tone5CellEntry out; };
    using E = Tone5CellEntry;
    const Case cases[] = {
        {"the open cell again", {.col = 3, .isOpenCell = true}, E::Stay},
        {"code of a special row", {.col = 2, .specialRow = true}, E::Stay},
        {"code of an empty row", {.col = 2, .codeEmpty = true}, E::CommitAndOpen},
        {"standard of a row without code", {.col = 3, .codeEmpty = true}, E::CommitOnly},
        {"name of a row without code", {.col = 5, .codeEmpty = true}, E::CommitOnly},
        {"period of a PTT-ID call", {.col = 4, .specialRow = true, .codeEmpty = true, .pttidRow = true},
         E::CommitAndOpen},
        {"standard of a special row with a code", {.col = 3, .specialRow = true}, E::CommitAndOpen},
        {"period of a code", {.col = 4}, E::CommitAndOpen},
    };
    for (const auto& c : cases) EXPECT_EQ(EnterTone5Cell(c.cell), c.out) << c.name;
}

TEST(FiveToneGrid, EnterMovesThroughTheRowAndWrapsToTheFirst) {
    struct Case {
        const char* name;
        int editor, row, col;
        bool empty;
        std::optional<int> firstCol, toRow, lastCol;
    };
    const Case cases[] = {
        {"code typed: its standard", 2, 5, 2, false, 3, {}, {}},
        {"code empty: next row", 2, 5, 2, true, {}, 6, {}},
        {"code empty on the last row", 2, 100, 2, true, {}, 1, {}},
        {"standard: its period", 3, 5, 3, false, 4, {}, {}},
        {"period: code of the next row", 4, 100, 4, false, 2, 1, {}},
        {"name: next row, then its code", 5, 7, 5, false, {}, 8, 2},
    };
    for (const auto& c : cases) {
        const Tone5EnterMove m = EnterMoveOf(c.editor, c.row, c.col, c.empty);
        EXPECT_EQ(m.firstCol, c.firstCol) << c.name;
        EXPECT_EQ(m.row, c.toRow) << c.name;
        EXPECT_EQ(m.lastCol, c.lastCol) << c.name;
    }
}

TEST(FiveToneGrid, NameTakesPrintableASCIIButBackslashAndTilde) {
    for (char16_t c : {u'A', u' ', u'}', u'0'}) EXPECT_EQ(Tone5NameChar(c), c);
    for (char16_t c : {u'\\', u'~', u'\u00e9', char16_t{127}}) EXPECT_EQ(Tone5NameChar(c), std::nullopt);
}
