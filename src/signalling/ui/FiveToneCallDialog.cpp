#include "signalling/ui/FiveToneCallDialog.h"

#include <string>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "core/LangText.h"
#include "core/SharedState.h"
#include "core/TextCodec.h"
#include "platform/Prompts.h"
#include "platform/TextConvert.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/Grid.h"
#include "platform/ui/GuardedSlots.h"
#include "platform/ui/TextBox.h"
#include "signalling/FiveToneBlock.h"
#include "signalling/FiveToneGrid.h"
#include "signalling/FiveToneComposedCall.h"
#include "signalling/ui/Frm5Tone.h"
#include "signalling/ui/RuledBox.h"

namespace {

using platform::Ctl;
using platform::Kind;
using platform::Row;

constexpr int kLabelGap = 100;
constexpr int kFieldLeft = 2280;
constexpr int kFieldWidth = 1935;

constexpr platform::ControlRow kRows[] = {
    Row(Kind::Frame, "Frame1").At(120, 60, 4455, 1035),
    Row(Kind::Label, "Label1", 0).At(0, 270).In("Frame1").Before("Combo1", 0, kLabelGap),
    Row(Kind::List, "Combo1", 0).At(kFieldLeft, 240, kFieldWidth).In("Frame1").Tab(0),
    Row(Kind::Label, "Label1", 1).At(0, 690).In("Frame1").Before("Combo1", 1, kLabelGap),
    Row(Kind::List, "Combo1", 1).At(kFieldLeft, 660, kFieldWidth).In("Frame1").Tab(1),
    Row(Kind::Frame, "Frame2").At(120, 1200, 4455, 1095).Hidden(),
    Row(Kind::Label, "Label2", 0).At(0, 330).In("Frame2").Before("Text1", 0, kLabelGap),
    Row(Kind::TextBox, "Text1", 0).At(kFieldLeft, 300, kFieldWidth).In("Frame2").Limit(kCalledIDLength).Tab(3),
    Row(Kind::Label, "Label3").At(0, 720).In("Frame2").Before("Text2", -1, kLabelGap),
    Row(Kind::TextBox, "Text2").At(kFieldLeft, 690, kFieldWidth).In("Frame2").Limit(kDataCallMessageLength).Tab(2),
    Row(Kind::Frame, "Frame4").At(120, 1200, 4455, 1095).Hidden(),
    Row(Kind::Label, "Label2", 1).At(0, 330).In("Frame4").Before("Text1", 1, kLabelGap),
    Row(Kind::TextBox, "Text1", 1).At(kFieldLeft, 300, kFieldWidth).In("Frame4").Limit(kCalledIDLength).Tab(4),
    Row(Kind::Label, "Label5").At(0, 720).In("Frame4").Before("Combo3", -1, kLabelGap),
    Row(Kind::List, "Combo3").At(kFieldLeft, 690, kFieldWidth).In("Frame4").Tab(5),
    Row(Kind::CommandButton, "CommandOK").At(960, 2460, 1215).Tab(6),
    Row(Kind::CommandButton, "CommandCancel").At(2520, 2460, 1215).Tab(7),
};
constexpr auto kForm = platform::Form("FrmSpecial").Size(4815, 3075);

// Language texts (section "OPTION").
constexpr int32_t kCaptionText = 60062;
constexpr int32_t kSlotText = 60063;
constexpr std::array<int32_t, 2> kPTTIDSlotTexts = {60302, 60303};
constexpr int32_t kCallTypeText = 60064;
constexpr int32_t kCalledIDText = 60076;
constexpr int32_t kMessageText = 60077;
constexpr int32_t kSeparatorText = 60313;
constexpr int32_t kOKText = 60024;
constexpr int32_t kCancelText = 60025;
constexpr int kSlots = 100;
constexpr int kSeparatorLetters = 6;

// Our own text: the refusal of a call too long for a PTT-ID box.
constexpr int32_t kTooLongForPTTID = 60320;

QString Option(int32_t id) { return platform::QText(GetOptionText(id)); }
platform::ComboBox* List(const QObject* f, const char* name, int index = -1) {
    return Ctl<platform::ComboBox>(f, name, index);
}
platform::TextBox* Box(const QObject* f, const char* name, int index = -1) {
    return Ctl<platform::TextBox>(f, name, index);
}
std::string BytesOf(const platform::TextBox* box) { return platform::TextBytes(box->text()); }

}  // namespace

