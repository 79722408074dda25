// The channel grid's views: shaping the grid for the list on show, the
// header row and lookup lists, and filling every row from the data.
#include <string>
#include <vector>

#include <QFrame>

#include "core/ChannelOps.h"
#include "core/FreCodec.h"
#include "core/LangText.h"
#include "core/NumericText.h"
#include "core/SharedState.h"
#include "core/TextCodec.h"
#include "platform/ui/Grid.h"
#include "mainwindow/CellEditing.h"
#include "mainwindow/ChannelViews.h"
#include "mainwindow/ColumnMap.h"
#include "mainwindow/ui/frmMain.h"
#include "platform/LateWork.h"
#include "platform/TextConvert.h"
#include "platform/ui/ComboBox.h"

namespace {

const QColor kHeaderText(0, 0, 155);
const QColor kLabelText(0, 0, 255);
const QColor kEvenRowBack(250, 250, 240);


// Item i of a lookup list: replaced when it exists, appended when the list
// has exactly i items.
void SetListItem(std::vector<std::string>& list, std::size_t i, std::string text) {
    if (i < list.size())
        list[i] = std::move(text);
    else if (i == list.size())
        list.push_back(std::move(text));
}

constexpr int16_t kFirstDataCol = 1;
constexpr int16_t kLastDataCol = 10;

}  // namespace

void frmMain::ShowListByData() {
    // The view may have been switched already: an open editor still belongs
    // to the list it was opened on.
    CommitPendingEditor();
    ListRefreshing = true;
    InitShowListContent();
    ReShowListByData();
    ListRefreshing = false;
}

void frmMain::InitShowListContent() {
    ListIniting = true;
    const int dataRows = DataRows(CHListType);
    if (dataRows > 0) {
        MSFlexGrid1->SetRows(dataRows + 1);
        MSFlexGrid1->SetColWidthTwips(GetShowCol(Col::Name), NameColumnTwips(CHListType));
        Frame1->setVisible(HyperPanelShown(CHListType));
    }

    const int rows = MSFlexGrid1->Rows();
    const int cols = MSFlexGrid1->Cols();
    MSFlexGrid1->SetRedraw(false);
    for (int c = 0; c < cols; ++c) MSFlexGrid1->SetCellForeColor(0, c, kHeaderText);
    for (int r = 1; r < rows; ++r) {
        MSFlexGrid1->SetCellForeColor(r, 0, kLabelText);
        if (r % 2 == 0) MSFlexGrid1->SetRowBackColor(r, kEvenRowBack);
    }
    // The colouring leaves the current cell in the last, empty column of the
    // last even row, where a double-click opens no editor.
    const int lastEven = (rows - 1) % 2 == 0 ? rows - 1 : rows - 2;
    MSFlexGrid1->SetCurrentCell(lastEven, cols - 1);
    MSFlexGrid1->SetRedraw(true);

    LoadShowList();
    // The frequency columns show "000.00000" and a header that may be longer.
    for (const Col c : {Col::RxFre, Col::TxFre}) MSFlexGrid1->FitColumnTo(GetShowCol(c), QStringLiteral("000.00000"));
    const QString open = QStringLiteral(">>");
    for (int r = 1; r < rows; ++r) MSFlexGrid1->SetTextMatrix(r, GetShowCol(Col::Open), open);
    for (int r = 1; r < rows; ++r)
        MSFlexGrid1->SetTextMatrix(r, GetShowCol(Col::Label), platform::QText(RowLabel(CHListType, r)));
    // A new view starts at its first channel.
    MSFlexGrid1->ShowTopLeft();
    ListIniting = false;
}

void frmMain::LoadShowList() {
    for (int16_t c = 0; c < kLogicalColumns; ++c)
        MSFlexGrid1->SetTextMatrix(0, GetShowCol(c), platform::QText(HeaderText(static_cast<Col>(c))));

    lookups_.steps = StepTexts();

    // The user-tone item is added once, in the language of the first fill.
    const int n = List(CellEditor::ComboDe_CTCSS)->ListCount();
    if (n > 0 && IsNumericText(List(CellEditor::ComboDe_CTCSS)->List(n - 1))) {
        const std::string user = GetLangText(4031);
        SetListItem(lookups_.ctcss, static_cast<std::size_t>(n), user);
        List(CellEditor::ComboEn_CTCSS)->SetList(n, user);
        List(CellEditor::ComboDe_CTCSS)->SetList(n, user);
    }

    // Nothing shows the editors' lists before an editor opens: they may
    // wait until the window has painted (platform/LateWork.h), and the
    // editors open only after anything left has run (MSFlexGrid1_DblClick).
    platform::DoLateWork(*this, [this] { LoadEditorLists(); });
    LoadHyperPanelLists();
}

