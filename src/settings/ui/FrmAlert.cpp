#include "settings/ui/FrmAlert.h"

#include <array>
#include <span>
#include <string>
#include <vector>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

#include "core/SharedState.h"
#include "core/TextNumbers.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogHelpers.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/GuardedSlots.h"
#include "platform/ui/Lang.h"
#include "settings/AlertEdit.h"
#include "settings/UsedChannelItems.h"

namespace {

using platform::Ctl;
using platform::Kind;
using platform::Row;

// The window design in twips.
constexpr int kLabelGap = 100;
constexpr int kLabelDrop = 30;
constexpr int kFirstTop = 480;
constexpr int kRowPitch = 360;
constexpr int kListLeft = 2520;
constexpr int kListWidth = 2535;
// The hidden lone-worker frame and the unused group list, right of the rows.
constexpr int kFrameLeft = 5400;
constexpr int kFrameListLeft = 2160;
constexpr int kFrameListWidth = 1455;
constexpr int kUnusedLeft = 11160;

// The shown rows, top to bottom.
constexpr std::array<AlertList, 9> kShownRows = {
    AlertList::AlarmType, AlertList::CHSelect, AlertList::EmgCH,  AlertList::Period, AlertList::IDCodeType,
    AlertList::IDCodeGroup, AlertList::AlarmTime, AlertList::TxTime, AlertList::RxTime};
// Lists the alarm-type rule switches, besides the alarm time.
constexpr std::array<AlertList, 4> kTransmitLists = {AlertList::IDCodeType, AlertList::IDCodeGroup, AlertList::TxTime,
                                                     AlertList::RxTime};

constexpr int kCaptionText = 2600;
constexpr int kFirstLabelText = 2602;
constexpr int kFrameText = 2612;
constexpr int kCheckText = 2613;
constexpr int kFirstFrameLabelText = 2614;

std::vector<platform::ControlRow> ControlRows() {
    std::vector<platform::ControlRow> rows;
    int tab = 0;
    int top = kFirstTop;
    for (AlertList list : kShownRows) {
        const int i = static_cast<int>(list);
        rows.push_back(Row(Kind::Label, "Label1", i).At(0, top + kLabelDrop).Before("Combo1", i, kLabelGap));
        rows.push_back(Row(Kind::List, "Combo1", i).At(kListLeft, top, kListWidth).Tab(tab++));
        top += kRowPitch;
    }
    rows.push_back(Row(Kind::CommandButton, "CommandOK").At(1080, 3960, 1215).Tab(tab++));
    rows.push_back(Row(Kind::CommandButton, "CommandCancel").At(2880, 3960, 1215).Tab(tab++));
    rows.push_back(Row(Kind::Frame, "Frame1").At(kFrameLeft, kFirstTop, 3855, 1695).Hidden());
    rows.push_back(Row(Kind::CheckBox, "Check1").At(120, 240, 3495).Tab(tab++).In("Frame1"));
    for (int j : {0, 1}) {
        const int rowTop = 720 + j * 420;
        rows.push_back(Row(Kind::Label, "Label2", j).At(0, rowTop + kLabelDrop).In("Frame1").Before("Combo2", j, kLabelGap));
        rows.push_back(Row(Kind::List, "Combo2", j).At(kFrameListLeft, rowTop, kFrameListWidth).Tab(tab++).In("Frame1"));
    }
    const int unused = static_cast<int>(AlertList::EmgGroup);
    rows.push_back(
        Row(Kind::Label, "Label1", unused).At(0, kFirstTop + kLabelDrop).Before("Combo1", unused, kLabelGap).Hidden());
    rows.push_back(Row(Kind::List, "Combo1", unused).At(kUnusedLeft, kFirstTop, 1215).Hidden());
    return rows;
}

constexpr auto kForm = platform::Form("FrmAlert").Size(5415, 4575);

platform::ComboBox* Combo(const QObject* form, AlertList list) {
    return Ctl<platform::ComboBox>(form, "Combo1", static_cast<int>(list));
}
platform::ComboBox* Combo2(const QObject* form, LoneWorkerList list) {
    return Ctl<platform::ComboBox>(form, "Combo2", static_cast<int>(list));
}

void Fill(platform::ComboBox* combo, std::span<const std::string> items) {
    combo->Clear();
    for (const std::string& item : items) combo->AddItem(item);
}

uint8_t IndexPlus(const platform::ComboBox* combo, int offset) {
    return static_cast<uint8_t>(combo->ListIndex() + offset);
}

uint8_t ShownNumber(const platform::ComboBox* combo) { return static_cast<uint8_t>(StrToLngDef(combo->Text(), 0)); }

}  // namespace

