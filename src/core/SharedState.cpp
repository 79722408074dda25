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

// ---- memory image ----
ImageBytes CommData{};
bool WriteDataOK = false;

// ---- language ----
int16_t LangIndex = 1;
std::string LangFilePath = "language/english.ini";

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

    // memory image
    CommData = {};
    WriteDataOK = false;

    // language
    LangIndex = 1;
    LangFilePath = "language/english.ini";
}
