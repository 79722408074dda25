#include "channels/ui/FrmCHEdit.h"

#include <initializer_list>
#include <utility>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "channels/ChannelEditLists.h"
#include "channels/ChannelEditRules.h"
#include "core/BandPlan.h"
#include "core/ChannelOps.h"
#include "core/ChannelTexts.h"
#include "core/FreCodec.h"
#include "core/LangText.h"
#include "core/MainWindowHooks.h"
#include "core/NumericText.h"
#include "core/SharedState.h"
#include "core/ToneCodec.h"
#include "platform/Prompts.h"
#include "platform/TextConvert.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogHelpers.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/GuardedSlots.h"
#include "platform/ui/Lang.h"
#include "platform/ui/TextBox.h"

namespace {

using platform::Kind;
using platform::Row;

// Labels stand this far below the top of the control they name.
constexpr int kDrop = 30;
constexpr int kGap = 100;

constexpr platform::ControlRow kRows[] = {
    // Frequencies and name.
    Row(Kind::Label, "Label1", 0).At(0, 240 + kDrop).Text(1101).Before("Text1", 0, kGap),
    Row(Kind::TextBox, "Text1", 0).At(2160, 240, 1455).Tab(1).Limit(9),
    Row(Kind::Label, "Label1", 3).At(0, 600 + kDrop).Text(1140).Before("Text1", 10, kGap),
    Row(Kind::TextBox, "Text1", 10).At(2160, 600, 1455).Tab(2).Limit(9),
    Row(Kind::Label, "Label1", 2).At(0, 1080 + kDrop).Text(1103).Before("Text1", 2, kGap),
    Row(Kind::TextBox, "Text1", 2).At(2160, 1080, 255).Tab(3).Limit(1),
    Row(Kind::TextBox, "Text1", 3).At(2400, 1080, 255).Tab(4).Limit(1),
    Row(Kind::TextBox, "Text1", 4).At(2640, 1080, 255).Tab(5).Limit(1),
    Row(Kind::TextBox, "Text1", 5).At(2880, 1080, 255).Tab(6).Limit(1),
    Row(Kind::TextBox, "Text1", 6).At(3120, 1080, 255).Tab(7).Limit(1),
    Row(Kind::TextBox, "Text1", 7).At(3360, 1080, 255).Tab(8).Limit(1),
    Row(Kind::TextBox, "Text1", 8).At(3600, 1080, 255).Tab(9).Limit(1),
    Row(Kind::TextBox, "Text1", 9).At(3840, 1080, 255).Tab(10).Limit(1).Hidden(),
    // Value lists.
    Row(Kind::Label, "Label2", 0).At(0, 1440 + kDrop).Text(1104).Before("Combo1", 0, kGap),
    Row(Kind::List, "Combo1", 0).At(2160, 1440, 1455).Tab(11),
    Row(Kind::Label, "Label2", 1).At(0, 1800 + kDrop).Text(1106).Before("Combo1", 1, kGap),
    Row(Kind::List, "Combo1", 1).At(2160, 1800, 1455).Tab(12),
    Row(Kind::Label, "Label2", 2).At(0, 2160 + kDrop).Text(1109).Before("Combo1", 2, kGap),
    Row(Kind::List, "Combo1", 2).At(2160, 2160, 1455).Tab(13),
    Row(Kind::Label, "Label2", 5).At(0, 2520 + kDrop).Before("Combo1", 5, kGap),
    Row(Kind::List, "Combo1", 5).At(2160, 2520, 1455).Tab(14),
    Row(Kind::List, "Combo3", 0).At(3600, 2520, 1095).Tab(15),
    Row(Kind::List, "Combo3", 2).At(3600, 2520, 1095).Tab(16),
    Row(Kind::CheckBox, "Check2", 0).At(4800, 2580, 1695).Tab(17).Text(1301),
    Row(Kind::Label, "Label2", 10).At(0, 2880 + kDrop).Before("Combo1", 10, kGap),
    Row(Kind::List, "Combo1", 10).At(2160, 2880, 1455).Tab(18),
    Row(Kind::List, "Combo3", 1).At(3600, 2880, 1095).Tab(19),
    Row(Kind::List, "Combo3", 3).At(3600, 2880, 1095).Tab(20),
    Row(Kind::CheckBox, "Check2", 1).At(4800, 2940, 1695).Tab(21).Text(1301),
    Row(Kind::Label, "Label2", 4).At(0, 3240 + kDrop).Text(1110).Before("Combo1", 4, kGap),
    Row(Kind::List, "Combo1", 4).At(2160, 3240, 1455).Tab(22),
    Row(Kind::List, "Combo4", 0).At(3600, 3240, 1095).Tab(23),
    Row(Kind::List, "Combo4", 1).At(3600, 3240, 1095).Tab(24),
    Row(Kind::List, "Combo4", 2).At(3600, 3240, 1095).Tab(25),
    Row(Kind::CheckBox, "Check3").At(4800, 3300, 1455).Tab(26).Literal("PTT ID"),
    Row(Kind::Label, "Label2", 9).At(0, 3600 + kDrop).Text(4020).Before("Combo1", 9, kGap),
    Row(Kind::List, "Combo1", 9).At(2160, 3600, 2895).Tab(27),
    Row(Kind::Label, "Label2", 7).At(0, 3960 + kDrop).Text(4021).Before("Combo1", 7, kGap).Hidden(),
    Row(Kind::List, "Combo1", 7).At(2160, 3960, 1935).Tab(28).Hidden(),
    Row(Kind::Label, "Label2", 6).At(0, 4320 + kDrop).Text(4023).Before("Combo1", 6, kGap),
    Row(Kind::List, "Combo1", 6).At(2160, 4320, 1935).Tab(29),
    Row(Kind::Label, "Label2", 13).At(0, 4680 + kDrop).Text(4024).Before("Combo1", 13, kGap),
    Row(Kind::List, "Combo1", 13).At(2160, 4680, 1935).Tab(30),
    Row(Kind::Label, "Label2", 15).At(1200, 5040 + kDrop).Text(4022),
    Row(Kind::List, "Combo1", 15).At(2160, 5040, 1935).Tab(31),
    Row(Kind::Label, "Label2", 16).At(0, 5400 + kDrop).Text(4027).Before("Combo1", 16, kGap),
    Row(Kind::List, "Combo1", 16).At(2160, 5400, 1935).Tab(32),
    // Switches.
    Row(Kind::CheckBox, "Check1").At(2160, 5880, 2415).Tab(33).Text(1105),
    Row(Kind::CheckBox, "Check5").At(2160, 6240, 2415).Tab(34).Text(4026),
    Row(Kind::CheckBox, "Check7").At(2160, 6600, 2415).Tab(35).Literal("SM/AM Auto").Hidden(),
    Row(Kind::Frame, "Frame1").At(2040, 6960, 2175, 975),
    Row(Kind::CheckBox, "Check4", 1).At(120, 600, 1815).Tab(36).Text(1114).In("Frame1"),
    Row(Kind::CheckBox, "Check4", 0).At(120, 240, 1815).Tab(72).Text(1207).In("Frame1"),
    Row(Kind::Label, "Label4").At(2040, 8040).Text(4030),
    Row(Kind::TextBox, "Text3").At(2040, 8280, 1935).Tab(37).Limit(5),
    Row(Kind::CommandButton, "CommandOK").At(1440, 8880, 1095, 375).Tab(38).Text(101),
    Row(Kind::CommandButton, "CommandCancel").At(2880, 8880, 1095, 375).Tab(39).Text(102),
    // Never seen: hidden, or placed beyond the client area.
    Row(Kind::Label, "Label1", 1).At(0, 6240 + kDrop).Text(1102).Before("Combo2", -1, kGap).Hidden(),
    Row(Kind::TextBox, "Text1", 1).At(11880, 6240, 1455).Tab(41).Limit(9).Hidden(),
    Row(Kind::List, "Combo2").At(11160, 6240, 735).Tab(40).Hidden(),
    Row(Kind::List, "Combo1", 11).At(11280, 600, 2175).Tab(61),
    Row(Kind::Label, "Label2", 11).At(10320, 600).Literal("静噪模式"),
    Row(Kind::List, "Combo1", 3).At(10800, 5640, 1455).Tab(50),
    Row(Kind::Label, "Label2", 3).At(0, 5640 + kDrop).Text(1114).Before("Combo1", 3, kGap),
    Row(Kind::List, "Combo1", 8).At(12120, 2400, 1935).Tab(42).Hidden(),
    Row(Kind::Label, "Label2", 8).At(0, 2400 + kDrop).Text(4022).Before("Combo1", 8, kGap).Hidden(),
    Row(Kind::List, "Combo1", 12).At(10800, 960, 1935).Tab(43).Hidden(),
    Row(Kind::Label, "Label2", 12).At(0, 960 + kDrop).Text(1116).Before("Combo1", 12, kGap).Hidden(),
    Row(Kind::List, "Combo1", 14).At(10200, 1800, 1935).Tab(66).Hidden(),
    Row(Kind::Label, "Label2", 14).At(0, 1800 + kDrop).Literal("守侯信道").Before("Combo1", 14, kGap).Hidden(),
    Row(Kind::CheckBox, "Check6").At(9960, 2400, 1815).Tab(44).Literal("扫描跳过").Hidden(),
    Row(Kind::TextBox, "Text2").At(11400, 3240, 1335).Tab(45).Limit(5).Hidden(),
    Row(Kind::Label, "Label3").At(10200, 3240).Literal("PTTID Code").Hidden(),
};

constexpr auto kForm = platform::Form("FrmCHEdit").Text(1300).Size(6495, 9495).Font("Arial", 9);

// Language texts of the captions the load composes.
constexpr int16_t kToneText = 1107;
constexpr int16_t kDecodeText = 1112;
constexpr int16_t kEncodeText = 1113;
constexpr int16_t kScanText = 1111;
constexpr int16_t kNoToneText = 1206;
constexpr int16_t kSameAsReceiveText = 1210;
constexpr int16_t kUserToneText = 4031;

constexpr int16_t kShowWarning = 1;
constexpr int kNameBoxes = 7;
constexpr int kFirstNameBox = 2;

// The rows of the lists whose indexes a rule watches.
constexpr std::initializer_list<int> kRuledLists = {4, 5, 7, 8, 10, 15};

using Named = std::pair<const char*, int>;

}  // namespace

