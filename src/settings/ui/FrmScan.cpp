#include "settings/ui/FrmScan.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "core/LangText.h"
#include "core/SharedState.h"
#include "core/TextNumbers.h"
#include "settings/ScanEdit.h"
#include "settings/UsedChannelItems.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogHelpers.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/GuardedSlots.h"
#include "platform/ui/Lang.h"

namespace {

using platform::Ctl;
using platform::Kind;
using platform::Row;

// The window design in twips.
constexpr int kLabelGap = 100;
constexpr int kRowPitch = 360;
constexpr int kFirstTop = 240;
constexpr int kListLeft = 3480;
constexpr int kListWidth = 1815;
constexpr int kWideListWidth = 3495;
constexpr int kUnusedLeft = 5400;
constexpr int kLabelDrop = 30;

// The shown rows, top to bottom.
constexpr std::array<int, 9> kShownRows = {0, 1, 2, 4, 6, 7, 8, 9, 10};
constexpr std::array<int, 2> kUnusedLists = {3, 5};   // beside Combo1(2) and Combo1(4)
constexpr std::array<int, 2> kHiddenLists = {11, 12};

int TopOf(int list) {
    for (std::size_t r = 0; r < kShownRows.size(); ++r)
        if (kShownRows[r] == list) return kFirstTop + static_cast<int>(r) * kRowPitch;
    return kFirstTop;
}

std::vector<platform::ControlRow> ControlRows() {
    std::vector<platform::ControlRow> rows;
    int tab = 0;
    for (int list : kShownRows) {
        const int top = TopOf(list);
        const bool wide = list == kPriorityModeList || list == kRevertList;
        rows.push_back(Row(Kind::Label, "Label1", list).At(0, top + kLabelDrop).Before("Combo1", list, kLabelGap));
        rows.push_back(Row(Kind::List, "Combo1", list).At(kListLeft, top, wide ? kWideListWidth : kListWidth).Tab(tab++));
    }
    for (int list : kUnusedLists) {
        const int top = TopOf(list - 1);
        rows.push_back(Row(Kind::Label, "Label1", list).At(kUnusedLeft - 240, top + kLabelDrop).Literal("-").Hidden());
        rows.push_back(Row(Kind::List, "Combo1", list).At(kUnusedLeft, top, 1215).Hidden());
    }
    int hiddenTop = TopOf(kShownRows.back()) + kRowPitch;
    for (int list : kHiddenLists) {
        rows.push_back(
            Row(Kind::Label, "Label1", list).At(0, hiddenTop + kLabelDrop).Before("Combo1", list, kLabelGap).Hidden());
        rows.push_back(Row(Kind::List, "Combo1", list).At(kListLeft, hiddenTop, kListWidth).Hidden());
        hiddenTop += kRowPitch;
    }
    rows.push_back(Row(Kind::List, "Combo2").At(kUnusedLeft, kFirstTop, kListWidth).Hidden());
    rows.push_back(Row(Kind::CheckBox, "Check1").At(kListLeft, 3840, kWideListWidth).Tab(tab++));
    rows.push_back(Row(Kind::CommandButton, "CommandOK").At(2880, 4560, 1215).Tab(tab++));
    rows.push_back(Row(Kind::CommandButton, "CommandCancel").At(4680, 4560, 1215).Tab(tab++));
    return rows;
}

constexpr auto kForm = platform::Form("FrmScan").Size(7215, 5175);

platform::ComboBox* Combo(const QObject* form, int index) { return Ctl<platform::ComboBox>(form, "Combo1", index); }

void Fill(platform::ComboBox* combo, std::span<const std::string> items) {
    combo->Clear();
    for (const std::string& item : items) combo->AddItem(item);
}

// A byte field takes the index of its list; with nothing chosen it keeps its value.
void TakeIndex(const platform::ComboBox* combo, uint8_t& field, int offset = 0) {
    if (combo->ListIndex() >= 0) field = static_cast<uint8_t>(combo->ListIndex() + offset);
}

}  // namespace

FrmScan::FrmScan(QWidget* parent) : QDialog(parent) {
    platform::BuildForm(*this, kForm, ControlRows());
    for (int i = 0; i < kScanLists; ++i)
        platform::OnEvent(Combo(this, i), &QComboBox::currentIndexChanged, this, "Combo1_Click",
                          [this, i] { Combo1_Click(i); });
    platform::OnEvent(Ctl<QPushButton>(this, "CommandOK"), &QPushButton::clicked, this, "CommandOK_Click",
                      [this] { CommandOK_Click(); });
    platform::OnEvent(Ctl<QPushButton>(this, "CommandCancel"), &QPushButton::clicked, this, "CommandCancel_Click",
                      [this] { CommandCancel_Click(); });
    Form_Load();
}

void FrmScan::Form_Load() {
    ChangShowByLanguage();
    InitShowList();
    scanEdit_ = CurData.FunSet.Scan;
    ShowByData();
}

void FrmScan::ChangShowByLanguage() {
    setWindowTitle(platform::Lang(2400));
    constexpr std::array<int, 5> kFirstCaptions = {2402, 2403, 2404, 0, 2405};
    for (int i = 0; i <= kWaitTimeList; ++i) {
        if (i == 3 || i == 5) continue;  // keep their "-"
        const int id = i < 5 ? kFirstCaptions[static_cast<std::size_t>(i)] : i == kRevertList ? 2406 : 2400 + i;
        Ctl<QLabel>(this, "Label1", i)->setText(platform::Lang(id));
    }
    Ctl<QCheckBox>(this, "Check1")->setText(platform::Lang(2413));
    platform::PlaceLabels(*this);
    SetOKCancelCaption(this);
}

