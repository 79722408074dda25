#pragma once
// The serial ports offered to the user and the choice stored in mysetup.ini.
// Ports are listed as "COM" + their number (the port list of this machine,
// in ascending number).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/SerialDevices.h"

// The port number of a list entry: its characters from the fourth on, at most
// three, trimmed, as a number ("COM12" gives 12, "COM1000" 100); nullopt when
// they are no number.
std::optional<int16_t> PortNumberOfText(std::string_view text);

// Clears the list and adds one "COM" entry per port; returns the first
// non-zero port number, 0 when there is none. `paths`, when given, receives
// each entry's device path.
int16_t FillComPortList(std::vector<std::string>& list, std::vector<std::string>* paths = nullptr);
// The start-up check of the stored port, both over one look at the system's
// ports (platform::ListSerialDevices()), which is slow: whether `port` is
// listed, and the first listed port (0 when there is none).
bool IsComPortExist(int16_t port, const std::vector<platform::SerialDevice>& ports);
int16_t GetFirstComPort(const std::vector<platform::SerialDevice>& ports);

// The settings file the choice is stored in.
std::string MySetupPath();

// What the port dialog shows: its entries, the chosen one and its number.
struct ComPortChoice {
    std::vector<std::string> entries;
    std::vector<std::string> paths;
    int index = -1;      // -1: nothing chosen
    int16_t portId = 0;  // the number of the chosen entry, 0 when none
};
// The list now, with the entry "COM" + wanted chosen (the first entry when it
// is not listed).
ComPortChoice ChooseComPort(int16_t wanted);
// OK of the dialog: stores the chosen entry's number in CommPortNo and
// mysetup.ini; nothing chosen sets CommPortNo to 0 and stores nothing; an
// entry that is no number changes nothing. False when the file could not be
// written.
bool AcceptComPort(const std::optional<std::string>& chosenText);
