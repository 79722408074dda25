#pragma once
// The edit items of the batch channel editor: which channel fields a batch
// writes. Each item has a flag byte in BatchFunFlag (kept in BatchFun.ini)
// and an edit-item box Check2(n) on the item panel; the boxes are numbered
// in screen order, which is not the flag order.
#include <cstdint>
#include <span>
#include <string_view>

// The flag bytes, by the field they stand for.
enum class BatchItem : int {
    RxFre = 0,
    TxFre = 1,
    DecodeTone = 2,
    EncodeTone = 3,
    Name = 4,
    Step = 5,
    Bandwidth = 6,
    Power = 7,
    Signalling = 8,
    Squelch = 9,
    PttId = 10,
    Scrambler = 11,
    BusyLock = 12,
    Modulation = 13,
    UserTone = 14,
    TxInhibit = 15,
    Compander = 16,
    ScanSkip = 17,
    Reverse = 18,
    TalkAround = 19,  // carried through the file, never applied
    AmAuto = 20,      // cleared at every start, never offered
};

// Boxes Check2(0..20).
inline constexpr int kBatchBoxCount = 21;
// The box whose clicks change no flag (talk-around; hidden).
inline constexpr int kTalkAroundBox = 18;

// The flag byte of box Check2(box); nothing outside 0..20.
int BatchFlagOfBox(int box);

// Whether the item's flag is on (any byte but 0).
bool IsBatchItemOn(BatchItem item);

// A control of a dialog by name and index (-1: not part of an array).
struct ControlRef {
    std::string_view name;
    int index = -1;
};

// The value controls that box Check2(box) shows and hides; none for the
// talk-around box and for indexes outside 0..20.
std::span<const ControlRef> BatchItemControls(int box);

// The click rule of box Check2(box) now holding `value` (0 or 1): the box's
// flag takes the value (the talk-around box changes none) and BatchFun.ini
// is rewritten. A file that cannot be written is no error: the flags in
// memory keep their new values.
void SetBatchItemFromBox(int box, int value);
