#include <QApplication>

#include "core/Startup.h"
#include "link/FrmProgress.h"
#include "mainwindow/ShowMainWindow.h"
#include "platform/MessageBoxPrompts.h"
#include "platform/Prompts.h"
#include "platform/QtFileDialogs.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::MessageBoxPrompts prompts;
    platform::SetPromptService(&prompts);
    platform::QtFileDialogs fileDialogs;
    platform::SetFileDialogs(&fileDialogs);
    InstallSessionDialogs();

    Main([] { ShowMainWindow(); });
    return app.exec();
}
