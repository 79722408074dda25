// The channel dialog: what a hidden load fills, how a channel is shown, the
// control rules and keys, and what OK stores, deletes and redraws.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>

#include "KeyPresses.h"
#include "ChannelTestRecords.h"
#include "ProgramSandbox.h"
#include "WaitFor.h"
#include "channels/ui/FrmCHEdit.h"
#include "core/BandPlan.h"
#include "core/Defaults.h"
#include "core/HyperChannel.h"
#include "core/HyperRange.h"
#include "core/MainWindowHooks.h"
#include "core/SharedState.h"
#include "platform/Twips.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/TextBox.h"

using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

// Records the rows the dialog asks the main window to redraw.
class RowRecorder : public MainWindowView {
public:
    void ReShowGrid(int16_t index, int16_t row, int16_t col) override { rows.push_back({index, row, col}); }
    std::vector<std::array<int16_t, 3>> rows;
};

class FrmCHEditTest : public testing::Test {
protected:
    void SetUp() override {
        StartWithoutChannels();
        CHListType = 0;
        CurCHNo = 1;
    }
    static const UFreData* Normal(int16_t no) {
        const int16_t at = GetCHIndex(no);
        return at < 0 ? nullptr : &UFreList[static_cast<std::size_t>(at)];
    }
    FrmCHEdit& Open(int16_t listType, int16_t chNo) {
        CHListType = listType;
        CurCHNo = chNo;
        dialog = std::make_unique<FrmCHEdit>();
        return *dialog;
    }
    void Show() {
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
    }
    platform::ComboBox* C(const char* name, int index = -1) {
        return platform::Ctl<platform::ComboBox>(dialog.get(), name, index);
    }
    platform::TextBox* T(const char* name, int index = -1) {
        return platform::Ctl<platform::TextBox>(dialog.get(), name, index);
    }
    QCheckBox* K(const char* name, int index = -1) { return platform::Ctl<QCheckBox>(dialog.get(), name, index); }
    QWidget* W(const char* name, int index = -1) { return platform::Ctl<QWidget>(dialog.get(), name, index); }
    std::string Text(const char* name, int index = -1) { return T(name, index)->text().toStdString(); }
    std::vector<std::string> Items(platform::ComboBox* list) {
        std::vector<std::string> items;
        for (int i = 0; i < list->ListCount(); ++i) items.push_back(list->List(i));
        return items;
    }
    void ClickOK() { platform::Ctl<QPushButton>(dialog.get(), "CommandOK")->click(); }
    void FocusOn(QWidget* w) {
        w->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(WaitFor([w] { return w->hasFocus(); })) << platform::ControlName(w);
    }

    ProgramSandbox sandbox;
    RowRecorder view;
    ScopedMainView installed{view};
    std::unique_ptr<FrmCHEdit> dialog;
};

