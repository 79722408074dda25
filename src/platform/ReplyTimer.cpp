#include "platform/ReplyTimer.h"

#include <QTimer>

namespace platform {

QtReplyTimer::QtReplyTimer(int intervalMs) : timer_(std::make_unique<QTimer>()) {
    timer_->setInterval(intervalMs);
    QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] { Tick(); });
}

QtReplyTimer::~QtReplyTimer() = default;

void QtReplyTimer::Start() { timer_->start(); }
void QtReplyTimer::Stop() { timer_->stop(); }
bool QtReplyTimer::IsActive() const { return timer_->isActive(); }

}  // namespace platform
