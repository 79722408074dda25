#pragma once
// The contact book dialog: the 100 entries of CurData.CommuBook in a grid,
// edited in the dialog's own copy (BookFileData) through one text box that
// floats over the cell being edited, imported from and exported to
// contact-book files, and copied back on OK. Whenever it closes, by OK,
// Cancel or the close box, the working book is sorted by call ID.
//
// Controls: MSFlexGrid1 (101 x 3, row 0 and column 0 fixed), Text1 (the
// floating editor), CommandInput, CommandOutput, CommandOK, CommandCancel.
#include <cstdint>
#include <string>

#include <QDialog>

#include "settings/CommuBookEdit.h"

namespace platform {
class CellEditorHost;
class Grid;
class TextBox;
}  // namespace platform

class FrmCommuBook : public QDialog {
public:
    explicit FrmCommuBook(QWidget* parent = nullptr);

    // The grid cell the floating editor belongs to (row 1..100 shows entry
    // row - 1; column 1 call ID, 2 name); 0: none.
    int16_t CurBookEditRow = 0;
    int16_t CurBookEditCol = 0;
    // False while the dialog loads: the grid's events do nothing then.
    bool FormLoaded = false;

    void ChangShowByLanguage();
    void InitBookGrid();
    // The working book into the dialog's copy, the copy into the grid, and
    // the copy back into the working book.
    void GetBookData();
    void ShowBookData();
    void SetBookData();
    // The contact-book file named by BookFileName into the copy (false, with
    // a message, when it cannot be read), and the copy into it.
    bool FreLoadBookFile();
    void FreSaveBookFile();
    // Stores the editor's text into cell (row, col) of the copy and the grid;
    // nothing unless row >= 1 and col >= 1.
    void SaveBookEditData(int16_t row, int16_t col);

    void CommandOK_Click();
    void CommandCancel_Click();
    void CommandInput_Click();
    void CommandOutput_Click();
    void MSFlexGrid1_Click();
    void MSFlexGrid1_EnterCell();
    void MSFlexGrid1_Scroll();

    const CommuBook& BookFileData() const { return bookFileData_; }

protected:
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    platform::TextBox* Editor() const;
    // A click on the number of grid row `row`: the number's cell becomes
    // current, which commits the open edit and closes the editor.
    void NumberColumn_Click(int row);
    // Lays the editor over its cell while the cell is in view.
    void FollowEditorCell();

    CommuBook bookFileData_{};
    // The name the file dialogs start from; a fresh visit starts with none.
    std::string dialogFileName_;
    platform::Grid* grid_ = nullptr;
    platform::CellEditorHost* editors_ = nullptr;
    bool unloaded_ = false;
};
