// The running program leaves start-up's port check, the write-back of
// mysetup.ini and the filling of the grid editors' lists until its window
// has painted; they still come before anything the user does, and are never
// skipped.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include <QApplication>

#include "ProgramSandbox.h"
#include "WaitFor.h"
#include "app/Startup.h"
#include "app/ui/ShowMainWindow.h"
#include "core/SharedState.h"
#include "mainwindow/ui/frmMain.h"
#include "platform/LateWork.h"
#include "platform/ProfileString.h"
#include "platform/SerialDevices.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FirstPaint.h"

namespace {

class LateStartup : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy_file(std::string(KQ_SOURCE_DIR) + "/data/language/MainShowList.ini",
                                   folder.file("language/MainShowList.ini"));
        devices.write("ttyUSB2", "");  // COM3
    }
    std::string Setup(const char* key) {
        return platform::ReadProfileString("language", key, "<none>", folder.file("language/mysetup.ini"));
    }

    ProgramSandbox folder;
    TempDir devices;
    platform::ScopedSerialScanOptions scan{platform::SerialScanOptions{devices.path(), false}};
};

// Lets `window` paint, and waits until what waited for its first paint has
// run: asked for after the program's own, this runs after them.
void Paint(frmMain& window) {
    const auto painted = std::make_shared<bool>(false);
    platform::AfterFirstPaint([&window](const QWidget& w) { return &w == &window; }, [painted] { *painted = true; });
    EXPECT_TRUE(WaitFor([&] { return *painted; })) << "the window never painted";
}

}  // namespace

TEST_F(LateStartup, WhatWaitsForTheFirstPaintComesBeforeTheUser) {
    struct Case {
        const char* what;
        std::function<void(frmMain&)> act;
    };
    const Case cases[] = {
        {"the window painted", Paint},
        {"a command before it painted", [](frmMain& w) { w.RunCommand(MainCommand::TVList); }},
        {"a double-click on the grid before it painted", [](frmMain& w) { w.MSFlexGrid1_DblClick(0); }},
        {"the window closed before it painted", [](frmMain& w) { w.close(); }},
    };
    for (const Case& c : cases) {
        folder.Reset();
        folder.write("language/mysetup.ini",
                     "[language]\nIsFirstRun=1\nSkin=0\ncomPort=7\nHandshaking=0\nStopBit=0\nFactoryFres=0\n");
        platform::ScopedHoldLateWork hold(true);  // as the program does
        frmMain* window = nullptr;
        Main([&] { window = ShowMainWindow(); });
        ASSERT_TRUE(window);
        auto* dcs = platform::Ctl<platform::ComboBox>(window, "ComboDe_CDCSS");
        EXPECT_EQ(CommPortNo, 7) << c.what << ": the port is checked later";
        EXPECT_EQ(Setup("comPort"), "7") << c.what;
        EXPECT_EQ(dcs->ListCount(), 0) << c.what << ": the editors' lists are filled later";

        c.act(*window);
        EXPECT_EQ(CommPortNo, 3) << c.what << ": port 7 is not listed, the first listed port is";
        EXPECT_EQ(Setup("comPort"), "3") << c.what;
        EXPECT_EQ(Setup("IsFirstRun"), "0") << c.what;
        EXPECT_EQ(dcs->ListCount(), 1024) << c.what;
        if (!window->isHidden()) window->close();  // deletes itself
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
