#pragma once
// The simulated radio in-process: a virtual clock and the cable between the
// PC side and a SimRadio. Nothing happens by itself; a test advances the
// clock and every byte, reply and time-out due by then happens in time order,
// so a time-out path runs instantly.
#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <vector>

#include "link/SimRadio.h"

namespace sim {

class VirtualClock {
public:
    int64_t NowUs() const { return now_; }
    // Runs `f` when the clock reaches `atUs` (at once on the next advance when
    // that is not later than now). Returns an id for Cancel.
    int Schedule(int64_t atUs, std::function<void()> f);
    void Cancel(int id);
    // Advances to `atUs`, running everything due on the way in time order.
    void AdvanceTo(int64_t atUs);
    void AdvanceBy(int64_t us) { AdvanceTo(now_ + us); }
    // Runs the next due event (moving the clock to it); false when none is left.
    bool RunNext();
    // Runs events until none is left or `limitUs` is reached.
    void RunUntilIdle(int64_t limitUs = 60'000'000);
    bool Idle() const { return events_.empty(); }

private:
    struct Key {
        int64_t at;
        int id;
        bool operator<(const Key& o) const { return at != o.at ? at < o.at : id < o.id; }
    };
    int64_t now_ = 0;
    int nextId_ = 1;
    std::map<Key, std::function<void()>> events_;
};

// The cable: bytes the PC writes reach the radio at once; what comes back is
// delivered to the PC side at its time on the clock.
class SimLine {
public:
    SimLine(VirtualClock& clock, SimRadio& radio) : clock_(clock), radio_(radio) {}
    void SendFromPc(std::span<const uint8_t> bytes);
    // Where the bytes for the PC go, and what happens when the line goes dead.
    void OnBytesToPc(std::function<void(std::span<const uint8_t>)> f) { toPc_ = std::move(f); }
    void OnDisconnect(std::function<void()> f) { onDisconnect_ = std::move(f); }
    bool Connected() const { return connected_; }

private:
    VirtualClock& clock_;
    SimRadio& radio_;
    bool connected_ = true;
    std::function<void(std::span<const uint8_t>)> toPc_;
    std::function<void()> onDisconnect_;
};

}  // namespace sim
