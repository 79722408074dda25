#include "app/SessionDevices.h"

#include <memory>

#include "platform/QtSerialPort.h"
#include "platform/ReplyTimer.h"

void AddSessionDevices(SessionHooks& hooks) {
    hooks.makePort = [] { return std::make_unique<platform::QtSerialPort>(); };
    hooks.makeTimer = [] { return std::make_unique<platform::QtReplyTimer>(); };
}
