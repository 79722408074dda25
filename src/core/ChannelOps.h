#pragma once
// Every change the main window makes to a channel goes through these
// operations, and they keep the references to channels (hyper settings,
// alert, scan) and to signalling entries (two-tone, five-tone) pointing at
// entries that exist.
//
// Each operation on a channel list takes the list it works on
// (core/ChannelLists.h); the same operation without it works on the list on
// show, the one CHListType names (0 normal, 1 limit, 2 and 3 hyper banks 1
// and 2).
#include <cstdint>
#include <string_view>

#include "core/ChannelLists.h"

// Logical grid columns that SetCHDataByCol understands.
enum class CHColumn : int16_t {
    RxFre = 1,
    TxFre = 2,
    Name = 3,
    Step = 4,
    Bandwidth = 5,
    Power = 7,
    DecodeTone = 8,
    EncodeTone = 9,
    OptSig = 10,
};

// The part of a tone column: its type, its CTCSS index or its DCS key
// (inversion * 512 + code).
enum class TonePart : int16_t { Type = 0, CTCSS = 1, DCS = 2 };

bool IsCHExist(ListType list, int16_t chNo);
bool IsCHExist(int16_t chNo);

// A tone field of normal channel `chNo` by its key ("De_CTC_Type",
// "De_CTCSS", "De_CDCSS", "En_CTC_Type", "En_CTCSS", "En_CDCSS"); 0 for a
// missing channel or an unknown key.
int16_t GetCHToneValue(int16_t chNo, std::string_view key);

// Sets one field of an existing channel of a list by its logical grid
// column. Columns 1 to 3 take a text, the others a number; a text that is no
// number changes nothing in a number column.
void SetCHDataByCol(ListType list, int16_t chNo, std::string_view value, int16_t col, int16_t part);
void SetCHDataByCol(ListType list, int16_t chNo, long value, int16_t col, int16_t part);
void SetCHDataByCol(int16_t chNo, std::string_view value, int16_t col, int16_t part);
void SetCHDataByCol(int16_t chNo, long value, int16_t col, int16_t part);

// Creates channel `chNo` in a list with the typed receive frequency; nothing
// when the list cannot take it.
void SetCHRxFre(ListType list, int16_t chNo, std::string_view rxText);
void SetCHRxFre(int16_t chNo, std::string_view rxText);

// Deletes channel `chNo` from a list; the normal list closes the gap, a
// limit channel is marked unused, hyper rows are never deleted.
void DeleteCH(ListType list, int16_t chNo);
void DeleteCH(int16_t chNo, int16_t listType);

// The row clipboard of the channel grid (grid index 0), on the normal list
// only: shown over another list and for other grids they do nothing.
void CopyCH(ListType shown, int16_t gridIndex, int16_t chNo);
void CutCH(ListType shown, int16_t gridIndex, int16_t chNo);
void PasteCH(ListType shown, int16_t gridIndex, int16_t chNo);
void CopyCH(int16_t gridIndex, int16_t chNo);
void CutCH(int16_t gridIndex, int16_t chNo);
void PasteCH(int16_t gridIndex, int16_t chNo);

// Points every channel reference of the hyper settings, the alert and the
// scan block at a channel that exists.
void CheckCHLink();
// Points channels with two-tone or five-tone signalling at used entries,
// then redraws the main window.
void CheckCHSignal();
// Points the alert's five-tone ID code at a used entry.
void CheckAlert5Tone();

// `chNo` if that normal channel exists, else the number of the last entry
// of the normal list, 0 for an empty list.
int16_t GetCHNoInList(int16_t chNo);
// `chNo` if that normal channel exists and receives on a standard transmit
// frequency, else the number of the last such entry, 0 when none.
int16_t GetExistCHNo(int16_t chNo);

// Index (0-based) of the first used two-tone / five-tone entry, else `def`.
int16_t GetUsed2ToneNo(int16_t def);
int16_t GetUsed5ToneNo(int16_t def);
// `index` when it names a used entry, else `replacement`; an index outside
// the table counts as unused.
int16_t Check2ToneNo(int16_t index, int16_t replacement);
int16_t Check5ToneNo(int16_t index, int16_t replacement);
