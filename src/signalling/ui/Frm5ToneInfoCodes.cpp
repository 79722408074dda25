// The decode-code editor of the five-tone dialog: Combo6 chooses one of the
// 16 decode codes, Combo7(0) its function, Combo7(1) its response, Text5 its
// code and Text7 its name; and the check OK runs on all 16.
#include <algorithm>

#include <QGroupBox>
#include <QSignalBlocker>

#include "core/LangText.h"
#include "core/SharedState.h"
#include "platform/Prompts.h"
#include "platform/TextConvert.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/TextBox.h"
#include "signalling/FiveToneInfoCodes.h"
#include "signalling/ui/Frm5Tone.h"

namespace {

constexpr int16_t kDecodeCodeFrameText = 3005;  // OTHER

}  // namespace

void Frm5Tone::Combo6_Click() {
    const int selected = Combo("Combo6")->ListIndex();
    if (selected < 0) return;
    if (CurInfoCodeID > 0) SaveInfoCode(CurInfoCodeID);
    CurInfoCodeID = static_cast<int16_t>(selected + 1);
    platform::Ctl<QGroupBox>(this, "Frame3")
        ->setTitle(platform::QText(GetLangText(kDecodeCodeFrameText) + Combo("Combo6")->Text()));
    ShowInfoCode();
}

void Frm5Tone::ShowInfoCode() {
    const int id = std::clamp(Combo("Combo6")->ListIndex() + 1, 1, kInfoCodes);
    const InfoCodeShown shown = ShowInfoCodeValues(TempFunSetData.Tone5.InfoCode[id]);
    platform::ComboBox* function = Combo("Combo7", 0);
    {
        const QSignalBlocker quiet(function);
        function->SetListIndex(shown.function);
    }
    Combo7_Click(0);
    // The stored response wins over the function's, also in a disabled list.
    Combo("Combo7", 1)->SetListIndex(shown.response);
    Box("Text5")->setText(platform::ByteText(shown.code));
    Box("Text7")->setText(platform::ByteText(shown.name));
}

void Frm5Tone::SaveInfoCode(int16_t id) {
    if (id < 1 || id > kInfoCodes) return;
    SaveInfoCodeValues(TempFunSetData.Tone5.InfoCode[id], Combo("Combo7", 0)->ListIndex(),
                       Combo("Combo7", 1)->ListIndex(), platform::TextBytes(Box("Text5")->text()),
                       platform::TextBytes(Box("Text7")->text()));
}

void Frm5Tone::Combo7_Click(int index) {
    if (index == 0) ApplyFunctionRule(Combo("Combo7", 0)->ListIndex());
}

void Frm5Tone::ApplyFunctionRule(int function) {
    platform::ComboBox* response = Combo("Combo7", 1);
    const InfoFunctionRule rule = InfoFunctionRuleOf(function);
    const int kept = response->ListIndex();
    response->Clear();
    for (int i = 0; i < rule.responses; ++i)
        response->AddItem(GetOptionText(kResponseTexts[static_cast<std::size_t>(i)]));
    response->SetListIndex(rule.response.value_or(kept < response->ListCount() ? kept : 0));
    response->setEnabled(rule.responseEnabled);
    platform::TextBox* name = Box("Text7");
    name->setEnabled(rule.nameEnabled);
    if (!rule.nameEnabled) name->clear();
}

bool Frm5Tone::IsInfoKillStunWakenOK() {
    const InfoCodeCheck check = CheckInfoCodes(TempFunSetData.Tone5.InfoCode);
    if (check.killWithoutWakeUp) platform::MsgBox(GetOptionText(kNoWakeUpText), platform::Buttons::Ok);
    if (check.conflict) platform::MsgBox(GetOptionText(kCodeConflictText), platform::Buttons::Ok);
    return check.ok();
}
