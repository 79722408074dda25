#include "platform/ReplyTimer.h"

#include <QTimer>

#include "platform/Guard.h"

namespace platform {

QtReplyTimer::QtReplyTimer(int intervalMs) : timer_(std::make_unique<QTimer>()) {
    timer_->setInterval(intervalMs);
    // The main window's reply timer; its tick runs guarded, as every event
    // handler does.
    QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(),
                     [this] { RunGuarded("WaitTimer_Timer", [this] { Tick(); }); });
}

QtReplyTimer::~QtReplyTimer() = default;

void QtReplyTimer::Start() { timer_->start(); }
void QtReplyTimer::Stop() { timer_->stop(); }
bool QtReplyTimer::IsActive() const { return timer_->isActive(); }

}  // namespace platform
