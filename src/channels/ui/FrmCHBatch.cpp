#include "channels/ui/FrmCHBatch.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

#include "channels/BatchFun.h"
#include "channels/BatchItems.h"
#include "channels/BatchLists.h"
#include "channels/BatchTones.h"
#include "core/FreCodec.h"
#include "core/SharedState.h"
#include "core/ToneCodec.h"
#include "platform/TextConvert.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/FormLanguage.h"
#include "platform/ui/GuardedSlots.h"
#include "platform/ui/Lang.h"
#include "platform/ui/TextBox.h"

namespace {

using platform::Kind;
using platform::Row;

// Language texts of the panel toggle.
constexpr int kShowItemsText = 4005;
constexpr int kShowValuesText = 4006;

// The value panel: headings at the left edge, boxes and lists after their
// labels, direction pairs to the right of their boxes; the right column's
// lists after their labels.
constexpr int kBoxLeft = 2280;
constexpr int kBoxWidth = 1335;
constexpr int kPairLeft = 3720;
constexpr int kPairWidth = 2280;
constexpr int kRightListLeft = 8760;
constexpr int kRightListWidth = 2280;
constexpr int kGap = 100;

constexpr platform::ControlRow kRows[] = {
    // Range, directly on the form.
    Row(Kind::Label, "Label1").At(120, 180).Text(4001),
    Row(Kind::OptionButton, "Option1", 0).At(1080, 165, 1740).Tab(0).Text(4002),
    Row(Kind::OptionButton, "Option1", 1).At(2880, 165, 1740).Tab(1).Text(4003),
    Row(Kind::TextBox, "Text1", 0).At(4680, 150, 615).Tab(2).Limit(3),
    Row(Kind::Label, "Label2").At(0, 180).Text(4004).Before("Text1", 1, kGap),
    Row(Kind::TextBox, "Text1", 1).At(5880, 150, 615).Tab(3).Limit(3),
    Row(Kind::CheckBox, "Check4").At(6720, 165, 4560).Tab(4).Text(4099),

    // The value panel.
    Row(Kind::Frame, "Frame1").At(120, 540, 11160, 6840),
    Row(Kind::Line, "Line1").At(6600, 150, 15, 6540).In("Frame1"),
    // Receive frequency.
    Row(Kind::Label, "Label3", 0).At(120, 150).Text(4010).In("Frame1"),
    Row(Kind::Label, "Label4", 0).At(0, 480).Text(4050).In("Frame1").Before("Text2", 0, kGap),
    Row(Kind::TextBox, "Text2", 0).At(kBoxLeft, 450, kBoxWidth).Tab(10).Limit(9).In("Frame1"),
    Row(Kind::Label, "Label4", 1).At(0, 840).Text(4051).In("Frame1").Before("Text2", 1, kGap),
    Row(Kind::TextBox, "Text2", 1).At(kBoxLeft, 810, kBoxWidth).Tab(11).Limit(6).In("Frame1"),
    Row(Kind::BorderlessFrame, "Frame3", 0).At(kPairLeft, 825, kPairWidth, 255).In("Frame1"),
    Row(Kind::OptionButton, "Option2", 0).At(0, 0, 1080).Tab(12).Text(4040).In("Frame3", 0),
    Row(Kind::OptionButton, "Option2", 1).At(1140, 0, 1140).Tab(13).Text(4041).In("Frame3", 0),
    // Transmit frequency.
    Row(Kind::Label, "Label3", 1).At(120, 1230).Text(4011).In("Frame1"),
    Row(Kind::BorderlessFrame, "Frame3", 7).At(360, 1530, 6120, 255).In("Frame1"),
    Row(Kind::OptionButton, "Option3", 0).At(0, 0, 1500).Tab(14).Text(4052).In("Frame3", 7),
    Row(Kind::OptionButton, "Option3", 1).At(1560, 0, 1860).Tab(15).Text(4053).In("Frame3", 7),
    Row(Kind::OptionButton, "Option3", 2).At(3480, 0, 2160).Tab(16).Text(4050).In("Frame3", 7),
    Row(Kind::TextBox, "Text2", 2).At(kBoxLeft, 1860, kBoxWidth).Tab(17).Limit(8).In("Frame1"),
    Row(Kind::BorderlessFrame, "Frame3", 1).At(kPairLeft, 1875, kPairWidth, 255).In("Frame1"),
    Row(Kind::OptionButton, "Option4", 0).At(0, 0, 1080).Tab(18).Text(4042).In("Frame3", 1),
    Row(Kind::OptionButton, "Option4", 1).At(1140, 0, 1140).Tab(19).Text(4043).In("Frame3", 1),
    Row(Kind::TextBox, "Text2", 3).At(kBoxLeft, 2220, kBoxWidth).Tab(20).Limit(9).In("Frame1"),
    Row(Kind::BorderlessFrame, "Frame3", 2).At(kPairLeft, 2235, kPairWidth, 255).In("Frame1"),
    Row(Kind::OptionButton, "Option5", 0).At(0, 0, 1080).Tab(21).Text(4040).In("Frame3", 2),
    Row(Kind::OptionButton, "Option5", 1).At(1140, 0, 1140).Tab(22).Text(4041).In("Frame3", 2),
    Row(Kind::Label, "Label4", 2).At(0, 2610).Text(4054).In("Frame1").Before("Text2", 4, kGap),
    Row(Kind::TextBox, "Text2", 4).At(kBoxLeft, 2580, kBoxWidth).Tab(23).Limit(6).In("Frame1"),
    // Decode tone.
    Row(Kind::Label, "Label3", 2).At(120, 3030).Text(4012).In("Frame1"),
    Row(Kind::Label, "Label4", 3).At(0, 3360).Text(4055).In("Frame1").Before("Combo1", 0, kGap),
    Row(Kind::List, "Combo1", 0).At(kBoxLeft, 3315, kBoxWidth).Tab(24).In("Frame1"),
    Row(Kind::CheckBox, "Check3", 0).At(kPairLeft, 3345, 1560).Tab(25).Text(4044).In("Frame1"),
    Row(Kind::Label, "Label4", 4).At(0, 3720).Text(4056).In("Frame1").Before("Text2", 5, kGap),
    Row(Kind::TextBox, "Text2", 5).At(kBoxLeft, 3690, kBoxWidth).Tab(26).Limit(2).In("Frame1"),
    Row(Kind::BorderlessFrame, "Frame3", 3).At(kPairLeft, 3705, kPairWidth, 255).In("Frame1"),
    Row(Kind::OptionButton, "Option9", 0).At(0, 0, 1080).Tab(27).Text(4040).In("Frame3", 3),
    Row(Kind::OptionButton, "Option9", 1).At(1140, 0, 1140).Tab(28).Text(4041).In("Frame3", 3),
    // Encode tone.
    Row(Kind::Label, "Label3", 3).At(120, 4110).Text(4013).In("Frame1"),
    Row(Kind::Label, "Label4", 5).At(0, 4440).Text(4055).In("Frame1").Before("Combo1", 1, kGap),
    Row(Kind::List, "Combo1", 1).At(kBoxLeft, 4395, kBoxWidth).Tab(29).In("Frame1"),
    Row(Kind::CheckBox, "Check3", 2).At(kPairLeft, 4425, 1500).Tab(30).Text(4052).In("Frame1"),
    Row(Kind::CheckBox, "Check3", 1).At(5280, 4425, 1260).Tab(31).Text(4044).In("Frame1"),
    Row(Kind::Label, "Label4", 6).At(0, 4800).Text(4056).In("Frame1").Before("Text2", 6, kGap),
    Row(Kind::TextBox, "Text2", 6).At(kBoxLeft, 4770, kBoxWidth).Tab(32).Limit(2).In("Frame1"),
    Row(Kind::BorderlessFrame, "Frame3", 4).At(kPairLeft, 4785, kPairWidth, 255).In("Frame1"),
    Row(Kind::OptionButton, "Option10", 0).At(0, 0, 1080).Tab(33).Text(4040).In("Frame3", 4),
    Row(Kind::OptionButton, "Option10", 1).At(1140, 0, 1140).Tab(34).Text(4041).In("Frame3", 4),
    // Channel name.
    Row(Kind::Label, "Label3", 4).At(120, 5220).Text(4014).In("Frame1"),
    Row(Kind::BorderlessFrame, "Frame3", 8).At(kBoxLeft, 5205, 3720, 255).In("Frame1"),
    Row(Kind::OptionButton, "Option6", 0).At(0, 0, 1380).Tab(35).Text(4057).In("Frame3", 8),
    Row(Kind::OptionButton, "Option6", 1).At(1440, 0, 2280).Tab(36).Text(4058).In("Frame3", 8),
    Row(Kind::TextBox, "Text2", 7).At(kBoxLeft, 5550, kBoxWidth).Tab(37).Limit(7).In("Frame1"),
    Row(Kind::TextBox, "Text2", 8).At(kPairLeft, 5550, 1080).Tab(38).Limit(7).In("Frame1"),
    Row(Kind::Label, "Label4", 7).At(0, 5940).Text(4059).In("Frame1").Before("Text2", 9, kGap),
    Row(Kind::TextBox, "Text2", 9).At(kBoxLeft, 5910, kBoxWidth).Tab(39).Limit(7).In("Frame1"),
    Row(Kind::BorderlessFrame, "Frame3", 5).At(kPairLeft, 5925, kPairWidth, 255).In("Frame1"),
    Row(Kind::OptionButton, "Option7", 0).At(0, 0, 1080).Tab(40).Text(4040).In("Frame3", 5),
    Row(Kind::OptionButton, "Option7", 1).At(1140, 0, 1140).Tab(41).Text(4041).In("Frame3", 5),
    // The check box items.
    Row(Kind::CheckBox, "Check1", 0).At(120, 6390, 1860).Tab(42).Text(4025).In("Frame1"),
    Row(Kind::CheckBox, "Check1", 1).At(2040, 6390, 1860).Tab(43).Text(4026).In("Frame1"),
    Row(Kind::CheckBox, "Check1", 3).At(3960, 6390, 1860).Tab(44).Text(4028).In("Frame1"),
    Row(Kind::CheckBox, "Check1", 4).At(120, 6660, 1860).Text(4029).In("Frame1").Hidden(),
    Row(Kind::CheckBox, "Check1", 5).At(2040, 6660, 1860).Literal("SM/AM Auto").In("Frame1").Hidden(),
    // Right column.
    Row(Kind::Label, "Label3", 6).At(0, 180).Text(4016).In("Frame1").Before("Combo1", 2, kGap),
    Row(Kind::List, "Combo1", 2).At(kRightListLeft, 150, kRightListWidth).Tab(45).In("Frame1"),
    Row(Kind::Label, "Label3", 7).At(0, 540).Text(4017).In("Frame1").Before("Combo1", 3, kGap),
    Row(Kind::List, "Combo1", 3).At(kRightListLeft, 510, kRightListWidth).Tab(46).In("Frame1"),
    Row(Kind::Label, "Label3", 8).At(0, 900).Text(4018).In("Frame1").Before("Combo1", 4, kGap),
    Row(Kind::List, "Combo1", 4).At(kRightListLeft, 870, kRightListWidth).Tab(47).In("Frame1"),
    Row(Kind::Label, "Label3", 9).At(0, 1260).Text(4019).In("Frame1").Before("Combo1", 5, kGap),
    Row(Kind::List, "Combo1", 5).At(kRightListLeft, 1230, kRightListWidth).Tab(48).In("Frame1"),
    Row(Kind::List, "Combo1", 11).At(kRightListLeft, 1590, kRightListWidth).Tab(49).In("Frame1").Hidden(),
    Row(Kind::List, "Combo1", 12).At(kRightListLeft, 1950, kRightListWidth).Tab(50).In("Frame1").Hidden(),
    Row(Kind::List, "Combo1", 13).At(kRightListLeft, 2310, kRightListWidth).Tab(51).In("Frame1").Hidden(),
    Row(Kind::Label, "Label3", 10).At(0, 2700).Text(4020).In("Frame1").Before("Combo1", 6, kGap),
    Row(Kind::List, "Combo1", 6).At(kRightListLeft, 2670, kRightListWidth).Tab(52).In("Frame1"),
    Row(Kind::Label, "Label3", 11).At(0, 3060).Text(4021).In("Frame1").Before("Combo1", 7, kGap),
    Row(Kind::List, "Combo1", 7).At(kRightListLeft, 3030, kRightListWidth).Tab(53).In("Frame1"),
    Row(Kind::Label, "Label3", 12).At(0, 3420).Text(4022).In("Frame1").Before("Combo1", 8, kGap),
    Row(Kind::List, "Combo1", 8).At(kRightListLeft, 3390, kRightListWidth).Tab(54).In("Frame1"),
    Row(Kind::Label, "Label3", 13).At(0, 3780).Text(4023).In("Frame1").Before("Combo1", 9, kGap),
    Row(Kind::List, "Combo1", 9).At(kRightListLeft, 3750, kRightListWidth).Tab(55).In("Frame1"),
    Row(Kind::Label, "Label3", 14).At(0, 4140).Text(4024).In("Frame1").Before("Combo1", 10, kGap),
    Row(Kind::List, "Combo1", 10).At(kRightListLeft, 4110, kRightListWidth).Tab(56).In("Frame1"),
    Row(Kind::Label, "Label3", 15).At(0, 4500).Text(4027).In("Frame1").Before("Combo1", 14, kGap),
    Row(Kind::List, "Combo1", 14).At(kRightListLeft, 4470, kRightListWidth).Tab(57).In("Frame1"),
    Row(Kind::Label, "Label5").At(0, 4860).Text(4030).In("Frame1").Before("Text3", -1, kGap),
    Row(Kind::TextBox, "Text3").At(kRightListLeft, 4830, kBoxWidth).Tab(58).Limit(5).In("Frame1"),

    // The edit-item panel, in the same place.
    Row(Kind::Frame, "Frame2").At(120, 540, 11160, 6840).Hidden(),
    Row(Kind::CheckBox, "Check2", 0).At(600, 300, 4800).Tab(60).Text(4010).In("Frame2"),
    Row(Kind::CheckBox, "Check2", 1).At(600, 690, 4800).Tab(61).Text(4011).In("Frame2"),
    Row(Kind::CheckBox, "Check2", 2).At(600, 1080, 4800).Tab(62).Text(4012).In("Frame2"),
    Row(Kind::CheckBox, "Check2", 3).At(600, 1470, 4800).Tab(63).Text(4013).In("Frame2"),
    Row(Kind::CheckBox, "Check2", 4).At(600, 1860, 4800).Tab(64).Text(4014).In("Frame2"),
    Row(Kind::CheckBox, "Check2", 14).At(600, 2250, 4800).Tab(65).Text(4025).In("Frame2"),
    Row(Kind::CheckBox, "Check2", 15).At(600, 2640, 4800).Tab(66).Text(4026).In("Frame2"),
    Row(Kind::CheckBox, "Check2", 16).At(600, 3030, 4800).Tab(67).Text(4027).In("Frame2"),
    Row(Kind::CheckBox, "Check2", 17).At(600, 3420, 4800).Tab(68).Text(4028).In("Frame2"),
    Row(Kind::CheckBox, "Check2", 18).At(600, 3810, 4800).Text(4029).In("Frame2").Hidden(),
    Row(Kind::CheckBox, "Check2", 5).At(6000, 300, 4800).Tab(69).Text(4016).In("Frame2"),
    Row(Kind::CheckBox, "Check2", 6).At(6000, 690, 4800).Tab(70).Text(4017).In("Frame2"),
    Row(Kind::CheckBox, "Check2", 7).At(6000, 1080, 4800).Tab(71).Text(4018).In("Frame2"),
    Row(Kind::CheckBox, "Check2", 8).At(6000, 1470, 4800).Tab(72).Text(4019).In("Frame2"),
    Row(Kind::CheckBox, "Check2", 9).At(6000, 1860, 4800).Tab(73).Text(4020).In("Frame2"),
    Row(Kind::CheckBox, "Check2", 10).At(6000, 2250, 4800).Tab(74).Text(4021).In("Frame2"),
    Row(Kind::CheckBox, "Check2", 11).At(6000, 2640, 4800).Tab(75).Text(4022).In("Frame2"),
    Row(Kind::CheckBox, "Check2", 12).At(6000, 3030, 4800).Tab(76).Text(4023).In("Frame2"),
    Row(Kind::CheckBox, "Check2", 13).At(6000, 3420, 4800).Tab(77).Text(4024).In("Frame2"),
    Row(Kind::CheckBox, "Check2", 20).At(6000, 3810, 4800).Tab(78).Text(4030).In("Frame2"),
    Row(Kind::CommandButton, "CommandSelAll").At(3240, 4560, 1815).Tab(79).Text(4045).In("Frame2"),
    Row(Kind::CommandButton, "CommandSelNone").At(6000, 4560, 1815).Tab(80).Text(4046).In("Frame2"),
    Row(Kind::CheckBox, "Check2", 19).At(600, 5220, 4800).Literal("SM/AM Auto").In("Frame2").Hidden(),

    // Below the panels.
    Row(Kind::CommandButton, "CommandFun").At(120, 7500, 2160).Tab(90).Text(kShowItemsText),
    Row(Kind::CommandButton, "CommandApply").At(7320, 7500, 1815).Tab(91).Text(4007),
    Row(Kind::CommandButton, "CommandClose").At(9465, 7500, 1815).Tab(92).Text(4008),

    // Never shown.
    Row(Kind::CheckBox, "Check1", 2).At(120, 8100, 1860).Text(4027).Hidden(),
    Row(Kind::Label, "Label3", 5).At(2040, 8100).Text(4015).Hidden(),
    Row(Kind::TextBox, "Text2", 10).At(5040, 8100, 1080).Limit(10).Hidden(),
    Row(Kind::Label, "Label4", 8).At(0, 8130).Text(4060).Before("Text2", 10, kGap).Hidden(),
    Row(Kind::TextBox, "Text2", 11).At(7560, 8100, 1080).Limit(10).Hidden(),
    Row(Kind::Label, "Label4", 9).At(0, 8130).Text(4056).Before("Text2", 11, kGap).Hidden(),
    Row(Kind::BorderlessFrame, "Frame3", 6).At(8760, 8100, 2280, 255).Hidden(),
    Row(Kind::OptionButton, "Option8", 0).At(0, 0, 1080).Text(4040).In("Frame3", 6),
    Row(Kind::OptionButton, "Option8", 1).At(1140, 0, 1140).Text(4041).In("Frame3", 6),
};

constexpr auto kForm = platform::Form("FrmCHBatch").Text(4000).Size(11400, 8040);

// Option groups in the order the load selects their first option.
constexpr const char* kOptionGroups[] = {"Option1", "Option2", "Option3", "Option4", "Option5",
                                         "Option6", "Option7", "Option8", "Option9", "Option10"};

template <class T>
T* At(const QObject* form, std::string_view name, int index = -1) {
    return platform::Ctl<T>(form, name, index);
}

platform::TextBox* Text2(const QObject* form, int index) { return At<platform::TextBox>(form, "Text2", index); }
platform::ComboBox* Combo1(const QObject* form, int index) { return At<platform::ComboBox>(form, "Combo1", index); }
QCheckBox* Check(const QObject* form, std::string_view name, int index) { return At<QCheckBox>(form, name, index); }
bool Selected(const QObject* form, std::string_view name, int index) {
    return At<QRadioButton>(form, name, index)->isChecked();
}

void Enable(const QObject* form, std::initializer_list<ControlRef> controls, bool on) {
    for (const auto& c : controls) At<QWidget>(form, c.name, c.index)->setEnabled(on);
}

std::string BoxText(const QObject* form, int index) {
    // The name box holds record bytes; every other box ASCII digits.
    return platform::TextBytes(Text2(form, index)->text());
}

void SetBoxText(platform::TextBox* box, const std::string& text) {
    const QString shown = platform::ByteText(text);
    if (box->text() != shown) box->setText(shown);
}

void Fill(platform::ComboBox* list, const std::vector<std::string>& items) {
    list->Clear();
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(items.size()));
    for (const auto& item : items) texts.append(platform::QText(item));
    list->addItems(texts);
}