namespace {

platform::ComboBox* List(const QObject* f, const char* name, int index = -1) {
    return platform::Ctl<platform::ComboBox>(f, name, index);
}
platform::ComboBox* Combo1(const QObject* f, int index) { return List(f, "Combo1", index); }
platform::TextBox* Box(const QObject* f, const char* name, int index = -1) {
    return platform::Ctl<platform::TextBox>(f, name, index);
}
platform::TextBox* Text1(const QObject* f, int index) { return Box(f, "Text1", index); }
QCheckBox* Check(const QObject* f, const char* name, int index = -1) { return platform::Ctl<QCheckBox>(f, name, index); }
QLabel* Label(const QObject* f, const char* name, int index = -1) { return platform::Ctl<QLabel>(f, name, index); }
QWidget* Widget(const QObject* f, const Named& n) { return platform::Ctl<QWidget>(f, n.first, n.second); }

std::string TextOf(const platform::TextBox* box) { return platform::TextBytes(box->text()); }
void SetTextOf(platform::TextBox* box, std::string_view bytes) { box->setText(platform::ByteText(bytes)); }

void Fill(platform::ComboBox* list, const ListItems& items) {
    list->Clear();
    for (const std::string& item : items) list->AddItem(item);
}

// Selects item `index`, or the first item when the list has no such item.
void SelectIndex(platform::ComboBox* list, int index) {
    list->SetListIndex(index >= 0 && index < list->ListCount() ? index : (list->ListCount() > 0 ? 0 : -1));
}

// Shows the item at a stored index by its text, as the lists of texts do.
void ShowItem(platform::ComboBox* list, int index) { SetComboText(*list, GetComboItem(*list, index)); }

// Code lists with no item are left without a selection.
void SelectFirstOrNone(platform::ComboBox* list) { list->SetListIndex(list->ListCount() > 0 ? 0 : -1); }

int CheckOf(const QObject* f, const char* name, int index = -1) { return platform::CheckValue(Check(f, name, index)); }

}  // namespace

