#pragma once
// Every open-file and save-file dialog of the program goes through this seam,
// so that tests choose the files from a script.
//
// A filter is written as description and pattern pairs joined by "|":
// "Test Data File (*.ted)|*.ted" or "Data (*.dat)|*.dat|All (*.*)|*.*".
#include <optional>
#include <string>

#include "platform/Seam.h"

namespace platform {

struct FileDialogRequest {
    std::string title;        // UTF-8; empty: the dialog's own title
    std::string filter;       // pairs as above; empty: every file
    std::string initialName;  // a file name or path to start from
    // Save only: the dialog asks before an existing file is chosen (off for
    // callers that ask their own question).
    bool confirmOverwrite = true;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> OpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> SaveFile(const FileDialogRequest& request) = 0;
};

// Installs the dialogs every request goes to; returns the previous ones.
// Without any, every request answers as if the user cancelled.
FileDialogs* SetFileDialogs(FileDialogs* dialogs);
using ScopedFileDialogs = Scoped<&SetFileDialogs>;

std::optional<std::string> OpenFileDialog(const FileDialogRequest& request);
std::optional<std::string> SaveFileDialog(const FileDialogRequest& request);

// The filter pairs in the form Qt's file dialogs take ("Desc (*.ted);;All
// (*.*)"). Each pair's description is kept; a description that does not show
// its patterns gets them added in parentheses.
std::string QtFilterOf(const std::string& filter);

}  // namespace platform
