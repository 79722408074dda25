#include "link/TestData.h"

#include <algorithm>
#include <vector>

#include "core/DataFiles.h"
#include "core/FactoryDataHooks.h"
#include "core/TextCodec.h"
#include "link/FactorySteps.h"
#include "link/Session.h"
#include "platform/ProgramFolder.h"
#include "platform/SafeFile.h"

namespace {

// What the last data-file load found in its .ted file, kept aside until the
// whole load has succeeded.
struct ParsedTed {
    std::string path;                  // the .ted file of the data file in hand
    std::optional<TestRecord> record;  // nothing: the data file has no .ted
};
ParsedTed& Parsed() {
    static ParsedTed parsed;
    return parsed;
}

}  // namespace

bool IsFactoryMarker(std::span<const uint8_t> fileBytes) {
    const auto head = fileBytes.first(std::min(fileBytes.size(), kMarkerLength));
    const std::string text(head.begin(), head.end());
    return TrimFixStr(text) == kFactoryMarkerText;
}

void InitTestData() {
    TestData = {};
    OldTestData = TestData;
    TestDataEnable = false;
    InstallTestDataHooks();
    const std::string path = platform::BesideProgram(kMarkerFileName);
    if (!platform::FileExists(path)) return;
    const platform::FileBytes head = platform::ReadFileHead(path, kMarkerLength);
    TestDataEnable = head.ok() && IsFactoryMarker(head.bytes);
}

void InstallTestDataHooks() {
    SetFactorySteps(FactorySteps());
    FactoryDataHooks& h = FactoryHooks();
    h.enabled = [] { return TestDataEnable; };
    h.saveOld = [] { OldTestData = TestData; };
    h.loadOld = [] { TestData = OldTestData; };
    h.same = [] { return TestData == OldTestData; };
    h.companionPath = [](std::string_view datPath) {
        auto path = TedCompanionPath(datPath);
        Parsed() = {path.value_or(""), std::nullopt};
        return path;
    };
    h.pack = [] { return std::vector<uint8_t>(TestData.begin(), TestData.end()); };
    h.parse = [](std::optional<std::span<const uint8_t>> bytes) {
        Parsed().record.reset();
        if (!bytes) return true;  // no .ted: the saved record stays
        const auto record = UnpackTedFile(*bytes);
        if (!record) return false;
        Parsed().record = *record;
        return true;
    };
    h.commitParsed = [] {
        if (Parsed().record) {
            OldTestData = *Parsed().record;
            TedFileName = Parsed().path;
        }
        Parsed() = {};
    };
}

void ResetTestDataLoad() { Parsed() = {}; }

std::optional<std::string> TedCompanionPath(std::string_view datPath) { return CompanionPath(datPath, "ted"); }

std::optional<TestRecord> UnpackTedFile(std::span<const uint8_t> bytes) {
    if (bytes.size() < kTestDataSize) return std::nullopt;
    TestRecord record{};
    std::copy_n(bytes.begin(), kTestDataSize, record.begin());
    return record;
}

TedReadResult ReadTedFile(const std::string& path, TestRecord& record) {
    if (!platform::FileExists(path)) return TedReadResult::Missing;
    // The record is the file's first bytes; a longer file keeps the rest.
    const platform::FileBytes bytes = platform::ReadFileHead(path, kTestDataSize);
    if (!bytes.ok()) return TedReadResult::Unreadable;
    const auto read = UnpackTedFile(bytes.bytes);
    if (!read) return TedReadResult::TooShort;
    record = *read;
    TedFileName = path;
    return TedReadResult::Read;
}

bool WriteTedFile(const std::string& path, const TestRecord& record) {
    // Written from the file's start: a longer file keeps its bytes after the record.
    if (platform::WriteFileHead(path, record)) return false;
    TedFileName = path;
    return true;
}