FrmCHEdit::FrmCHEdit(QWidget* parent) : QDialog(parent) {
    platform::BuildForm(*this, kForm, kRows);
    // What the design held before the load replaces it.
    for (int i : {5, 10}) Fill(Combo1(this, i), {"", "CTCSS", "DCS"});
    Fill(List(this, "Combo2"), {"", "-", "+"});
    for (int i : {0, 1}) Fill(List(this, "Combo3", i), ListItems(CTCSSTones.begin(), CTCSSTones.end()));
    platform::KeepFocusInClientArea(*this);
    SetUpBoxes();
    ConnectRules();
    Form_Load();
}

void FrmCHEdit::SetUpBoxes() {
    const auto setUp = [](platform::TextBox* box, ChannelBox kind) {
        box->SetCharRule([kind](QChar c) -> std::optional<QChar> {
            if (ChannelBoxTakes(kind, c.unicode())) return c;
            return std::nullopt;
        });
        box->SetSwallowClipboardKeys(true);
        box->SetSelectAllOnFocus(true);
        box->SetEnterMovesFocus(true);
        box->SetMoveOnAfterChar(kind == ChannelBox::Name);
    };
    setUp(Text1(this, 0), ChannelBox::Frequency);
    setUp(Text1(this, 1), ChannelBox::Frequency);
    for (int i = kFirstNameBox; i <= 9; ++i) setUp(Text1(this, i), ChannelBox::Name);
    setUp(Text1(this, 10), ChannelBox::Transmit);
    setUp(Box(this, "Text2"), ChannelBox::Code);
    setUp(Box(this, "Text3"), ChannelBox::UserTone);
}

