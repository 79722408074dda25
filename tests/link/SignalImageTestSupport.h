#pragma once
// Shared bits of the signalling-area tests: a freshly blanked image, byte
// runs read from it, and the failure a guarded encoder reports.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ProgramSandbox.h"
#include "ScriptedPrompts.h"
#include "core/Defaults.h"
#include "core/SharedState.h"
#include "link/ImageCodec.h"

using ByteRun = std::vector<int>;

// The image as every session starts it.
inline void BlankSignalImage() { InitCommData(); }

inline ByteRun Bytes(std::size_t addr, std::size_t count) {
    ByteRun run;
    for (std::size_t k = 0; k < count; ++k) run.push_back(CommData[addr + k]);
    return run;
}

inline void PutBytes(std::size_t addr, const ByteRun& run) {
    for (std::size_t k = 0; k < run.size(); ++k) CommData[addr + k] = static_cast<uint8_t>(run[k]);
}

// Runs a guarded encoder that must fail; returns the text of its box.
inline std::string FailureText(const std::function<void()>& encoder) {
    ScriptedPrompts prompts;
    prompts.expectAny(platform::Answer::Ok);
    WriteDataOK = true;
    encoder();
    EXPECT_FALSE(WriteDataOK);
    EXPECT_TRUE(prompts.allAnswered());
    return prompts.asked().empty() ? std::string() : prompts.asked().front().text;
}

// A case where a guarded encoder must fail: its box starts with
// "<encoder>Error" and, when `detail` is given, names it.
struct EncoderFailureCase {
    const char* name;
    std::function<void()> set;
    const char* detail;
};

template <class Cases, class Fixture>
void ExpectFailures(Fixture& fixture, const Cases& cases, const std::function<void()>& encoder,
                    const std::string& encoderName) {
    for (const EncoderFailureCase& c : cases) {
        fixture.Reset();
        c.set();
        const std::string text = FailureText(encoder);
        EXPECT_EQ(text.rfind(encoderName + "Error", 0), 0u) << c.name << ": " << text;
        if (c.detail) {
            EXPECT_NE(text.find(c.detail), std::string::npos) << c.name << ": " << text;
        }
    }
}

// Runs a guarded encoder that must succeed without a box.
inline void EncodeOk(const std::function<void()>& encoder) {
    ScriptedPrompts prompts;  // any box fails the test
    WriteDataOK = true;
    encoder();
    EXPECT_TRUE(WriteDataOK);
}

class SignalImageTest : public ::testing::Test {
public:
    // Defaults in the model, a blank image: the start of every case.
    void Reset() {
        sandbox.Reset();
        InitRadioData();
        BlankSignalImage();
    }

protected:
    void SetUp() override { Reset(); }

    ProgramSandbox sandbox;
};