TEST_F(FrmCHEditTest, AHiddenLoadFillsEveryCaptionAndList) {
    AddNormalChannel(UsedChannel(1, "014500000"));
    Open(0, 1);
    EXPECT_TRUE(dialog->isHidden());
    EXPECT_EQ(dialog->windowTitle(), "Channel Edit");

    struct CaptionCase {
        const char* name;
        int index;
        const char* text;
    };
    const CaptionCase captions[] = {
        {"Label1", 0, "RX Freq (MHz)"},   {"Label1", 1, "Offset"},        {"Label1", 2, "Name"},
        {"Label1", 3, "TX Freq (MHz)"},   {"Label2", 3, "Talk Around"},   {"Label2", 4, "Signalling"},
        {"Label2", 5, "CTCSS/DCS Decode"}, {"Label2", 8, "Modulation"},   {"Label2", 9, "Squelch Mode"},
        {"Label2", 10, "CTCSS/DCS Encode"}, {"Label2", 11, "静噪模式"},   {"Label2", 12, "Display"},
        {"Label2", 14, "守侯信道"},       {"Label2", 15, "Modulation"},   {"Label2", 16, "Scan"},
        {"Label3", -1, "PTTID Code"},     {"Label4", -1, "User CTCSS (Hz)"},
    };
    for (const auto& c : captions)
        EXPECT_EQ(platform::Ctl<QLabel>(dialog.get(), c.name, c.index)->text().toStdString(), c.text)
            << c.name << "(" << c.index << ")";
    const CaptionCase checks[] = {{"Check1", -1, "TX Inhibit"},   {"Check2", 0, "Invert"}, {"Check2", 1, "Invert"},
                                  {"Check3", -1, "PTT ID"},       {"Check4", 0, "Reverse"}, {"Check4", 1, "Talk Around"},
                                  {"Check5", -1, "Compander"},    {"Check6", -1, "扫描跳过"}, {"Check7", -1, "SM/AM Auto"}};
    for (const auto& c : checks) EXPECT_EQ(K(c.name, c.index)->text().toStdString(), c.text) << c.name;
    EXPECT_EQ(platform::Ctl<QPushButton>(dialog.get(), "CommandCancel")->text(), "Cancel");

    struct ListCase {
        const char* name;
        int index;
        int count;
        int item;
        const char* text;
    };
    const ListCase lists[] = {
        {"Combo1", 0, 10, 2, "6.25K"},  {"Combo1", 1, 3, 2, "12.5KHz"}, {"Combo1", 2, 4, 1, "Middle1"},
        {"Combo1", 3, 2, 1, "ON"},      {"Combo1", 4, 4, 3, "5Tone"},   {"Combo1", 5, 3, 0, "OFF"},
        {"Combo1", 6, 12, 11, "User2"}, {"Combo1", 7, 4, 3, "Both"},    {"Combo1", 8, 4, 1, "BOT"},
        {"Combo1", 10, 3, 2, "DCS"},    {"Combo1", 11, 5, 4, "CTCSS/DCS or Signalling"},
        {"Combo1", 12, 10, 3, "Name"},  {"Combo1", 13, 3, 1, "Repeater"}, {"Combo1", 14, 0, 0, ""},
        {"Combo1", 15, 2, 1, "AM"},     {"Combo1", 16, 3, 2, "P Scan"}, {"Combo2", -1, 3, 0, "OFF"},
        {"Combo3", 0, 52, 51, "User"},  {"Combo3", 1, 52, 20, "127.3"}, {"Combo3", 2, 512, 83, "123"},
        {"Combo3", 3, 512, 511, "777"}, {"Combo4", 0, 16, 15, "M16"},
    };
    for (const auto& c : lists) {
        EXPECT_EQ(C(c.name, c.index)->ListCount(), c.count) << c.name << "(" << c.index << ")";
        EXPECT_EQ(C(c.name, c.index)->List(c.item), c.text) << c.name << "(" << c.index << ")";
    }

    for (const auto& [name, index] : {std::pair{"Combo1", 7}, {"Label2", 7}, {"Combo1", 8}, {"Label2", 8}})
        EXPECT_TRUE(platform::IsShown(W(name, index))) << name << index;
    for (const auto& [name, index] : {std::pair{"Combo1", 11}, {"Label2", 11}, {"Combo1", 3}, {"Label2", 3},
                                      {"Check3", -1}, {"Check7", -1}, {"Combo2", -1}, {"Text1", 1}, {"Text1", 9}})
        EXPECT_FALSE(platform::IsShown(W(name, index))) << name << index;

    // The alternative lists lie over each other.
    EXPECT_EQ(W("Combo3", 2)->pos(), W("Combo3", 0)->pos());
    EXPECT_EQ(W("Combo3", 3)->pos(), W("Combo3", 1)->pos());
    EXPECT_EQ(W("Combo4", 1)->pos(), W("Combo4", 0)->pos());
    EXPECT_EQ(W("Combo4", 2)->pos(), W("Combo4", 0)->pos());
    // Labels end 100 twips before their controls; the unplaced ones keep their place.
    for (const auto& [label, control] : {std::pair{"Label2", "Combo1"}}) {
        for (int i : {0, 5, 9, 16}) {
            auto* l = platform::Ctl<QLabel>(dialog.get(), label, i);
            EXPECT_EQ(l->x() + l->width() + platform::PixelsFromTwips(100), W(control, i)->x()) << i;
        }
    }
    EXPECT_EQ(W("Label2", 15)->x(), platform::PixelsFromTwips(1200));

    LangIndex = 2;
    LangFilePath = "language/Tchinese.ini";
    Open(0, 1);
    EXPECT_EQ(dialog->windowTitle(), "頻道編輯");
    EXPECT_EQ(platform::Ctl<QLabel>(dialog.get(), "Label2", 16)->text(), "掃描");
    EXPECT_EQ(platform::Ctl<QLabel>(dialog.get(), "Label2", 5)->text(), "亞音 解碼");
    EXPECT_EQ(C("Combo2")->List(0), "關");
    EXPECT_EQ(C("Combo3", 0)->List(51), "自訂");
    EXPECT_EQ(platform::Ctl<QPushButton>(dialog.get(), "CommandOK")->text(), "確定");
}

