#include "mainwindow/CellEditing.h"

#include <algorithm>
#include <array>

#include "core/ChannelOps.h"
#include "core/NumericText.h"
#include "mainwindow/ColumnMap.h"

namespace {

// The editable logical columns, in the order a display column is matched.
constexpr std::array<int16_t, 9> kEditableColumns = {1, 2, 3, 4, 5, 7, 8, 9, 10};

constexpr int kEnter = 13;
constexpr int kCtrlC = 3;
constexpr int kCtrlV = 22;
constexpr int kCtrlX = 24;

}  // namespace

bool IsTextEditor(CellEditor e) {
    return e == CellEditor::TextFreRx || e == CellEditor::TextFreTx || e == CellEditor::TextName;
}

bool IsToneTypeEditor(CellEditor e) {
    return e == CellEditor::ComboDe_CTC_Type || e == CellEditor::ComboEn_CTC_Type;
}

bool IsToneCodeList(CellEditor e) {
    return e == CellEditor::ComboDe_CTCSS || e == CellEditor::ComboDe_CDCSS || e == CellEditor::ComboEn_CTCSS ||
           e == CellEditor::ComboEn_CDCSS;
}

CellAction ActionOfCell(int row, int displayCol, int colCount) {
    if (row <= 0 || displayCol <= 0) return {};
    if (displayCol == colCount - 2) return {CellAction::Kind::ChannelDialog, 0};
    if (displayCol > colCount - 3) return {CellAction::Kind::CloseOnly, 0};
    const auto* found = std::find_if(kEditableColumns.begin(), kEditableColumns.end(),
                                     [&](int16_t k) { return GetShowCol(k) == displayCol; });
    if (found == kEditableColumns.end()) return {CellAction::Kind::CloseOnly, 0};
    return {CellAction::Kind::Edit, *found};
}

CellEditor EditorOfColumn(int16_t logical) {
    switch (static_cast<Col>(logical)) {
        case Col::RxFre: return CellEditor::TextFreRx;
        case Col::TxFre: return CellEditor::TextFreTx;
        case Col::Name: return CellEditor::TextName;
        case Col::Step: return CellEditor::ComboStep;
        case Col::Bandwidth: return CellEditor::ComboWN;
        case Col::Power: return CellEditor::ComboPower;
        case Col::DecodeTone: return CellEditor::ComboDe_CTC_Type;
        case Col::EncodeTone: return CellEditor::ComboEn_CTC_Type;
        case Col::OptSig: return CellEditor::ComboOptSig;
        default: return CellEditor::None;
    }
}

std::optional<StoreTarget> StoreTargetOf(CellEditor e) {
    constexpr auto kType = static_cast<int16_t>(TonePart::Type);
    constexpr auto kCTCSS = static_cast<int16_t>(TonePart::CTCSS);
    constexpr auto kDCS = static_cast<int16_t>(TonePart::DCS);
    constexpr auto kDecode = static_cast<int16_t>(CHColumn::DecodeTone);
    constexpr auto kEncode = static_cast<int16_t>(CHColumn::EncodeTone);
    switch (e) {
        case CellEditor::ComboStep: return StoreTarget{static_cast<int16_t>(CHColumn::Step), 0};
        case CellEditor::ComboWN: return StoreTarget{static_cast<int16_t>(CHColumn::Bandwidth), 0};
        case CellEditor::ComboPower: return StoreTarget{static_cast<int16_t>(CHColumn::Power), 0};
        case CellEditor::ComboOptSig: return StoreTarget{static_cast<int16_t>(CHColumn::OptSig), 0};
        case CellEditor::ComboDe_CTC_Type: return StoreTarget{kDecode, kType};
        case CellEditor::ComboDe_CTCSS: return StoreTarget{kDecode, kCTCSS};
        case CellEditor::ComboDe_CDCSS: return StoreTarget{kDecode, kDCS};
        case CellEditor::ComboEn_CTC_Type: return StoreTarget{kEncode, kType};
        case CellEditor::ComboEn_CTCSS: return StoreTarget{kEncode, kCTCSS};
        case CellEditor::ComboEn_CDCSS: return StoreTarget{kEncode, kDCS};
        default: return std::nullopt;
    }
}

int ListIndexOf(const UFreData& ch, CellEditor e) {
    switch (e) {
        case CellEditor::ComboStep: return ch.StepIndex;
        case CellEditor::ComboWN: return ch.Bandwidth;
        case CellEditor::ComboPower: return ch.TxPower;
        case CellEditor::ComboOptSig: return ch.OptSig;
        case CellEditor::ComboDe_CTC_Type: return ch.De_CTC_Type;
        case CellEditor::ComboDe_CTCSS: return ch.De_CTCSS;
        case CellEditor::ComboDe_CDCSS: return ch.De_DCSInvert * 512 + ch.De_DCSCode;
        case CellEditor::ComboEn_CTC_Type: return ch.En_CTC_Type;
        case CellEditor::ComboEn_CTCSS: return ch.En_CTCSS;
        case CellEditor::ComboEn_CDCSS: return ch.En_DCSInvert * 512 + ch.En_DCSCode;
        default: return -1;
    }
}

CellEditor ChainedCodeList(CellEditor typeEditor, int typeIndex) {
    const bool decode = typeEditor == CellEditor::ComboDe_CTC_Type;
    if (!decode && typeEditor != CellEditor::ComboEn_CTC_Type) return CellEditor::None;
    switch (typeIndex) {
        case 1: return decode ? CellEditor::ComboDe_CTCSS : CellEditor::ComboEn_CTCSS;
        case 2: return decode ? CellEditor::ComboDe_CDCSS : CellEditor::ComboEn_CDCSS;
        default: return CellEditor::None;
    }
}

TextKind TextKindOf(CellEditor e) { return e == CellEditor::TextName ? TextKind::Name : TextKind::Frequency; }

bool TextEditorTakes(TextKind kind, char16_t c) {
    if (kind == TextKind::Frequency) return (c >= u'0' && c <= u'9') || c == u'.';
    return c >= 32 && c <= 126 && c != u'\\' && c != u'~';
}

KeyAction TextEditorKeyPress(TextKind kind, int keyAscii) {
    if (keyAscii == kCtrlC || keyAscii == kCtrlV || keyAscii == kCtrlX) return KeyAction::Swallow;
    if (keyAscii == kEnter) return KeyAction::Commit;
    if (keyAscii < 0 || keyAscii > 127) return KeyAction::Swallow;
    if (keyAscii >= 32 && keyAscii <= 126)
        return TextEditorTakes(kind, static_cast<char16_t>(keyAscii)) ? KeyAction::Pass : KeyAction::Swallow;
    return KeyAction::Pass;
}

bool DropsListDown(CellEditor e, int keyCode) {
    return (IsToneTypeEditor(e) || IsToneCodeList(e)) && keyCode >= 37 && keyCode <= 40;
}

int ArrowStep(int index, int count, int keyCode) {
    if (count <= 0) return index;
    switch (keyCode) {
        case 37:
        case 38: return std::clamp(index - 1, 0, count - 1);
        case 39:
        case 40: return std::clamp(index + 1, 0, count - 1);
        default: return index;
    }
}
