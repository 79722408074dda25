#include "link/SimPty.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>

namespace sim {

int64_t MonotonicUs() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

SimPty::~SimPty() { Close(); }

bool SimPty::Open(std::string& error) {
    Close();
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        Close();
        return false;
    }
    const char* name = ::ptsname(master_);
    if (!name) {
        error = std::string("cannot name the pseudo-terminal: ") + std::strerror(errno);
        Close();
        return false;
    }
    path_ = name;
    slave_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY);
    if (slave_ < 0) {
        error = "cannot open " + path_ + ": " + std::strerror(errno);
        Close();
        return false;
    }
    // Raw bytes: the terminal itself must neither echo nor translate.
    termios t{};
    if (::tcgetattr(slave_, &t) == 0) {
        ::cfmakeraw(&t);
        ::tcsetattr(slave_, TCSANOW, &t);
    }
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    opened_ = true;
    return true;
}

void SimPty::Close() {
    if (master_ >= 0) ::close(master_);
    if (slave_ >= 0) ::close(slave_);
    master_ = slave_ = -1;
    queue_.clear();
}

void SimPty::Serve(SimRadio& radio, const std::atomic<bool>& stop, const std::function<void()>& afterStep) {
    const int64_t start = MonotonicUs();
    while (!stop && master_ >= 0) {
        int64_t now = MonotonicUs() - start;
        int timeoutMs = 50;
        if (!queue_.empty()) {
            const int64_t wait = queue_.front().atUs - now;
            timeoutMs = static_cast<int>(std::clamp<int64_t>((wait + 999) / 1000, 0, 50));
        }
        pollfd p{master_, POLLIN, 0};
        const int r = ::poll(&p, 1, timeoutMs);
        now = MonotonicUs() - start;
        if (r > 0 && (p.revents & POLLIN)) {
            uint8_t buf[4096];
            const auto n = ::read(master_, buf, sizeof buf);
            if (n > 0) {
                for (auto& e : radio.Receive(std::span(buf, static_cast<std::size_t>(n)), now))
                    queue_.push_back(std::move(e));
                // Pieces are due in time order; a late reply may have to wait
                // behind nothing, or overtake nothing, so keep them sorted.
                std::stable_sort(queue_.begin(), queue_.end(),
                                 [](const Emission& a, const Emission& b) { return a.atUs < b.atUs; });
            }
        }
        while (!queue_.empty() && queue_.front().atUs <= now) {
            const auto e = std::move(queue_.front());
            queue_.pop_front();
            std::size_t done = 0;
            while (done < e.bytes.size()) {
                const auto w = ::write(master_, e.bytes.data() + done, e.bytes.size() - done);
                if (w < 0 && (errno == EAGAIN || errno == EINTR)) {
                    pollfd o{master_, POLLOUT, 0};
                    ::poll(&o, 1, 10);
                    continue;
                }
                if (w <= 0) break;
                done += static_cast<std::size_t>(w);
            }
            if (e.disconnect) {
                // The line goes dead: the program's port sees the terminal hang up.
                Close();
                break;
            }
        }
        if (afterStep) afterStep();
    }
}

}  // namespace sim
