#include "core/DataFiles.h"

#include <algorithm>
#include <cctype>

#include "core/ChannelRecord.h"
#include "core/Defaults.h"
#include "core/FactoryDataHooks.h"
#include "core/LangText.h"
#include "core/MainWindowHooks.h"
#include "core/SavedCopy.h"
#include "core/SharedState.h"
#include "core/StartupState.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"
#include "platform/SafeFile.h"
#include "platform/StagedFiles.h"

namespace {

constexpr std::string_view kFileError = "file error.";
constexpr std::string_view kVersionText = "V200";
constexpr int16_t kUnknownLengthText = 9065;
// The band plan every model falls back to.
constexpr std::string_view kFallbackInitFile = "Init/314KTR_0.dat";

void ShowFileError() { platform::MsgBox(kFileError, platform::Buttons::Ok); }

std::optional<std::vector<uint8_t>> ReadBytes(const std::string& path) {
    if (!platform::FileExists(path)) return std::nullopt;
    auto data = platform::ReadWholeFile(path);
    if (!data) return std::nullopt;
    std::vector<uint8_t> bytes(data->size());
    std::transform(data->begin(), data->end(), bytes.begin(),
                   [](std::byte b) { return static_cast<uint8_t>(b); });
    return bytes;
}

// A configuration read from its files, not yet the program's.
struct LoadedData {
    RadioData record;
    std::vector<UFreData> channels;
};

// The companions of `datPath` the program uses now; nothing when one of
// them would be the data file itself.
struct Companions {
    std::string fre;
    std::optional<std::string> ted;  // in factory mode
};
std::optional<Companions> CompanionsOf(const std::string& datPath) {
    Companions c;
    const auto fre = CompanionPath(datPath, "fre");
    if (!fre || *fre == datPath) return std::nullopt;
    c.fre = *fre;
    if (FactoryDataActive()) {
        c.ted = FactoryHooks().companionPath ? FactoryHooks().companionPath(datPath) : CompanionPath(datPath, "ted");
        if (!c.ted || *c.ted == datPath) return std::nullopt;
    }
    return c;
}

// Reads the channels and the test data that belong to `record`.
std::optional<LoadedData> ReadCompanions(const std::string& datPath, RadioData record) {
    const auto companions = CompanionsOf(datPath);
    if (!companions) return std::nullopt;
    LoadedData loaded{std::move(record), {}};
    if (loaded.record.CHCount > 0) {
        const auto fre = ReadBytes(companions->fre);
        if (!fre) return std::nullopt;
        auto channels = UnpackFreFile(*fre, loaded.record.CHCount);
        if (!channels) return std::nullopt;
        loaded.channels = std::move(*channels);
    }
    if (companions->ted) {
        const auto ted = ReadBytes(*companions->ted);
        std::optional<std::span<const uint8_t>> tedBytes;
        if (ted) tedBytes = std::span<const uint8_t>(*ted);
        if (!FactoryHooks().parse || !FactoryHooks().parse(tedBytes)) return std::nullopt;
    }
    return loaded;
}

// The loaded configuration becomes the saved copy, then the working copy.
void CommitLoaded(const LoadedData& loaded) {
    OldData = loaded.record;
    std::copy(loaded.channels.begin(), loaded.channels.end(), OldUFreList.begin());
    if (FactoryDataActive() && FactoryHooks().commitParsed) FactoryHooks().commitParsed();
    LoadOldRadioData();
}

// The layout of a data file: by its version text, else by its length.
struct Detected {
    std::string version;
    std::optional<DatLayout> layout;
};
std::optional<Detected> DetectVersion(std::span<const uint8_t> bytes) {
    if (bytes.size() >= 4) {
        const std::string head(bytes.begin(), bytes.begin() + 4);
        if (IsVersionText(head)) {
            if (head == "V200") return Detected{head, DatLayout::V200};
            if (head == "V101") return Detected{head, DatLayout::V101};
            if (head == "V100") return Detected{head, DatLayout::V100};
            return Detected{head, std::nullopt};
        }
    }
    if (bytes.size() == kDatSizeV101) return Detected{"V101", DatLayout::V101};
    if (bytes.size() == kDatSizeV100) return Detected{"V100", DatLayout::V100};
    return std::nullopt;
}

// The hyper rows 7..12 a new configuration starts with (they come from the
// defaults, which work on the working copy).
std::array<HyperData, 2> DefaultUpperRows() {
    const std::array<HyperData, 2> kept = CurData.Hyper;
    InitHyperUpperCH();
    std::array<HyperData, 2> rows = CurData.Hyper;
    CurData.Hyper = kept;
    return rows;
}

bool IsSafeModelCode(std::string_view code) {
    return !code.empty() && std::all_of(code.begin(), code.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-';
    });
}