platform::TextBox::CharRule RuleOf(BatchKeys keys) {
    return [keys](QChar c) -> std::optional<QChar> {
        if (BatchBoxTakes(keys, c.unicode())) return c;
        return std::nullopt;
    };
}

}  // namespace

FrmCHBatch::FrmCHBatch(QWidget* parent) : QDialog(parent), random_(std::make_unique<ClockSeededRandom>()) {
    platform::BuildForm(*this, kForm, kRows);
    for (int i = 0; i < 2; ++i) {
        auto* box = At<platform::TextBox>(this, "Text1", i);
        box->SetCharRule(RuleOf(BatchKeys::Digits));
        box->SetSwallowClipboardKeys(true);
    }
    At<platform::TextBox>(this, "Text1", 0)->setText("1");
    At<platform::TextBox>(this, "Text1", 1)->setText("758");
    for (int i = 0; i <= 11; ++i) {
        auto* box = Text2(this, i);
        box->SetCharRule(RuleOf(KeysOfValueBox(i)));
        box->SetSwallowClipboardKeys(true);
        box->SetSelectAllOnFocus(true);
    }
    Text2(this, 1)->setText("0");
    At<QWidget>(this, "Line1")->setBackgroundRole(QPalette::Mid);
    auto* tone = At<platform::TextBox>(this, "Text3");
    tone->SetCharRule(RuleOf(BatchKeys::DigitsAndPoint));
    tone->SetSwallowClipboardKeys(true);
    tone->SetSelectAllOnFocus(true);
    Connect();
    Form_Load();
}

