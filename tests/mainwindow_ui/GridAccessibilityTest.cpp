// What a screen reader is told of the channel grid: the column headers and
// row labels the grid shows, in every view, in both languages and after the
// language is switched while the window is open.
#include <string>
#include <vector>

#include <QAccessible>
#include <QAction>

#include "AccessibleHeaders.h"
#include "MainWindowFixture.h"
#include "core/HyperRange.h"
#include "core/LangText.h"
#include "core/ui/FrmLanguage.h"
#include "mainwindow/DialogLauncher.h"

namespace {

// The title of each column as the grid shows it: one language text, or two
// on two lines.
struct ColumnTitle {
    Col col;
    int16_t text;
    int16_t secondLine;
};
constexpr ColumnTitle kTitles[] = {
    {Col::RxFre, 1101, 0},         {Col::TxFre, 1140, 0},          {Col::Name, 1103, 0},
    {Col::Step, 1104, 0},          {Col::Bandwidth, 1106, 0},      {Col::Unused, 1108, 0},
    {Col::Power, 1109, 0},         {Col::DecodeTone, 1107, 1112}, {Col::EncodeTone, 1107, 1113},
    {Col::OptSig, 1110, 0},        {Col::Open, 1117, 0},
};

std::string Shown(const ColumnTitle& t) {
    return t.secondLine ? GetLangText(t.text) + "\n" + GetLangText(t.secondLine) : GetLangText(t.text);
}

// The labels of the rows of a view, row 1 first.
std::vector<std::string> RowLabels(int16_t view) {
    std::vector<std::string> labels;
    switch (view) {
        case 0:
            for (int r = 1; r <= 758; ++r) labels.push_back(std::to_string(r));
            break;
        case 1:
            labels = {"L1", "U1", "L2", "U2", "L3", "U3", "L4", "U4", "L5", "U5"};
            break;
        default:
            for (int16_t r = 1; r <= 12; ++r) labels.push_back(GetHyperName(r));
            break;
    }
    return labels;
}

class GridAccessibility : public MainWindowFixture {
protected:
    // Row and column as the grid counts them.
    std::string ColumnHeader(int col) { return HeaderName(&Grid(), 0, col - 1, HeaderOf::Column); }
    std::string RowHeader(int row) { return HeaderName(&Grid(), row - 1, 0, HeaderOf::Row); }
    int TableRows() { return QAccessible::queryAccessibleInterface(&Grid())->tableInterface()->rowCount(); }

    // Every view tells the titles and labels of the current language.
    void ExpectEveryView(const char* when) {
        for (const int16_t view : {0, 1, 2, 3}) {
            SwitchTo(view);
            ComeToTable(&Grid());
            for (const ColumnTitle& t : kTitles)
                EXPECT_EQ(ColumnHeader(GetShowCol(t.col)), Shown(t))
                    << when << ", view " << view << ", column " << GetShowCol(t.col);
            EXPECT_EQ(ColumnHeader(kGridCols - 1), "") << "the column that only fills the width";
            const std::vector<std::string> labels = RowLabels(view);
            ASSERT_EQ(TableRows(), static_cast<int>(labels.size())) << when << ", view " << view;
            for (std::size_t r = 0; r < labels.size(); ++r)
                EXPECT_EQ(RowHeader(static_cast<int>(r) + 1), labels[r])
                    << when << ", view " << view << ", row " << r + 1;
        }
    }
};

TEST_F(GridAccessibility, HeadersAndRowLabelsAreTheShownTexts) {
    Open();
    ExpectEveryView("English");

    SwitchTo(1);
    ComeToTable(&Grid());
    ASSERT_EQ(RowHeader(10), "U5");
    ScopedDialogOpener language(DialogId::Language, [] {
        FrmLanguage dialog;
        platform::Ctl<platform::ComboBox>(&dialog, "Combo1")->SetListIndex(1);
        dialog.CommandOK_Click();
    });
    window_->MenuItem("MnuSetLanguage")->trigger();
    ASSERT_EQ(LangIndex, 2);
    ASSERT_NE(GetLangText(1101), "RX Freq (MHz)");
    // The reader that stayed on the grid hears the new texts.
    EXPECT_EQ(ColumnHeader(GetShowCol(Col::RxFre)), GetLangText(1101));
    EXPECT_EQ(RowHeader(10), "U5");
    ExpectEveryView("Chinese");
}

}  // namespace
