#pragma once
// The factory test steps of a radio session: a factory read reads the test
// area (0x0000..0x001F) before the ordinary blocks; a factory write opens
// with the factory handshake, reads the test area (keeping only the radio's
// bytes 0 and 1), writes it from TestData and then opens the session anew
// with the ordinary handshake. The session drives them through its hooks.
#include <cstdint>
#include <span>

#include "link/SessionHooks.h"

// The steps as the session's hooks; active only in factory mode.
FactorySessionSteps FactorySteps();

// TestDataAddr := -16, then the first test read.
void StartReadTestData();
// The next test read request, or (past 0x001F) the end of the test read
// step: the session goes on from its state.
void WriteNextTestRead();
// An accepted test reply (echo included). A read session keeps its 16 bytes
// aside until the whole read succeeds; a write session takes the radio's
// bytes 0 and 1 into TestData.
void SaveTestDataRead(std::span<const uint8_t> rx);
void SaveTestDataHead(std::span<const uint8_t> rx);
// TestDataWritten := false, TestDataAddr := -16, then the first test write.
void StartWriteTestData();
// The next test write frame from TestData, or (past 0x001F)
// TestDataWritten := true and the session's next step.
void WriteNextTestData();
// TestData(0..31) := the test area of the read just finished, when both
// blocks of it arrived.
void CommitTestDataRead();
// Forgets the test area kept aside by a read (the program's state back to
// its start).
void ResetFactorySteps();
