#pragma once
// FIFOs in the places of files, and a watchdog for the test that uses them:
// should the program still be waiting on one after the time limit, the
// watchdog opens the FIFO from the other end, which lets the blocked call go
// on (a reader then reads nothing, a writer fails), and records whom it found
// waiting. So a program that waits on a FIFO fails its test instead of
// hanging the test run. The limit is one only a hang reaches: the watchdog
// cannot tell a blocked open from a program that opens the FIFO without
// waiting to see what it is, so it must not look while a slow test still runs.
#include <sys/stat.h>

#include <chrono>
#include <condition_variable>
#include <csignal>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "HangLimit.h"

class FifoWatchdog {
public:
    explicit FifoWatchdog(std::vector<std::string> fifos, std::chrono::milliseconds limit = kHangLimit)
        : fifos_(std::move(fifos)) {
        // A write into a FIFO the watchdog opened and closed again must not
        // end the test program.
        std::signal(SIGPIPE, SIG_IGN);
        for (const std::string& f : fifos_) ::mkfifo(f.c_str(), 0666);
        thread_ = std::thread([this, limit] { Watch(limit); });
    }
    ~FifoWatchdog() {
        {
            std::lock_guard lock(mutex_);
            stopped_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    FifoWatchdog(const FifoWatchdog&) = delete;
    FifoWatchdog& operator=(const FifoWatchdog&) = delete;

    // True when something was reading or writing a FIFO past the limit.
    bool fired() const {
        std::lock_guard lock(mutex_);
        return fired_;
    }

private:
    void Watch(std::chrono::milliseconds limit) {
        std::unique_lock lock(mutex_);
        if (wake_.wait_for(lock, limit, [this] { return stopped_; })) return;
        // Until the test ends, each FIFO gets a partner now and then: a
        // writer for a reader (found, since an open for writing that does not
        // wait succeeds only while someone reads) and a reader for a writer.
        do
            for (const std::string& f : fifos_) {
                int fd = ::open(f.c_str(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    fired_ = true;
                    ::close(fd);
                }
                // A read that does not meet the end of the file has a writer.
                fd = ::open(f.c_str(), O_RDONLY | O_NONBLOCK);
                if (fd >= 0) {
                    char c = 0;
                    if (::read(fd, &c, 1) != 0) fired_ = true;
                    ::close(fd);
                }
            }
        while (!wake_.wait_for(lock, std::chrono::milliseconds(20), [this] { return stopped_; }));
    }

    std::vector<std::string> fifos_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool stopped_ = false;
    bool fired_ = false;
    std::thread thread_;
};
