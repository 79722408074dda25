#pragma once
// A sandboxed program with the band table (and hyper ranges) of a plan set
// up, as start-up and a data load do.
#include <gtest/gtest.h>

#include "ProgramSandbox.h"
#include "core/BandPlan.h"
#include "core/HyperRange.h"
#include "core/SharedState.h"

inline void UsePlan(int16_t plan) {
    PCBand = plan;
    SetBandByType(plan);
    InitHyperRange();
}

class BandPlanTest : public ::testing::Test {
protected:
    void SetUp() override { UsePlan(0); }

    ProgramSandbox sandbox;
};

inline Fre MHz(const char* text) { return ReadFre(text).value(); }
