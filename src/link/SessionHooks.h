#pragma once
// What a radio session needs from outside the link: the serial port and the
// reply timer it drives, the dialogs it opens, and the main window's
// commands. The session logic includes no widget header; the program's
// composition root installs them. Until it does (and in logic tests) the
// defaults below apply.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>

#include "platform/Seam.h"

namespace platform {
class SerialPort;
class ReplyTimer;
}  // namespace platform

// The modal progress dialog of a read or a write.
class ProgressView {
public:
    virtual ~ProgressView() = default;
    // Shows the dialog modal. Once it is up, `load` is called (it sends the
    // session's first frame); returns when Close has been called.
    virtual void RunModal(const std::function<void()>& load) = 0;
    // A new percentage, handed over once the frame after it has gone out.
    // The view may show it later, but the last one handed over shows by the
    // time Close returns.
    virtual void SetProgressValue(int32_t value) = 0;
    virtual bool IsVisible() const = 0;
    // Ends RunModal (also when called from inside `load`).
    virtual void Close() = 0;
};

// The factory test-data steps, set by the factory mode (part of the link's
// state, not a hook). While `active` is empty or false, every session is an
// ordinary one.
struct FactorySessionSteps {
    std::function<bool()> active;
    // Sends the factory handshake word (opens a factory write).
    std::function<void()> writeFactoryLink;
    // The test-area read and write steps.
    std::function<void()> startReadTestData;
    std::function<void()> startWriteTestData;
    std::function<void()> writeNextTestData;
    // Sends the current test write frame again (a resend request in state 32).
    std::function<void()> resendTestData;
    // True while a test read reply is awaited.
    std::function<bool()> testReadAwaited;
    // An accepted test read reply (echo included).
    std::function<void(std::span<const uint8_t>)> onTestData;
    // True once the last test block of a factory write is acknowledged.
    std::function<bool()> testDataWritten;
    // A read has succeeded: the test bytes it read join the working data
    // (before the data becomes the saved copy).
    std::function<void()> readSucceeded;
};

struct SessionHooks {
    // The port and timer the session drives, made on first use and kept
    // until other hooks are installed. Empty: a port that never opens (every
    // command ends with the port message) and a timer that never ticks.
    std::function<std::unique_ptr<platform::SerialPort>()> makePort;
    std::function<std::unique_ptr<platform::ReplyTimer>()> makeTimer;
    // A progress dialog for one read or write. Empty: none is shown and the
    // command returns at once (the session then runs on the event loop).
    std::function<std::unique_ptr<ProgressView>()> makeProgress;
    // Shows the read-password dialog modal; returns PassWordEntered. Empty:
    // as if Cancel was pressed.
    std::function<bool()> askPassWord;
    // Shows the embedded-information viewer modal (EmbedInfo is decoded).
    std::function<void()> showEmbedInfo;
    // The main window's Save command (the read command's save-first answer).
    std::function<void()> saveData;
};

// The installed hooks; empty ones while none are.
const SessionHooks& Hooks();
// Installs `hooks` (nullptr: none); returns the previous ones. The port and
// timer are made anew from them at the next use (a session running on the
// old ones is abandoned first).
SessionHooks* SetSessionHooks(SessionHooks* hooks);
using ScopedSessionHooks = platform::Scoped<&SetSessionHooks>;

// The factory steps every session runs from now on (empty: none).
void SetFactorySteps(FactorySessionSteps steps);

// The link back to its state at program start: no session, no port or timer
// made, no factory steps. The installed hooks stay.
void ResetSessionLink();
