#include <gtest/gtest.h>

#include "ProgramSandbox.h"
#include "core/SharedState.h"
#include "mainwindow/CellEditing.h"

namespace {

using Kind = CellAction::Kind;

TEST(CellEditing, WhatACellOpens) {
    ProgramSandbox sandbox;
    struct Case {
        const char* name;
        int row, col;
        Kind kind;
        int16_t logical;
    };
    const Case cases[] = {
        {"header row", 0, 3, Kind::Nothing, 0},
        {"label column", 4, 0, Kind::Nothing, 0},
        {"receive", 4, 1, Kind::Edit, 1},
        {"signalling", 4, 10, Kind::Edit, 10},
        {"never-filled column", 4, 6, Kind::CloseOnly, 0},
        {">> opens the channel dialog", 4, 11, Kind::ChannelDialog, 0},
        {"last, empty column", 4, 12, Kind::CloseOnly, 0},
    };
    for (const auto& c : cases) {
        const CellAction a = ActionOfCell(c.row, c.col, 13);
        EXPECT_EQ(a.kind, c.kind) << c.name;
        if (c.kind == Kind::Edit) {
            EXPECT_EQ(a.logical, c.logical) << c.name;
        }
    }
    // Through the column map: transmit and name swapped.
    MainShowCount = 2;
    MainShowData[0] = 2, MainShowCol[0] = 3;
    MainShowData[1] = 3, MainShowCol[1] = 2;
    EXPECT_EQ(ActionOfCell(4, 3, 13).logical, 2);
    EXPECT_EQ(ActionOfCell(4, 2, 13).logical, 3);
}

TEST(CellEditing, ReceiveTextWithoutDigitsEmptiesAndATypoIsNoNumber) {
    struct Case {
        std::string_view text;
        RxText kind;
    };
    const Case cases[] = {
        {"", RxText::NoDigits},      {".", RxText::NoDigits},        {"..", RxText::NoDigits},
        {"145.5", RxText::Number},   {".5", RxText::Number},         {"145.", RxText::Number},
        {"1.2.3", RxText::NotANumber}, {"14..5", RxText::NotANumber},
    };
    for (const auto& c : cases) EXPECT_EQ(ClassifyRxText(c.text), c.kind) << c.text;
}

TEST(CellEditing, TextEditorKeys) {
    struct Case {
        TextKind kind;
        int key;
        KeyAction action;
    };
    constexpr auto F = TextKind::Frequency;
    constexpr auto N = TextKind::Name;
    const Case cases[] = {
        {F, '5', KeyAction::Pass},    {F, '.', KeyAction::Pass},     {F, 'a', KeyAction::Swallow},
        {F, ' ', KeyAction::Swallow}, {F, '-', KeyAction::Swallow},  {F, 8, KeyAction::Pass},
        {N, 'a', KeyAction::Pass},    {N, ' ', KeyAction::Pass},     {N, '\\', KeyAction::Swallow},
        {N, '~', KeyAction::Swallow}, {N, 127, KeyAction::Pass},     {N, 233, KeyAction::Swallow},
        {N, 13, KeyAction::Commit},   {F, 13, KeyAction::Commit},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextEditorKeyPress(c.kind, c.key), c.action) << static_cast<int>(c.kind) << " key " << c.key;
    for (const int ctrl : {3, 22, 24}) {
        EXPECT_EQ(TextEditorKeyPress(F, ctrl), KeyAction::Swallow);
        EXPECT_EQ(TextEditorKeyPress(N, ctrl), KeyAction::Swallow);
    }
}

TEST(CellEditing, ListIndexesAndTheToneChain) {
    UFreData ch;
    ch.De_DCSCode = 19;
    ch.De_DCSInvert = 1;
    ch.En_CTCSS = 51;
    ch.Bandwidth = 2;
    EXPECT_EQ(ListIndexOf(ch, CellEditor::ComboDe_CDCSS), 531);
    EXPECT_EQ(ListIndexOf(ch, CellEditor::ComboEn_CTCSS), 51);
    EXPECT_EQ(ListIndexOf(ch, CellEditor::ComboWN), 2);
    EXPECT_EQ(ChainedCodeList(CellEditor::ComboDe_CTC_Type, 2), CellEditor::ComboDe_CDCSS);
    EXPECT_EQ(ChainedCodeList(CellEditor::ComboEn_CTC_Type, 1), CellEditor::ComboEn_CTCSS);
    EXPECT_EQ(ChainedCodeList(CellEditor::ComboEn_CTC_Type, 0), CellEditor::None);
    EXPECT_EQ(StoreTargetOf(CellEditor::ComboEn_CDCSS)->col, 9);
    EXPECT_EQ(StoreTargetOf(CellEditor::ComboEn_CDCSS)->part, 2);
    EXPECT_FALSE(StoreTargetOf(CellEditor::TextName));
    EXPECT_TRUE(DropsListDown(CellEditor::ComboDe_CTCSS, 40));
    EXPECT_FALSE(DropsListDown(CellEditor::ComboStep, 40));
}

TEST(CellEditing, ArrowsStepThroughAnOpenListAndStopAtItsEnds) {
    struct Case { const char* name; int index, count, key, got; };
    const Case cases[] = {
        {"down", 1, 3, 40, 2},        {"right as down", 1, 3, 39, 2},
        {"up", 1, 3, 38, 0},          {"left as up", 1, 3, 37, 0},
        {"down at the end", 2, 3, 40, 2}, {"up at the start", 0, 3, 38, 0},
        {"nothing chosen yet", -1, 3, 40, 0}, {"not an arrow", 1, 3, 36, 1},
        {"empty list", -1, 0, 40, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(ArrowStep(c.index, c.count, c.key), c.got) << c.name;
}

}  // namespace