void FrmCHBatch::Connect() {
    using platform::OnEvent;
    const auto onChecked = [this](QAbstractButton* button, const char* name, auto rule) {
        OnEvent(button, &QAbstractButton::toggled, this, name, [rule](bool on) {
            if (on) rule();
        });
    };
    for (int i = 0; i < 2; ++i) {
        onChecked(At<QRadioButton>(this, "Option1", i), "Option1_Click", [this, i] { Option1_Click(i); });
        onChecked(At<QRadioButton>(this, "Option6", i), "Option6_Click", [this, i] { Option6_Click(i); });
        OnEvent(At<platform::TextBox>(this, "Text1", i), &QLineEdit::textChanged, this, "Text1_Change",
                [this, i] { Text1_Change(i); });
    }
    for (int i = 0; i < 3; ++i) {
        onChecked(At<QRadioButton>(this, "Option3", i), "Option3_Click", [this, i] { Option3_Click(i); });
        OnEvent(Check(this, "Check3", i), &QCheckBox::toggled, this, "Check3_Click", [this, i] { Check3_Click(i); });
    }
    for (int i = 0; i < kBatchValueBoxes; ++i) {
        auto* box = Text2(this, i);
        OnEvent(box, &QLineEdit::textChanged, this, "Text2_Change", [this, i] { Text2_Change(i); });
        // Also on Enter: it moves the focus on, which checks the box before the next control has it.
        OnEvent(box, &platform::TextBox::LostFocus, this, "Text2_LostFocus", [this, i] { Text2_LostFocus(i); });
    }
    OnEvent(At<platform::TextBox>(this, "Text3"), &platform::TextBox::LostFocus, this, "Text3_LostFocus",
            [this] { Text3_LostFocus(); });
    for (int i = 0; i < kBatchListCount; ++i)
        OnEvent(Combo1(this, i), &QComboBox::currentIndexChanged, this, "Combo1_Click", [this, i] { Combo1_Click(i); });
    for (int i = 0; i < kBatchBoxCount; ++i)
        OnEvent(Check(this, "Check2", i), &QCheckBox::toggled, this, "Check2_Click", [this, i] { Check2_Click(i); });
    const auto onClick = [this](const char* name, auto body) {
        OnEvent(At<QPushButton>(this, name), &QPushButton::clicked, this, std::string(name) + "_Click", body);
    };
    onClick("CommandFun", [this] { CommandFun_Click(); });
    onClick("CommandApply", [this] { CommandApply_Click(); });
    onClick("CommandClose", [this] { CommandClose_Click(); });
    onClick("CommandSelAll", [this] { CommandSelAll_Click(); });
    onClick("CommandSelNone", [this] { CommandSelNone_Click(); });
}

