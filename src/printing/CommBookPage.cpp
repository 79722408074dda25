#include "printing/CommBookPage.h"

#include <array>
#include <string>
#include <utility>

#include "core/LangText.h"
#include "core/SharedState.h"
#include "platform/TextConvert.h"
#include "printing/ReportText.h"

namespace {

struct ColumnGroup {
    int number;
    int callId;
    int name;
};
constexpr std::array<ColumnGroup, 3> kGroups = {{{10, 18, 28}, {38, 46, 56}, {66, 74, 84}}};
constexpr int kRowsPerGroup = 50;
constexpr int kNumberHeading = 3007;
// The print item whose text heads the page.
constexpr std::size_t kBookItem = 7;

}  // namespace

std::vector<ReportRow> CommBookRows() {
    std::vector<ReportRow> rows;
    ReportRow heading;
    const std::string number = GetLangText(kNumberHeading);
    for (const ColumnGroup& g : kGroups) {
        heading.push_back({g.number, number});
        heading.push_back({g.callId, "Call ID"});
        heading.push_back({g.name, "Name"});
    }
    rows.push_back(std::move(heading));
    for (int r = 0; r < kRowsPerGroup; ++r) {
        ReportRow row;
        for (int g = 0; g < 2; ++g) {
            const int position = r + g * kRowsPerGroup;
            const CommuBookItem& entry = CurData.CommuBook[static_cast<std::size_t>(position)];
            const ColumnGroup& columns = kGroups[static_cast<std::size_t>(g)];
            row.push_back({columns.number, std::to_string(position)});
            row.push_back({columns.callId, platform::BytesToUtf8(entry.CallID.value())});
            row.push_back({columns.name, platform::BytesToUtf8(entry.Name.value())});
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void Prt_CommBook(Report& report) { report.PrintSectionPage(ReportText().Item[kBookItem].shown(), CommBookRows()); }