TEST_F(FrmCHEditTest, TransmitBoxShowsReceiveMovedByTheOffset) {
    struct Case {
        int16_t dir;
        const char* rx;
        const char* tx;
    };
    for (const Case& c : {Case{0, "014512500", "145.12500"}, {1, "014512500", "144.52500"}, {2, "014512500", "145.72500"},
                          {1, "024000000", ""}, {2, "037000000", ""}}) {
        CurData.CHCount = 0;
        UFreData ch = UsedChannel(12, c.rx, "000060000");
        ch.ShiftDir = c.dir;
        AddNormalChannel(ch);
        Open(0, 12);
        EXPECT_EQ(Text("Text1", 10), c.tx) << c.rx << " direction " << c.dir;
        EXPECT_EQ(Text("Text1", 1), "0.60000");
        EXPECT_EQ(C("Combo2")->ListIndex(), c.dir);
    }
}

TEST_F(FrmCHEditTest, EveryFieldIsShownInItsControl) {
    UFreData ch = UsedChannel(5, "011800000");
    ch.CHName = FixStr<7>::Of("AB");
    ch.TxPower = 9;  // beyond the list
    ch.StepIndex = 3;
    ch.Bandwidth = 2;
    ch.De_CTC_Type = 1;
    ch.De_CTCSS = 12;
    ch.En_CTC_Type = 2;
    ch.En_DCSCode = 83;
    ch.En_DCSInvert = 1;
    ch.OptSig = 1;
    ch.DTMFCodeNo = 5;
    ch.PTTIDType = 2;
    ch.Scrambler = 10;
    ch.BusyLock = 1;
    ch.ScanSkip = 2;
    ch.Modulation = 1;
    ch.Compander = 1;
    ch.TxInhibit = 1;
    ch.UserCTCSS = 0;
    ch.SQLMode = 4;
    AddNormalChannel(ch);
    Open(0, 5);

    EXPECT_EQ(Text("Text1", 0), "118.00000");
    const std::array<std::string, 7> name = {"A", "B", "", "", "", "", ""};
    for (int k = 0; k < 7; ++k) EXPECT_EQ(Text("Text1", 2 + k), name[static_cast<std::size_t>(k)]) << k;
    EXPECT_EQ(C("Combo1", 2)->ListIndex(), 0) << "power beyond the list shows its first item";
    EXPECT_EQ(EditCHData.TxPower, 0);
    struct Case {
        const char* name;
        int index;
        int selected;
    };
    for (const Case& c : {Case{"Combo1", 0, 3}, {"Combo1", 1, 2}, {"Combo1", 5, 1}, {"Combo3", 0, 12}, {"Combo1", 10, 2},
                          {"Combo3", 3, 83}, {"Combo1", 4, 1}, {"Combo4", 0, 5}, {"Combo1", 7, 2}, {"Combo1", 6, 10},
                          {"Combo1", 13, 1}, {"Combo1", 16, 2}, {"Combo1", 15, 1}, {"Combo1", 9, 4}})
        EXPECT_EQ(C(c.name, c.index)->ListIndex(), c.selected) << c.name << "(" << c.index << ")";
    for (const auto& [listName, index, shown] :
         {std::tuple{"Combo3", 0, true}, {"Combo3", 2, false}, {"Combo3", 1, false}, {"Combo3", 3, true},
          {"Combo4", 0, true}, {"Combo4", 1, false}, {"Combo4", 2, false}, {"Check2", 0, false}, {"Check2", 1, true}})
        EXPECT_EQ(platform::IsShown(W(listName, index)), shown) << listName << index;
    EXPECT_TRUE(K("Check2", 1)->isChecked());
    EXPECT_TRUE(K("Check1")->isChecked());
    EXPECT_TRUE(K("Check5")->isChecked());
    EXPECT_TRUE(C("Combo1", 15)->isEnabled()) << "118 MHz may be AM";
    EXPECT_EQ(Text("Text3"), ".0");
}