void FrmCHBatch::Form_Load() {
    panelFlag_ = false;
    InitShowList();
    ChangShowByLanguage();
    SetShowData();
}

void FrmCHBatch::InitShowList() {
    toneItems_ = BatchToneItems();
    Fill(Combo1(this, static_cast<int>(BatchList::DecodeTone)), toneItems_);
    Fill(Combo1(this, static_cast<int>(BatchList::EncodeTone)), toneItems_);
    for (int i = static_cast<int>(BatchList::Step); i < kBatchListCount; ++i)
        Fill(Combo1(this, i), BatchListItems(static_cast<BatchList>(i)));
}

void FrmCHBatch::ChangShowByLanguage() {
    // The title and every caption by the language id its row gave it.
    LoadFormLanguage(this);
    ShowPanel();
    platform::PlaceLabels(*this);
}

void FrmCHBatch::ShowPanel() {
    At<QPushButton>(this, "CommandFun")->setText(platform::Lang(panelFlag_ ? kShowValuesText : kShowItemsText));
    At<QGroupBox>(this, "Frame1")->setHidden(panelFlag_);
    At<QGroupBox>(this, "Frame2")->setHidden(!panelFlag_);
}

void FrmCHBatch::ShowBatchFun() {
    for (int box = 0; box < kBatchBoxCount; ++box) {
        const bool on = IsBatchFunOn(BatchFunFlag[static_cast<std::size_t>(BatchFlagOfBox(box))]) != 0;
        for (const ControlRef& c : BatchItemControls(box)) At<QWidget>(this, c.name, c.index)->setHidden(!on);
    }
}

