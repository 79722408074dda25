#include <QApplication>
#include <QMainWindow>

#include "core/Startup.h"
#include "link/FrmProgress.h"
#include "platform/MessageBoxPrompts.h"
#include "platform/Prompts.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::MessageBoxPrompts prompts;
    platform::SetPromptService(&prompts);
    InstallSessionDialogs();

    QMainWindow window;
    Main([&] {
        window.setWindowTitle(QString::fromStdString(platform::AppTitle()));
        window.resize(800, 600);
        window.show();
    });
    return app.exec();
}
