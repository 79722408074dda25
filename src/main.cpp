#include <QApplication>

#include "core/Startup.h"
#include "link/FrmProgress.h"
#include "mainwindow/ShowMainWindow.h"
#include "platform/MessageBoxPrompts.h"
#include "platform/Prompts.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::MessageBoxPrompts prompts;
    platform::SetPromptService(&prompts);
    InstallSessionDialogs();

    Main([] { ShowMainWindow(); });
    return app.exec();
}
