#pragma once
// A working configuration at its defaults (band plan 0, no normal channels),
// a blank image and a write in progress (WriteDataOK true).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ProgramSandbox.h"
#include "core/BandPlan.h"
#include "core/Defaults.h"
#include "core/HyperRange.h"
#include "core/SharedState.h"
#include "link/ImageCodec.h"

class ImageFixture : public ::testing::Test {
protected:
    void SetUp() override {
        sandbox.Reset();  // some tests run SetUp once a case
        PCBand = 0;
        SetBandByType(0);
        InitHyperRange();
        InitRadioData();
        CurData.CHCount = 0;
        RadioVersion = "V200";
        ScanEnable = 0;
        AlertEnable = -1;
        InitCommData();
        WriteDataOK = true;
    }

    static std::vector<uint8_t> Bytes(std::size_t addr, std::size_t n) {
        return std::vector<uint8_t>(CommData.begin() + addr, CommData.begin() + addr + n);
    }

    // A used normal channel at 145.125 MHz with every other field 0.
    static UFreData PlainChannel(int16_t no) {
        UFreData ch;
        ch.CHNo = no;
        ch.UsedFlag = 1;
        ch.RxFre = "014512500";
        ch.OffsetFre = "000000000";
        ch.CHName = FixStr<7>::NulText();
        return ch;
    }
    static void AddChannel(const UFreData& ch) { UFreList[CurData.CHCount++] = ch; }

    ProgramSandbox sandbox;
};
