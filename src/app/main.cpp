#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "core/Startup.h"
#include "link/ui/FrmProgress.h"
#include "mainwindow/ui/ShowMainWindow.h"
#include "platform/ui/MessageBoxPrompts.h"
#include "platform/Prompts.h"
#include "platform/ui/QtFileDialogs.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Standard buttons (Yes, No, Cancel, Retry) and file dialogs speak the
    // system's language, as the system's own message boxes would.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale::system(), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTexts);
    platform::MessageBoxPrompts prompts;
    platform::SetPromptService(&prompts);
    platform::QtFileDialogs fileDialogs;
    platform::SetFileDialogs(&fileDialogs);
    InstallSessionDialogs();

    Main([] { ShowMainWindow(); });
    return app.exec();
}