FrmAlert::FrmAlert(QWidget* parent) : QDialog(parent) {
    platform::BuildForm(*this, kForm, ControlRows());
    for (int i = 0; i < kAlertLists; ++i)
        platform::OnEvent(Ctl<platform::ComboBox>(this, "Combo1", i), &QComboBox::currentIndexChanged, this,
                          "Combo1_Click", [this, i] { Combo1_Click(i); });
    platform::OnEvent(Ctl<QCheckBox>(this, "Check1"), &QCheckBox::toggled, this, "Check1_Click",
                      [this] { Check1_Click(); });
    platform::OnClick(this, "CommandOK", [this] { CommandOK_Click(); });
    platform::OnClick(this, "CommandCancel", [this] { CommandCancel_Click(); });
    Form_Load();
}

void FrmAlert::Form_Load() {
    ChangShowByLanguage();
    InitShowList();
    alertEdit_ = CurData.FunSet.Alert;
    ShowByData();
}

void FrmAlert::ChangShowByLanguage() {
    setWindowTitle(platform::Lang(kCaptionText));
    for (int i = 0; i < kAlertLists; ++i) Ctl<QLabel>(this, "Label1", i)->setText(platform::Lang(kFirstLabelText + i));
    Ctl<QGroupBox>(this, "Frame1")->setTitle(platform::Lang(kFrameText));
    Ctl<QCheckBox>(this, "Check1")->setText(platform::Lang(kCheckText));
    for (int j : {0, 1}) Ctl<QLabel>(this, "Label2", j)->setText(platform::Lang(kFirstFrameLabelText + j));
    platform::PlaceLabels(*this);
    SetOKCancelCaption(this);
}

void FrmAlert::InitShowList() {
    for (AlertList list : {AlertList::AlarmType, AlertList::IDCodeType, AlertList::AlarmTime, AlertList::TxTime,
                           AlertList::RxTime, AlertList::CHSelect, AlertList::Period})
        Fill(Combo(this, list), AlertListItems(list));
    for (LoneWorkerList list : {LoneWorkerList::PreAlertTime, LoneWorkerList::LoneWorkTime})
        Fill(Combo2(this, list), LoneWorkerItems(list));
    Fill(Combo(this, AlertList::EmgCH), UsedChannelItems(UsedChannels()));
}

void FrmAlert::InitGroupList() {
    const int type = Combo(this, AlertList::IDCodeType)->ListIndex();
    platform::ComboBox* group = Combo(this, AlertList::IDCodeGroup);
    Fill(group, IDCodeGroupItems(type, CurData.FunSet.DTMF, CurData.FunSet.Tone5));
    if (type > 0) SetComboText(*group, IDCodeGroupText(type, alertEdit_.IDCodeGroup));
}

