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
std::string RadioModel;
std::string RadioVersion;
std::string ModelName;
int32_t ReadBlockSize = 0;
int32_t WriteBlockSize = 0;
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

// ---- language ----
int16_t LangIndex = 1;
std::string LangFileName = "english.ini";
std::string LangFilePath = "language/english.ini";
MsgTextTable MsgText{};
std::string CloseText;
std::string HelpText;

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
    RadioModel.clear();
    RadioVersion.clear();
    ModelName.clear();
    ReadBlockSize = 0;
    WriteBlockSize = 0;
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

    // language
    LangIndex = 1;
    LangFileName = "english.ini";
    LangFilePath = "language/english.ini";
    MsgText = {};
    CloseText.clear();
    HelpText.clear();

    // grid column map
    MainShowCount = 0;
    MainShowData = {};
    MainShowCol = {};
}