TEST_F(FrmCHEditTest, StoredValuesBeyondTheirListsShowTheFirstItemAndOKStoresIt) {
    UFreData ch = UsedChannel(5, "014500000", "000060000");
    for (int16_t* field : {&ch.StepIndex, &ch.Bandwidth, &ch.PTTIDType, &ch.SQLMode, &ch.Scrambler, &ch.BusyLock,
                           &ch.ScanSkip, &ch.Modulation, &ch.ShiftDir, &ch.De_CTCSS, &ch.En_DCSCode, &ch.DTMFCodeNo})
        *field = 600;
    ch.De_CTC_Type = 1;
    ch.En_CTC_Type = 2;
    ch.OptSig = 1;
    ch.TxPower = -4;
    ch.UserCTCSS = -5;
    AddNormalChannel(ch);
    Open(0, 5);  // a guarded failure would be an unexpected prompt
    for (const auto& [name, index] : {std::pair{"Combo1", 0}, {"Combo1", 1}, {"Combo1", 2}, {"Combo1", 6}, {"Combo1", 7},
                                      {"Combo1", 9}, {"Combo1", 13}, {"Combo1", 15}, {"Combo1", 16}, {"Combo2", -1},
                                      {"Combo3", 0}, {"Combo3", 3}, {"Combo4", 0}})
        EXPECT_EQ(C(name, index)->ListIndex(), 0) << name << "(" << index << ")";
    EXPECT_EQ(Text("Text1", 10), "145.00000") << "an unknown direction transmits on the receive frequency";
    EXPECT_EQ(Text("Text3"), "-.5");
    ClickOK();
    const UFreData& saved = *Normal(5);
    for (int16_t v : {saved.StepIndex, saved.Bandwidth, saved.PTTIDType, saved.SQLMode, saved.Scrambler, saved.BusyLock,
                      saved.ScanSkip, saved.Modulation, saved.ShiftDir, saved.De_CTCSS, saved.En_DCSCode,
                      saved.DTMFCodeNo, saved.TxPower})
        EXPECT_EQ(v, 0);
    EXPECT_EQ(saved.UserCTCSS, 1511);
}

TEST_F(FrmCHEditTest, LimitAndHyperNumbersWrapAndHyperRowsHaveNoName) {
    CurData.LimitCH[0] = UsedChannel(1, "014000000");
    UFreData row = UsedChannel(1, "040000000");
    row.UsedFlag = 0;
    SetHyperChannel(1, 1, row);

    Open(1, 11);
    EXPECT_EQ(CurCHNo, 1);
    EXPECT_EQ(Text("Text1", 0), "140.00000");
    EXPECT_TRUE(platform::IsShown(W("Text1", 2)));

    Open(3, 13);
    EXPECT_EQ(CurCHNo, 1);
    EXPECT_EQ(Text("Text1", 0), "400.00000") << "an unused hyper row shows what it holds";
    EXPECT_FALSE(platform::IsShown(W("Label1", 2)));
    for (int i = 2; i <= 8; ++i) EXPECT_FALSE(platform::IsShown(W("Text1", i))) << i;
}

TEST_F(FrmCHEditTest, AnEmptyReceiveBoxDisablesTheValueControls) {
    Open(0, 30);
    EXPECT_EQ(Text("Text1", 0), "");
    for (const auto& [name, index] : {std::pair{"Text1", 10}, {"Text1", 2}, {"Combo1", 0}, {"Combo1", 9}, {"Combo1", 16},
                                      {"Check1", -1}, {"Check4", 0}, {"Text3", -1}, {"Combo2", -1}})
        EXPECT_FALSE(W(name, index)->isEnabled()) << name << index;
    for (const char* name : {"CommandOK", "CommandCancel"}) EXPECT_TRUE(W(name)->isEnabled());
    EXPECT_TRUE(W("Text1", 0)->isEnabled());
    EXPECT_EQ(C("Combo1", 16)->ListIndex(), 1) << "a blank channel skips the scan";
    EXPECT_EQ(C("Combo3", 0)->ListIndex(), -1) << "no tone: its code list is never set";

    T("Text1", 0)->setText("1");
    EXPECT_TRUE(W("Combo1", 0)->isEnabled());
    EXPECT_TRUE(W("Text3")->isEnabled());
    T("Text1", 0)->clear();
    EXPECT_FALSE(W("Combo1", 0)->isEnabled());
}

