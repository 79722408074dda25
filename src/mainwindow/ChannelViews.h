#pragma once
// The four views of the channel grid (normal channels, limit channels, hyper
// bank 1 and 2): their shape, row labels and header texts, and which record
// each row shows. Rows are numbered as the grid numbers them: row 0 is the
// header, row r shows channel r of the view's list.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/ChannelRecord.h"
#include "mainwindow/ColumnMap.h"

enum class ListType : int16_t { Normal = 0, Limit = 1, Hyper1 = 2, Hyper2 = 3 };

// Data rows of a view (758, 10, 12, 12); 0 for a list type that is no view.
int DataRows(int16_t listType);
// The row label of a data row: "1".."758", "L1","U1".."U5", "L-108".."HR-400".
std::string RowLabel(int16_t listType, int row);
// Width of the name column: hidden in the hyper views.
int NameColumnTwips(int16_t listType);
// The hyper panel shows with the hyper views only.
bool HyperPanelShown(int16_t listType);
// The header text of a logical column (UTF-8).
std::string HeaderText(Col logical);

// For every row 1..758 of the normal view, the index in UFreList of the
// channel it shows, -1 for an unused row. Entries outside 1..758 are never
// placed; of two entries with one number the first is shown, as the row
// redraw finds it.
using NormalRowMap = std::array<int16_t, kMaxChannels + 1>;
NormalRowMap PlaceNormalRows();

// The record row `row` of the view shows, nothing for an unused row.
std::optional<UFreData> RowRecord(int16_t listType, int16_t row);
