// Widget tests run against the offscreen platform with one application object.
#include <cstdlib>

#include <QApplication>
#include <gtest/gtest.h>

#include "platform/Locale.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    platform::ForceDecimalPoint();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
