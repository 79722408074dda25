#pragma once
// The four views of the channel grid (normal channels, limit channels, hyper
// bank 1 and 2): their shape, row labels and header texts. Rows are numbered
// as the grid numbers them: row 0 is the header, row r shows channel r of the
// view's list (which record that is: core/ChannelLists.h).
#include <cstdint>
#include <string>

#include "core/ChannelLists.h"
#include "mainwindow/ColumnMap.h"

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