TEST_F(FrmCHEditTest, AMOnlyFor100To200MHzInBandPlan0) {
    struct Case {
        int16_t plan;
        const char* rx;
        bool enabled;
        int shown;
    };
    for (const Case& c : {Case{0, "011800000", true, 1}, {0, "043500000", false, 0}, {1, "014500000", false, 0}}) {
        PCBand = c.plan;
        CurData.CHCount = 0;
        UFreData ch = UsedChannel(2, c.rx);
        ch.Modulation = 1;
        AddNormalChannel(ch);
        Open(0, 2);
        EXPECT_EQ(C("Combo1", 15)->isEnabled(), c.enabled) << c.rx;
        EXPECT_EQ(C("Combo1", 15)->ListIndex(), c.shown) << c.rx;
        EXPECT_EQ(K("Check7")->isEnabled(), c.shown == 0) << "SM/AM Auto follows FM";
    }
}

TEST_F(FrmCHEditTest, SquelchListOffersWhatToneAndSignallingAllow) {
    UFreData ch = UsedChannel(3, "014500000");
    ch.De_CTC_Type = 1;
    AddNormalChannel(ch);
    Open(0, 3);
    const auto master = Items(C("Combo1", 11));
    auto* squelch = C("Combo1", 9);
    EXPECT_EQ(Items(squelch), (std::vector<std::string>{master[0], master[1]}));

    squelch->SetListIndex(1);
    C("Combo1", 4)->SetListIndex(1);  // DTMF
    EXPECT_EQ(Items(squelch), master);
    EXPECT_EQ(squelch->Text(), master[1]) << "the chosen mode stays";
    squelch->SetListIndex(3);
    C("Combo1", 4)->SetListIndex(0);
    EXPECT_EQ(Items(squelch), (std::vector<std::string>{master[0], master[1]}));
    EXPECT_EQ(squelch->ListIndex(), 0) << "mode 3 is no longer offered";

    // Reverse lets the transmit tone count.
    C("Combo1", 5)->SetListIndex(0);
    C("Combo1", 10)->SetListIndex(1);
    EXPECT_EQ(Items(squelch), std::vector<std::string>{master[0]});
    K("Check4", 0)->setChecked(true);
    EXPECT_EQ(Items(squelch), (std::vector<std::string>{master[0], master[1]}));
    K("Check4", 1)->setChecked(true);
    EXPECT_FALSE(K("Check4", 0)->isChecked()) << "talk-around unchecks reverse";
    EXPECT_EQ(Items(squelch), std::vector<std::string>{master[0]});
    K("Check4", 0)->setChecked(true);
    EXPECT_FALSE(K("Check4", 1)->isChecked()) << "reverse unchecks talk-around";
}

TEST_F(FrmCHEditTest, UnchangedOKKeepsASquelchModeThatOnlyReverseAllows) {
    UFreData ch = UsedChannel(4, "014500000");
    ch.Reverse = 1;
    ch.En_CTC_Type = 1;
    ch.En_CTCSS = 7;
    ch.SQLMode = 1;
    ch.CHName = FixStr<7>::Of("REV");
    ch.De_CTCSS = 0;  // no receive tone: its list is never set, so OK stores 0
    ch.Reserved1 = 1;
    ch.Reserved2 = 1;
    AddNormalChannel(ch);
    Open(0, 4);
    EXPECT_EQ(C("Combo1", 9)->Text(), C("Combo1", 11)->List(1));
    ClickOK();
    EXPECT_EQ(*Normal(4), ch) << "nothing changed, nothing lost";

    // Both reverse and talk-around stored: talk-around is shown.
    CurData.CHCount = 0;
    ch.TalkAround = 1;
    AddNormalChannel(ch);
    Open(0, 4);
    EXPECT_FALSE(K("Check4", 0)->isChecked());
    EXPECT_TRUE(K("Check4", 1)->isChecked());
}

