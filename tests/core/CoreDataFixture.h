#pragma once
// A sandboxed program for the data-file, saved-copy and channel tests: band
// plan 0, an English language file of its own, no factory mode and prompts
// answered from a script.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProgramSandbox.h"
#include "core/BandPlan.h"
#include "core/ChannelRecord.h"
#include "core/HyperRange.h"
#include "core/SharedState.h"

class CoreData : public testing::Test {
protected:
    void SetUp() override {
        dir.write("language/english.ini", "[OTHER]\n9065=The file is no data file of this program.\n");
        RadioModel = "314KTR";
        SetBandByType(0);
        InitHyperRange();
    }

    // Appends normal channel `no` receiving on `mhz` (a default record).
    static void AddChannel(int16_t no, const char* mhz) { AddDefaultFreData(no, mhz, 0, 0); }
    static std::vector<int16_t> ChannelNumbers() {
        std::vector<int16_t> out;
        for (int16_t i = 0; i < CurData.CHCount; ++i) out.push_back(UFreList[static_cast<std::size_t>(i)].CHNo);
        return out;
    }

    ProgramSandbox dir;
    ScriptedPrompts& prompts = dir.prompts;
};
