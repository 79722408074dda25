// Widget tests run against the offscreen platform with one application object.
#include <cstdlib>

#include <QApplication>
#include <gtest/gtest.h>

#include "ScriptedFileDialogs.h"
#include "ScriptedPrompts.h"
#include "platform/Locale.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    platform::ForceDecimalPoint();
    testing::InitGoogleTest(&argc, argv);
    // A question or a file dialog that no test expects fails that test
    // instead of silently taking the first button.
    ScriptedPrompts strictPrompts;
    ScriptedFileDialogs strictFileDialogs;
    return RUN_ALL_TESTS();
}