void FrmAlert::ShowByData() {
    AlertData& a = alertEdit_;
    SelectComboItem(*Combo(this, AlertList::AlarmType), a.AlarmType);
    Combo1_Click(static_cast<int>(AlertList::AlarmType));
    SelectComboItem(*Combo(this, AlertList::IDCodeType), a.IDCodeType);
    InitGroupList();
    SelectComboItem(*Combo(this, AlertList::AlarmTime), a.AlarmTime - 1);
    SelectComboItem(*Combo(this, AlertList::TxTime), a.TxTime - 1);
    SelectComboItem(*Combo(this, AlertList::RxTime), a.RxTime - 1);
    SelectComboItem(*Combo(this, AlertList::CHSelect), a.CHSelect);
    Combo1_Click(static_cast<int>(AlertList::CHSelect));
    SetComboText(*Combo(this, AlertList::EmgCH), std::to_string(a.EmgCHNo + 1));
    SelectComboItem(*Combo(this, AlertList::Period), a.Period);
    if (a.AutoDetect > 1) a.AutoDetect = 0;
    platform::SetCheckValue(Ctl<QCheckBox>(this, "Check1"), a.AutoDetect);
    Check1_Click();
    SetComboText(*Combo2(this, LoneWorkerList::PreAlertTime), std::to_string(a.PreAlertTime));
    SetComboText(*Combo2(this, LoneWorkerList::LoneWorkTime), std::to_string(a.LoneWorkTime));
}

void FrmAlert::Combo1_Click(int index) {
    switch (static_cast<AlertList>(index)) {
        case AlertList::AlarmType: {
            const bool alarmTime = AlarmTimeApplies(Combo(this, AlertList::AlarmType)->ListIndex());
            Combo(this, AlertList::AlarmTime)->setEnabled(alarmTime);
            for (AlertList list : kTransmitLists) Combo(this, list)->setEnabled(!alarmTime);
            return;
        }
        case AlertList::IDCodeType: InitGroupList(); return;
        case AlertList::CHSelect: {
            const int choice = Combo(this, AlertList::CHSelect)->ListIndex();
            if (choice < 0) return;
            for (AlertList list : {AlertList::EmgGroup, AlertList::EmgCH}) Combo(this, list)->setEnabled(choice == 0);
            return;
        }
        default: return;
    }
}

void FrmAlert::Check1_Click() {
    const bool on = platform::CheckValue(Ctl<QCheckBox>(this, "Check1")) == 1;
    for (LoneWorkerList list : {LoneWorkerList::PreAlertTime, LoneWorkerList::LoneWorkTime})
        Combo2(this, list)->setEnabled(on);
}

void FrmAlert::CommandOK_Click() {
    AlertData& a = alertEdit_;
    a.AlarmType = IndexPlus(Combo(this, AlertList::AlarmType), 0);
    const int type = Combo(this, AlertList::IDCodeType)->ListIndex();
    a.IDCodeType = static_cast<uint8_t>(type);
    a.IDCodeGroup = type > 0 ? IDCodeGroupOf(type, Combo(this, AlertList::IDCodeGroup)->Text()) : 0;
    a.AlarmTime = IndexPlus(Combo(this, AlertList::AlarmTime), 1);
    a.TxTime = IndexPlus(Combo(this, AlertList::TxTime), 1);
    a.RxTime = IndexPlus(Combo(this, AlertList::RxTime), 1);
    a.CHSelect = IndexPlus(Combo(this, AlertList::CHSelect), 0);
    a.EmgCHNo = static_cast<int16_t>(StrToLngDef(Combo(this, AlertList::EmgCH)->Text(), 1) - 1);
    a.Period = IndexPlus(Combo(this, AlertList::Period), 0);
    a.AutoDetect = static_cast<uint8_t>(platform::CheckValue(Ctl<QCheckBox>(this, "Check1")));
    a.PreAlertTime = ShownNumber(Combo2(this, LoneWorkerList::PreAlertTime));
    a.LoneWorkTime = ShownNumber(Combo2(this, LoneWorkerList::LoneWorkTime));
    CurData.FunSet.Alert = alertEdit_;
    accept();
}

void FrmAlert::CommandCancel_Click() { reject(); }