TEST_F(FrmCHEditTest, ToneTypeChangesRestartTheCodeList) {
    UFreData ch = UsedChannel(6, "014500000");
    ch.De_CTC_Type = 1;
    ch.De_CTCSS = 12;
    AddNormalChannel(ch);
    Open(0, 6);
    K("Check2", 0)->setChecked(true);
    C("Combo1", 5)->SetListIndex(2);
    EXPECT_FALSE(platform::IsShown(W("Combo3", 0)));
    EXPECT_TRUE(platform::IsShown(W("Combo3", 2)));
    EXPECT_EQ(C("Combo3", 2)->ListIndex(), 0);
    EXPECT_TRUE(platform::IsShown(W("Check2", 0)));
    EXPECT_FALSE(K("Check2", 0)->isChecked());
    C("Combo1", 5)->SetListIndex(1);
    EXPECT_EQ(C("Combo3", 0)->Text(), "62.5") << "the first tone, not the one chosen before";
    EXPECT_FALSE(platform::IsShown(W("Combo3", 2)));
    C("Combo1", 5)->SetListIndex(0);
    EXPECT_FALSE(platform::IsShown(W("Combo3", 0)));

    // The transmit codes follow their type only while the controls are enabled.
    C("Combo1", 10)->SetListIndex(1);
    EXPECT_TRUE(platform::IsShown(W("Combo3", 1)));
    T("Text1", 0)->clear();
    C("Combo1", 10)->SetListIndex(2);
    EXPECT_TRUE(platform::IsShown(W("Combo3", 1)));
    EXPECT_FALSE(platform::IsShown(W("Combo3", 3)));
}

TEST_F(FrmCHEditTest, SignallingCodeListsShowTheEntriesInUse) {
    for (auto& call : CurData.FunSet.Tone2.Tone2List) call.EmptyFlag = 1;
    for (auto& code : CurData.FunSet.Tone5.Tone5List) code.EmptyFlag = 1;
    for (int call : {1, 5, 24}) CurData.FunSet.Tone2.Tone2List[call].EmptyFlag = 0;
    UFreData ch = UsedChannel(8, "014500000");
    ch.OptSig = 2;
    ch.Tone2No = 6;  // call 7 is not in use
    AddNormalChannel(ch);
    Open(0, 8);
    EXPECT_EQ(Items(C("Combo4", 1)), (std::vector<std::string>{"0", "4", "23"}));
    EXPECT_EQ(C("Combo4", 1)->Text(), "0") << "the first entry in use";
    C("Combo4", 1)->SetListIndex(2);
    C("Combo1", 4)->SetListIndex(3);  // five-tone, with no code in use
    EXPECT_TRUE(platform::IsShown(W("Combo4", 2)));
    EXPECT_FALSE(platform::IsShown(W("Combo4", 1)));
    EXPECT_EQ(C("Combo4", 2)->ListCount(), 0);
    EXPECT_EQ(C("Combo4", 2)->ListIndex(), -1);
    ClickOK();
    EXPECT_EQ(Normal(8)->OptSig, 3);
    EXPECT_EQ(Normal(8)->Tone5No, 0);
    EXPECT_EQ(Normal(8)->Tone2No, 23) << "every code list is stored, whatever the type";
}

TEST_F(FrmCHEditTest, BoxesTakeTheirCharactersAndEnterNeverPressesOK) {
    AddNormalChannel(UsedChannel(9, "014500000"));
    Open(0, 9);
    Show();
    auto* rx = T("Text1", 0);
    FocusOn(rx);
    EXPECT_TRUE(WaitFor([rx] { return rx->selectedText() == rx->text(); })) << "entering a box selects its text";
    rx->clear();
    Type(rx, "1a4- 5.5");
    EXPECT_EQ(rx->text(), "145.5");
    QApplication::clipboard()->setText("999");
    Key(rx, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(rx->text(), "145.5") << "Ctrl+V does nothing";

    auto* first = T("Text1", 2);
    FocusOn(first);
    Type(first, "\\");
    EXPECT_TRUE(first->hasFocus());
    EXPECT_EQ(first->text(), "");
    Type(first, "A");
    EXPECT_EQ(first->text(), "A");
    EXPECT_TRUE(T("Text1", 3)->hasFocus()) << "a name box moves on after its character";
    T("Text1", 3)->InsertAdmitted(QStringLiteral("中"));
    EXPECT_EQ(Text("Text1", 3), "") << "no double-byte character by any road";

    auto* tone = T("Text3");
    for (const auto& [typed, shown] : {std::pair{"300", "151.1"}, {"100", "100.0"}, {"62.5", "62.5"}, {"", "151.1"}}) {
        FocusOn(tone);
        tone->clear();
        Type(tone, typed);
        Key(tone, Qt::Key_Tab);
        EXPECT_EQ(Text("Text3"), shown) << typed;
    }

    FocusOn(W("CommandOK"));
    Key(W("CommandOK"), Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_TRUE(W("CommandCancel")->hasFocus());
    FocusOn(rx);
    Key(rx, Qt::Key_Enter, Qt::KeypadModifier, "\r");
    EXPECT_TRUE(T("Text1", 10)->hasFocus());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), 0);
    EXPECT_TRUE(view.rows.empty());
}

