// The five-tone block in the dialog's controls and back, the standards'
// tone table and the lists whose choice proposes a period.
#include <algorithm>
#include <vector>

#include <QCheckBox>
#include <QSignalBlocker>
#include <QTextEdit>

#include "core/LangText.h"
#include "core/SharedState.h"
#include "platform/TextConvert.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DialogHelpers.h"
#include "platform/ui/Grid.h"
#include "platform/ui/TextBox.h"
#include "signalling/FiveToneBlock.h"
#include "signalling/FiveToneCodes.h"
#include "signalling/FiveToneStandards.h"
#include "signalling/ui/Frm5Tone.h"

namespace {

constexpr int kKindCol = 1;
constexpr int kCodeCol = 2;
constexpr int kStandardCol = 3;
constexpr int kPeriodCol = 4;
constexpr int kNameCol = 5;
constexpr int kFirstRow = 1;
constexpr int kLastRow = 100;

// Selects `index` without raising the list's rule; the caller runs it, so it
// runs once whether or not the selection changed.
void SelectQuietly(platform::ComboBox* list, int index) {
    const QSignalBlocker quiet(list);
    SelectComboItem(*list, index);
}

}  // namespace

// ---- show ---------------------------------------------------------------------

void Frm5Tone::Show5ToneData() {
    Tone5Data& block = TempFunSetData.Tone5;
    const Tone5Settings shown = ShowTone5Settings(block, CurData.Tone5DecodeTime);
    Box("Text2")->setText(platform::ByteText(shown.selfID));
    // The standard proposes a period; the stored one, shown after it, wins.
    for (int i = 1; i <= kSettingLists; ++i) {
        SelectQuietly(Combo("Combo1", i), shown.list[i]);
        Combo1_Click(i);
    }
    platform::SetCheckValue(platform::Ctl<QCheckBox>(this, "Check1"), shown.sideTone);
    SelectQuietly(Combo("Combo6"), 0);
    Combo6_Click();
    ShowRows();
    ShowPTTIDCodes();
}

void Frm5Tone::ShowRows() {
    const Tone5RowTexts texts{GetOptionText(kDataCallKindText), GetOptionText(kDataCallMessageText)};
    const std::string ownID = OwnID();
    platform::Grid* grid = Grid();
    grid->SetRedraw(false);
    for (int r = kFirstRow; r <= kLastRow; ++r) {
        const Tone5RowCells cells = ShowTone5Row(TempFunSetData.Tone5.Tone5List[r], ownID, texts);
        if (cells.kind) grid->SetTextMatrix(r, kKindCol, platform::QText(*cells.kind));
        grid->SetTextMatrix(r, kCodeCol, platform::QText(cells.code));
        SetStandardCell(r, cells.standard);
        grid->SetTextMatrix(r, kPeriodCol, platform::QText(cells.period));
        grid->SetTextMatrix(r, kNameCol, platform::QText(cells.name));
    }
    grid->SetRedraw(true);
}

void Frm5Tone::ShowPTTIDCodes() {
    Tone5Data& block = TempFunSetData.Tone5;
    for (int i : {0, 1}) {
        const PTTIDShown shown = ShowPTTIDCode(i == 0 ? block.PTTIDBegin : block.PTTIDEnd);
        Box("Text4", i)->setText(platform::ByteText(shown.code));
        SelectQuietly(Combo("Combo4", i), shown.standard);
        Combo4_Click(i);
        SelectQuietly(Combo("Combo5", i), shown.period);
    }
}

std::vector<std::string> Frm5Tone::StandardItems() const {
    const platform::ComboBox* list = Combo("Combo2");
    std::vector<std::string> items;
    for (int i = 0; i < list->ListCount(); ++i) items.push_back(list->List(i));
    return items;
}

void Frm5Tone::SetStandardCell(int row, int standard) {
    if (row < kFirstRow || row > kLastRow) return;
    rowStandard_[static_cast<std::size_t>(row)] = standard;
    Grid()->SetTextMatrix(row, kStandardCol, platform::QText(GetComboItem(*Combo("Combo2"), standard)));
}

// ---- save ---------------------------------------------------------------------

void Frm5Tone::Save5ToneData() {
    Tone5Data& block = TempFunSetData.Tone5;
    Tone5Settings shown;
    shown.selfID = OwnID();
    for (int i = 1; i <= kSettingLists; ++i) shown.list[i] = Combo("Combo1", i)->ListIndex();
    shown.sideTone = platform::CheckValue(platform::Ctl<QCheckBox>(this, "Check1"));
    SaveTone5Settings(shown, block, CurData.Tone5DecodeTime);
    for (int i : {0, 1})
        SavePTTID(i == 0 ? block.PTTIDBegin : block.PTTIDEnd, platform::TextBytes(Box("Text4", i)->text()), OwnID(),
                  Combo("Combo4", i)->ListIndex(), block.TonePeriod);
    SaveRows();
}

