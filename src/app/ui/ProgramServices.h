#pragma once
// The running program's services, installed for the life of the object:
// message boxes, file dialogs, the printer, and the radio session's serial
// port, reply timer and dialogs, with the main window's Save for the read
// command.
#include "link/SessionHooks.h"
#include "platform/FileDialogs.h"
#include "platform/Prompts.h"
#include "platform/ui/MessageBoxPrompts.h"
#include "platform/ui/QtFileDialogs.h"
#include "platform/ui/QtPrinter.h"

class ProgramServices {
public:
    ProgramServices();
    ProgramServices(const ProgramServices&) = delete;
    ProgramServices& operator=(const ProgramServices&) = delete;

private:
    platform::MessageBoxPrompts prompts_;
    platform::QtFileDialogs fileDialogs_;
    platform::QtPrinter printer_;
    SessionHooks session_;
    platform::ScopedPromptService usePrompts_{prompts_};
    platform::ScopedFileDialogs useFileDialogs_{fileDialogs_};
    platform::ScopedPrinter usePrinter_{printer_};
    ScopedSessionHooks useSession_{session_};
};
