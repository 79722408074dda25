#include "ChildProcess.h"

#include <cerrno>
#include <cstdint>
#include <csignal>
#include <stdexcept>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool WriteAll(int fd, const void* data, std::size_t size) {
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd, p, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool ReadAll(int fd, void* data, std::size_t size) {
    char* p = static_cast<char*>(data);
    while (size > 0) {
        const ssize_t n = ::read(fd, p, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// A message: its length, then its bytes.
void SendTo(int fd, const std::string& message) {
    const auto size = static_cast<uint32_t>(message.size());
    WriteAll(fd, &size, sizeof size);
    WriteAll(fd, message.data(), message.size());
}

std::string ReceiveFrom(int fd) {
    uint32_t size = 0;
    if (!ReadAll(fd, &size, sizeof size)) return "<closed>";
    std::string message(size, '\0');
    if (!ReadAll(fd, message.data(), size)) return "<closed>";
    return message;
}

}  // namespace

void ChildProcess::Parent::Send(const std::string& message) { SendTo(out_, message); }
std::string ChildProcess::Parent::Receive() { return ReceiveFrom(in_); }
bool ChildProcess::Parent::Pending() const {
    pollfd p{in_, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0;
}

ChildProcess::ChildProcess(Job job) {
    int down[2], up[2];
    if (::pipe(down) != 0 || ::pipe(up) != 0) throw std::runtime_error("pipe");
    pid_ = ::fork();
    if (pid_ < 0) throw std::runtime_error("fork");
    if (pid_ == 0) {
        ::close(down[1]);
        ::close(up[0]);
        Parent parent;
        parent.in_ = down[0];
        parent.out_ = up[1];
        for (int32_t request = 0; ReadAll(down[0], &request, sizeof request);) {
            const std::string answer = job(request, parent);
            SendTo(up[1], answer);
        }
        // No exit handlers: they belong to the test program.
        ::_exit(0);
    }
    ::close(down[0]);
    ::close(up[1]);
    toChild_ = down[1];
    fromChild_ = up[0];
}

ChildProcess::~ChildProcess() {
    ::close(toChild_);  // the child's loop ends
    ::close(fromChild_);
    int status = 0;
    for (int i = 0; i < 200; ++i) {
        if (::waitpid(pid_, &status, WNOHANG) == pid_) return;
        ::usleep(10'000);
    }
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, &status, 0);
}

void ChildProcess::Start(int request) {
    const auto r = static_cast<int32_t>(request);
    WriteAll(toChild_, &r, sizeof r);
}

std::string ChildProcess::Receive(std::chrono::milliseconds limit) {
    pollfd p{fromChild_, POLLIN, 0};
    if (::poll(&p, 1, static_cast<int>(limit.count())) <= 0) return "<no answer>";
    return ReceiveFrom(fromChild_);
}

void ChildProcess::Send(const std::string& message) { SendTo(toChild_, message); }

std::string ChildProcess::Run(int request) {
    Start(request);
    return Receive();
}