void FrmCHEdit::ConnectRules() {
    using platform::OnEvent;
    for (int i : {0, 1})
        OnEvent(Check(this, "Check4", i), &QCheckBox::toggled, this, "Check4_Click", [this, i] { Check4_Click(i); });
    for (int i : kRuledLists)
        OnEvent(Combo1(this, i), &QComboBox::currentIndexChanged, this, "Combo1_Click",
                [this, i] { Combo1_Click(i); });
    OnEvent(Text1(this, 0), &QLineEdit::textChanged, this, "Text1_Change", [this] { Text1_Change(0); });
    OnEvent(Text1(this, 0), &platform::TextBox::LostFocus, this, "Text1_LostFocus", [this] { Text1_LostFocus(0); });
    OnEvent(Box(this, "Text3"), &platform::TextBox::LostFocus, this, "Text3_LostFocus",
            [this] { Text3_LostFocus(); });
    OnEvent(platform::Ctl<QPushButton>(this, "CommandOK"), &QPushButton::clicked, this, "CommandOK_Click",
            [this] { CommandOK_Click(); });
    OnEvent(platform::Ctl<QPushButton>(this, "CommandCancel"), &QPushButton::clicked, this, "CommandCancel_Click",
            [this] { CommandCancel_Click(); });
}

// ---- load -------------------------------------------------------------------

void FrmCHEdit::Form_Load() {
    for (int i : {0, 1, 2}) RidTextMenu(Text1(this, i));
    ChangCHEditByLanguage();
    InitCHEditList();
    LoadCHEditData();
}

void FrmCHEdit::Form_Unload() {
    for (int i : {0, 1, 2}) UnRidTextMenu(Text1(this, i));
}

void FrmCHEdit::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

void FrmCHEdit::ChangCHEditByLanguage() {
    using platform::Lang;
    setWindowTitle(Lang(1300));
    for (auto [index, id] : {std::pair{0, 1101}, {1, 1102}, {2, 1103}, {3, 1140}})
        Label(this, "Label1", index)->setText(Lang(id));
    const QString tone = Lang(kToneText) + " ";
    for (auto [index, id] : {std::pair{0, 1104}, {1, 1106}, {2, 1109}, {3, 1114}, {4, 1110}, {6, 4023}, {7, 4021},
                             {8, 4022}, {9, 4020}, {12, 1116}, {13, 4024}, {15, 4022}})
        Label(this, "Label2", index)->setText(Lang(id));
    Label(this, "Label2", 5)->setText(tone + Lang(kDecodeText));
    Label(this, "Label2", 10)->setText(tone + Lang(kEncodeText));
    Check(this, "Check1")->setText(Lang(1105));
    for (int i : {0, 1}) Check(this, "Check2", i)->setText(Lang(1301));
    Check(this, "Check4", 0)->setText(Lang(1207));
    Check(this, "Check4", 1)->setText(Lang(1114));
    Check(this, "Check5")->setText(Lang(4026));
    Label(this, "Label2", 16)->setText(Lang(kScanText));
    // Every label ends its gap before its control again, for its new caption.
    platform::PlaceLabels(*this);

    for (int i : {5, 10}) Combo1(this, i)->SetList(0, GetLangText(kNoToneText));
    const ListItems scrambler = ScramblerItems();
    for (int i = 0; i < static_cast<int>(scrambler.size()); ++i)
        Combo1(this, 6)->SetList(i, scrambler[static_cast<std::size_t>(i)]);
    const ListItems dcs = ChannelDCSItems();
    Fill(List(this, "Combo3", 2), dcs);
    for (int i = 0; i < static_cast<int>(dcs.size()); ++i) List(this, "Combo3", 3)->SetList(i, dcs[static_cast<std::size_t>(i)]);
    Label(this, "Label4")->setText(Lang(4030));
    SetOKCancelCaption(this);
}

