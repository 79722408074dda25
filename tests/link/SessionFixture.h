#pragma once
// A radio session against the simulated radio on a virtual clock: the
// session's port is a FakeSerialPort over a SimLine, its reply timer a
// VirtualReplyTimer, and its progress dialog a stand-in that runs the clock
// until the session closes it. Every prompt is scripted.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "FakeSerialPort.h"
#include "ImageFixture.h"
#include "ScriptedPrompts.h"
#include "core/BandPlan.h"
#include "core/ByteWriter.h"
#include "core/Defaults.h"
#include "core/HyperRange.h"
#include "core/LangText.h"
#include "core/MsgText.h"
#include "core/RecordPacking.h"
#include "core/SavedCopy.h"
#include "core/SharedState.h"
#include "link/ImageAreas.h"
#include "link/ImageCodec.h"
#include "link/Session.h"
#include "link/SimLine.h"
#include "link/SimRadio.h"
#include "link/TransferPlan.h"

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using ByteVec = std::vector<uint8_t>;

// Which units of a radio image are in use; everything else is marked empty.
struct RadioUse {
    std::set<int> channelSlots;  // channel slots 0..767 (758.. are the limit channels)
    std::set<int> tone2;   // two-tone calls 0..23
    std::set<int> tone5;   // five-tone codes 0..99
    static RadioUse All() {
        RadioUse u;
        for (int i = 0; i < 768; ++i) u.channelSlots.insert(i);
        for (int i = 0; i < 24; ++i) u.tone2.insert(i);
        for (int i = 0; i < 100; ++i) u.tone5.insert(i);
        return u;
    }
};

// Random bytes with the presence bitmaps and flag nibbles of `use`, and no
// read password.
inline void FillRadioImage(sim::SimRadio& radio, const RadioUse& use, unsigned seed) {
    std::mt19937 rng(seed);
    auto& m = radio.Mem();
    for (auto& b : m) b = static_cast<uint8_t>(rng());
    for (int i = 0; i < 24; ++i) {
        auto& b = m[image_map::kTone2Bitmap + i / 8];
        b = use.tone2.count(i) ? b & ~(1 << (i % 8)) : b | (1 << (i % 8));
    }
    for (int i = 0; i < 100; ++i) {
        auto& b = m[image_map::kTone5Bitmap + i / 8];
        b = use.tone5.count(i) ? b & ~(1 << (i % 8)) : b | (1 << (i % 8));
    }
    for (int i = 0; i < 768; ++i) {
        auto& b = m[image_map::kFlagNibbles + i / 2];
        const int bit = i % 2 == 0 ? 2 : 6;
        b = use.channelSlots.count(i) ? b & ~(1 << bit) : b | (1 << bit);
    }
    radio.SetReadPassword("");
}

// The fake port with a hook after every write and a way to put bytes into the
// receive buffer as if they had come down the cable.
class TestPort : public FakeSerialPort {
public:
    using FakeSerialPort::FakeSerialPort;
    std::function<void(const ByteVec&)> afterWrite;
    // True: the bytes are lost on the way (counted as written, never arrive).
    std::function<bool(const ByteVec&)> lose;
    bool Write(std::span<const uint8_t> bytes) override {
        if (IsOpen() && lose && lose(ByteVec(bytes.begin(), bytes.end()))) {
            writes.emplace_back(bytes.begin(), bytes.end());
            return true;
        }
        const bool ok = FakeSerialPort::Write(bytes);
        if (ok && afterWrite) afterWrite(ByteVec(bytes.begin(), bytes.end()));
        return ok;
    }
    void Inject(const ByteVec& bytes) { Deliver(bytes); }
};

// Everything a failed session must leave as it was.
inline ByteVec DataSnapshot() {
    ByteVec out;
    ByteWriter w(out);
    Pack(w, CurData);
    Pack(w, OldData);
    for (const auto& ch : UFreList) Pack(w, ch);
    for (const auto& ch : OldUFreList) Pack(w, ch);
    w.i16(PCBand);
    w.i16(IsNewFile);
    out.insert(out.end(), DataFileName.begin(), DataFileName.end());
    return out;
}

// Prompts scripted as usual, with a hook that runs while a prompt is open
// (to let time pass or bytes arrive meanwhile).
class PromptsWithHook : public ScriptedPrompts {
public:
    std::function<void(const platform::Prompt&)> whileOpen;
    Answer Ask(const platform::Prompt& p) override {
        if (whileOpen) whileOpen(p);
        return ScriptedPrompts::Ask(p);
    }
};

class SessionFixture : public ImageFixture {
protected:
    // The progress dialog stand-in.
    class VirtualProgress : public ProgressView {
    public:
        explicit VirtualProgress(SessionFixture& f) : f_(f) {}
        void RunModal(const std::function<void()>& load) override {
            ++f_.progressDialogs;
            open_ = true;
            load();
            while (open_) {
                if (!f_.clock.RunNext()) {
                    ADD_FAILURE() << "the session stopped with its progress dialog open";
                    break;
                }
            }
        }
        void SetProgressValue(int32_t value) override {
            f_.progressValues.push_back(value);
            if (f_.onProgress) f_.onProgress(value);
        }
        bool IsVisible() const override { return open_; }
        void Close() override { open_ = false; }

    private:
        SessionFixture& f_;
        bool open_ = false;
    };

