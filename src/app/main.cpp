#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/Startup.h"
#include "app/ui/ProgramServices.h"
#include "app/ui/ShowMainWindow.h"
#include "platform/LateWork.h"
#include "platform/ui/FirstPaint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::MarkFirstPaintWhenAsked();
    // Standard buttons (Yes, No, Cancel, Retry) and file dialogs speak the
    // system's language, as the system's own message boxes would.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale::system(), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTexts);
    ProgramServices services;
    // Start-up steps the window's first paint does not need wait until it
    // has painted (ShowMainWindow).
    platform::ScopedHoldLateWork holdLateWork(true);

    Main([] { ShowMainWindow(); });
    return app.exec();
}