void FrmCHEdit::InitCHEditList() {
    auto* ctcssDe = List(this, "Combo3", 0);
    if (IsNumericText(ctcssDe->List(ctcssDe->ListCount() - 1))) {
        List(this, "Combo3", 1)->AddItem(GetLangText(kUserToneText));
        ctcssDe->AddItem(GetLangText(kUserToneText));
    }
    Fill(Combo1(this, 0), ChannelStepItems());
    Fill(Combo1(this, 1), ChannelBandwidthItems());
    Fill(Combo1(this, 3), TalkAroundItems());
    Fill(Combo1(this, 2), ChannelPowerItems());
    Combo1(this, 5)->SetList(0, GetLangText(kNoToneText));
    List(this, "Combo2")->SetList(0, GetLangText(kSameAsReceiveText));

    Fill(Combo1(this, 4), SignallingItems());
    for (const char* name : {"Label2", "Combo1"})
        for (int i : {7, 8}) platform::Ctl<QWidget>(this, name, i)->show();

    for (int i : {7, 8}) Fill(Combo1(this, i), PTTIDItems());
    for (int i : {9, 11}) Fill(Combo1(this, i), SquelchModeItems());
    Fill(Combo1(this, 15), ModulationItems());
    Fill(Combo1(this, 12), DisplayItems());
    Fill(Combo1(this, 13), BusyLockItems());
    Fill(Combo1(this, 16), ScanItems());

    for (int i : {0, 1, 2}) List(this, "Combo4", i)->Clear();
    Fill(List(this, "Combo4", 0), DTMFMemoryItems());
    Fill(List(this, "Combo4", 1), TwoToneEntryItems(CurData.FunSet.Tone2));
    Fill(List(this, "Combo4", 2), FiveToneCodeItems(CurData.FunSet.Tone5));

    // The alternative lists lie over each other; one of a group shows at a time.
    const auto overlay = [this](const Named& list, const Named& onto) { Widget(this, list)->move(Widget(this, onto)->pos()); };
    overlay({"Combo3", 2}, {"Combo3", 0});
    overlay({"Combo3", 3}, {"Combo3", 1});
    overlay({"Combo4", 1}, {"Combo4", 0});
    overlay({"Combo4", 2}, {"Combo4", 0});
}

void FrmCHEdit::LoadCHEditData() {
    int16_t chNo = CurCHNo;
    const std::optional<ChannelToEdit> channel = ChannelForEdit(CHListType, chNo);
    CurCHNo = chNo;
    if (channel) {
        EditCHData = channel->record;
        ShowCHNameBox(channel->nameRow);
    }
    ShowCHEditData();
}

void FrmCHEdit::ShowCHNameBox(bool visible) {
    Label(this, "Label1", 2)->setVisible(visible);
    for (int k = 0; k < kNameBoxes; ++k) Text1(this, kFirstNameBox + k)->setVisible(visible);
}

