#pragma once
// What the report reads of a dialog it loads without showing it: the
// dialog's whole load has run, and its captions and the values its controls
// show are read by control name and index, as the dialog itself names them.
// A control that is missing, or of a kind that has no such property, throws:
// that is a fault of the program and ends the print run.
//
// The report never keeps a dialog beyond the section that loaded it: the
// instance is released when its owner goes, also when the section fails.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The dialogs the report loads.
enum class ReportForm { CHEdit, Option, DTMF, EMG, Alert, Tone2, Tone5 };
// "FrmCHEdit", "FrmOption", ...
std::string_view ReportFormName(ReportForm form);

class ReportDialog {
public:
    virtual ~ReportDialog() = default;

    // The dialog's own caption.
    virtual std::string FormCaption() const = 0;
    // The caption of a label, check box, button or frame.
    virtual std::string Caption(std::string_view name, int index = -1) const = 0;
    // The text a text box or list shows (a list: its selected item).
    virtual std::string Text(std::string_view name, int index = -1) const = 0;
    // A check box: 0 clear, 1 ticked, 2 greyed.
    virtual int CheckValue(std::string_view name, int index = -1) const = 0;
    // A list: the selected position (-1 none), the number of items and item
    // `item` ("" beyond the list).
    virtual int ListIndex(std::string_view name, int index = -1) const = 0;
    virtual int ListCount(std::string_view name, int index = -1) const = 0;
    virtual std::string ListItem(std::string_view name, int index, int item) const = 0;
    // The caption of tab `tab` of a tab control.
    virtual std::string TabCaption(std::string_view name, int tab) const = 0;
    // A grid: its number of rows, and the text of a cell ("" beyond it).
    virtual int GridRows(std::string_view name) const = 0;
    virtual std::string GridText(std::string_view name, int row, int col) const = 0;

    // Every item of a list, in order.
    std::vector<std::string> ListItems(std::string_view name, int index = -1) const;
};

// Loads a dialog for the report, without showing it.
using ReportDialogLoader = std::function<std::unique_ptr<ReportDialog>(ReportForm)>;

// What a print run takes from outside the printing subsystem.
struct ReportSources {
    // The main window's hidden tone lists: the 51 CTCSS tones and the
    // user-tone item; "000N".."777N".
    std::vector<std::string> ctcss;
    std::vector<std::string> dcs;
    // The program's dialogs, loaded hidden.
    ReportDialogLoader loadDialog;

    // Loads `form`; throws when no loader can.
    std::unique_ptr<ReportDialog> Load(ReportForm form) const;
};
