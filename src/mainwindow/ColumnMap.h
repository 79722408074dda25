#pragma once
// The column map of the channel grid: which display column shows which
// logical column (what a column holds). Every access of a grid cell by its
// content goes through GetShowCol; the editing turns a clicked display column
// back into its content with GetDataCol.
#include <cstdint>

// Logical columns of the channel grid.
enum class Col : int16_t {
    Label = 0,
    RxFre = 1,
    TxFre = 2,
    Name = 3,
    Step = 4,
    Bandwidth = 5,
    Unused = 6,  // never filled, 0 wide
    Power = 7,
    DecodeTone = 8,
    EncodeTone = 9,
    OptSig = 10,
    Open = 11,  // ">>": opens the channel dialog
};

inline constexpr int16_t kLogicalColumns = 12;
// The grid's display columns 0..12; the last one only takes spare width.
inline constexpr int16_t kGridCols = 13;

// Reads language/MainShowList.ini beside the program into the map. On any
// failure the map is the identity and a message box says so.
void LoadMainShowList();

// Display column of a logical column; the column itself when no pair names it.
int16_t GetShowCol(int16_t logical);
int16_t GetShowCol(Col logical);
// Logical column of a display column; the column itself when no pair names it.
int16_t GetDataCol(int16_t display);