void FrmCHEdit::ShowCHEditData() {
    UFreData& ch = EditCHData;
    for (const Named& hidden : {Named{"Combo3", 0}, {"Combo4", 0}, {"Combo3", 1}, {"Combo4", 1}, {"Combo3", 2},
                                {"Combo4", 2}, {"Combo3", 3}, {"Check2", 0}, {"Check2", 1}, {"Check3", -1},
                                {"Label2", 3}, {"Combo1", 3}, {"Combo1", 11}, {"Label2", 11}})
        Widget(this, hidden)->hide();

    // Frequencies; the receive box raises its rule.
    SetTextOf(Text1(this, 0), CodeToFre(ch.RxFre.value()));
    SelectIndex(List(this, "Combo2"), ch.ShiftDir);
    SetTextOf(Text1(this, 1), CodeToOffset(ch.OffsetFre.value()));
    SetTextOf(Text1(this, 10), ShownTransmitText(TextOf(Text1(this, 0)), TextOf(Text1(this, 1)),
                                                 List(this, "Combo2")->ListIndex(), TextOf(Text1(this, 10))));

    const NameBoxes name = NameBoxTexts(ch.CHName);
    for (int k = 0; k < kNameBoxes; ++k) SetTextOf(Text1(this, kFirstNameBox + k), name[static_cast<std::size_t>(k)]);

    SelectIndex(Combo1(this, 0), ch.StepIndex);
    SelectIndex(Combo1(this, 1), ch.Bandwidth);
    if (ch.TxPower > 3) ch.TxPower = 0;
    ShowItem(Combo1(this, 2), ch.TxPower);

    // Types before their codes: the type rules restart the code lists.
    const std::string_view signalling = OptSigText(ch.OptSig);
    if (signalling.empty()) SelectIndex(Combo1(this, 4), 0);
    else SetComboText(*Combo1(this, 4), FindComboText(*Combo1(this, 4), signalling));
    SelectIndex(Combo1(this, 5), ch.De_CTC_Type);
    SelectIndex(Combo1(this, 10), ch.En_CTC_Type);
    ShowItem(Combo1(this, 6), ch.Scrambler);
    SelectIndex(Combo1(this, 7), ch.PTTIDType);

    // Reverse decides which tone counts for the squelch, so it is set before
    // the stored mode is chosen; set after it, it would drop a tone mode that
    // only the reversed tone allows.
    platform::SetCheckValue(Check(this, "Check4", 0), ch.Reverse);
    platform::SetCheckValue(Check(this, "Check4", 1), ch.TalkAround);
    SetComboText(*Combo1(this, 9), FindComboText(*Combo1(this, 9), Combo1(this, 11)->List(ch.SQLMode)));
    ShowItem(Combo1(this, 13), ch.BusyLock);
    platform::SetCheckValue(Check(this, "Check1"), ch.TxInhibit);
    ReShowSquelchList();
    platform::SetCheckValue(Check(this, "Check5"), ch.Compander);
    ShowItem(Combo1(this, 16), ch.ScanSkip);

    switch (ch.OptSig) {
        case 1: {
            auto* list = List(this, "Combo4", 0);
            list->show();
            SelectIndex(list, ch.DTMFCodeNo);
            break;
        }
        case 2:
        case 3: {
            auto* list = List(this, "Combo4", ch.OptSig - 1);
            list->show();
            const std::string entry = FindComboText(*list, std::to_string(ch.OptSig == 2 ? ch.Tone2No : ch.Tone5No));
            if (!entry.empty()) SetComboText(*list, entry);
            break;
        }
        default: break;
    }

    const auto showTone = [this](int16_t type, int ctcssList, int16_t ctcss, int dcsList, int16_t dcs, int invertBox,
                                 int16_t invert) {
        if (type == 1) {
            List(this, "Combo3", ctcssList)->show();
            SelectIndex(List(this, "Combo3", ctcssList), ctcss);
        } else if (type == 2) {
            List(this, "Combo3", dcsList)->show();
            SelectIndex(List(this, "Combo3", dcsList), dcs);
            Check(this, "Check2", invertBox)->show();
            platform::SetCheckValue(Check(this, "Check2", invertBox), invert);
        }
    };
    showTone(ch.De_CTC_Type, 0, ch.De_CTCSS, 2, ch.De_DCSCode, 0, ch.De_DCSInvert);
    showTone(ch.En_CTC_Type, 1, ch.En_CTCSS, 3, ch.En_DCSCode, 1, ch.En_DCSInvert);

    ShowItem(Combo1(this, 15), ch.Modulation);
    platform::SetCheckValue(Check(this, "Check7"), ch.AMAuto);
    SetTextOf(Box(this, "Text3"), UserToneText(ch.UserCTCSS));

    const std::string rx = ch.RxFre.value();
    if (!rx.empty() && rx != NoFreCode) EnableCHEdit();
    else DisableCHEdit();
}

// ---- enabling ---------------------------------------------------------------

void FrmCHEdit::SwitchValueControls(bool enable) {
    const auto set = [this, enable](const Named& n) { Widget(this, n)->setEnabled(enable); };
    set({"Text1", 10});
    for (int i = 1; i <= 8; ++i) set({"Text1", i});
    if (!enable) set({"Text2", -1});
    for (int i = 0; i <= 10; ++i) set({"Combo1", i});
    for (int i : {12, 13, 15}) set({"Combo1", i});
    for (const Named& n : {Named{"Check1", -1}, {"Check4", 0}, {"Check4", 1}, {"Check5", -1}, {"Combo1", 16}}) set(n);
    Check(this, "Check7")->setEnabled(enable && Combo1(this, 15)->ListIndex() == 0);
    set({"Combo2", -1});
    for (const Named& n : {Named{"Combo3", 0}, {"Combo4", 0}, {"Combo3", 1}, {"Combo4", 1}, {"Combo3", 2},
                           {"Combo4", 2}, {"Combo3", 3}, {"Check2", 0}, {"Check2", 1}, {"Check3", -1}})
        if (platform::IsShown(Widget(this, n))) set(n);
    set({"Text3", -1});
}

void FrmCHEdit::DisableCHEdit() { SwitchValueControls(false); }

void FrmCHEdit::EnableCHEdit() {
    SwitchValueControls(true);
    Box(this, "Text3")->setEnabled(true);
    Text1(this, 0)->setEnabled(true);
    CheckAMEnable(TextOf(Text1(this, 0)));
}

