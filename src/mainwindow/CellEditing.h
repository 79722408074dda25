#pragma once
// The rules of the channel grid's in-cell editors that need no widget: what a
// double-click or Enter on a cell opens, which field a list editor stores and
// at which item it opens, what a typed receive frequency asks for, and which
// keys and characters the text editors take.
#include "core/ChannelTexts.h"
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/ChannelRecord.h"

// The thirteen editors of the main window, and None.
enum class CellEditor : int8_t {
    None,
    TextFreRx,
    TextFreTx,
    TextName,
    ComboStep,
    ComboWN,
    ComboPower,
    ComboDe_CTC_Type,
    ComboDe_CTCSS,
    ComboDe_CDCSS,
    ComboEn_CTC_Type,
    ComboEn_CTCSS,
    ComboEn_CDCSS,
    ComboOptSig,
};

bool IsTextEditor(CellEditor e);
bool IsToneTypeEditor(CellEditor e);
bool IsToneCodeList(CellEditor e);

// What a double-click or Enter on a grid cell does.
struct CellAction {
    enum class Kind {
        Nothing,        // the header row or the label column: not even the open editor closes
        CloseOnly,      // the open editor is stored and closed, nothing opens
        ChannelDialog,  // the ">>" column
        Edit,           // the editor of `logical` opens
    };
    Kind kind = Kind::Nothing;
    int16_t logical = 0;
};
// `row` and `displayCol` are the grid's current cell, `colCount` its columns.
// The ">>" column is found by its place, the next-to-last column; the others
// go through the column map.
CellAction ActionOfCell(int row, int displayCol, int colCount);

// The editor that opens over a logical column; None for columns without one.
CellEditor EditorOfColumn(int16_t logical);

// Where a list editor's index goes: the logical column and part of
// SetCHDataByCol.
struct StoreTarget {
    int16_t col = 0;
    int16_t part = 0;
};
std::optional<StoreTarget> StoreTargetOf(CellEditor e);

// The list index of `ch`'s stored value that a list editor opens at (the DCS
// lists: inversion * 512 + code). -1 for a text editor.
int ListIndexOf(const UFreData& ch, CellEditor e);

// The code list a tone type editor chains into for its list index: CTCSS at
// 1, DCS at 2, None for any other index.
CellEditor ChainedCodeList(CellEditor typeEditor, int typeIndex);


// The text editors: the two frequency boxes and the name box.
enum class TextKind { Frequency, Name };
inline constexpr int kFreTypingLimit = 9;
inline constexpr int kNameTypingLimit = 7;
TextKind TextKindOf(CellEditor e);

// Whether a character may enter a text editor, however it arrives (typed,
// pasted, dropped, from an input method).
bool TextEditorTakes(TextKind kind, char16_t c);

// What a typed character code does in a text editor: Ctrl+C, Ctrl+V, Ctrl+X
// and characters the box does not take are swallowed, Enter stores and closes.
enum class KeyAction { Pass, Swallow, Commit };
KeyAction TextEditorKeyPress(TextKind kind, int keyAscii);

// The tone type editors and the code lists drop their list down on an arrow
// key (key codes 37 to 40).
bool DropsListDown(CellEditor e, int keyCode);

// The item an arrow key moves an open list to: left and up one back, right
// and down one on, held inside the list; the same index for any other key.
int ArrowStep(int index, int count, int keyCode);
