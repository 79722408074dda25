#pragma once
// A clean program state for the data-file, saved-copy and channel tests: the
// shared state at its start values, band plan 0, the program folder in a
// temporary folder (with an English language file), no factory mode and
// prompts answered from a script.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "core/BandPlan.h"
#include "core/ChannelRecord.h"
#include "core/FactoryDataHooks.h"
#include "core/HyperRange.h"
#include "core/SharedState.h"
#include "platform/ProgramFolder.h"

class CoreData : public testing::Test {
protected:
    void SetUp() override {
        savedFolder_ = platform::ProgramFolder();
        ResetSharedState();
        FactoryHooks() = {};
        platform::SetProgramFolder(dir.path());
        dir.write("language/english.ini", "[OTHER]\n9065=The file is no data file of this program.\n");
        RadioModel = "314KTR";
        SetBandByType(0);
        InitHyperRange();
    }
    void TearDown() override {
        EXPECT_TRUE(prompts.allAnswered());
        FactoryHooks() = {};
        ResetSharedState();
        platform::SetProgramFolder(savedFolder_);
    }

    // Appends normal channel `no` receiving on `mhz` (a default record).
    static void AddChannel(int16_t no, const char* mhz) { AddDefaultFreData(no, mhz, 0, 0); }
    static std::vector<int16_t> ChannelNumbers() {
        std::vector<int16_t> out;
        for (int16_t i = 0; i < CurData.CHCount; ++i) out.push_back(UFreList[static_cast<std::size_t>(i)].CHNo);
        return out;
    }

    TempDir dir;
    ScriptedPrompts prompts;

private:
    std::string savedFolder_;
};
