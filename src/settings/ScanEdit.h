#pragma once
// The rules of the scan dialog (FrmScan): the items of its lists, the revert
// template and which of its items each priority mode offers, the priority
// channels that can be chosen, and the revert choice. The dialog holds only
// the widgets.
//
// The revert channel is stored as an index into the template, whatever
// subset the revert list offers; it is chosen and read back by that index,
// so equal or missing language texts cannot change it.
#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/ChannelRecord.h"

// Combo1(0..12) of the dialog.
inline constexpr int kScanLists = 13;
inline constexpr int kScanModeList = 0;
inline constexpr int kPriorityModeList = 1;
inline constexpr int kPriorityCH1List = 2;
inline constexpr int kPriorityCH2List = 4;
inline constexpr int kRevertList = 6;
inline constexpr int kWaitTimeList = 12;
// WaitTime is the item index of Combo1(12) plus this.
inline constexpr int kWaitTimeOffset = 2;
inline constexpr int kRevertTemplateItems = 8;

// The eight template items (Combo2), in template order.
std::array<std::string, kRevertTemplateItems> RevertTemplateItems();

// The fixed items of Combo1(list): scan mode, priority mode, look-back and
// resume times, scan type, wait time. Nothing for the channel lists, the
// revert list and the two unused lists.
std::vector<std::string> ScanListItems(int list);

// What the revert-list rule does for a priority-mode index (-1: none chosen):
// the template indexes the revert list offers, in order, and which of the
// lists Combo1(2..5) it enables.
struct RevertOffer {
    std::vector<int> templates;
    std::array<bool, 4> enables{};  // Combo1(2), (3), (4), (5)
};
RevertOffer RevertOfferOf(int priorityMode);

// The revert choice: the position in `offered` of the template item
// `revertCH` (item 0 for a value above 7) when it is offered, else 0; -1 for
// an empty list.
int RevertChoice(int revertCH, std::span<const int> offered);
// The template index at `position` of the revert list; 0 with no choice.
int RevertTemplateAt(std::span<const int> offered, int position);

// Whether the scan-mode rule enables Combo1(list) (1..12; Check1 follows
// Combo1(1)), for the indexes of Combo1(0) and Combo1(1) (-1: none chosen).
// Nothing when it leaves the list as it is.
std::optional<bool> ScanModeEnables(int list, int scanMode, int priorityMode);
