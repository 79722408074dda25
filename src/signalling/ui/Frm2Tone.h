#pragma once
// The two-tone dialog: the two-tone block of TempFunSetData, the working
// copy of CurData.FunSet that its load takes. The 24 calls are edited in a
// grid through two editors laid over its cells (Text1 for the tones, Text3
// for the names); a cell is stored into the working copy when the editor
// moves on. OK writes the header from the controls, copies the working copy
// back into CurData.FunSet and re-points the channels' two-tone references;
// Cancel drops it. Constructing the dialog is its whole load, so a dialog
// never shown can be read by name and index as the printed report does.
//
// Controls: SSTab1 with SSTab1Page(0) (MSHFlexGrid1, Text1, Text3,
// Label1(0..4) with Combo1(0..4), Check1) and SSTab1Page(1) (Label2(0..1)
// with Combo2(0..1), Label3(0..3) with Text2(0..3)); CommandOK,
// CommandCancel; Picture1 behind them.
#include <QDialog>

class QKeyEvent;

namespace platform {
class CellEditorHost;
class Grid;
}  // namespace platform

class Frm2Tone : public QDialog {
public:
    explicit Frm2Tone(QWidget* parent = nullptr);

    bool IsTone2Loaded() const { return isTone2Loaded_; }
    // The cell whose editor was opened last (0, 0: none).
    int CurTone2Row() const { return curTone2Row_; }
    int CurTone2Col() const { return curTone2Col_; }

    void Combo2_Click(int index);
    void MSHFlexGrid1_Click();
    void MSHFlexGrid1_EnterCell();
    void MSHFlexGrid1_Scroll();
    void Text2_LostFocus(int index);
    void CommandOK_Click();
    void CommandCancel_Click();

    void Save2ToneCell(int row, int col);
    // OK's header: the tone boxes limited (280..3116 Hz, "2000" for a text
    // that is no number) and every header field written from the controls.
    void Save2ToneData();

private:
    void Form_Load();
    void SetCaptions();
    void Init2ToneList();
    void Init2ToneGrid();
    void Show2ToneData();
    void EnableToneBoxes(int pair);
    void SetUpBoxes();
    void ConnectRules();
    // Enter in a cell editor; false for every other key.
    bool EditorKey(int editor, QKeyEvent& key);

    platform::Grid* grid_ = nullptr;
    platform::CellEditorHost* editors_ = nullptr;
    bool isTone2Loaded_ = false;
    int curTone2Row_ = 0;
    int curTone2Col_ = 0;
    // The dialog itself scrolls the grid to bring an editor into view.
    bool scrollingToEditor_ = false;
};
