#pragma once
// A report on a recording surface, and the texts the tests look for on it.
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "FakeReportDialog.h"
#include "core/ChannelRecord.h"
#include "core/TextCodec.h"
#include "core/ToneCodec.h"
#include "platform/RecordingReportSurface.h"
#include "printing/ReportPage.h"

namespace platform {
inline void PrintTo(const ReportFont& f, std::ostream* os) { *os << f.points << (f.bold ? " pt bold" : " pt"); }
}  // namespace platform

struct RecordedReport {
    platform::RecordingReportSurface surface;
    Report report{surface};

    const platform::ReportRecording& recording() const { return *surface.Recording(); }
    // The texts of page `page`, in the order they were drawn.
    std::vector<std::string> Texts(int page) const {
        std::vector<std::string> texts;
        for (const auto& line : recording().Page(page)) texts.push_back(line.text);
        return texts;
    }
    std::vector<std::string> AllTexts() const {
        std::vector<std::string> texts;
        for (const auto& line : recording().lines) texts.push_back(line.text);
        return texts;
    }
    double X(double percent) const { return surface.ScaleWidth() * percent / 100; }
};

// The main window's tone lists as it fills them: the 51 tones and "User", and
// "000N".."777N".
inline std::vector<std::string> TestCTCSSItems() {
    std::vector<std::string> items(CTCSSTones.begin(), CTCSSTones.end());
    items.push_back("User");
    return items;
}
inline std::vector<std::string> TestDCSItems() {
    std::vector<std::string> items;
    for (int16_t d = 0; d < DCSCodeCount; ++d) items.push_back(IntToOct(d, 3) + "N");
    return items;
}

// A channel dialog as the channel pages read it: captions named after their
// controls, lists with short items.
inline std::unique_ptr<FakeReportDialog> FakeChannelDialog(int* alive = nullptr) {
    auto d = std::make_unique<FakeReportDialog>(alive);
    d->captions[{"Label1", 2}] = "Name";
    for (int i : {4, 5, 6, 7, 9, 10, 13, 16}) d->captions[{"Label2", i}] = "Label2(" + std::to_string(i) + ")";
    d->captions[{"Check1", -1}] = "TX Inhibit";
    d->captions[{"Check5", -1}] = "Compander";
    d->captions[{"Check4", 0}] = "Reverse";
    d->captions[{"Check4", 1}] = "Talk Around";
    d->lists[{"Combo2", -1}] = {"Same", "-", "+"};
    d->lists[{"Combo1", 0}] = {"2.5K", "5K", "6.25K", "10K", "12.5K", "15K", "20K", "25K", "30K", "50K"};
    d->lists[{"Combo1", 1}] = {"25KHz", "20KHz", "12.5KHz"};
    d->lists[{"Combo1", 2}] = {"Low", "Mid1", "Mid2", "High"};
    d->lists[{"Combo1", 6}] = {"Off", "1", "2", "3", "4", "5", "6", "7", "8", "9", "S1", "S2"};
    d->lists[{"Combo1", 7}] = {"Off", "Begin", "End", "Both"};
    d->lists[{"Combo1", 11}] = {"SQ0", "SQ1", "SQ2", "SQ3", "SQ4"};
    d->lists[{"Combo1", 13}] = {"Off", "Repeater", "Busy"};
    d->lists[{"Combo1", 16}] = {"Off", "Skip", "P Scan"};
    return d;
}

// A used channel at 145.125 MHz, everything else at its zero value.
inline UFreData PrintChannel(int16_t no) {
    UFreData ch;
    ch.CHNo = no;
    ch.UsedFlag = 1;
    ch.RxFre = "014512500";
    ch.OffsetFre = "000000000";
    ch.CHName = FixStr<7>::NulText();
    return ch;
}
