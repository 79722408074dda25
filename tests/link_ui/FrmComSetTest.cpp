#include <gtest/gtest.h>

#include <filesystem>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "ProgramSandbox.h"
#include "core/SharedState.h"
#include "link/ComPorts.h"
#include "link/ui/FrmComSet.h"
#include "platform/ProfileString.h"
#include "platform/SerialDevices.h"

namespace {

class FrmComSetTest : public testing::Test {
protected:
    void Plug(const char* name) { devices_.write(name, ""); }
    void Unplug(const char* name) { std::filesystem::remove(devices_.file(name)); }
    std::optional<std::string> StoredPort() {
        return platform::ReadProfileValue("language", "comPort", MySetupPath());
    }
    static QComboBox* Combo(FrmComSet& d) { return d.findChild<QComboBox*>("Combo1"); }
    static QStringList Entries(FrmComSet& d) {
        QStringList l;
        for (int i = 0; i < Combo(d)->count(); ++i) l << Combo(d)->itemText(i);
        return l;
    }
    static QString Device(FrmComSet& d) { return d.findChild<QLabel*>("LabelDevice")->text(); }
    static void Click(FrmComSet& d, const char* name) { d.findChild<QPushButton*>(name)->click(); }

    ProgramSandbox program_;
    TempDir devices_;
    platform::ScopedSerialScanOptions scan_{{devices_.path(), false}};
};

TEST_F(FrmComSetTest, StoredPortIsChosenAndOkStoresIt) {
    Plug("ttyUSB2");  // COM3
    Plug("ttyUSB9");  // COM10
    CommPortNo = 10;
    FrmComSet dialog;
    EXPECT_EQ(Entries(dialog), (QStringList{"COM3", "COM10"}));
    EXPECT_EQ(Combo(dialog)->currentText(), "COM10");
    EXPECT_EQ(dialog.PortID, 10);
    EXPECT_EQ(Device(dialog).toStdString(), devices_.file("ttyUSB9"));
    auto* timer = dialog.findChild<QTimer*>("ReShowComPortTimer");
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);

    Combo(dialog)->setCurrentIndex(0);
    EXPECT_EQ(dialog.PortID, 3);
    EXPECT_EQ(Device(dialog).toStdString(), devices_.file("ttyUSB2"));
    Click(dialog, "CommandOK");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(CommPortNo, 3);
    EXPECT_EQ(StoredPort(), "3");
}

TEST_F(FrmComSetTest, AMissingStoredPortFallsToTheFirstEntry) {
    Plug("ttyACM0");  // COM101
    Plug("ttyUSB0");  // COM1
    CommPortNo = 7;
    FrmComSet dialog;
    EXPECT_EQ(Combo(dialog)->currentText(), "COM1");
    EXPECT_EQ(dialog.PortID, 1);
    Click(dialog, "CommandOK");
    EXPECT_EQ(CommPortNo, 1);
    EXPECT_EQ(StoredPort(), "1");
}

TEST_F(FrmComSetTest, RefreshShowsNewPortsAndKeepsTheChoiceWhileListed) {
    Plug("ttyUSB0");
    Plug("ttyUSB4");
    CommPortNo = 1;
    FrmComSet dialog;
    Combo(dialog)->setCurrentIndex(1);
    ASSERT_EQ(dialog.PortID, 5);

    Plug("ttyACM1");
    Plug("ttyUSB2");
    dialog.ReShowComPortTimer_Timer();
    EXPECT_EQ(Entries(dialog), (QStringList{"COM1", "COM3", "COM5", "COM102"}));
    EXPECT_EQ(Combo(dialog)->currentText(), "COM5");
    EXPECT_EQ(dialog.PortID, 5);
    EXPECT_EQ(Device(dialog).toStdString(), devices_.file("ttyUSB4"));

    Unplug("ttyUSB4");
    dialog.ReShowComPortTimer_Timer();
    EXPECT_EQ(Combo(dialog)->currentText(), "COM1");
    EXPECT_EQ(dialog.PortID, 1);

    Unplug("ttyUSB0");
    Unplug("ttyUSB2");
    Unplug("ttyACM1");
    dialog.ReShowComPortTimer_Timer();
    EXPECT_EQ(Combo(dialog)->count(), 0);
    EXPECT_EQ(dialog.PortID, 0);
    EXPECT_TRUE(Device(dialog).isEmpty());
}

TEST_F(FrmComSetTest, CancelChangesNothing) {
    Plug("ttyUSB0");
    Plug("ttyUSB1");
    CommPortNo = 1;
    FrmComSet dialog;
    Combo(dialog)->setCurrentIndex(1);
    Click(dialog, "CommandCancel");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(CommPortNo, 1);
    EXPECT_EQ(StoredPort(), std::nullopt);
}

TEST_F(FrmComSetTest, WithoutPortsOkSetsNoPortAndStoresNothing) {
    CommPortNo = 4;
    FrmComSet dialog;
    EXPECT_EQ(Combo(dialog)->count(), 0);
    EXPECT_EQ(dialog.PortID, 0);
    Click(dialog, "CommandOK");
    EXPECT_EQ(CommPortNo, 0);
    EXPECT_EQ(StoredPort(), std::nullopt);
}

TEST(ComPortsTest, PortNumberOfEntryText) {
    struct Case {
        const char* text;
        std::optional<int16_t> number;
    };
    const Case cases[] = {{"COM3", 3}, {"COM12", 12}, {"COM1000", 100}, {"COM 7", 7},
                          {"COM", std::nullopt}, {"COMx", std::nullopt}, {"COM1a", std::nullopt}};
    for (const auto& c : cases) EXPECT_EQ(PortNumberOfText(c.text), c.number) << c.text;
}

TEST_F(FrmComSetTest, StartUpChecks) {
    EXPECT_EQ(GetFirstComPort(platform::ListSerialDevices()), 0);
    EXPECT_FALSE(IsComPortExist(0, platform::ListSerialDevices()));
    Plug("ttyACM0");
    Plug("ttyUSB3");
    const auto ports = platform::ListSerialDevices();
    EXPECT_EQ(GetFirstComPort(ports), 4);
    EXPECT_TRUE(IsComPortExist(101, ports));
    EXPECT_FALSE(IsComPortExist(1, ports));
}

}  // namespace
