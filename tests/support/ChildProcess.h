#pragma once
// A second copy of the program for tests of what two processes do to the
// same files: a process forked at construction, before the test takes any
// lock or installs any fault, so it shares nothing with the test but what is
// on disk. It runs its job once per request and answers with a text; meanwhile
// the job and the test may pass messages both ways, so each can wait for the
// other at an exact point. A child that does not answer within the time
// limit fails the exchange instead of hanging the test, and a child still
// running at the end is killed.
#include <chrono>
#include <functional>
#include <string>

#include <sys/types.h>

class ChildProcess {
public:
    // The job's side of the exchange.
    class Parent {
    public:
        void Send(const std::string& message);
        std::string Receive();
        // Whether a message from the test waits to be received.
        bool Pending() const;

    private:
        friend class ChildProcess;
        int in_ = -1, out_ = -1;
    };
    using Job = std::function<std::string(int request, Parent& parent)>;

    explicit ChildProcess(Job job);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Asks for one run of the job, without waiting for it.
    void Start(int request);
    // The child's next message, or its answer; "<no answer>" past the limit.
    std::string Receive(std::chrono::milliseconds limit = std::chrono::seconds(30));
    void Send(const std::string& message);
    // Start, then the answer.
    std::string Run(int request);

private:
    pid_t pid_ = -1;
    int toChild_ = -1, fromChild_ = -1;
};