std::optional<std::string> ModelInitFile() {
    if (!IsSafeModelCode(RadioModel)) return std::nullopt;
    return platform::BesideProgram("Init/" + RadioModel + "_" + std::to_string(PCBand) + ".dat");
}

// A default data file: the V200 layout without a version test, over the
// defaults just built.
std::optional<LoadedData> ReadInitFiles(const std::string& path) {
    const auto bytes = ReadBytes(path);
    if (!bytes) return std::nullopt;
    auto record = UnpackDatFile(*bytes, DatLayout::V200, CurData);
    if (!record) return std::nullopt;
    record->Band = PCBand;
    return ReadCompanions(path, std::move(*record));
}

// Only channels 1 to 4 of a default file stand in a new configuration,
// unless the whole file is wanted.
void KeepFirstChannels(LoadedData& loaded) {
    if (FactoryFresFlag != 0 || InitDataMode != 0) return;
    std::erase_if(loaded.channels, [](const UFreData& ch) { return ch.CHNo > 4; });
    loaded.record.CHCount = static_cast<int16_t>(loaded.channels.size());
}

void LoadInitDatFile(const std::string& path) {
    auto loaded = ReadInitFiles(path);
    if (!loaded) {
        SaveOldRadioData();
        return;
    }
    KeepFirstChannels(*loaded);
    CommitLoaded(*loaded);
}

void LoadDefaultInitFile(const std::string& path) {
    const auto loaded = ReadInitFiles(path);
    if (!loaded) {
        SaveOldRadioData();
        return;
    }
    CommitLoaded(*loaded);
    // Another model's channels do not fit this one: it starts from channel 1.
    CurData.CHCount = 0;
    AddDefaultCH();
    SaveOldRadioData();
}

}  // namespace

std::optional<std::string> CompanionPath(std::string_view datPath, std::string_view extension) {
    if (datPath.size() < 3) return std::nullopt;
    std::string path(datPath.substr(0, datPath.size() - 3));
    path += extension;
    return path;
}

std::string WithDatExtension(std::string_view path) {
    std::string lower(path.size() >= 4 ? path.substr(path.size() - 4) : path);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::string result(path);
    if (lower != ".dat") result += ".dat";
    return result;
}

std::vector<uint8_t> PackDatFile(const RadioData& record) {
    std::vector<uint8_t> out;
    out.reserve(kDatSizeV200);
    ByteWriter w(out);
    Pack(w, record, DatLayout::V200);
    return out;
}

std::vector<uint8_t> PackFreFile(std::span<const UFreData> channels) {
    std::vector<uint8_t> out;
    out.reserve(channels.size() * UFreData::kPackedSize);
    ByteWriter w(out);
    for (const UFreData& ch : channels) Pack(w, ch);
    return out;
}

std::optional<RadioData> UnpackDatFile(std::span<const uint8_t> bytes, DatLayout layout,
                                       const RadioData& base) {
    if (bytes.size() < DatSize(layout)) return std::nullopt;
    RadioData record = base;
    ByteReader r(bytes);
    Unpack(r, record, layout);
    if (record.CHCount < 0 || record.CHCount > kMaxChannels) return std::nullopt;
    return record;
}