FrmSpecial::FrmSpecial(Frm5Tone& owner) : QDialog(&owner), owner_(owner) {
    platform::BuildForm(*this, kForm, kRows);
    for (int i : {0, 1}) {
        platform::TextBox* id = Box(this, "Text1", i);
        id->setText(QStringLiteral("12345"));
        SetUpRuledBox(id, &CalledIDChar);
        id->SetEnterMovesFocus(true);
    }
    platform::TextBox* message = Box(this, "Text2");
    SetUpRuledBox(message, &MessageChar);
    message->SetEnterMovesFocus(true);

    using platform::OnEvent;
    OnEvent(List(this, "Combo1", 1), &QComboBox::currentIndexChanged, this, "Combo1_Click",
            [this] { Combo1_Click(1); });
    for (int i : {0, 1})
        OnEvent(Box(this, "Text1", i), &platform::TextBox::LostFocus, this, "Text1_LostFocus",
                [this, i] { Text1_LostFocus(i); });
    platform::OnClick(this, "CommandOK", [this] { CommandOK_Click(); });
    platform::OnClick(this, "CommandCancel", [this] { CommandCancel_Click(); });
    Form_Load();
}

void FrmSpecial::Form_Load() {
    setWindowTitle(Option(kCaptionText));
    const auto label = [this](const char* name, int index, int32_t id) {
        auto* l = Ctl<QLabel>(this, name, index);
        l->setText(Option(id));
        l->adjustSize();
    };
    label("Label1", 0, kSlotText);
    label("Label1", 1, kCallTypeText);
    label("Label2", 0, kCalledIDText);
    label("Label2", 1, kCalledIDText);
    label("Label3", -1, kMessageText);
    label("Label5", -1, kSeparatorText);
    Ctl<QGroupBox>(this, "Frame2")->setTitle(Option(kDataCallKindText));
    platform::ComboBox* callType = List(this, "Combo1", 1);
    callType->AddItem(GetOptionText(kDataCallKindText));
    callType->AddItem(kANIKind);
    callType->AddItem(kPTTIDKind);
    Ctl<QPushButton>(this, "CommandOK")->setText(Option(kOKText));
    Ctl<QPushButton>(this, "CommandCancel")->setText(Option(kCancelText));
    platform::PlaceLabels(*this);

    // The PTT-ID codes have no slot; the label keeps the place of its first text.
    if (SpecialCallTarget != SpecialTarget::ListEntry) {
        label("Label1", 0, kPTTIDSlotTexts[SpecialCallTarget == SpecialTarget::PTTIDBegin ? 0 : 1]);
        List(this, "Combo1", 0)->hide();
    }

    platform::ComboBox* separator = List(this, "Combo3");
    separator->Clear();
    separator->AddItem(GetOptionText(kNoSeparatorText));
    for (int k = 1; k <= kSeparatorLetters; ++k) separator->AddItem(SeparatorLetterOf(k));

    InitSpecialList();
    ResetSpecialShow();
    callType->SetListIndex(static_cast<int>(SpecialCallType::DataCall));
}

void FrmSpecial::InitSpecialList() {
    platform::ComboBox* slotList = List(this, "Combo1", 0);
    for (int n = 0; n < kSlots; ++n) slotList->AddItem(std::to_string(n));
    const int row = Ctl<platform::Grid>(&owner_, "MSHFlexGrid1")->Row();
    slotList->SetListIndex(row >= kTone5FirstRow ? row - 1 : 0);
}

