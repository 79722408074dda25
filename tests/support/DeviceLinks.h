#pragma once
// Paths of the test's own for terminal devices: links in a fresh folder.
// QSerialPort locks a device through a file named after the path it opens,
// one file for every program on the machine. The system hands a terminal's
// number to the next program that asks as soon as the last descriptor of it
// closes, which can be before the port that had it has dropped its lock:
// test programs side by side would find each other's locks on /dev/pts/N,
// and on a missing device's path.
#include <filesystem>
#include <string>

#include "TempDir.h"

class DeviceLinks {
public:
    // A new path that leads to `device`.
    std::string To(const std::string& device) {
        const std::string link = folder_.file("device" + std::to_string(++made_));
        std::filesystem::create_symlink(device, link);
        return link;
    }
    // A path of the test's own where there is no device.
    std::string Missing() const { return folder_.file("ttyUSB0"); }

private:
    TempDir folder_;
    int made_ = 0;
};
