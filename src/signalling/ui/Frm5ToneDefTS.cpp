#include "signalling/ui/Frm5ToneDefTS.h"

#include <array>
#include <string_view>

#include <QApplication>
#include <QPushButton>

#include "core/LangText.h"
#include "core/SharedState.h"
#include "platform/TextConvert.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogHelpers.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/GuardedSlots.h"
#include "platform/ui/TextBox.h"
#include "signalling/FiveToneUserTones.h"
#include "signalling/ui/RuledBox.h"

namespace {

using platform::Kind;
using platform::Row;

constexpr int16_t kCaptionText = 3103;  // OTHER
constexpr std::array<std::string_view, kUserToneBoxes> kDigits = {"0", "1", "2", "3", "4", "5", "6", "7",
                                                                  "8", "9", "A", "B", "C", "D", "E", "F"};
constexpr int kPerColumn = 4;
constexpr int kColumnLeft = 240;
constexpr int kColumnPitch = 1800;
constexpr int kBoxOffset = 360;
constexpr int kBoxWidth = 1215;
constexpr int kFirstTop = 240;
constexpr int kRowPitch = 420;
constexpr int kButtonTop = kFirstTop + kPerColumn * kRowPitch + 120;

// The boxes fill the columns top to bottom; OK and Cancel come first in the
// tab order, so the dialog opens on OK.
constexpr auto kRows = [] {
    std::array<platform::ControlRow, 2 + 2 * kUserToneBoxes> rows{};
    rows[0] = Row(Kind::CommandButton, "CommandOK").At(2520, kButtonTop, 1215).Tab(0);
    rows[1] = Row(Kind::CommandButton, "CommandCancel").At(3960, kButtonTop, 1215).Tab(1);
    for (int i = 0; i < kUserToneBoxes; ++i) {
        const int left = kColumnLeft + (i / kPerColumn) * kColumnPitch;
        const int top = kFirstTop + (i % kPerColumn) * kRowPitch;
        const auto k = static_cast<std::size_t>(i);
        rows[2 + 2 * k] = Row(Kind::Label, "Label1", i).At(left, top + 30).Literal(kDigits[k]);
        rows[3 + 2 * k] = Row(Kind::TextBox, "Text1", i)
                              .At(left + kBoxOffset, top, kBoxWidth)
                              .Limit(kUserToneTypingLimit)
                              .Tab(2 + i);
    }
    return rows;
}();
constexpr auto kForm = platform::Form("Frm5ToneDefTS").Size(7560, kButtonTop + 900);

platform::TextBox* ToneBox(const QObject* f, int i) { return platform::Ctl<platform::TextBox>(f, "Text1", i); }

}  // namespace

Frm5ToneDefTS::Frm5ToneDefTS(QWidget* parent) : QDialog(parent) {
    platform::BuildForm(*this, kForm, kRows);
    for (int i = 0; i < kUserToneBoxes; ++i) {
        platform::TextBox* box = ToneBox(this, i);
        SetUpRuledBox(box, &UserToneChar);
        box->SetEnterMovesFocus(true);
        platform::OnEvent(box, &platform::TextBox::LostFocus, this, "Text1_LostFocus",
                          [this, i] { Text1_LostFocus(i); });
    }
    platform::OnClick(this, "CommandOK", [this] { CommandOK_Click(); });
    platform::OnClick(this, "CommandCancel", [this] { CommandCancel_Click(); });
    Form_Load();
    platform::Ctl<QPushButton>(this, "CommandOK")->setFocus();
}

void Frm5ToneDefTS::Form_Load() {
    InitDefTSShow();
    ShowDefTSData();
}

void Frm5ToneDefTS::InitDefTSShow() {
    setWindowTitle(platform::QText(GetLangText(kCaptionText)));
    SetOKCancelCaption(this);
}

void Frm5ToneDefTS::ShowDefTSData() {
    const auto& tones = TempFunSetData.Tone5.DefTone;
    for (int i = 0; i < kUserToneBoxes; ++i)
        ToneBox(this, i)->setText(platform::QText(UserToneShown(tones[static_cast<std::size_t>(i)])));
}

void Frm5ToneDefTS::Text1_LostFocus(int index) {
    platform::TextBox* box = ToneBox(this, index);
    box->setText(platform::QText(UserToneInRange(platform::Utf8(box->text()))));
}

void Frm5ToneDefTS::CommandOK_Click() {
    // OK reached by a key leaves the focus in the box it was typed into.
    for (int i = 0; i < kUserToneBoxes; ++i)
        if (QApplication::focusWidget() == ToneBox(this, i)) Text1_LostFocus(i);
    auto& tones = TempFunSetData.Tone5.DefTone;
    for (int i = 0; i < kUserToneBoxes; ++i)
        if (const auto stored = UserToneStored(platform::Utf8(ToneBox(this, i)->text())))
            tones[static_cast<std::size_t>(i)] = *stored;
    accept();
}

void Frm5ToneDefTS::CommandCancel_Click() { reject(); }
