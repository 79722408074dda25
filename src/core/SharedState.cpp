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
int16_t CommPortNo = 0;
int32_t CommSendLen = 0;
int32_t CommAddr = 0;
int32_t ReadBlockSize = 16;
int32_t WriteBlockSize = 16;
std::string RadioModel;
int16_t RadioBand = 0;
std::string RadioVersion;
int16_t RadioVerNo = 0;
std::array<int16_t, 4> SettingFlag{};
int16_t RadioKilled = 0;
int16_t RadioStunned = 0;

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
    CommPortNo = 0;
    CommSendLen = 0;
    CommAddr = 0;
    // The block sizes never change; a zero would only make every reply test fail.
    ReadBlockSize = 16;
    WriteBlockSize = 16;
    RadioModel.clear();
    RadioBand = 0;
    RadioVersion.clear();
    RadioVerNo = 0;
    SettingFlag = {};
    RadioKilled = 0;
    RadioStunned = 0;

    // language
    LangIndex = 1;
    LangFilePath = "language/english.ini";
}
