#include "link/SimLine.h"

namespace sim {

int VirtualClock::Schedule(int64_t atUs, std::function<void()> f) {
    const int id = nextId_++;
    events_.emplace(Key{std::max(atUs, now_), id}, std::move(f));
    return id;
}

void VirtualClock::Cancel(int id) {
    for (auto it = events_.begin(); it != events_.end(); ++it) {
        if (it->first.id == id) {
            events_.erase(it);
            return;
        }
    }
}

bool VirtualClock::RunNext() {
    if (events_.empty()) return false;
    auto it = events_.begin();
    now_ = std::max(now_, it->first.at);
    auto f = std::move(it->second);
    events_.erase(it);
    f();
    return true;
}

void VirtualClock::AdvanceTo(int64_t atUs) {
    while (!events_.empty() && events_.begin()->first.at <= atUs) RunNext();
    now_ = std::max(now_, atUs);
}

void VirtualClock::RunUntilIdle(int64_t limitUs) {
    while (!events_.empty() && events_.begin()->first.at <= limitUs) RunNext();
}

void SimLine::SendFromPc(std::span<const uint8_t> bytes) {
    if (!connected_) return;
    for (auto& e : radio_.Receive(bytes, clock_.NowUs())) {
        clock_.Schedule(e.atUs, [this, bytes = std::move(e.bytes), dead = e.disconnect] {
            if (!connected_) return;
            if (!bytes.empty() && toPc_) toPc_(bytes);
            if (dead) {
                connected_ = false;
                if (onDisconnect_) onDisconnect_();
            }
        });
    }
}

}  // namespace sim
