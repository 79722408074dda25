#include "core/SharedState.h"

// ---- band plan ----
int16_t PCBand = 0;
std::array<std::string, 4> FreLimitText{};
std::array<double, 4> RxFreLow{};
std::array<double, 4> RxFreHigh{};
std::array<double, 4> TxFreLow{};
std::array<double, 4> TxFreHigh{};
BasedArray<std::string, 6> HyperRangeText{};
BasedArray<std::string, 6> HyperLow{};
BasedArray<std::string, 6> HyperHigh{};

// ---- radio data ----
RadioData CurData{};
RadioData OldData{};
std::array<UFreData, kMaxChannels> UFreList{};
std::array<UFreData, kMaxChannels> OldUFreList{};
FunSetData TempFunSetData{};
SpecialTarget SpecialCallTarget = SpecialTarget::ListEntry;
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

// ---- start-up settings ----
bool FirstRunFlag = false;
int16_t CommHandshaking = 0;
int16_t CommStopBit = 0;
int16_t IsVista = 0;
int32_t UserLCID = 0;
std::string OldDecimalSep;
std::string HelpFileName;
std::array<uint8_t, 21> BatchFunFlag{};

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
std::string InputPassWord;
bool PassWordEntered = false;
SessionMode CommMode = SessionMode::Idle;
SessionState CommState = SessionState::Idle;
int32_t CommStartAddr = 0;
int32_t CommEndAddr = 0;
int16_t LinkRetry = 0;
int16_t IdentifyRetry = 0;
int16_t PassWordRetry = 0;
std::vector<int16_t> BlockRetry;
bool CommCancel = false;
bool FactoryLink = false;
int16_t SkipRangeCount = 0;
std::array<SkipRangeItem, kMaxSkipRanges> SkipRange{};
int16_t CommBlockDone = 0;
int16_t CommBlockTotal = 0;
int16_t CommProgress = 0;

// ---- memory image ----
std::array<uint8_t, 0x8000> CommData{};
bool WriteDataOK = false;

// ---- factory ----
bool TestDataEnable = false;
TestRecord TestData{};
TestRecord OldTestData{};
int32_t TestDataAddr = 0;
bool TestDataWritten = false;
std::string TedFileName;

// ---- language ----
int16_t LangIndex = 1;
std::string LangFileName = "english.ini";
std::string LangFilePath = "language/english.ini";
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
    SpecialCallTarget = SpecialTarget::ListEntry;
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

    // start-up settings
    FirstRunFlag = false;
    CommHandshaking = 0;
    CommStopBit = 0;
    IsVista = 0;
    UserLCID = 0;
    OldDecimalSep.clear();
    HelpFileName.clear();
    BatchFunFlag = {};

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
    InputPassWord.clear();
    PassWordEntered = false;
    CommMode = SessionMode::Idle;
    CommState = SessionState::Idle;
    CommStartAddr = 0;
    CommEndAddr = 0;
    LinkRetry = 0;
    IdentifyRetry = 0;
    PassWordRetry = 0;
    BlockRetry.clear();
    CommCancel = false;
    FactoryLink = false;
    SkipRangeCount = 0;
    SkipRange = {};
    CommBlockDone = 0;
    CommBlockTotal = 0;
    CommProgress = 0;

    // memory image
    CommData = {};
    WriteDataOK = false;

    // factory
    TestDataEnable = false;
    TestData = {};
    OldTestData = {};
    TestDataAddr = 0;
    TestDataWritten = false;
    TedFileName.clear();

    // language
    LangIndex = 1;
    LangFileName = "english.ini";
    LangFilePath = "language/english.ini";
    CloseText.clear();
    HelpText.clear();

    // grid column map
    MainShowCount = 0;
    MainShowData = {};
    MainShowCol = {};
}