void frmMain::LoadEditorLists() {
    platform::ComboBox* step = List(CellEditor::ComboStep);
    step->Clear();
    step->AddItems(lookups_.steps);

    List(CellEditor::ComboWN)->SetList(0, "25KHz");
    List(CellEditor::ComboWN)->SetList(1, "20KHz");
    List(CellEditor::ComboWN)->SetList(2, "12.5KHz");

    const std::string mid = GetLangText(1221);
    List(CellEditor::ComboPower)->SetList(0, GetLangText(1204));
    List(CellEditor::ComboPower)->SetList(1, mid + "1");
    List(CellEditor::ComboPower)->SetList(2, mid + "2");
    List(CellEditor::ComboPower)->SetList(3, GetLangText(1205));

    const std::string none = GetLangText(1206);
    List(CellEditor::ComboDe_CTC_Type)->SetList(0, none);
    List(CellEditor::ComboEn_CTC_Type)->SetList(0, none);

    std::vector<std::string> dcs;
    dcs.reserve(1024);
    for (const char* inversion : {"N", "I"})
        for (int16_t i = 0; i < 512; ++i) dcs.push_back("D" + IntToOct(i, 3) + inversion);
    List(CellEditor::ComboDe_CDCSS)->Clear();
    List(CellEditor::ComboDe_CDCSS)->AddItems(dcs);
    List(CellEditor::ComboEn_CDCSS)->SetLists(0, dcs);

    List(CellEditor::ComboOptSig)->SetList(0, none);
}

void frmMain::RefreshCellLanguageTexts() {
    lookups_.none = GetLangText(1206);
    lookups_.powerLow = GetLangText(1204);
    lookups_.powerMid = GetLangText(1221);
    lookups_.powerHigh = GetLangText(1205);
}

void frmMain::ReShowListByData() {
    // Whoever replaced the data has not committed the open editor: its value
    // belongs to data that is gone.
    DropPendingEditor();
    ShowMainTxt();
    NotNumericOncePerRedraw oneMessage;
    RefreshCellLanguageTexts();
    switch (ShownList()) {
        case ListType::Normal: {
            const NormalRowMap rows = PlaceNormalRows();
            for (int16_t r = 1; r <= kMaxChannels; ++r) {
                const int16_t index = rows[static_cast<std::size_t>(r)];
                if (index >= 0) {
                    ShowCHInfoByList(r, UFreList[static_cast<std::size_t>(index)]);
                } else if (RowShowsText(r)) {
                    ClearGridRow(r);
                }
            }
            break;
        }
        case ListType::Limit:
        case ListType::Hyper1:
        case ListType::Hyper2: {
            const auto count = static_cast<int16_t>(DataRows(CHListType));
            for (int16_t r = 1; r <= count; ++r) {
                if (const auto record = RowRecord(ShownList(), r)) {
                    ShowCHInfoByList(r, *record);
                } else {
                    ClearGridRow(r);
                }
            }
            if (HyperPanelShown(CHListType)) ShowHyperPanel();
            break;
        }
    }
}

// Any of the ten data cells, not only the receive frequency: a row left over
// from another view may show text in any of them.
bool frmMain::RowShowsText(int16_t row) const {
    for (int16_t c = kFirstDataCol; c <= kLastDataCol; ++c) {
        // Most cells of a view not full are empty: they need no conversion.
        const QString text = MSFlexGrid1->TextMatrix(row, GetShowCol(c));
        if (!text.isEmpty() && !TrimFixStr(text.toStdString()).empty()) return true;
    }
    return false;
}

void frmMain::ShowCHInfoByList(int16_t row) { ShowCHInfoByList(row, ShowCHData); }

void frmMain::ShowCHInfoByList(int16_t row, const UFreData& ch) {
    const RowTexts texts = ChannelRowText(ch, lookups_);
    for (const Col c : kRowDataColumns)
        MSFlexGrid1->SetTextMatrix(row, GetShowCol(c), platform::QText(texts[static_cast<std::size_t>(c)]));
}

void frmMain::ClearGridRow(int16_t row) {
    for (int16_t c = kFirstDataCol; c <= kLastDataCol; ++c) MSFlexGrid1->SetTextMatrix(row, GetShowCol(c), QString());
}

void frmMain::ReShowGrid(int16_t index, int16_t row, int16_t /*col*/) {
    if (index != 0 || DataRows(CHListType) == 0) return;
    NotNumericOncePerRedraw oneMessage;
    RefreshCellLanguageTexts();
    if (const auto record = RowRecord(ShownList(), row)) {
        ShowCHInfoByList(row, *record);
    } else {
        ClearGridRow(row);
    }
}

void frmMain::MSFlexGrid1_KeyDown(int16_t index, int keyCode, int shift) {
    if (index > 0) return;
    // The rows of the limit and hyper views are not normal channels: the
    // row clipboard works in the normal view only.
    if (CHListType != static_cast<int16_t>(ListType::Normal)) return;
    constexpr int kCtrlOnly = 2;
    if (shift != kCtrlOnly) return;
    const auto row = static_cast<int16_t>(MSFlexGrid1->Row());
    auto& allowed = GridCopyFlag[static_cast<std::size_t>(index)];
    switch (keyCode) {
        case 'C':
            allowed = -1;
            CopyCH(index, row);
            break;
        case 'X':
            allowed = -1;
            CutCH(index, row);
            ReShowGrid(index, static_cast<int16_t>(MSFlexGrid1->Row()), 1);
            break;
        case 'V':
            if (allowed) {
                PasteCH(index, row);
                ReShowGrid(index, static_cast<int16_t>(MSFlexGrid1->Row()), 1);
            }
            break;
        default: break;
    }
    CheckCHLink();
}
