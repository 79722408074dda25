#include <cstdio>

#include <QApplication>
#include <QMainWindow>

#include "platform/Locale.h"
#include "platform/MessageBoxPrompts.h"
#include "platform/Prompts.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::ForceDecimalPoint();
    platform::MessageBoxPrompts prompts;
    platform::SetPromptService(&prompts);

    QMainWindow window;
    window.setWindowTitle(QString::fromStdString(platform::AppTitle()));
    window.resize(800, 600);
    window.show();
    return app.exec();
}
