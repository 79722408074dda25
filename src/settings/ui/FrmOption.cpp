#include "settings/ui/FrmOption.h"

#include <array>
#include <string>
#include <vector>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "core/SharedState.h"
#include "settings/OptionEdit.h"
#include "platform/TextConvert.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogHelpers.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/GuardedSlots.h"
#include "platform/ui/Lang.h"
#include "platform/ui/TextBox.h"

namespace {

using platform::Ctl;
using platform::Kind;
using platform::Row;

// The window design in twips.
constexpr int kLabelGap = 30;
constexpr int kRowPitch = 360;
constexpr int kFirstTop = 120;
constexpr int kLeftListLeft = 2400;
constexpr int kLeftListWidth = 1575;
constexpr int kSubListLeft = 4035;
constexpr int kSubListWidth = 1875;
constexpr int kRightLeft = 6000;       // check boxes and the frame
constexpr int kRightBoxLeft = 6960;    // text boxes and lists
constexpr int kRightListWidth = 2535;
constexpr int kRightWidth = 3735;
constexpr int kPowerOnTop = 3000;
constexpr int kPowerOnWidth = 255;
constexpr int kPowerOnPitch = 240;
constexpr int kRightListTop = 3480;
constexpr int kButtonTop = 7260;
constexpr int kButtonWidth = 1215;
constexpr int kLabelDrop = 30;  // a caption sits this much below the top of its control

// The option rows of each column, top to bottom.
constexpr std::array<int, 21> kLeftRows = {0, 1, 2, 3, 4, 5, 25, 26, 27, 6, 7, 8, 9, 24, 10, 11, 13, 14, 15, 16, 28};
constexpr std::array<int, 6> kRightRows = {17, 19, 20, 21, 22, 23};
// Check1 in the frame, top to bottom; the others stay hidden.
constexpr std::array<int, 4> kFrameChecks = {1, 6, 8, 7};
constexpr std::array<int, 5> kHiddenChecks = {0, 2, 3, 4, 5};
constexpr int kHiddenList = 12;

constexpr int kTabAfterPowerOn = kPowerOnShownBoxes;

void AddListRow(std::vector<platform::ControlRow>& rows, int list, int left, int top, int width, int tab) {
    rows.push_back(Row(Kind::Label, "Label1", list).At(0, top + kLabelDrop).Before("Combo1", list, kLabelGap));
    rows.push_back(Row(Kind::List, "Combo1", list).At(left, top, width).Tab(tab));
}

std::vector<platform::ControlRow> ControlRows() {
    std::vector<platform::ControlRow> rows;
    // The power-on boxes come first in the tab order, so the dialog opens in Text1(0).
    rows.push_back(Row(Kind::Label, "Label2").At(0, kPowerOnTop + kLabelDrop).Before("Text1", 0, kLabelGap));
    for (int i = 0; i < kPowerOnBoxes; ++i) {
        auto box = Row(Kind::TextBox, "Text1", i).At(kRightBoxLeft + i * kPowerOnPitch, kPowerOnTop, kPowerOnWidth).Limit(1);
        rows.push_back(i < kPowerOnShownBoxes ? box.Tab(i) : box.Hidden());
    }
    int tab = kTabAfterPowerOn;
    AddListRow(rows, kDisplayModeList, kLeftListLeft, kFirstTop, kLeftListWidth, tab++);
    rows.push_back(Row(Kind::Label, "Label1", kDisplaySubList).Hidden());
    rows.push_back(Row(Kind::List, "Combo1", kDisplaySubList).At(kSubListLeft, kFirstTop, kSubListWidth).Tab(tab++));
    for (std::size_t r = 1; r < kLeftRows.size(); ++r)
        AddListRow(rows, kLeftRows[r], kLeftListLeft, kFirstTop + static_cast<int>(r) * kRowPitch, kLeftListWidth,
                   tab++);
    const int hiddenTop = kFirstTop + static_cast<int>(kLeftRows.size()) * kRowPitch;
    rows.push_back(Row(Kind::Label, "Label1", kHiddenList).At(0, hiddenTop).Hidden());
    rows.push_back(Row(Kind::List, "Combo1", kHiddenList).At(kLeftListLeft, hiddenTop, kLeftListWidth).Hidden());

    rows.push_back(Row(Kind::CheckBox, "Check2").At(kRightLeft, kFirstTop + kLabelDrop, kRightWidth).Tab(tab++));
    rows.push_back(Row(Kind::Label, "Label3").At(0, 480 + kLabelDrop).Before("Text2", -1, kLabelGap));
    rows.push_back(Row(Kind::TextBox, "Text2").At(kRightBoxLeft, 480, 1215).Limit(kPassWordLength).Tab(tab++));
    for (int k = 0; k < 2; ++k) {
        const int top = 840 + k * kRowPitch;
        rows.push_back(Row(Kind::Label, "Label5", k).At(0, top + kLabelDrop).Before("Text4", k, kLabelGap));
        rows.push_back(Row(Kind::TextBox, "Text4", k).At(kRightBoxLeft, top, 735).Limit(kScramblerBoxLength).Tab(tab++));
    }
    rows.push_back(Row(Kind::Frame, "Frame1").At(kRightLeft, 1560, kRightWidth, 1320));
    for (std::size_t r = 0; r < kFrameChecks.size(); ++r)
        rows.push_back(Row(Kind::CheckBox, "Check1", kFrameChecks[r])
                           .At(120, 180 + static_cast<int>(r) * 270, kRightWidth - 240)
                           .In("Frame1")
                           .Tab(tab++));
    for (int check : kHiddenChecks)
        rows.push_back(Row(Kind::CheckBox, "Check1", check).At(kRightLeft, hiddenTop, kRightWidth).Hidden());
    for (std::size_t r = 0; r < kRightRows.size(); ++r)
        AddListRow(rows, kRightRows[r], kRightBoxLeft, kRightListTop + static_cast<int>(r) * kRowPitch,
                   kRightListWidth, tab++);
    rows.push_back(Row(Kind::CommandButton, "CommandOK").At(kRightBoxLeft, kButtonTop, kButtonWidth).Tab(tab++));
    rows.push_back(
        Row(Kind::CommandButton, "CommandCancel").At(kRightBoxLeft + 1320, kButtonTop, kButtonWidth).Tab(tab++));
    return rows;
}

constexpr auto kForm = platform::Form("FrmOption").Size(9855, 7755);

platform::ComboBox* Combo(const QObject* form, int index) { return Ctl<platform::ComboBox>(form, "Combo1", index); }
platform::TextBox* Box(const QObject* form, const char* name, int index = -1) {
    return Ctl<platform::TextBox>(form, name, index);
}

std::optional<QChar> PowerOnChar(QChar c) {
    if (IsPowerOnChar(c.unicode())) return c;
    return std::nullopt;
}

}  // namespace