void FrmSpecial::ResetSpecialShow() {
    Ctl<QGroupBox>(this, "Frame2")->hide();
    Ctl<QGroupBox>(this, "Frame4")->hide();
    List(this, "Combo3")->SetListIndex(SeparatorItemOf(TempFunSetData.Tone5.SepCode));
}

void FrmSpecial::Combo1_Click(int index) {
    if (index != 1) return;
    ResetSpecialShow();
    platform::ComboBox* callType = List(this, "Combo1", 1);
    switch (static_cast<SpecialCallType>(callType->ListIndex())) {
        case SpecialCallType::DataCall: Ctl<QGroupBox>(this, "Frame2")->show(); break;
        case SpecialCallType::ANI: {
            auto* frame = Ctl<QGroupBox>(this, "Frame4");
            frame->setTitle(platform::QText(callType->Text()));
            frame->show();
            break;
        }
        default: break;
    }
}

bool FrmSpecial::CheckCalledID(int index) const {
    if (IsCalledIDComplete(BytesOf(Box(this, "Text1", index)))) return true;
    platform::MsgBox(GetMsgText(kShortOwnIDMessage), platform::Buttons::Ok);
    return false;
}

void FrmSpecial::Text1_LostFocus(int index) {
    // Cancel always works.
    if (QApplication::focusWidget() == platform::FindControl(this, "CommandCancel")) return;
    CheckCalledID(index);
}

void FrmSpecial::CommandOK_Click() {
    const int row = List(this, "Combo1", 0)->ListIndex() + 1;
    const int separatorItem = List(this, "Combo3")->ListIndex();
    TempFunSetData.Tone5.SepCode = SepCodeOfItem(separatorItem);

    platform::ComboBox* callType = List(this, "Combo1", 1);
    const auto type = static_cast<SpecialCallType>(callType->ListIndex());
    SpecialCallInput in;
    in.type = type;
    in.separator = SeparatorLetterOf(separatorItem);
    switch (type) {
        case SpecialCallType::DataCall:
            if (!CheckCalledID(0)) return;
            in.calledID = BytesOf(Box(this, "Text1", 0));
            in.message = BytesOf(Box(this, "Text2"));
            break;
        case SpecialCallType::ANI:
            if (!CheckCalledID(1)) return;
            in.calledID = BytesOf(Box(this, "Text1", 1));
            break;
        case SpecialCallType::PTTID: break;
        default: return;
    }
    const std::string ownID = platform::TextBytes(Ctl<platform::TextBox>(&owner_, "Text2")->text());

    if (SpecialCallTarget == SpecialTarget::ListEntry) {
        if (row < kTone5FirstRow || row > kTone5LastRow) return;
        const ComposedListCall call = ComposeListCall(in, TrimFixStr(GetOptionText(kDataCallMessageText)));
        StoreListCall(TempFunSetData.Tone5.Tone5List[row], type, call.code, ownID);
        auto* grid = Ctl<platform::Grid>(&owner_, "MSHFlexGrid1");
        grid->SetTextMatrix(row, kTone5CodeCol, platform::QText(call.cell));
        grid->SetTextMatrix(row, kTone5KindCol, platform::QText(callType->Text()));
    } else {
        const std::string code = ComposeBoxCall(in, ownID);
        // The radio's PTT-ID slot holds no more.
        if (code.size() > kPTTIDBoxDigits) {
            platform::MsgBox(GetOptionText(kTooLongForPTTID), platform::Buttons::Ok);
            return;
        }
        const int box = SpecialCallTarget == SpecialTarget::PTTIDBegin ? 0 : 1;
        Ctl<platform::TextBox>(&owner_, "Text4", box)->setText(platform::ByteText(code));
    }
    accept();
}

void FrmSpecial::CommandCancel_Click() { reject(); }
