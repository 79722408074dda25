#pragma once
// The rules of the alert dialog (FrmAlert): the items of its lists, the
// ID-code group list that follows the ID-code type, and how the chosen group
// is shown and stored. The dialog holds only the widgets.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/SignallingRecords.h"

// Combo1(0..9) of the dialog.
enum class AlertList : int {
    AlarmType = 0,
    IDCodeType = 1,
    IDCodeGroup = 2,
    AlarmTime = 3,
    TxTime = 4,
    RxTime = 5,
    CHSelect = 6,
    EmgGroup = 7,  // not stored; hidden with its caption
    EmgCH = 8,
    Period = 9,
};
inline constexpr int kAlertLists = 10;
// Combo2(0..1), in the hidden lone-worker frame.
enum class LoneWorkerList : int { PreAlertTime = 0, LoneWorkTime = 1 };

// The ID-code types, the index of Combo1(1).
enum class IDCodeKind : int { None = 0, DTMF = 1, FiveTone = 2 };

// The fixed items of a list; nothing for the group, channel and unused lists.
std::vector<std::string> AlertListItems(AlertList list);
std::vector<std::string> LoneWorkerItems(LoneWorkerList list);

// The group list for the chosen ID-code type (-1: none chosen): the DTMF
// memories that hold a code ("M1".."M16"), or the numbers of the five-tone
// codes in use ("0" alone when none is); empty for any other type.
std::vector<std::string> IDCodeGroupItems(int idCodeType, const DTMFData& dtmf, const Tone5Data& tone5);
// The item that shows a stored group for the type.
std::string IDCodeGroupText(int idCodeType, int group);
// The group stored for the type and the shown item ("" none shown): the
// memory of "M5" is 4, a five-tone code its number; 0 in every other case.
uint8_t IDCodeGroupOf(int idCodeType, std::string_view shown);

// The alarm-type rule: with a local alarm (item 0) only the alarm time
// applies; every other type (or none chosen) uses the ID code and the
// transmit and receive times instead.
bool AlarmTimeApplies(int alarmType);