FrmOption::FrmOption(QWidget* parent) : QDialog(parent) {
    platform::BuildForm(*this, kForm, ControlRows());
    for (int i = 0; i < kPowerOnBoxes; ++i) {
        auto* box = Box(this, "Text1", i);
        box->SetCharRule(PowerOnChar);
        box->SetSwallowClipboardKeys(true);
        box->SetSelectAllOnFocus(true);
        box->SetMoveOnAfterChar(true);
        box->setAlignment(Qt::AlignCenter);
    }
    for (platform::TextBox* box : {Box(this, "Text2"), Box(this, "Text4", 0), Box(this, "Text4", 1)}) {
        box->SetCharRule(platform::rules::Digit);
        box->SetSwallowClipboardKeys(true);
        box->SetSelectAllOnFocus(true);
    }
    for (int i = 0; i < kOptionLists; ++i) {
        platform::ComboBox* combo = Combo(this, i);
        platform::OnEvent(combo, &QComboBox::currentIndexChanged, this, "Combo1_Click", [this, i] { Combo1_Click(i); });
        // Picking the item a list already shows stores it too: a stored value
        // outside the list shows item 0 until the user picks one.
        platform::OnEvent(combo, &QComboBox::activated, this, "Combo1_Click", [this, i] { Combo1_Click(i); });
    }
    for (int i = 0; i < kOptionChecks; ++i)
        platform::OnEvent(Ctl<QCheckBox>(this, "Check1", i), &QCheckBox::stateChanged, this, "Check1_Click",
                          [this, i] { Check1_Click(i); });
    platform::OnEvent(Ctl<QCheckBox>(this, "Check2"), &QCheckBox::stateChanged, this, "Check2_Click",
                      [this] { Check2_Click(); });
    platform::OnEvent(Ctl<QPushButton>(this, "CommandOK"), &QPushButton::clicked, this, "CommandOK_Click",
                      [this] { CommandOK_Click(); });
    platform::OnEvent(Ctl<QPushButton>(this, "CommandCancel"), &QPushButton::clicked, this, "CommandCancel_Click",
                      [this] { CommandCancel_Click(); });
    Form_Load();
}

void FrmOption::Form_Load() {
    FormLoaded = false;
    ChangShowByLanguage();
    InitShowList();
    ShowByData();
    FormLoaded = true;
}

void FrmOption::ChangShowByLanguage() {
    setWindowTitle(platform::Lang(1701));
    for (int i = 0; i < kOptionLists; ++i)
        if (const int id = OptionListCaptionId(i)) Ctl<QLabel>(this, "Label1", i)->setText(platform::Lang(id));
    Ctl<QLabel>(this, "Label2")->setText(platform::Lang(1742));
    Ctl<QCheckBox>(this, "Check2")->setText(platform::Lang(1740));
    Ctl<QLabel>(this, "Label3")->setText(platform::Lang(1741));
    Ctl<QLabel>(this, "Label5", 0)->setText(platform::Lang(1744));
    Ctl<QLabel>(this, "Label5", 1)->setText(platform::Lang(1745));
    for (int i = 0; i < kOptionChecks; ++i) Ctl<QCheckBox>(this, "Check1", i)->setText(platform::Lang(1730 + i));
    platform::PlaceLabels(*this);
    SetOKCancelCaption(this);
}

