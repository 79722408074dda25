#pragma once
// The rules of the five-tone code grid's in-place editing: what entering a
// cell does, where Enter takes the user from each floating editor, and the
// characters the name editor takes. The dialog holds the widgets.
#include <optional>

inline constexpr int kTone5KindCol = 1;
inline constexpr int kTone5CodeCol = 2;
inline constexpr int kTone5StandardCol = 3;
inline constexpr int kTone5PeriodCol = 4;
inline constexpr int kTone5NameCol = 5;
inline constexpr int kTone5FirstRow = 1;
inline constexpr int kTone5LastRow = 100;

// What entering a cell does.
enum class Tone5CellEntry {
    Stay,         // nothing: the open cell and its editor stay as they are
    CommitOnly,   // the open cell is committed, no editor opens
    CommitAndOpen // the open cell is committed and the cell becomes the open one
};

// What the dialog knows of the cell just entered.
struct Tone5EnteredCell {
    int col = 0;
    bool isOpenCell = false;   // it is (CurTone5Row, CurTone5Col) already
    bool specialRow = false;   // the row's kind cell is not empty
    bool codeEmpty = false;    // the row's code cell is empty
    bool pttidRow = false;     // the row's kind cell reads "PTTID"
};
// The code of a special call is never edited in place, and a row with no
// code has no standard, period or name to edit (a PTT-ID call has none shown
// but still has them).
Tone5CellEntry EnterTone5Cell(const Tone5EnteredCell& cell);

// The row Enter moves to: the next one, row 1 after the last.
int NextTone5Row(int row);

// Where Enter in a floating editor takes the current cell; each step moves
// the grid's current cell (and so enters the cell) in this order.
struct Tone5EnterMove {
    std::optional<int> firstCol;  // set the column first
    std::optional<int> row;       // then the row
    std::optional<int> lastCol;   // then the column
};
// `editor` is the editor's column, (row, col) the grid's current cell and
// `textEmpty` whether the code editor is empty.
Tone5EnterMove EnterMoveOf(int editor, int row, int col, bool textEmpty);

// The name editor takes every printable ASCII character but "\" and "~".
std::optional<char16_t> Tone5NameChar(char16_t c);
