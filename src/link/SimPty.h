#pragma once
// The simulated radio on a pseudo-terminal: the program opens the terminal's
// device as its serial port. The simulator keeps its own descriptor of that
// device open, so the program may close and reopen the port as often as it
// likes without the terminal going away.
#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>

#include "link/SimRadio.h"

namespace sim {

class SimPty {
public:
    SimPty() = default;
    ~SimPty();
    SimPty(const SimPty&) = delete;
    SimPty& operator=(const SimPty&) = delete;

    // Creates the terminal; false with `error` when the system refuses.
    bool Open(std::string& error);
    // The device the program opens, e.g. /dev/pts/4.
    const std::string& DevicePath() const { return path_; }
    void Close();
    // True once a disconnect fault has cut the line.
    bool Dead() const { return master_ < 0 && opened_; }

    // Serves the radio until `stop` is set or the line is cut: bytes from the
    // program go to the radio, its echo and replies go back at their times.
    // `afterStep` runs after every turn (the tool writes its transcript there).
    // Bytes go out within microseconds of their due times: the server sleeps
    // until shortly before each one and keeps turning for the last stretch.
    void Serve(SimRadio& radio, const std::atomic<bool>& stop, const std::function<void()>& afterStep = {});

private:
    int master_ = -1;
    int slave_ = -1;
    bool opened_ = false;
    std::string path_;
    std::deque<Emission> queue_;
};

// Microseconds of a steady clock.
int64_t MonotonicUs();

}  // namespace sim
