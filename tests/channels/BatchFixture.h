#pragma once
// A sandboxed program for the batch editor's rules: band plan 0 (receive band
// 0 from 108 to 180 MHz, transmit band 0 from 136 to 174 MHz), default data
// with an empty normal list, every edit item off, and a main window that
// counts its redraws.
#include <gtest/gtest.h>

#include <cstddef>
#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "ProgramSandbox.h"
#include "channels/BatchApply.h"
#include "channels/BatchItems.h"
#include "channels/BatchTones.h"
#include "core/BandPlan.h"
#include "core/ChannelRecord.h"
#include "core/Defaults.h"
#include "core/HyperRange.h"
#include "core/MainWindowHooks.h"
#include "core/SharedState.h"

// Draws from a script, and counts the seeds.
class ScriptedRandom : public BatchRandom {
public:
    ScriptedRandom(std::initializer_list<double> draws = {}) : draws_(draws) {}
    void Seed() override { ++seeds; }
    double Next() override {
        if (draws_.empty()) {
            ADD_FAILURE() << "a draw nobody scripted";
            return 0;
        }
        const double d = draws_.front();
        draws_.pop_front();
        return d;
    }
    bool AllDrawn() const { return draws_.empty(); }
    int seeds = 0;

private:
    std::deque<double> draws_;
};

class RedrawCounter : public MainWindowView {
public:
    void ReShowListByData() override { ++redraws; }
    int redraws = 0;
};

class BatchData : public testing::Test {
protected:
    void SetUp() override {
        PCBand = 0;
        SetBandByType(0);
        InitHyperRange();
        InitRadioData();
        CurData.CHCount = 0;
        BatchFunFlag.fill(0);
        tones = BatchToneItems();
        request.toneItems = tones;
        request.boxes = {"108.00000", "0", "0.00000", "136.00000", "0", "0", "0", "", "0", "0"};
        for (int& i : request.listIndex) i = 0;
    }

    static void TurnOn(std::initializer_list<BatchItem> items) {
        for (BatchItem item : items) BatchFunFlag[static_cast<std::size_t>(item)] = 1;
    }
    static void AddChannel(int16_t no, const char* mhz) { AddDefaultFreData(no, mhz, 0, 0); }
    static UFreData& Channel(int16_t no) {
        const int16_t at = GetCHIndex(no);
        EXPECT_GE(at, 0) << "no channel " << no;
        return UFreList[static_cast<std::size_t>(at < 0 ? 0 : at)];
    }
    static std::vector<int16_t> ChannelNumbers() {
        std::vector<int16_t> out;
        for (int16_t i = 0; i < CurData.CHCount; ++i) out.push_back(UFreList[static_cast<std::size_t>(i)].CHNo);
        return out;
    }
    void Range(const char* first, const char* last) {
        request.allChannels = false;
        request.firstChannel = first;
        request.lastChannel = last;
    }
    std::string& Box(BatchBox box) { return request.boxes[static_cast<std::size_t>(box)]; }
    void Apply() { ApplyBatch(request, random); }

    ProgramSandbox sandbox;
    RedrawCounter view;
    ScopedMainView installed{&view};
    ScriptedRandom random;
    std::vector<std::string> tones;
    BatchRequest request;
};