void FrmCHBatch::SetShowData() {
    for (int box = 0; box < kBatchBoxCount; ++box)
        platform::SetCheckValue(Check(this, "Check2", box),
                                IsBatchFunOn(BatchFunFlag[static_cast<std::size_t>(BatchFlagOfBox(box))]));
    ShowBatchFun();

    Text2(this, 0)->setText(platform::QText(FormatOffset(FreFromMHz(RxFreLow[0]))));
    Text2(this, 3)->setText(platform::QText(FormatOffset(FreFromMHz(TxFreLow[0]))));
    Text2(this, 1)->setText("0");
    Text2(this, 2)->setText("0.00000");
    for (int i : {4, 5, 6, 8, 9}) Text2(this, i)->setText("0");
    Text2(this, 10)->setText("000");
    Text2(this, 11)->setText("0");

    platform::SetCheckValue(Check(this, "Check3", 2), 1);
    for (const char* group : kOptionGroups) At<QRadioButton>(this, group, 0)->setChecked(true);
    for (int i = 0; i < kBatchListCount; ++i) {
        auto* list = Combo1(this, i);
        if (list->ListCount() > 0) list->SetListIndex(0);
    }
    At<platform::TextBox>(this, "Text3")->setText("151.1");
}

std::string FrmCHBatch::DefaultData(const std::string& data, const std::string& def) const {
    return ::DefaultData(data, def);
}
Fre FrmCHBatch::StepDataFre(Fre f, bool isRx) const { return ::StepDataFre(f, isRx); }
std::string FrmCHBatch::StepDataFree(const std::string& mhz) const { return ::StepDataFree(mhz); }
std::string FrmCHBatch::StepData(const std::string& khz) const { return ::StepData(khz); }