void FrmCHEdit::CheckAMEnable(std::string_view rxText) {
    auto* modulation = Combo1(this, 15);
    if (IsAMAllowed(rxText, PCBand)) {
        modulation->setEnabled(true);
        return;
    }
    modulation->setEnabled(false);
    modulation->SetListIndex(0);
}

// ---- rules ------------------------------------------------------------------

void FrmCHEdit::ReShowSquelchList() {
    auto* shown = Combo1(this, 9);
    auto* master = Combo1(this, 11);
    const std::string choice = shown->Text();
    if (!choice.empty()) SetComboText(*master, choice);
    else master->SetListIndex(0);

    shown->Clear();
    const bool tone = SquelchHasTone(CheckOf(this, "Check4", 0) == 1, Combo1(this, 5)->ListIndex(),
                                     Combo1(this, 10)->ListIndex());
    const bool signalling = Combo1(this, 4)->ListIndex() >= 1;
    for (int mode : OfferedSquelchModes(tone, signalling)) shown->AddItem(master->List(mode));
    SetComboText(*shown, master->Text());
}

void FrmCHEdit::Check4_Click(int index) {
    if (CheckOf(this, "Check4", index) == 1) platform::SetCheckValue(Check(this, "Check4", 1 - index), 0);
    ReShowSquelchList();
}

void FrmCHEdit::Combo1_Click(int index) {
    const int chosen = Combo1(this, index)->ListIndex();
    // A tone type's code lists: its CTCSS list, its DCS list and invert box.
    const auto hideToneCodes = [this](int ctcssList, int dcsList, int invertBox) {
        for (const Named& n : {Named{"Combo3", ctcssList}, {"Combo3", dcsList}, {"Check2", invertBox}})
            Widget(this, n)->hide();
    };
    // The chosen type's code list restarts at its first item.
    const auto showToneCodes = [this, chosen](int ctcssList, int dcsList, int invertBox) {
        if (chosen == 1) {
            List(this, "Combo3", ctcssList)->show();
            List(this, "Combo3", ctcssList)->SetListIndex(0);
        } else if (chosen == 2) {
            List(this, "Combo3", dcsList)->show();
            List(this, "Combo3", dcsList)->SetListIndex(0);
            auto* invert = Check(this, "Check2", invertBox);
            invert->show();
            invert->setEnabled(true);
            platform::SetCheckValue(invert, 0);
        }
    };
    switch (index) {
        case 4: {
            for (const Named& n : {Named{"Combo4", 0}, {"Combo4", 1}, {"Combo4", 2}, {"Check3", -1}})
                Widget(this, n)->hide();
            if (OptSigOfText(Combo1(this, 4)->Text()) != 0 && chosen >= 1 && chosen <= 3) {
                auto* codes = List(this, "Combo4", chosen - 1);
                codes->show();
                codes->setEnabled(true);
                SelectFirstOrNone(codes);
            }
            ReShowSquelchList();
            break;
        }
        case 5:
            hideToneCodes(0, 2, 0);
            ReShowSquelchList();
            showToneCodes(0, 2, 0);
            break;
        case 7:
            if (chosen >= 1) Combo1(this, 8)->SetListIndex(0);
            break;
        case 8:
            if (chosen >= 1) Combo1(this, 7)->SetListIndex(0);
            break;
        case 10:
            ReShowSquelchList();
            // The transmit codes follow their type only while the value
            // controls are enabled.
            if (List(this, "Combo2")->isEnabled()) {
                hideToneCodes(1, 3, 1);
                showToneCodes(1, 3, 1);
            }
            break;
        case 15: Check(this, "Check7")->setEnabled(chosen == 0); break;
        default: break;
    }
}

void FrmCHEdit::Text1_Change(int index) {
    if (index != 0) return;
    if (Text1(this, 0)->text().isEmpty()) DisableCHEdit();
    else EnableCHEdit();
}

void FrmCHEdit::Text1_LostFocus(int index) {
    if (index == 0) CheckAMEnable(TextOf(Text1(this, 0)));
}

void FrmCHEdit::Text3_LostFocus() {
    auto* box = Box(this, "Text3");
    SetTextOf(box, CheckCTCSSText(TextOf(box)));
}

// ---- save -------------------------------------------------------------------