void Frm5Tone::SaveRows() {
    const std::vector<std::string> standards = StandardItems();
    const std::string ownID = OwnID();
    const platform::Grid* grid = Grid();
    for (int r = kFirstRow; r <= kLastRow; ++r) {
        auto& remembered = rowStandard_[static_cast<std::size_t>(r)];
        remembered = StandardOfCell(platform::Utf8(grid->TextMatrix(r, kStandardCol)), remembered, standards);
        SaveTone5Row(TempFunSetData.Tone5.Tone5List[r], ownID, remembered,
                     platform::Utf8(grid->TextMatrix(r, kPeriodCol)),
                     platform::TextBytes(grid->TextMatrix(r, kNameCol)));
    }
}

void Frm5Tone::Save5ToneCell(int16_t row, int16_t col) {
    if (row < kFirstRow || row > kLastRow || col < kCodeCol || col > kNameCol) return;
    Tone5Code& entry = TempFunSetData.Tone5.Tone5List[row];
    platform::Grid* grid = Grid();
    switch (col) {
        case kCodeCol: {
            const std::string v = CommitCodeCell(entry, platform::TextBytes(Box("Text3")->text()), OwnID());
            grid->SetTextMatrix(row, col, platform::ByteText(v));
            return;
        }
        case kStandardCol: {
            const int standard = std::max(Combo("Combo2")->ListIndex(), 0);
            entry.Standard = static_cast<uint8_t>(standard);
            if (grid->TextMatrix(row, kPeriodCol).isEmpty())
                grid->SetTextMatrix(row, kPeriodCol, QString::number(kDefaultTonePeriod));
            entry.TonePeriod = static_cast<uint8_t>(PeriodOfCell(platform::Utf8(grid->TextMatrix(row, kPeriodCol))));
            SetStandardCell(row, standard);
            return;
        }
        case kPeriodCol: {
            const std::string period = Combo("Combo3")->Text();
            entry.TonePeriod = static_cast<uint8_t>(PeriodOfCell(period));
            grid->SetTextMatrix(row, col, platform::QText(period));
            return;
        }
        default: {
            const std::string v = CommitNameCell(entry, platform::TextBytes(Box("Text6")->text()));
            grid->SetTextMatrix(row, col, platform::ByteText(v));
            return;
        }
    }
}

void Frm5Tone::UpdateSelfIDCode() { ::UpdateSelfIDCode(TempFunSetData.Tone5, OwnID(), OldSelfID); }

// ---- standards ------------------------------------------------------------------

void Frm5Tone::ShowStandardTone(std::string_view name) {
    const ToneViewLabels labels{GetOptionText(kToneViewFrequencyText), GetOptionText(kToneViewPeriodText),
                                GetOptionText(kToneViewGroupText), GetOptionText(kToneViewRepeatText)};
    const std::string view = StandardToneView(name, TempFunSetData.Tone5.DefTone, labels);
    // The text box breaks lines at LF alone.
    platform::Ctl<QTextEdit>(this, "Text1")->setPlainText(platform::QText(view).replace("\r\n", "\n"));
}

void Frm5Tone::Combo1_Click(int index) {
    if (index == static_cast<int>(Tone5Setting::Standard)) {
        const std::string name = Combo("Combo1", index)->Text();
        ShowStandardTone(name);
        SetComboText(*Combo("Combo1", static_cast<int>(Tone5Setting::TonePeriod)), DefaultPeriodOf(name));
    } else if (index == static_cast<int>(Tone5Setting::PauseCode)) {
        Combo("Combo1", static_cast<int>(Tone5Setting::PauseTime))
            ->setEnabled(Combo("Combo1", index)->ListIndex() > 0);
    }
}

void Frm5Tone::Combo4_Click(int index) {
    const std::string name = Combo("Combo4", index)->Text();
    SetComboText(*Combo("Combo5", index), DefaultPeriodOf(name));
    ShowStandardTone(name);
}

void Frm5Tone::Combo2_Click() {
    if (CurTone5Row < kFirstRow || CurTone5Row > kLastRow) return;
    const std::string name = Combo("Combo2")->Text();
    ShowStandardTone(name);
    const std::string period = DefaultPeriodOf(name);
    TempFunSetData.Tone5.Tone5List[CurTone5Row].TonePeriod = static_cast<uint8_t>(PeriodOfCell(period));
    Grid()->SetTextMatrix(CurTone5Row, kPeriodCol, platform::QText(period));
}