void FrmScan::InitShowList() {
    for (int list : {kScanModeList, kPriorityModeList, 7, 8, 9, 10, 11, kWaitTimeList})
        Fill(Combo(this, list), ScanListItems(list));
    const auto channels = UsedChannelItems(UsedChannels());
    Fill(Combo(this, kPriorityCH1List), channels);
    Fill(Combo(this, kPriorityCH2List), channels);
    const auto revertTemplate = RevertTemplateItems();
    Fill(Ctl<platform::ComboBox>(this, "Combo2"), revertTemplate);
}

void FrmScan::InitRevertList() {
    const RevertOffer offer = RevertOfferOf(Combo(this, kPriorityModeList)->ListIndex());
    const auto* templateList = Ctl<platform::ComboBox>(this, "Combo2");
    auto* revert = Combo(this, kRevertList);
    revert->Clear();
    revertOffered_ = offer.templates;
    for (int t : revertOffered_) revert->AddItem(templateList->List(t));
    for (std::size_t k = 0; k < offer.enables.size(); ++k)
        if (offer.enables[k]) Combo(this, kPriorityCH1List + static_cast<int>(k))->setEnabled(true);
}

void FrmScan::ShowRevertChoice() {
    const int position = RevertChoice(scanEdit_.RevertCH, revertOffered_);
    Combo(this, kRevertList)->SetListIndex(position);
    scanEdit_.RevertCH = static_cast<uint8_t>(RevertTemplateAt(revertOffered_, position));
}

void FrmScan::EnableByScanMode() {
    const int scanMode = Combo(this, kScanModeList)->ListIndex();
    const int priorityMode = Combo(this, kPriorityModeList)->ListIndex();
    for (int list = 1; list < kScanLists; ++list)
        if (const auto on = ScanModeEnables(list, scanMode, priorityMode)) Combo(this, list)->setEnabled(*on);
    if (const auto on = ScanModeEnables(kPriorityModeList, scanMode, priorityMode))
        Ctl<QCheckBox>(this, "Check1")->setEnabled(*on);
}

void FrmScan::Combo1_Click(int index) {
    switch (index) {
        case kScanModeList: EnableByScanMode(); return;
        case kPriorityModeList:
            InitRevertList();
            EnableByScanMode();
            ShowRevertChoice();
            return;
        case kRevertList:
            scanEdit_.RevertCH =
                static_cast<uint8_t>(RevertTemplateAt(revertOffered_, Combo(this, kRevertList)->ListIndex()));
            return;
        default: return;
    }
}

void FrmScan::ShowByData() {
    ScanData& s = scanEdit_;
    SelectComboItem(*Combo(this, kScanModeList), s.ScanMode);
    SelectComboItem(*Combo(this, kPriorityModeList), s.PriorityMode);
    SetComboText(*Combo(this, kPriorityCH1List), std::to_string(s.PriorityCH1 + 1));
    SetComboText(*Combo(this, kPriorityCH2List), std::to_string(s.PriorityCH2 + 1));
    for (int list = kPriorityCH1List; list <= 5; ++list) Combo(this, list)->setEnabled(false);
    InitRevertList();
    ShowRevertChoice();
    const std::array<uint8_t, 5> shown = {s.LookBackA, s.LookBackB, s.RxResume, s.TxResume, s.ScanType};
    for (std::size_t k = 0; k < shown.size(); ++k) SelectComboItem(*Combo(this, 7 + static_cast<int>(k)), shown[k]);
    SelectComboItem(*Combo(this, kWaitTimeList), s.WaitTime - kWaitTimeOffset);
    if (s.ScanTone > 1) s.ScanTone = 0;
    platform::SetCheckValue(Ctl<QCheckBox>(this, "Check1"), s.ScanTone);
    EnableByScanMode();
    CurData.FunSet.Scan = scanEdit_;
}

void FrmScan::CommandOK_Click() {
    ScanData& s = scanEdit_;
    TakeIndex(Combo(this, kScanModeList), s.ScanMode);
    TakeIndex(Combo(this, kPriorityModeList), s.PriorityMode);
    s.PriorityCH1 = static_cast<int16_t>(StrToLngDef(Combo(this, kPriorityCH1List)->Text(), 1) - 1);
    s.PriorityCH2 = static_cast<int16_t>(StrToLngDef(Combo(this, kPriorityCH2List)->Text(), 1) - 1);
    s.RevertCH = static_cast<uint8_t>(RevertTemplateAt(revertOffered_, Combo(this, kRevertList)->ListIndex()));
    TakeIndex(Combo(this, 7), s.LookBackA);
    TakeIndex(Combo(this, 8), s.LookBackB);
    TakeIndex(Combo(this, 9), s.RxResume);
    TakeIndex(Combo(this, 10), s.TxResume);
    TakeIndex(Combo(this, 11), s.ScanType);
    TakeIndex(Combo(this, kWaitTimeList), s.WaitTime, kWaitTimeOffset);
    s.ScanTone = static_cast<uint8_t>(platform::CheckValue(Ctl<QCheckBox>(this, "Check1")));
    CurData.FunSet.Scan = scanEdit_;
    accept();
}

void FrmScan::CommandCancel_Click() { reject(); }
