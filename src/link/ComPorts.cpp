#include "link/ComPorts.h"

#include <charconv>

#include "core/SharedState.h"
#include "platform/ProfileString.h"
#include "platform/ProgramFolder.h"
#include "platform/SerialDevices.h"

std::optional<int16_t> PortNumberOfText(std::string_view text) {
    if (text.size() <= 3) return std::nullopt;
    auto digits = text.substr(3, 3);
    while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
    while (!digits.empty() && digits.back() == ' ') digits.remove_suffix(1);
    if (digits.empty()) return std::nullopt;
    int n = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (ec != std::errc() || end != digits.data() + digits.size() || n < 0) return std::nullopt;
    return static_cast<int16_t>(n);
}

int16_t FillComPortList(std::vector<std::string>& list, std::vector<std::string>* paths) {
    list.clear();
    if (paths) paths->clear();
    int16_t first = 0;
    for (const auto& d : platform::ListSerialDevices()) {
        list.push_back("COM" + std::to_string(d.number));
        if (paths) paths->push_back(d.path);
        if (first == 0) first = static_cast<int16_t>(d.number);
    }
    return first;
}

bool IsComPortExist(int16_t port, const std::vector<platform::SerialDevice>& ports) {
    for (const auto& d : ports)
        if (d.number == port) return true;
    return false;
}

int16_t GetFirstComPort(const std::vector<platform::SerialDevice>& ports) {
    return ports.empty() ? 0 : static_cast<int16_t>(ports.front().number);
}

std::string MySetupPath() { return platform::BesideProgram("language/mysetup.ini"); }

ComPortChoice ChooseComPort(int16_t wanted) {
    ComPortChoice c;
    const int16_t first = FillComPortList(c.entries, &c.paths);
    if (first < 1) return c;
    c.index = 0;
    const auto text = "COM" + std::to_string(wanted);
    for (std::size_t i = 0; i < c.entries.size(); ++i) {
        if (c.entries[i] == text) {
            c.index = static_cast<int>(i);
            break;
        }
    }
    c.portId = PortNumberOfText(c.entries[c.index]).value_or(0);
    return c;
}

bool AcceptComPort(const std::optional<std::string>& chosenText) {
    if (!chosenText) {
        CommPortNo = 0;
        return true;
    }
    const auto n = PortNumberOfText(*chosenText);
    if (!n) return true;
    CommPortNo = *n;
    return platform::WriteProfileString("language", "comPort", std::to_string(*n), MySetupPath());
}
