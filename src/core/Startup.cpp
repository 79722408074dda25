#include "core/Startup.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstddef>
#include <vector>

#include "core/BandPlan.h"
#include "core/SharedState.h"
#include "core/StartupState.h"
#include "platform/Locale.h"
#include "platform/ProfileString.h"
#include "platform/ProgramFolder.h"
#include "platform/SafeFile.h"

namespace {

constexpr std::string_view kSetupSection = "language";
constexpr std::size_t kSettingRecordSize = 8;

std::string SetupPath() { return platform::BesideProgram("language/mysetup.ini"); }
std::string SettingPath() { return platform::BesideProgram("Setting.ini"); }

std::string Trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return std::string(s);
}

int ReadSetupInt(std::string_view key) {
    const auto text = platform::ReadProfileString(kSetupSection, key, "", SetupPath());
    return ParseIniInt(text).value_or(0);
}

// The language: Chinese only for the system locale 0x0404.
void ChooseLanguage() {
    if (platform::SystemDefaultLocaleId() == static_cast<uint16_t>(platform::LocaleId::ChineseTaiwan)) {
        LangIndex = 2;
        LangFileName = "Tchinese.ini";
    } else {
        LangIndex = 1;
        LangFileName = "english.ini";
    }
    LangFilePath = "language/" + LangFileName;
}

void SetStartValues() {
    CurCHNo = 0;
    InputPassWord.clear();
    TVFreLow = 10.0;
    TVFreHigh = 999.0;
    RadioModel = "314KTR";
    ModelName = GetModelName(RadioModel);
    RadioVersion = "V200";
    CHListType = 0;
    PCBand = 0;
    SetBandByType(PCBand);
    CommSendLen = 0;
    ReadBlockSize = 16;
    WriteBlockSize = 16;
}

}  // namespace

std::optional<bool> ParseIniBool(std::string_view text) {
    const std::string t = Trimmed(text);
    if (t == "1" || t == "-1") return true;
    if (t == "0") return false;
    std::string lower;
    for (char c : t) lower.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    if (lower == "true") return true;
    if (lower == "false") return false;
    // Any other whole number counts as a boolean the usual way: non-zero is true.
    if (const auto n = ParseIniInt(t)) return *n != 0;
    return std::nullopt;
}

std::optional<int> ParseIniInt(std::string_view text) {
    const std::string t = Trimmed(text);
    if (t.empty()) return std::nullopt;
    const char* first = t.data();
    const char* last = t.data() + t.size();
    if (*first == '+') ++first;
    int value = 0;
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last) return std::nullopt;
    if (value < -32768 || value > 32767) return std::nullopt;
    return value;
}

void LoadSettingFile() {
    SettingFlag = {};
    const auto path = SettingPath();
    const platform::FileBytes data = platform::ReadFileHead(path, kSettingRecordSize);
    if (!data.ok() && data.problem->kind == platform::FileProblem::Kind::Missing) {
        platform::WriteFileAtomically(path, {});
        return;
    }
    if (!data.ok() || data.bytes.size() < kSettingRecordSize) return;  // reads as zeros
    for (std::size_t i = 0; i < SettingFlag.size(); ++i) {
        const uint8_t lo = data.bytes[2 * i];
        const uint8_t hi = data.bytes[2 * i + 1];
        SettingFlag[i] = static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
    }
}

bool SaveSettingFile() {
    std::array<uint8_t, kSettingRecordSize> record{};
    for (std::size_t i = 0; i < SettingFlag.size(); ++i) {
        const auto v = static_cast<uint16_t>(SettingFlag[i]);
        record[2 * i] = static_cast<uint8_t>(v & 0xFF);
        record[2 * i + 1] = static_cast<uint8_t>(v >> 8);
    }
    return !platform::WriteFileHead(SettingPath(), record);
}

void StartSharedState() {
    InitDataMode = 0;
    // The decimal separator is forced for this process only; nothing outside
    // it changes, so nothing needs restoring at exit.
    UserLCID = platform::SystemDefaultLocaleId();
    platform::ForceDecimalPoint();
    OldDecimalSep = ".";
    ChooseLanguage();
    SetStartValues();
    IsVista = 0;  // the one system version this flag stood for does not exist here
}

void ReadSetupFile() {
    const auto path = SetupPath();
    const auto firstRun = platform::ReadProfileString(kSetupSection, "IsFirstRun", "", path);
    FirstRunFlag = ParseIniBool(firstRun).value_or(false);
    (void)platform::ReadProfileString(kSetupSection, "Skin", "", path);  // read and ignored
    CommPortNo = static_cast<int16_t>(ReadSetupInt("comPort"));
    CommHandshaking = static_cast<int16_t>(ReadSetupInt("Handshaking"));
    CommStopBit = static_cast<int16_t>(ReadSetupInt("StopBit"));
    FactoryFresFlag = static_cast<int16_t>(ReadSetupInt("FactoryFres"));
}

void WriteBackSetupFile() {
    const auto path = SetupPath();
    if (FirstRunFlag) platform::WriteProfileString(kSetupSection, "IsFirstRun", "0", path);
    platform::WriteProfileString(kSetupSection, "comPort", std::to_string(CommPortNo), path);
}

void ChooseHelpFile() {
    if (HelpEnable != 0)
        HelpFileName = platform::BesideProgram(LangIndex == 2 ? "KQ_314C.chm" : "KQ_314E.chm");
}