TEST_F(FrmCHEditTest, TabPassesOverWhatLiesBeyondTheClientArea) {
    AddNormalChannel(UsedChannel(9, "014500000"));
    Open(0, 9);
    Show();
    FocusOn(W("CommandCancel"));
    Key(W("CommandCancel"), Qt::Key_Tab);
    EXPECT_TRUE(K("Check4", 0)->hasFocus()) << "the five-tone PTT-ID list is never seen";
    EXPECT_EQ(C("Combo1", 8)->focusPolicy(), Qt::NoFocus);
}

TEST_F(FrmCHEditTest, OKAddsANewNormalChannelAndRedrawsItsRow) {
    AddNormalChannel(UsedChannel(2, "014500000"));
    Open(0, 40);
    T("Text1", 0)->setText("146.5");
    C("Combo1", 7)->SetListIndex(2);
    T("Text1", 2)->setText("N");
    T("Text3")->setText("62.5");
    ClickOK();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    ASSERT_EQ(CurData.CHCount, 2);
    const UFreData& added = UFreList[1];
    EXPECT_EQ(added.CHNo, 40);
    EXPECT_EQ(added.UsedFlag, 1);
    EXPECT_EQ(added.RxFre.raw(), "014650000");
    EXPECT_EQ(added.OffsetFre.raw(), "000000000");
    EXPECT_EQ(added.ShiftDir, 0);
    EXPECT_EQ(added.CHName.raw(), "N      ");
    EXPECT_EQ(added.PTTIDType, 2);
    EXPECT_EQ(added.UserCTCSS, 625);
    EXPECT_EQ(added.ScanSkip, 1);
    EXPECT_EQ(added.Reserved1, 0);
    EXPECT_EQ(view.rows, (std::vector<std::array<int16_t, 3>>{{0, 40, 0}}));
}

TEST_F(FrmCHEditTest, OKChangesAChannelInPlaceKeepingNumberAndReservedFields) {
    AddNormalChannel(UsedChannel(1, "014500000"));
    UFreData ch = UsedChannel(7, "043500000");
    ch.Reserved1 = 1;
    ch.Reserved2 = 1;
    AddNormalChannel(ch);
    AddNormalChannel(UsedChannel(3, "014600000"));
    Open(0, 7);
    T("Text1", 10)->setText("430");
    C("Combo1", 1)->SetListIndex(1);
    ClickOK();
    EXPECT_EQ(CurData.CHCount, 3);
    EXPECT_EQ(UFreList[1].CHNo, 7) << "at its place";
    EXPECT_EQ(UFreList[1].Reserved1, 1);
    EXPECT_EQ(UFreList[1].Reserved2, 1);
    EXPECT_EQ(UFreList[1].Bandwidth, 1);
    EXPECT_EQ(UFreList[1].ShiftDir, 1);
    EXPECT_EQ(UFreList[1].OffsetFre.raw(), "000500000");
    EXPECT_EQ(UFreList[1].CHName.raw(), "       ");
}

