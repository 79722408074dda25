#pragma once
// The link's reply timer: started after every frame sent, it ticks when no
// accepted reply has stopped it within its interval (300 ms). The tick
// handler stops it first, so each start gives at most one tick.
#include <functional>
#include <memory>

class QTimer;

namespace platform {

class ReplyTimer {
public:
    using Handler = std::function<void()>;
    virtual ~ReplyTimer() = default;

    virtual void Start() = 0;  // (re)starts: the first tick comes one interval later
    virtual void Stop() = 0;
    virtual bool IsActive() const = 0;
    void OnTick(Handler handler) { handler_ = std::move(handler); }

protected:
    void Tick() {
        if (handler_) handler_();
    }

private:
    Handler handler_;
};

inline constexpr int kReplyTimeoutMs = 300;

// The real timer, on the event loop.
class QtReplyTimer : public ReplyTimer {
public:
    explicit QtReplyTimer(int intervalMs = kReplyTimeoutMs);
    ~QtReplyTimer() override;
    void Start() override;
    void Stop() override;
    bool IsActive() const override;

private:
    std::unique_ptr<QTimer> timer_;
};

// A timer that ticks only when a test says so.
class ManualReplyTimer : public ReplyTimer {
public:
    void Start() override {
        active_ = true;
        ++starts_;
    }
    void Stop() override { active_ = false; }
    bool IsActive() const override { return active_; }
    // Ticks as the running timer would; does nothing when it is stopped.
    // Returns whether it ticked.
    bool Fire() {
        if (!active_) return false;
        Tick();
        return true;
    }
    int Starts() const { return starts_; }

private:
    bool active_ = false;
    int starts_ = 0;
};

}  // namespace platform
