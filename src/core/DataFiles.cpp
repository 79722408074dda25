#include "core/DataFiles.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <new>
#include <variant>

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
#include "platform/save/SaveRecovery.h"
#include "platform/save/StagedFiles.h"

namespace {

using platform::FileProblem;

constexpr std::string_view kFileError = "file error.";
constexpr std::string_view kVersionText = "V200";
constexpr int16_t kUnknownLengthText = 9065;
// The band plan every model falls back to.
constexpr std::string_view kFallbackInitFile = "Init/314KTR_0.dat";
// The longest record of a data file: a file that says it holds one is read
// only that far, since a save overwrites a longer file and keeps its tail.
constexpr std::size_t kDatRecordLimit = kDatSizeV200;

// "file error." with a second line naming the file and why.
std::string FileErrorText(const FileProblem& problem) { return std::string(kFileError) + "\n" + problem.Text(); }
void ShowFileError(const FileProblem& problem) { platform::MsgBox(FileErrorText(problem), platform::Buttons::Ok); }

FileProblem Problem(const std::string& path, std::string reason) {
    return {FileProblem::Kind::Failed, path, std::move(reason)};
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
std::optional<Companions> CompanionsOf(const std::string& datPath, FileProblem& problem) {
    Companions c;
    const auto fre = CompanionPath(datPath, "fre");
    if (!fre || *fre == datPath) {
        problem = Problem(datPath, "The name leaves no name for its channel file");
        return std::nullopt;
    }
    c.fre = *fre;
    if (FactoryDataActive()) {
        c.ted = FactoryHooks().companionPath ? FactoryHooks().companionPath(datPath) : CompanionPath(datPath, "ted");
        if (!c.ted || *c.ted == datPath) {
            problem = Problem(datPath, "The name leaves no name for its test-data file");
            return std::nullopt;
        }
    }
    return c;
}

// Every file of the set, the data file first: a message about the whole set
// names the file the user chose.
std::vector<std::string> SetFiles(const std::string& datPath, const Companions& companions) {
    std::vector<std::string> files{datPath, companions.fre};
    if (companions.ted) files.push_back(*companions.ted);
    return files;
}

// The channels of a channel file; nothing (and why) when it cannot be read
// or holds fewer than `count`.
std::optional<std::vector<UFreData>> ReadChannels(const std::string& frePath, int16_t count, FileProblem& problem) {
    // Records past the count are left over from a longer list, and a file of
    // any length costs no more than the records wanted.
    const std::size_t wanted = static_cast<std::size_t>(std::clamp<int16_t>(count, 0, kMaxChannels));
    platform::FileBytes fre = platform::ReadFileHead(frePath, wanted * UFreData::kPackedSize);
    if (!fre.ok()) {
        problem = *fre.problem;
        return std::nullopt;
    }
    auto channels = UnpackFreFile(fre.bytes, count);
    if (!channels)
        problem = Problem(frePath, "Holds " + std::to_string(fre.bytes.size() / UFreData::kPackedSize) + " of the " +
                                       std::to_string(count) + " channel records");
    return channels;
}

// Reads the channels and the test data that belong to `record`.
std::optional<LoadedData> ReadCompanions(const Companions& companions, RadioData record, FileProblem& problem) {
    LoadedData loaded{std::move(record), {}};
    if (loaded.record.CHCount > 0) {
        auto channels = ReadChannels(companions.fre, loaded.record.CHCount, problem);
        if (!channels) return std::nullopt;
        loaded.channels = std::move(*channels);
    }
    if (companions.ted) {
        // The record is the file's first bytes; a longer file keeps the rest.
        platform::FileBytes ted = platform::ReadFileHead(*companions.ted, kTestDataSize);
        if (!ted.ok() && ted.problem->kind != FileProblem::Kind::Missing) {
            problem = *ted.problem;
            return std::nullopt;
        }
        std::optional<std::span<const uint8_t>> tedBytes;
        if (ted.ok()) tedBytes = std::span<const uint8_t>(ted.bytes);
        if (!FactoryHooks().parse || !FactoryHooks().parse(tedBytes)) {
            problem = Problem(*companions.ted,
                              "Shorter than its " + std::to_string(kTestDataSize) + "-byte record");
            return std::nullopt;
        }
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
    const platform::FileBytes bytes = platform::ReadFileHead(path, kDatRecordLimit);
    if (!bytes.ok()) return std::nullopt;
    auto record = UnpackDatFile(bytes.bytes, DatLayout::V200, CurData);
    if (!record) return std::nullopt;
    record->Band = PCBand;
    FileProblem ignored;
    const auto companions = CompanionsOf(path, ignored);
    if (!companions) return std::nullopt;
    return ReadCompanions(*companions, std::move(*record), ignored);
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
    std::filesystem::path path{std::string(datPath)};
    if (!path.has_filename()) return std::nullopt;
    path.replace_extension(extension);
    return path.string();
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

bool WriteFreFile(const std::string& named, int16_t count) {
    const std::string datPath = platform::ResolvedPath(named);
    const auto fre = CompanionPath(datPath, "fre");
    if (!fre || *fre == datPath || count < 0 || count > kMaxChannels) return false;
    const auto bytes = PackFreFile(std::span<const UFreData>(OldUFreList).first(static_cast<std::size_t>(count)));
    // Records past `count` keep what they held.
    platform::StagedFiles files;
    return files.StageHead(*fre, bytes) && files.Commit();
}

bool ReadFreFile(const std::string& named, int16_t count) {
    const std::string datPath = platform::ResolvedPath(named);
    const auto fre = CompanionPath(datPath, "fre");
    if (!fre || *fre == datPath) return false;
    FileProblem ignored;
    const auto channels = ReadChannels(*fre, count, ignored);
    if (!channels) return false;
    std::copy(channels->begin(), channels->end(), OldUFreList.begin());
    return true;
}

void NewDataFile() {
    NewRadioData();
    MainView().ReShowListByData();
}

namespace {

// The save itself; a problem leaves every old file in place. The set stands
// beside the file the name resolves to, so a data file reached through a
// link keeps its companions beside it. Each file is written from its start
// and keeps what a longer old file holds past the new bytes.
std::optional<FileProblem> SaveFiles(const std::string& named) {
    const std::string path = platform::ResolvedPath(named);
    FileProblem problem;
    const auto companions = CompanionsOf(path, problem);
    if (!companions) return problem;
    RadioData record = CurData;
    record.Band = PCBand;
    record.Version = kVersionText;
    const auto count = static_cast<std::size_t>(std::clamp<int16_t>(record.CHCount, 0, kMaxChannels));
    record.CHCount = static_cast<int16_t>(count);
    if (companions->ted && !FactoryHooks().pack) return Problem(*companions->ted, "No test data to write");

    platform::StagedFiles files;
    const std::vector<std::string> set = SetFiles(path, *companions);
    bool written = files.Reserve(set) &&
                   files.StageHead(companions->fre, PackFreFile(std::span<const UFreData>(UFreList).first(count)));
    if (written && companions->ted) written = files.StageHead(*companions->ted, FactoryHooks().pack());
    written = written && files.StageHead(path, PackDatFile(record)) && files.Commit();
    if (!written) return files.Problem().value_or(Problem(path, "Not written"));
    return std::nullopt;
}

// Reads the set of a data file as it stands; the caller holds it steady.
std::variant<LoadedData, std::string> ReadHeldSet(const std::string& path, const Companions& companions) {
    // One byte past the longest record tells a file of unknown length.
    const platform::FileBytes bytes = platform::ReadFileHead(path, kDatRecordLimit + 1);
    if (!bytes.ok()) return FileErrorText(*bytes.problem);
    const auto detected = DetectVersion(bytes.bytes);
    if (!detected) return GetLangText(kUnknownLengthText);
    if (!detected->layout) return "File Version Error!\r\nFile Version Is " + detected->version;
    const std::size_t size = DatSize(*detected->layout);
    if (bytes.bytes.size() < size)
        return FileErrorText(Problem(path, "Shorter than its " + std::to_string(size) + "-byte record"));
    // An older layout is read over the saved copy: what it lacks keeps the
    // saved copy's values.
    auto record = UnpackDatFile(bytes.bytes, *detected->layout, OldData);
    if (!record) return FileErrorText(Problem(path, "Its channel count lies outside 0 to " + std::to_string(kMaxChannels)));
    ConvertFileVersion(detected->version, *record);
    FileProblem problem;
    auto loaded = ReadCompanions(companions, std::move(*record), problem);
    if (!loaded) return FileErrorText(problem);
    return std::move(*loaded);
}

// Reads the set of a data file while no save changes it, and says nothing:
// the loaded configuration, or the message that refuses it (shown once the
// files are let go, so a message left open keeps no other program waiting).
std::variant<LoadedData, std::string> ReadSet(const std::string& path) {
    FileProblem problem;
    const auto companions = CompanionsOf(path, problem);
    if (!companions) return FileErrorText(problem);
    // A save of the set that was cut short is finished first, and a set a
    // save changed while it was read is read again, so the files read are
    // one whole set.
    auto read = platform::ReadSteadily(SetFiles(path, *companions), [&] { return ReadHeldSet(path, *companions); });
    if (const auto* refused = std::get_if<FileProblem>(&read)) return FileErrorText(*refused);
    return std::move(std::get<0>(read));
}

// The load itself; nothing of the program's data changes unless it succeeds.
bool LoadFiles(const std::string& named) {
    auto read = ReadSet(platform::ResolvedPath(named));
    if (const auto* refused = std::get_if<std::string>(&read)) {
        platform::MsgBox(*refused, platform::Buttons::Ok);
        return false;
    }
    CommitLoaded(std::get<LoadedData>(read));
    DataFileName = named;
    IsNewFile = 0;
    MainView().ReShowListByData();
    return true;
}

}  // namespace

bool WriteDatFile() {
    const std::string path = DataFileName;
    std::optional<FileProblem> problem;
    try {
        problem = SaveFiles(path);
    } catch (const std::bad_alloc&) {
        problem = Problem(path, "Not enough memory");
    }
    if (problem) {
        ShowFileError(*problem);
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
    try {
        return LoadFiles(path);
    } catch (const std::bad_alloc&) {
        ShowFileError(Problem(path, "Not enough memory"));
        return false;
    }
}

void LoadInitFile() {
    const auto own = ModelInitFile();
    if (own && platform::FileExists(*own)) LoadInitDatFile(*own);
    else LoadDefaultInitFile(platform::BesideProgram(kFallbackInitFile));
}
