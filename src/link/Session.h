#pragma once
// The radio session: one read, write or embedded-information read as a state
// machine driven by two events, the port's receive event and the reply
// timer's tick. A sender writes one frame and starts the 300 ms timer; an
// accepted reply stops it and takes the next step; a tick repeats the frame
// (three sends in all) or ends the session. Nothing waits and nothing runs on
// another thread; a read or a write runs while the modal progress dialog is
// open, the embedded-information read with no dialog.
//
// Order of a session: handshake (state 1), identification (2), the password
// block at 0x0050 (3), the blocks (4), "END" (69). The factory steps (states
// 31 and 32) run through the factory steps (SetFactorySteps).
#include <cstdint>
#include <span>
#include <string>

#include "link/Protocol.h"
#include "link/SessionHooks.h"
#include "core/SessionStates.h"

namespace platform {
class SerialPort;
class ReplyTimer;
}  // namespace platform

// ---- commands ----------------------------------------------------------------
// Read: asks to save changed data first (text "9001" of the language file),
// then asks to go on, blanks the image, plans the first phase and shows the
// progress dialog, whose load starts the session. Returns when the session
// has ended (with a progress dialog) or at once (without one).
void ReadFromRadio();
// Write: asks to go on, encodes the working data into the image (an encoder
// failure stops it before anything is sent), plans the blocks and shows the
// progress dialog. The working data is never changed.
void WriteToRadio();
// The embedded-information read: no question, no dialog; the session runs on
// the event loop and ends by showing the viewer (Hooks().showEmbedInfo).
void ReadRMGDataFromRadio();

// ---- session steps -------------------------------------------------------------
// Sets up the run of CommMode and opens the port; false (with text 2002 when
// the port failed) for a mode other than read, write or embedded-information
// read, or a port that cannot be opened.
bool InitComm();
// Every send counter back to 3, the block counters sized for the run.
void InitCommRetry();
// The step after an accepted reply; acts on the current state.
void NextCommStep();
// The progress dialog's load: sends the first frame of a read or a write.
void StartCommLink();
// Ends the session: closes the progress dialog and the port; after a
// successful read the image becomes the working data and its saved copy.
// Shows text 2004/2005 (or the viewer) on success, 2006/2007/2008 otherwise.
void FinishComm(bool ok);
// "END" as the last frame (state 69), or to restart at the handshake (45).
void EndLink();
void RestartLink();

// ---- senders -----------------------------------------------------------------
// Each builds its frame and sends it (Protocol.h send steps). A port that
// fails shows text 2002 and ends the session as failed.
void WriteLink();
void WriteFactoryLink();
void WriteIdentify();
void WritePassWordRead();
void WriteReadBlock();       // the current block again ("END" past the run)
void WriteNextReadBlock();   // the next planned block
void WriteDataBlock();       // the current write frame again
void WriteNextDataBlock();   // the next planned write frame
void WriteEnd();
// Sends any frame of the session (the factory steps use it); `isWrite` says
// whether a resend request may answer it. False when the port failed (the
// session has then ended).
bool SendSessionFrame(std::span<const uint8_t> frame, int replyLength, bool isWrite);

// ---- events ----------------------------------------------------------------
// The port's receive event and the reply timer's tick.
void OnCommEvent(int event);
void OnReplyTimeout();

// ---- progress ----------------------------------------------------------------
// Counts one block; a new percentage goes to the progress dialog once the
// session's next frame is out (every caller sends one next).
void ShowCommProgress();

// ---- read password -------------------------------------------------------------
// The password held in data bytes 12-15 of a password-block reply (echo
// included): up to the first 0x00 or 0xFF, trimmed as a fixed text.
std::string RadioPassWord(std::span<const uint8_t> rx);
// True when the radio has no password or it equals InputPassWord exactly.
bool IsPassWordOK(std::span<const uint8_t> rx);

// A frame repeated after a resend request this often is given up on (the
// Retry/Cancel box).
inline constexpr int kMaxResends = 10;

// The port and timer of the session (made from the hooks on first use).
platform::SerialPort& SessionPort();
platform::ReplyTimer& SessionTimer();