void FrmCHEdit::CommandOK_Click() {
    auto* userTone = Box(this, "Text3");
    SetTextOf(userTone, CheckCTCSSText(TextOf(userTone)));
    const std::string rxText = TextOf(Text1(this, 0));
    if (!IsEditableChannelNo(CHListType, CurCHNo)) {
        platform::MsgBox("Channel ID Error!", platform::Buttons::Ok);
        Text1(this, 0)->setFocus();
        return;
    }
    switch (ClassifyRxText(rxText)) {
        case RxText::NotANumber:
            // Digits that do not make a number are a typing mistake: the
            // channel is neither stored nor deleted, and the box is offered again.
            ShowFreWarning(kShowWarning);
            Text1(this, 0)->setFocus();
            return;
        case RxText::Number:
            if (IsCHExist(CurCHNo)) ModifyUFreData(CurCHNo);
            else AddNewUFreData(CurCHNo);
            break;
        case RxText::NoDigits:
            if (IsCHExist(CurCHNo)) DeleteCH(CurCHNo, CHListType);
            break;
    }
    MainView().ReShowGrid(0, CurCHNo, 0);
    CheckCHLink();
    accept();
}

void FrmCHEdit::CommandCancel_Click() { reject(); }

void FrmCHEdit::ModifyUFreData(int16_t& n) {
    std::optional<UFreData> ch = StoredChannel(CHListType, n);
    if (!ch) {
        if (CHListType == 0) platform::MsgBox("No Find Data!", platform::Buttons::Ok);
        return;
    }
    ControlsToRecord(*ch, n);
    StoreChannel(CHListType, n, *ch, false);
}

void FrmCHEdit::AddNewUFreData(int16_t& n) {
    UFreData ch;
    ch.CHNo = n;
    ControlsToRecord(ch, n);
    StoreChannel(CHListType, n, ch, true);
}

void FrmCHEdit::ControlsToRecord(UFreData& ch, int16_t n) {
    ch.UsedFlag = 1;
    const int16_t step = static_cast<int16_t>(std::max(Combo1(this, 0)->ListIndex(), 0));
    ch.StepIndex = step;

    const SavedFrequencies f = SaveFrequencies(TextOf(Text1(this, 0)), TextOf(Text1(this, 10)), step, CHListType, n);
    // Raises the receive rule: the controls are enabled and AM is allowed or
    // not for the corrected frequency before any list is read.
    SetTextOf(Text1(this, 0), f.rx);
    ch.RxFre = FreToCode(f.rx);

    NameBoxes name;
    for (int k = 0; k < kNameBoxes; ++k) name[static_cast<std::size_t>(k)] = TextOf(Text1(this, kFirstNameBox + k));
    ch.CHName = NameOfBoxes(name);

    SetTextOf(Text1(this, 10), f.txSeed);
    List(this, "Combo2")->SetListIndex(f.shownDir);
    SetTextOf(Text1(this, 1), f.offsetText);
    ch.ShiftDir = f.shiftDir;
    ch.OffsetFre = FreToCode(f.offset);

    auto* master = Combo1(this, 11);
    SetComboText(*master, Combo1(this, 9)->Text());

    ChannelChoices c;
    c.scanSkip = Combo1(this, 16)->ListIndex();
    c.step = step;
    c.bandwidth = Combo1(this, 1)->ListIndex();
    c.power = Combo1(this, 2)->ListIndex();
    c.modulation = Combo1(this, 15)->ListIndex();
    c.deToneType = Combo1(this, 5)->ListIndex();
    c.enToneType = Combo1(this, 10)->ListIndex();
    c.deCTCSS = List(this, "Combo3", 0)->ListIndex();
    c.enCTCSS = List(this, "Combo3", 1)->ListIndex();
    c.deDCS = List(this, "Combo3", 2)->ListIndex();
    c.enDCS = List(this, "Combo3", 3)->ListIndex();
    c.dtmfMemory = List(this, "Combo4", 0)->ListIndex();
    c.signallingText = Combo1(this, 4)->Text();
    c.tone2Text = List(this, "Combo4", 1)->Text();
    c.tone5Text = List(this, "Combo4", 2)->Text();
    c.busyLock = Combo1(this, 13)->ListIndex();
    c.pttID = Combo1(this, 7)->ListIndex();
    c.squelchMode = master->ListIndex();
    c.scrambler = Combo1(this, 6)->ListIndex();
    c.txInhibit = CheckOf(this, "Check1");
    c.reverse = CheckOf(this, "Check4", 0);
    c.talkAround = CheckOf(this, "Check4", 1);
    c.compander = CheckOf(this, "Check5");
    c.amAuto = CheckOf(this, "Check7");
    c.deInvert = CheckOf(this, "Check2", 0);
    c.enInvert = CheckOf(this, "Check2", 1);
    ApplyChannelChoices(ch, c);

    auto* userTone = Box(this, "Text3");
    SetTextOf(userTone, CheckCTCSSText(TextOf(userTone)));
    ch.UserCTCSS = UserToneTenths(TextOf(userTone));
}
