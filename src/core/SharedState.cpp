#include "core/SharedState.h"

// ---- band plan ----
int16_t PCBand = 0;
std::array<std::string, 4> FreLimitText{};
std::array<double, 4> RxFreLow{};
std::array<double, 4> RxFreHigh{};
std::array<double, 4> TxFreLow{};
std::array<double, 4> TxFreHigh{};

// ---- radio data ----

// ---- view state ----

// ---- link state ----

// ---- language ----
int16_t LangIndex = 1;
std::string LangFilePath = "language/english.ini";

// ---- grid column map ----
int16_t MainShowCount = 0;
std::array<int16_t, kMaxShowPairs> MainShowData{};
std::array<int16_t, kMaxShowPairs> MainShowCol{};

void ResetSharedState() {
    // band plan
    PCBand = 0;
    FreLimitText = {};
    RxFreLow = {};
    RxFreHigh = {};
    TxFreLow = {};
    TxFreHigh = {};

    // radio data

    // view state

    // link state

    // language
    LangIndex = 1;
    LangFilePath = "language/english.ini";

    // grid column map
    MainShowCount = 0;
    MainShowData = {};
    MainShowCol = {};
}