void FrmCHBatch::Check2_Click(int index) {
    const int value = platform::CheckValue(Check(this, "Check2", index));
    SetBatchItemFromBox(index, value);
    for (const ControlRef& c : BatchItemControls(index)) At<QWidget>(this, c.name, c.index)->setHidden(value == 0);
}

void FrmCHBatch::Check3_Click(int index) {
    const auto encodeControls = {ControlRef{"Combo1", 1}, ControlRef{"Text2", 6},
                                 ControlRef{"Option10", 0}, ControlRef{"Option10", 1}};
    const bool checked = platform::CheckValue(Check(this, "Check3", index)) == 1;
    switch (index) {
        case 0:
            Enable(this, {{"Combo1", 0}, {"Text2", 5}, {"Option9", 0}, {"Option9", 1}}, !checked);
            break;
        case 1:
            Enable(this, encodeControls, !checked);
            break;
        case 2:
            if (checked) {
                Enable(this, {{"Check3", 1}}, false);
                Enable(this, encodeControls, false);
            } else {
                Enable(this, {{"Check3", 1}}, true);
                Check3_Click(1);
            }
            break;
        default: break;
    }
}

void FrmCHBatch::Combo1_Click(int index) {
    const auto signalling = static_cast<int>(BatchList::Signalling);
    const auto ptt = static_cast<int>(BatchList::PttId);
    const auto modulation = static_cast<int>(BatchList::Modulation);
    if (index == signalling) {
        const int chosen = Combo1(this, signalling)->ListIndex();
        for (int k = 1; k <= 3; ++k)
            Combo1(this, static_cast<int>(BatchList::DTMFCode) + k - 1)->setEnabled(chosen == k);
    } else if (index == ptt || index == modulation) {
        // A PTT ID and AM exclude each other; the later choice wins.
        const int other = index == ptt ? modulation : ptt;
        if (Combo1(this, index)->ListIndex() > 0 && Combo1(this, other)->ListIndex() > 0)
            Combo1(this, other)->SetListIndex(0);
    }
}

