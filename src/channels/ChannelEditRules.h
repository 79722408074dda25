#pragma once
// The rules of the single-channel dialog that need no widget: which record
// it shows, what the transmit box shows, the name boxes, the user tone text,
// when AM may be chosen, which squelch modes are offered, the characters each
// box takes, and on OK the frequency chain, the fields read from the lists,
// and where the record goes.
//
// List types: 0 normal, 1 limit, 2 hyper bank 1, 3 hyper bank 2.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ChannelRecord.h"

// ---- loading ---------------------------------------------------------------

struct ChannelToEdit {
    UFreData record;
    bool nameRow = true;  // the name label and boxes are shown
};
// The record the dialog shows for channel `chNo` of the list. A limit number
// outside 1..10, or a hyper row outside 1..12, becomes 1 (written back into
// `chNo`). An unused normal or limit channel is the blank record of its
// number; a hyper row shows what it holds, used or not. Nothing for another
// list type: the dialog keeps what it showed.
std::optional<ChannelToEdit> ChannelForEdit(int16_t listType, int16_t& chNo);

// The transmit box of a shown channel: for a receive text in receive band 0
// or 3, the receive frequency moved by the offset in the direction (index 0
// of the direction list or an empty offset: the receive frequency itself),
// written "#.00000"; any other direction index keeps `shownTx`. Empty for any
// other receive text.
std::string ShownTransmitText(std::string_view rxText, std::string_view offsetText, int dirIndex,
                              std::string_view shownTx);

// The seven name boxes of a stored name: one byte each, empty past its end.
using NameBoxes = std::array<std::string, 7>;
NameBoxes NameBoxTexts(const FixStr<7>& name);
// The stored name of the boxes: their texts joined, an empty box giving one
// blank, blank-padded and cut to seven.
FixStr<7> NameOfBoxes(const NameBoxes& boxes);

// The user tone box: tenths of a hertz written "#.0" (1511 "151.1", 0 ".0").
std::string UserToneText(int16_t tenths);
// A box text checked by CheckCTCSSText, in tenths of a hertz.
int16_t UserToneTenths(std::string_view checkedText);

// AM may be chosen only in band plan 0, for a receive frequency from 100 MHz
// up to (not including) 200 MHz.
bool IsAMAllowed(std::string_view rxText, int16_t pcBand);

// ---- squelch ---------------------------------------------------------------

// Whether a tone counts for the squelch: with reverse on the transmit tone
// type, otherwise the receive one (types 0 none, 1 CTCSS, 2 DCS).
bool SquelchHasTone(bool reverse, int deToneType, int enToneType);
// The squelch modes (indexes of the five) offered, in order: mode 0 always,
// mode 1 with a tone, 2 with signalling, 3 and 4 with both.
std::vector<int> OfferedSquelchModes(bool tone, bool signalling);

// ---- signalling ------------------------------------------------------------

// The signalling list's text of a stored type ("DTMF", "2Tone", "5Tone"),
// "" for every other value; and the stored type of a text (0 for others).
std::string_view OptSigText(int16_t optSig);
int16_t OptSigOfText(std::string_view text);

// ---- keys ------------------------------------------------------------------

// The text boxes by what they take.
enum class ChannelBox {
    Frequency,  // receive and offset: digits and "."
    Name,       // one name character: printable but "\" and "~"
    Transmit,   // every printable character
    Code,       // the hidden code box: digits
    UserTone,   // digits and "."
};
// Whether a printable character may enter a box; nothing beyond 7-bit
// characters ever does, however it arrives.
bool ChannelBoxTakes(ChannelBox box, char16_t c);

// ---- saving ----------------------------------------------------------------

// OK's range check of the channel number.
bool IsEditableChannelNo(int16_t listType, int16_t n);

// The frequency chain of OK, in its order, with the warnings of the band
// checks (language text 2001) shown as they come.
struct SavedFrequencies {
    std::string rx;          // on the receive raster: the receive box and RxFre
    std::string txSeed;      // the transmit box the check starts from
    std::string offsetText;  // |transmit - receive| "0.00000", the hidden offset box
    int16_t shownDir = 0;    // the direction list before the offset check
    int16_t shiftDir = 0;    // ShiftDir after the offset check
    std::string offset;      // OffsetFre as "000.00000"
};
SavedFrequencies SaveFrequencies(std::string_view rxText, std::string_view txText, int16_t step,
                                 int16_t listType, int16_t chNo);

// The list and box values OK stores. Indexes are the lists' selections (-1
// none); the signalling code lists by their texts.
struct ChannelChoices {
    int scanSkip = 0, step = 0, bandwidth = 0, power = 0, modulation = 0;
    int deToneType = 0, enToneType = 0;
    int deCTCSS = -1, enCTCSS = -1, deDCS = -1, enDCS = -1;
    int dtmfMemory = -1;
    std::string signallingText, tone2Text, tone5Text;
    int busyLock = 0, pttID = 0, squelchMode = 0, scrambler = 0;
    int txInhibit = 0, reverse = 0, talkAround = 0, compander = 0, amAuto = 0;
    int deInvert = 0, enInvert = 0;
};
// Writes the choices into `ch`; a list without a selection stores 0.
void ApplyChannelChoices(UFreData& ch, const ChannelChoices& c);

// The stored record of channel n for a change: the first used normal entry
// with that number, limit entry n - 1, or hyper row n of the list's bank.
// Nothing when the normal list does not hold it or n is no channel of the list.
std::optional<UFreData> StoredChannel(int16_t listType, int16_t n);
// Stores the record as channel n of the list: over the stored channel, or
// (`added`) appended to the used normal entries; limit and hyper channels
// have their place. Nothing for a number the list has no place for.
void StoreChannel(int16_t listType, int16_t n, const UFreData& ch, bool added);
