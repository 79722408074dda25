#include "core/SharedState.h"

// ---- band plan ----
int16_t PCBand = 0;
std::array<std::string, 4> FreLimitText{};
std::array<double, 4> RxFreLow{};
std::array<double, 4> RxFreHigh{};
std::array<double, 4> TxFreLow{};
std::array<double, 4> TxFreHigh{};
OneBased<std::string, 6> HyperRangeText{};
OneBased<std::string, 6> HyperLow{};
OneBased<std::string, 6> HyperHigh{};

// ---- radio data ----
RadioData CurData{};
RadioData OldData{};
std::array<UFreData, kMaxChannels> UFreList{};
std::array<UFreData, kMaxChannels> OldUFreList{};
FunSetData TempFunSetData{};
EmbedInfoData EmbedInfo{};
std::string ModelName;
int16_t ScanEnable = 0;
int16_t AlertEnable = 0;
int16_t HelpEnable = 0;
int16_t InitDataMode = 0;
int16_t FactoryFresFlag = 0;
std::string DataFileName;
int16_t IsNewFile = 0;
std::string BookFileName;
double TVFreLow = 0;
double TVFreHigh = 0;

// ---- view state ----
int16_t CHListType = 0;
int16_t CurCHNo = 0;
int16_t GridEditRow = 0;
int16_t GridEditCol = 0;
std::array<int16_t, 2> TVEnterCell{};
std::array<int16_t, 3> GridCopyFlag{};
UFreData CHClipBoard{};
UFreData EditCHData{};
UFreData ShowCHData{};

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

// ---- memory image ----
std::array<uint8_t, 0x8000> CommData{};
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
    HyperRangeText = {};
    HyperLow = {};
    HyperHigh = {};

    // radio data
    CurData = {};
    OldData = {};
    UFreList = {};
    OldUFreList = {};
    TempFunSetData = {};
    EmbedInfo = {};
    ModelName.clear();
    ScanEnable = 0;
    AlertEnable = 0;
    HelpEnable = 0;
    InitDataMode = 0;
    FactoryFresFlag = 0;
    DataFileName.clear();
    IsNewFile = 0;
    BookFileName.clear();
    TVFreLow = 0;
    TVFreHigh = 0;

    // view state
    CHListType = 0;
    CurCHNo = 0;
    GridEditRow = 0;
    GridEditCol = 0;
    TVEnterCell = {};
    GridCopyFlag = {};
    CHClipBoard = {};
    EditCHData = {};
    ShowCHData = {};

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

    // memory image
    CommData = {};
    WriteDataOK = false;

    // language
    LangIndex = 1;
    LangFilePath = "language/english.ini";
}