void FrmCHBatch::Option1_Click(int) {
    if (Selected(this, "Option1", 0))
        Enable(this, {{"Text1", 0}, {"Text1", 1}}, false);
    else if (Selected(this, "Option1", 1))
        Enable(this, {{"Text1", 0}, {"Text1", 1}}, true);
}

void FrmCHBatch::Option3_Click(int) {
    const std::initializer_list<ControlRef> offset = {{"Text2", 2}, {"Option4", 0}, {"Option4", 1}};
    const std::initializer_list<ControlRef> start = {
        {"Text2", 3}, {"Text2", 4}, {"Option5", 0}, {"Option5", 1}};
    if (Selected(this, "Option3", 0)) {
        Enable(this, offset, false);
        Enable(this, start, false);
    } else if (Selected(this, "Option3", 1)) {
        Enable(this, offset, true);
        Enable(this, start, false);
    } else if (Selected(this, "Option3", 2)) {
        Enable(this, start, true);
        Enable(this, offset, false);
    }
}

void FrmCHBatch::Option6_Click(int) {
    const std::initializer_list<ControlRef> numbering = {
        {"Text2", 8}, {"Text2", 9}, {"Option7", 0}, {"Option7", 1}};
    if (Selected(this, "Option6", 0))
        Enable(this, numbering, false);
    else if (Selected(this, "Option6", 1))
        Enable(this, numbering, true);
}

void FrmCHBatch::Text1_Change(int index) {
    auto* box = At<platform::TextBox>(this, "Text1", index);
    SetBoxText(box, ClampRangeText(platform::Utf8(box->text())));
}