    void SetUp() override {
        progressDialogs = 0;
        progressValues.clear();
        onProgress = nullptr;
        passWordDialogs = 0;
        typedPassWord.reset();
        embedViews = 0;
        saves = 0;
        saveSucceeds = true;
        prompts.whileOpen = nullptr;
        ImageFixture::SetUp();
        DataFileName = "shop.dat";
        IsNewFile = 0;
        SaveOldRadioData();
        sim::SimRadioConfig config;
        config.replyDelayUs = 1000;  // one exchange a millisecond: time tells the blocks apart
        MakeRadio(config);
    }

    void TearDown() override {
        installedHooks_.reset();
        line.reset();
        radio.reset();
        ImageFixture::TearDown();
    }

    void MakeRadio(sim::SimRadioConfig config) {
        installedHooks_.reset();
        line.reset();
        clock = sim::VirtualClock();  // nothing left due for the old line
        radio = std::make_unique<sim::SimRadio>(std::move(config));
        FillRadioImage(*radio, RadioUse{{0, 2, 5, 758}, {0, 3}, {1, 50}}, 7);
        line = std::make_unique<sim::SimLine>(clock, *radio);
        hooks = {};
        hooks.makePort = [this] {
            auto p = std::make_unique<TestPort>(*line);
            port = p.get();
            return p;
        };
        hooks.makeTimer = [this] {
            auto t = std::make_unique<VirtualReplyTimer>(clock);
            timer = t.get();
            return t;
        };
        hooks.makeProgress = [this] { return std::make_unique<VirtualProgress>(*this); };
        hooks.askPassWord = [this] {
            ++passWordDialogs;
            if (!typedPassWord) return PassWordEntered = false;
            InputPassWord = *typedPassWord;
            return PassWordEntered = true;
        };
        hooks.showEmbedInfo = [this] { ++embedViews; };
        hooks.saveData = [this] {
            ++saves;
            if (saveSucceeds) SaveOldRadioData();
        };
        installedHooks_.emplace(hooks);
        SessionPort();  // made now, so that `port` and `timer` are there
    }

    // Runs the clock until nothing is due (the embedded-information read).
    void RunClock() { clock.RunUntilIdle(clock.NowUs() + 120'000'000); }

    static std::string Lang(int id) { return GetLangText(static_cast<int16_t>(id)); }
    void ExpectText(int id) { prompts.expect(Lang(id), Buttons::Ok, Answer::Ok); }
    void ExpectReadAsk(Answer a = Answer::Ok) {
        prompts.expect(MsgText().MsgReadAsk, Buttons::OkCancel, a, Icon::Question, true);
    }
    void ExpectWriteAsk(Answer a = Answer::Ok) {
        prompts.expect(MsgText().MsgWriteAsk, Buttons::OkCancel, a, Icon::Question, true);
    }
    void ExpectRetryBox(Answer a) { prompts.expect(Lang(2003), Buttons::RetryCancel, a); }

    // The frames the radio received, as the first byte and address.
    std::vector<int32_t> ReadAddresses() const {
        std::vector<int32_t> out;
        for (const auto& f : radio->Frames())
            if (f.size() == 4 && f[0] == 0x52) out.push_back(f[1] * 256 + f[2]);
        return out;
    }
    std::vector<int32_t> WriteAddresses() const {
        std::vector<int32_t> out;
        for (const auto& f : radio->Frames())
            if (f.size() == 22 && f[0] == 0x57) out.push_back(f[1] * 256 + f[2]);
        return out;
    }
    // The times the PC sent frames that start with `first`.
    std::vector<int64_t> SendTimes(uint8_t first) const {
        std::vector<int64_t> out;
        for (const auto& e : radio->Transcript())
            if (e.toRadio && !e.bytes.empty() && e.bytes[0] == first && e.note.rfind("#", 0) == 0)
                out.push_back(e.atUs);
        return out;
    }

    // True when the image holds the radio's bytes at every block the last
    // plan transferred from `first` on.
    bool ImageMatchesRadio(int32_t first, int32_t last) const {
        for (int32_t a = first; a <= last; a += 16) {
            if (GetNextCommAddr(a) != a) continue;
            for (int i = 0; i < 16; ++i)
                if (CommData[a + i] != radio->Mem()[a + i]) return false;
        }
        return true;
    }

    // A command that ended before its session: nothing went out.
    void ExpectNothingSent() const {
        ExpectIdle();
        EXPECT_TRUE(port->writes.empty());
        EXPECT_EQ(progressDialogs, 0);
    }

    void ExpectIdle() const {
        EXPECT_EQ(CommMode, SessionMode::Idle);
        EXPECT_EQ(CommState, SessionState::Idle);
        EXPECT_FALSE(port->IsOpen());
        EXPECT_FALSE(timer->IsActive());
    }

    sim::VirtualClock clock;
    std::unique_ptr<sim::SimRadio> radio;
    std::unique_ptr<sim::SimLine> line;
    TestPort* port = nullptr;
    VirtualReplyTimer* timer = nullptr;
    PromptsWithHook prompts;
    int progressDialogs = 0;
    std::vector<int32_t> progressValues;
    std::function<void(int32_t)> onProgress;
    int passWordDialogs = 0;
    std::optional<std::string> typedPassWord;  // nullopt: the dialog is cancelled
    int embedViews = 0;
    int saves = 0;
    bool saveSucceeds = true;
    // The session's hooks (a test may change them after MakeRadio).
    SessionHooks hooks;

private:
    std::optional<ScopedSessionHooks> installedHooks_;
};
