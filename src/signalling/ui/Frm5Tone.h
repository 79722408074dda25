#pragma once
// The five-tone dialog: the system settings, the own ID, the PTT-ID begin
// and end codes, the list of 100 codes in its grid and the 16 decode codes,
// edited in TempFunSetData (a copy of CurData.FunSet taken at every load)
// and copied back on OK; the decode time alone goes straight into CurData
// at every save. The tone table of the standard chosen last is shown beside.
//
// Controls (names and indexes are read by the special-call composer and the
// report): Text1 (tone table), MSHFlexGrid1 (101 x 6, row 0 and columns 0
// and 1 fixed), the floating editors Text3, Combo2, Combo3, Text6,
// Command1..Command4, CommandOK, CommandCancel, Frame1(0..1) with
// Label2(0..1), Text4(0..1), Combo4(0..1), Combo5(0..1), Label1(0..12) with
// Text2 and Combo1(1..12), Check1, Frame2 with Label3, Combo6 and Frame3,
// Label4(0..3), Combo7(0..1), Text5, Text7.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <QDialog>

enum class SpecialTarget : int16_t;

class QKeyEvent;

namespace platform {
class CellEditorHost;
class ComboBox;
class Grid;
class TextBox;
}  // namespace platform

class Frm5Tone : public QDialog {
public:
    explicit Frm5Tone(QWidget* parent = nullptr);

    // ---- what other dialogs and the report use ----
    // The grid cell of the open floating editor (row 0: none).
    int16_t CurTone5Row = 0;
    int16_t CurTone5Col = 0;
    // The decode code (1..16) the decode-code editor holds; 0 none.
    int16_t CurInfoCodeID = 0;
    // Stores the decode-code editor into decode code `id` (1..16).
    void SaveInfoCode(int16_t id);
    // Shows the decode code Combo6 selects in the editor.
    void ShowInfoCode();
    std::string Mid5ToneNoE(std::string_view code, int start, int length) const;
    // Checks the decode codes; shows why when they do not pass.
    bool IsInfoKillStunWakenOK();

    // ---- the steps the dialog's parts share ----
    // The working copy into the controls, and the controls back.
    void Show5ToneData();
    void Save5ToneData();
    // Commits the floating editor of cell (row, col) into its list entry
    // and the cell; nothing unless row is 1..100 and col 2..5.
    void Save5ToneCell(int16_t row, int16_t col);
    // Rewrites the codes that carry the former own ID (OldSelfID) for the
    // text of the own-ID box.
    void UpdateSelfIDCode();
    // The tone table of the standard of that name into Text1.
    void ShowStandardTone(std::string_view name);
    // Writes a row's standard cell from the item index of the standards list.
    void SetStandardCell(int row, int standard);

    // ---- handlers ----
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void CommandOK_Click();
    void CommandCancel_Click();
    void Combo1_Click(int index);
    void Combo2_Click();
    void Combo4_Click(int index);
    void Combo6_Click();
    void Combo7_Click(int index);
    void MSHFlexGrid1_EnterCell();
    void MSHFlexGrid1_Click();
    void MSHFlexGrid1_DblClick();
    void MSHFlexGrid1_Scroll();
    void Text2_LostFocus();
    void Text4_LostFocus(int index);

protected:
    // The special-call composer, for SpecialCallTarget, and the user-defined
    // standard dialog, both modal over this one.
    virtual void ShowSpecialCall();
    virtual void ShowUserStandard();
    // The former own ID, as the own-ID box keeps it.
    std::string OldSelfID;

    void done(int result) override;

private:
    void Form_Load();
    void Form_Unload();
    void SetLoadTexts();
    void Init5ToneCombo();
    void Init5ToneGrid();
    void ShowRows();
    void ShowPTTIDCodes();
    void SaveRows();
    void ApplyFunctionRule(int function);
    void OpenSpecialCall(SpecialTarget target);
    void ConnectRules();
    void SetUpBoxes();
    void SetUpCellEditors();
    // Places the editor of the current cell's column over it.
    void PlaceCellEditor();
    // Enter in a floating editor; true when it was used.
    bool CellEditorKey(int editor, const QKeyEvent& key);
    // Ends an open code cell: commits a shown code editor, hides it and
    // clears the open cell, so nothing stale is committed later.
    void EndCodeEditing();
    // Whether the focus left for Cancel.
    bool FocusWentToCancel() const;

    platform::ComboBox* Combo(std::string_view name, int index = -1) const;
    platform::TextBox* Box(std::string_view name, int index = -1) const;
    platform::Grid* Grid() const;
    // The own ID as the box holds it (record bytes).
    std::string OwnID() const;
    // The items of the standard editor, in order.
    std::vector<std::string> StandardItems() const;

    bool IsFormReady = false;
    platform::CellEditorHost* editors_ = nullptr;
    // The grid scrolls a cell into view while its editor is placed.
    bool placing_ = false;
    // The standard each grid row was last given (rows 1..100).
    std::array<int, 101> rowStandard_{};
    bool unloaded_ = false;
};