std::optional<std::vector<UFreData>> UnpackFreFile(std::span<const uint8_t> bytes, int16_t count) {
    if (count < 0 || count > kMaxChannels) return std::nullopt;
    const auto n = static_cast<std::size_t>(count);
    if (bytes.size() / UFreData::kPackedSize < n) return std::nullopt;
    std::vector<UFreData> channels(n);
    ByteReader r(bytes);
    for (UFreData& ch : channels) Unpack(r, ch);
    return channels;
}

void ConvertFileVersion(std::string_view version, RadioData& record) {
    if (version != "V101" && version != "V100") return;
    record.Version = kVersionText;
    if (version == "V100") {
        const std::array<HyperData, 2> defaults = DefaultUpperRows();
        for (std::size_t b = 0; b < record.Hyper.size(); ++b) record.Hyper[b].HCH = defaults[b].HCH;
    }
}

bool WriteFreFile(const std::string& datPath, int16_t count) {
    const auto fre = CompanionPath(datPath, "fre");
    if (!fre || *fre == datPath || count < 0 || count > kMaxChannels) return false;
    const auto bytes = PackFreFile(std::span<const UFreData>(OldUFreList).first(static_cast<std::size_t>(count)));
    platform::StagedFiles files;
    return files.Stage(*fre, bytes) && files.Commit();
}

bool ReadFreFile(const std::string& datPath, int16_t count) {
    const auto fre = CompanionPath(datPath, "fre");
    if (!fre || *fre == datPath) return false;
    const auto bytes = ReadBytes(*fre);
    if (!bytes) return false;
    const auto channels = UnpackFreFile(*bytes, count);
    if (!channels) return false;
    std::copy(channels->begin(), channels->end(), OldUFreList.begin());
    return true;
}

void NewDataFile() {
    NewRadioData();
    MainView().ReShowListByData();
}

bool WriteDatFile() {
    const std::string path = DataFileName;
    const auto companions = CompanionsOf(path);
    if (!companions) {
        ShowFileError();
        return false;
    }
    RadioData record = CurData;
    record.Band = PCBand;
    record.Version = kVersionText;
    const auto count = static_cast<std::size_t>(std::clamp<int16_t>(record.CHCount, 0, kMaxChannels));
    record.CHCount = static_cast<int16_t>(count);

    // The companions go into place before the data file, so a save cut short
    // never leaves a new data file beside old channels.
    platform::StagedFiles files;
    bool written = files.Stage(companions->fre, PackFreFile(std::span<const UFreData>(UFreList).first(count)));
    if (written && companions->ted)
        written = FactoryHooks().pack && files.Stage(*companions->ted, FactoryHooks().pack());
    written = written && files.Stage(path, PackDatFile(record)) && files.Commit();
    if (!written) {
        ShowFileError();
        return false;
    }
    CurData.Version = kVersionText;
    SaveOldRadioData();
    IsNewFile = 0;
    MainView().ShowMainTxt();
    return true;
}

bool ReadDatFile() { return ReadDatFile(DataFileName); }

bool ReadDatFile(const std::string& path) {
    const auto bytes = ReadBytes(path);
    if (!bytes) {
        ShowFileError();
        return false;
    }
    const auto detected = DetectVersion(*bytes);
    if (!detected) {
        platform::MsgBox(GetLangText(kUnknownLengthText), platform::Buttons::Ok);
        return false;
    }
    if (!detected->layout) {
        platform::MsgBox("File Version Error!\r\nFile Version Is " + detected->version, platform::Buttons::Ok);
        return false;
    }
    // An older layout is read over the saved copy: what it lacks keeps the
    // saved copy's values.
    auto record = UnpackDatFile(*bytes, *detected->layout, OldData);
    std::optional<LoadedData> loaded;
    if (record) {
        ConvertFileVersion(detected->version, *record);
        loaded = ReadCompanions(path, std::move(*record));
    }
    if (!loaded) {
        ShowFileError();
        return false;
    }
    CommitLoaded(*loaded);
    DataFileName = path;
    IsNewFile = 0;
    MainView().ReShowListByData();
    return true;
}

void LoadInitFile() {
    const auto own = ModelInitFile();
    if (own && platform::FileExists(*own)) LoadInitDatFile(*own);
    else LoadDefaultInitFile(platform::BesideProgram(kFallbackInitFile));
}
