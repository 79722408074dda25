#pragma once
// The serial devices of this machine, each with a stable port number ("COM"
// number) derived from its name, so that a number stored in the settings file
// names the same device next time:
//
//   ttyUSB<k>  1 + k      ttyACM<k> 101 + k     ttyS<k> 201 + k
//   rfcomm<k>  301 + k    ttyAMA<k> 401 + k     (k = 0..98 in each block)
//   any other name: 500..999 from the name alone
//
// A device whose index does not fit its block is left out.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Seam.h"

namespace platform {

struct SerialDevice {
    int number = 0;    // the port number, 1..999
    std::string path;  // e.g. "/dev/ttyUSB0"
};

struct SerialScanOptions {
    // Folder searched for ttyUSB* and ttyACM* entries (symlinks included).
    std::string deviceFolder = "/dev";
    // Also take the ports the system's serial port enumeration knows.
    bool useSystemPorts = true;
};

// Where ListSerialDevices looks; tests point it at a folder of their own.
// Returns the options used before.
SerialScanOptions SetSerialScanOptions(SerialScanOptions options);
const SerialScanOptions& CurrentSerialScanOptions();
using ScopedSerialScanOptions = Scoped<&SetSerialScanOptions>;

// The number of a device name (the file name, without folder) when it falls
// in one of the fixed blocks; nullopt for other names and for indexes that do
// not fit.
std::optional<int> BlockPortNumber(std::string_view name);
// Whether a name belongs to a fixed block at all (fitting or not).
bool IsBlockName(std::string_view name);
// The number 500..999 of a name outside the blocks, before collisions.
int HashedPortNumber(std::string_view name);

// Numbers the given device paths (duplicates dropped) and returns them in
// ascending number. Names outside the blocks that hash to a taken number get
// the next free one, taken in name order.
std::vector<SerialDevice> NumberSerialDevices(const std::vector<std::string>& paths);

// The serial devices present now, in ascending number.
std::vector<SerialDevice> ListSerialDevices();
// The device path of a port number present now; nullopt when there is none.
std::optional<std::string> SerialDevicePath(int number);

}  // namespace platform