TEST_F(FrmCHEditTest, AnEmptiedReceiveBoxDeletesByListType) {
    struct Case {
        const char* what;
        int16_t listType;
        const char* emptied;
    };
    for (const Case& c : {Case{"normal", 0, ""}, {"normal, a point", 0, "."}, {"limit", 1, ""}, {"hyper", 2, ""}}) {
        sandbox.Reset();
        SetUp();
        AddNormalChannel(UsedChannel(1, "014500000"));
        AddNormalChannel(UsedChannel(5, "014600000"));
        AddNormalChannel(UsedChannel(6, "014700000"));
        CurData.FunSet.Scan.PriorityCH1 = 4;  // channel 5
        CurData.LimitCH[4] = UsedChannel(5, "014000000");
        SetHyperChannel(5, 0, UsedChannel(5, "014500000"));
        const UFreData hyper = GetHyperChannel(5, 0);
        Open(c.listType, 5);
        T("Text1", 0)->setText(c.emptied);
        ClickOK();
        EXPECT_EQ(dialog->result(), QDialog::Accepted) << c.what;
        if (c.listType == 0) {
            EXPECT_EQ(CurData.CHCount, 2) << c.what;
            EXPECT_EQ(UFreList[1].CHNo, 6) << c.what << ": later entries move forward";
            EXPECT_EQ(CurData.FunSet.Scan.PriorityCH1, 5) << c.what << ": the scan follows to channel 6";
        } else if (c.listType == 1) {
            EXPECT_EQ(CurData.LimitCH[4].UsedFlag, 0) << c.what;
            EXPECT_EQ(CurData.LimitCH[4].RxFre.raw(), "014000000") << c.what;
        } else {
            EXPECT_EQ(GetHyperChannel(5, 0), hyper) << c.what << ": a hyper row is never deleted";
        }
        EXPECT_EQ(view.rows.back(), (std::array<int16_t, 3>{0, 5, 0})) << c.what;
    }
}

TEST_F(FrmCHEditTest, AReceiveTextWithDigitsThatIsNoNumberKeepsTheDialogOpen) {
    AddNormalChannel(UsedChannel(5, "014500000"));
    const UFreData before = UFreList[0];
    Open(0, 5);
    Show();
    T("Text1", 0)->setText("1.2.3");
    ExpectFreWarnings(sandbox.prompts, 1);
    ClickOK();
    EXPECT_EQ(UFreList[0], before);
    EXPECT_EQ(CurData.CHCount, 1);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(WaitFor([this] { return T("Text1", 0)->hasFocus(); }));
    EXPECT_TRUE(view.rows.empty());
}

TEST_F(FrmCHEditTest, ANumberBeyondTheListIsRefusedWithChannelIDError) {
    Open(0, 800);
    T("Text1", 0)->setText("145");
    sandbox.prompts.expect("Channel ID Error!", Buttons::Ok, Answer::Ok, Icon::None, true);
    ClickOK();
    EXPECT_EQ(CurData.CHCount, 0);
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(view.rows.empty());
}

TEST_F(FrmCHEditTest, AReceiveFrequencyBeyondEveryBandWarnsTwice) {
    AddNormalChannel(UsedChannel(5, "014500000"));
    Open(0, 5);
    T("Text1", 0)->setText("600");
    T("Text1", 10)->clear();
    ExpectFreWarnings(sandbox.prompts, 2);
    ClickOK();
    EXPECT_EQ(Normal(5)->RxFre.raw(), "052300000");
    EXPECT_EQ(Normal(5)->ShiftDir, 1);
    EXPECT_EQ(Normal(5)->OffsetFre.raw(), "004300000");
}

TEST_F(FrmCHEditTest, OKOnAHyperRowOfBank2ChangesThatRowOnly) {
    SetHyperChannel(7, 0, UsedChannel(7, "014500000"));
    SetHyperChannel(7, 1, UsedChannel(7, "014500000"));
    const UFreData bank1 = GetHyperChannel(7, 0);
    Open(3, 7);
    C("Combo1", 2)->SetListIndex(3);
    ClickOK();
    EXPECT_EQ(GetHyperChannel(7, 1).TxPower, 3);
    EXPECT_EQ(GetHyperChannel(7, 0), bank1);
}

TEST_F(FrmCHEditTest, CancelWritesNothing) {
    AddNormalChannel(UsedChannel(5, "014500000"));
    const UFreData before = UFreList[0];
    Open(0, 5);
    T("Text1", 0)->setText("146");
    platform::Ctl<QPushButton>(dialog.get(), "CommandCancel")->click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(UFreList[0], before);
    EXPECT_TRUE(view.rows.empty());
}

}  // namespace