void FrmOption::InitShowList() {
    constexpr int kKeyFunctions = 17;
    for (int i = 0; i < kOptionLists; ++i) {
        platform::ComboBox* combo = Combo(this, i);
        combo->Clear();
        if (i == 19 || i == 20 || i == 21) continue;  // copies of Combo1(17), below
        for (const std::string& item : OptionListItems(i)) combo->AddItem(item);
    }
    const platform::ComboBox* keys = Combo(this, kKeyFunctions);
    for (int i : {19, 20, 21}) {
        platform::ComboBox* combo = Combo(this, i);
        for (int k = 0; k < keys->ListCount(); ++k) combo->AddItem(keys->List(k));
    }
}

void FrmOption::ShowByData() {
    optionEdit_ = CurData.FunSet.Option;
    const OptionData& o = optionEdit_;
    SelectComboItem(*Combo(this, kDisplayModeList), o.DisplayMode);
    SelectComboItem(*Combo(this, kDisplaySubList), o.DisplayModeSub);
    Combo(this, kDisplaySubList)->setVisible(Combo(this, kDisplayModeList)->ListIndex() == 1);
    for (int i = 1; i < kOptionLists; ++i)
        if (i != kDisplaySubList) SelectComboItem(*Combo(this, i), OptionListStoredIndex(o, CurData.BeepVolume, i));

    for (int i = 0; i < kOptionChecks; ++i) {
        const auto field = OptionCheckField(i);
        platform::SetCheckValue(Ctl<QCheckBox>(this, "Check1", i), field ? o.*field : CurData.ExtSpeaker);
    }
    platform::SetCheckValue(Ctl<QCheckBox>(this, "Check2"), o.PowerOnPWEnable);

    Box(this, "Text2")->setText(platform::ByteText(o.PowerOnPassWord.value()));
    Box(this, "Text4", 0)->setText(QString::number(ScramblerHzOf(o.Scrambler1)));
    Box(this, "Text4", 1)->setText(QString::number(ScramblerHzOf(o.Scrambler2)));
    const auto powerOn = PowerOnBoxTexts(o.PowerOnText);
    for (int i = 0; i < kPowerOnBoxes; ++i)
        Box(this, "Text1", i)->setText(platform::ByteText(powerOn[static_cast<std::size_t>(i)]));

    EnablePassWord(static_cast<int16_t>(platform::CheckValue(Ctl<QCheckBox>(this, "Check2"))));
}

void FrmOption::EnablePassWord(int16_t value) {
    const bool shown = value == 1;
    Ctl<QLabel>(this, "Label3")->setVisible(shown);
    Box(this, "Text2")->setVisible(shown);
}

void FrmOption::Combo1_Click(int index) {
    if (!FormLoaded) return;
    const int k = Combo(this, index)->ListIndex();
    if (k < 0) return;
    if (index == kDisplayModeList) {
        platform::ComboBox* sub = Combo(this, kDisplaySubList);
        if (k == 1) {
            sub->setVisible(true);
        } else {
            sub->SetListIndex(0);
            // Its rule, also when it already showed item 0.
            Combo1_Click(kDisplaySubList);
            sub->setVisible(false);
        }
    }
    StoreOptionListChoice(optionEdit_, index, k);
}

void FrmOption::Check1_Click(int index) {
    if (const auto field = OptionCheckField(index))
        optionEdit_.*field = static_cast<int16_t>(platform::CheckValue(Ctl<QCheckBox>(this, "Check1", index)));
}

void FrmOption::Check2_Click() {
    EnablePassWord(static_cast<int16_t>(platform::CheckValue(Ctl<QCheckBox>(this, "Check2"))));
}

void FrmOption::CommandOK_Click() {
    OptionBoxes boxes;
    boxes.scrambler1 = platform::Utf8(Box(this, "Text4", 0)->text());
    boxes.scrambler2 = platform::Utf8(Box(this, "Text4", 1)->text());
    boxes.passWordEnable = static_cast<int16_t>(platform::CheckValue(Ctl<QCheckBox>(this, "Check2")));
    boxes.passWord = platform::TextBytes(Box(this, "Text2")->text());
    for (int i = 0; i < kPowerOnBoxes; ++i)
        boxes.powerOn[static_cast<std::size_t>(i)] = platform::TextBytes(Box(this, "Text1", i)->text());
    boxes.beepVolumeIndex = Combo(this, kBeepVolumeList)->ListIndex();
    boxes.extSpeaker = static_cast<int16_t>(platform::CheckValue(Ctl<QCheckBox>(this, "Check1", kExtSpeakerCheck)));
    StoreOptionDialog(optionEdit_, boxes, CurData);
    accept();
}

void FrmOption::CommandCancel_Click() { reject(); }
