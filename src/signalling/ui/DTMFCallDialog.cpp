#include "signalling/ui/DTMFCallDialog.h"

#include <optional>
#include <string>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "core/LangText.h"
#include "platform/TextConvert.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogHelpers.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/GuardedSlots.h"
#include "platform/ui/TextBox.h"
#include "signalling/DTMFEdit.h"
#include "signalling/ui/FrmDTMF.h"
#include "signalling/ui/RuledBox.h"

namespace {

using platform::Ctl;
using platform::Kind;
using platform::Row;

constexpr int kLabelGap = 100;

constexpr platform::ControlRow kRows[] = {
    Row(Kind::Label, "Label1").At(0, 270).Before("Combo1", 0, kLabelGap),
    Row(Kind::List, "Combo1", 0).At(1800, 240, 1695).Tab(0),
    Row(Kind::Frame, "Frame1").At(120, 720, 3615, 735),
    Row(Kind::Label, "Label2").At(0, 330).In("Frame1").Before("Text1", -1, kLabelGap),
    Row(Kind::TextBox, "Text1").At(1680, 300, 735).In("Frame1").Limit(kOwnIDLength).Tab(1),
    Row(Kind::CommandButton, "CommandOK").At(600, 1680, 1215).Tab(2),
    Row(Kind::CommandButton, "CommandCancel").At(2040, 1680, 1215).Tab(3),
};
constexpr auto kForm = platform::Form("FrmDTMFSpecial").Literal("DTMF Special Call").Size(3855, 2235);

platform::ComboBox* CallKind(const QObject* f) { return Ctl<platform::ComboBox>(f, "Combo1", 0); }
platform::TextBox* CalledID(const QObject* f) { return Ctl<platform::TextBox>(f, "Text1"); }

}  // namespace

FrmDTMFSpecial::FrmDTMFSpecial(FrmDTMF& owner) : QDialog(&owner), owner_(owner) {
    platform::BuildForm(*this, kForm, kRows);
    for (const char* item : {"ANI", "PTTID"}) CallKind(this)->AddItem(item);
    auto* box = CalledID(this);
    box->setText(QStringLiteral("000"));
    SetUpRuledBox(box, &OwnIDChar);

    using platform::OnEvent;
    OnEvent(CallKind(this), &QComboBox::currentIndexChanged, this, "Combo1_Click", [this] { Combo1_Click(); });
    OnEvent(box, &platform::TextBox::LostFocus, this, "Text1_LostFocus", [this] { Text1_LostFocus(); });
    OnEvent(Ctl<QPushButton>(this, "CommandOK"), &QPushButton::clicked, this, "CommandOK_Click",
            [this] { CommandOK_Click(); });
    OnEvent(Ctl<QPushButton>(this, "CommandCancel"), &QPushButton::clicked, this, "CommandCancel_Click",
            [this] { CommandCancel_Click(); });
    Form_Load();
}

void FrmDTMFSpecial::Form_Load() {
    Ctl<QLabel>(this, "Label1")->setText(platform::QText(GetOptionText(60064)));
    Ctl<QLabel>(this, "Label2")->setText(platform::QText(GetOptionText(60076)));
    platform::PlaceLabels(*this);
    CallKind(this)->SetListIndex(static_cast<int>(DTMFCallKind::ANI));
    Ctl<QGroupBox>(this, "Frame1")->show();
    SetOKCancelCaption(this);
}

void FrmDTMFSpecial::Combo1_Click() {
    Ctl<QGroupBox>(this, "Frame1")->setVisible(CallKind(this)->ListIndex() == static_cast<int>(DTMFCallKind::ANI));
}

void FrmDTMFSpecial::Text1_LostFocus() {
    auto* box = CalledID(this);
    box->setText(platform::ByteText(PadID(platform::TextBytes(box->text()))));
}

void FrmDTMFSpecial::CommandOK_Click() {
    const int target = owner_.CurDTMFEditID();
    if (ComposerServes(target)) {
        const auto kind = CallKind(this)->ListIndex() == static_cast<int>(DTMFCallKind::PTTID) ? DTMFCallKind::PTTID
                                                                                                : DTMFCallKind::ANI;
        const std::string sep = Ctl<platform::ComboBox>(&owner_, "Combo1", kSeparatorList)->Text();
        const std::string own = platform::TextBytes(Ctl<platform::TextBox>(&owner_, "Text3")->text());
        const std::string code = ComposeDTMFCall(kind, platform::TextBytes(CalledID(this)->text()), sep, own);
        Ctl<platform::TextBox>(&owner_, "Text2", target)->setText(platform::ByteText(code));
    }
    accept();
}

void FrmDTMFSpecial::CommandCancel_Click() { reject(); }
