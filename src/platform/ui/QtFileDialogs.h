#pragma once
// The file dialogs of the running program: Qt's own.
#include "platform/FileDialogs.h"

namespace platform {

class QtFileDialogs : public FileDialogs {
public:
    std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFile(const FileDialogRequest& request) override;
};

}  // namespace platform
