#include "link/SimPty.h"

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>

namespace sim {

namespace {
// How long an idle server sleeps before it looks at `stop` again.
constexpr int64_t kIdleWaitUs = 50'000;
// A sleeping thread wakes tens of microseconds late, more on a busy or
// virtual machine: the server sleeps until this long before a byte is due
// and spends the rest looking at the line.
constexpr int64_t kWakeMarginUs = 250;
}  // namespace

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
    // Paced bytes are due at exact microseconds, one every 1.04 ms: the
    // kernel's default timer slack of this thread (50 us) would make every
    // wait late, so it is kept as small as it goes while serving.
    const int previousSlack = ::prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0);
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);
    const int64_t start = MonotonicUs();
    while (!stop && master_ >= 0) {
        int64_t waitUs = kIdleWaitUs;
        if (!queue_.empty())
            waitUs = std::clamp<int64_t>(queue_.front().atUs - (MonotonicUs() - start), 0, kIdleWaitUs);
        const int64_t sleepUs = std::max<int64_t>(waitUs - kWakeMarginUs, 0);
        const timespec timeout{static_cast<time_t>(sleepUs / 1'000'000),
                               static_cast<long>(sleepUs % 1'000'000) * 1000};
        pollfd p{master_, POLLIN, 0};
        const int r = ::ppoll(&p, 1, &timeout, nullptr);
        if (r == 0 && sleepUs == 0 && waitUs > 0) ::sched_yield();
        int64_t now = MonotonicUs() - start;
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
            now = MonotonicUs() - start;
        }
        // Everything due by now goes out, and nothing before its time: a
        // paced byte sent with the next one would reach the program early.
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
    if (previousSlack > 0) ::prctl(PR_SET_TIMERSLACK, static_cast<unsigned long>(previousSlack), 0, 0, 0);
}

}  // namespace sim