void FrmCHBatch::Text2_Change(int index) {
    if (index != static_cast<int>(BatchBox::RxStep) && index != static_cast<int>(BatchBox::TxStep)) return;
    auto* box = Text2(this, index);
    SetBoxText(box, ClampStepText(BoxText(this, index)));
}

void FrmCHBatch::Text2_LostFocus(int index) {
    if (index < 0 || index >= kBatchValueBoxes) return;
    const std::string checked = CheckBatchBox(static_cast<BatchBox>(index), BoxText(this, index),
                                              BoxText(this, static_cast<int>(BatchBox::FirstNumber)));
    SetBoxText(Text2(this, index), checked);
}

void FrmCHBatch::Text3_LostFocus() {
    auto* box = At<platform::TextBox>(this, "Text3");
    SetBoxText(box, CheckCTCSSText(platform::Utf8(box->text())));
}

void FrmCHBatch::CommandFun_Click() {
    panelFlag_ = !panelFlag_;
    ShowPanel();
}

BatchRequest FrmCHBatch::ReadRequest() const {
    BatchRequest rq;
    rq.allChannels = Selected(this, "Option1", 0);
    rq.firstChannel = platform::Utf8(At<platform::TextBox>(this, "Text1", 0)->text());
    rq.lastChannel = platform::Utf8(At<platform::TextBox>(this, "Text1", 1)->text());
    rq.deleteOutside = platform::CheckValue(Check(this, "Check4", -1)) > 0;
    for (int i = 0; i < kBatchValueBoxes; ++i) rq.boxes[static_cast<std::size_t>(i)] = BoxText(this, i);
    rq.userTone = platform::Utf8(At<platform::TextBox>(this, "Text3")->text());
    rq.rxIncrease = Selected(this, "Option2", 0);
    rq.txMode = Selected(this, "Option3", 1)   ? BatchTxMode::Offset
                : Selected(this, "Option3", 2) ? BatchTxMode::OwnStart
                                               : BatchTxMode::Default;
    rq.offsetDir = Selected(this, "Option4", 0)   ? BatchOffsetDir::Plus
                   : Selected(this, "Option4", 1) ? BatchOffsetDir::Minus
                                                  : BatchOffsetDir::None;
    rq.txIncrease = Selected(this, "Option5", 0);
    rq.decode = {Combo1(this, 0)->ListIndex(), platform::CheckValue(Check(this, "Check3", 0)) == 1,
                 Selected(this, "Option9", 0)};
    rq.encode = {Combo1(this, 1)->ListIndex(), platform::CheckValue(Check(this, "Check3", 1)) == 1,
                 Selected(this, "Option10", 0)};
    rq.encodeFollowsDecode = platform::CheckValue(Check(this, "Check3", 2)) == 1;
    rq.toneItems = toneItems_;
    rq.nameMode = Selected(this, "Option6", 1) ? BatchNameMode::Numbered : BatchNameMode::Fixed;
    rq.numberIncrease = Selected(this, "Option7", 0);
    for (int i = 0; i < kBatchListCount; ++i) rq.listIndex[static_cast<std::size_t>(i)] = Combo1(this, i)->ListIndex();
    for (int k = 0; k < 3; ++k)
        rq.codeTexts[static_cast<std::size_t>(k)] = Combo1(this, static_cast<int>(BatchList::DTMFCode) + k)->Text();
    rq.txInhibit = static_cast<int16_t>(platform::CheckValue(Check(this, "Check1", 0)));
    rq.compander = static_cast<int16_t>(platform::CheckValue(Check(this, "Check1", 1)));
    rq.reverse = static_cast<int16_t>(platform::CheckValue(Check(this, "Check1", 3)));
    return rq;
}

void FrmCHBatch::CommandApply_Click() {
    BatchRequest rq = ReadRequest();
    ApplyBatch(rq, *random_);
    for (int i = 0; i < kBatchValueBoxes; ++i) SetBoxText(Text2(this, i), rq.boxes[static_cast<std::size_t>(i)]);
    SetBoxText(At<platform::TextBox>(this, "Text3"), rq.userTone);
}

void FrmCHBatch::CommandClose_Click() { reject(); }

void FrmCHBatch::SetBoxesOfGroup(int value) {
    for (int i = 0; i < kBatchBoxCount; ++i) {
        QCheckBox* box = Check(this, "Check2", i);
        if (platform::IsShown(box)) platform::SetCheckValue(box, value);
    }
}

void FrmCHBatch::CommandSelAll_Click() { SetBoxesOfGroup(1); }
void FrmCHBatch::CommandSelNone_Click() { SetBoxesOfGroup(0); }
