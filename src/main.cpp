#include <cstdio>

#include <QApplication>

#include "mainwindow/ShowMainWindow.h"
#include "platform/Locale.h"
#include "platform/MessageBoxPrompts.h"
#include "platform/Prompts.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::ForceDecimalPoint();
    platform::MessageBoxPrompts prompts;
    platform::SetPromptService(&prompts);

    ShowMainWindow();
    return app.exec();
}
