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

// FrmDTMF as its load leaves it: every caption and value named after its
// control, "Label3(5)" beside "Combo1(5)".
inline std::unique_ptr<FakeReportDialog> FakeDTMFDialog(int* alive = nullptr) {
    auto d = std::make_unique<FakeReportDialog>(alive);
    d->caption = "DTMF";
    for (int i = 0; i <= 12; ++i) {
        d->captions[{"Label3", i}] = "Label3(" + std::to_string(i) + ")";
        d->texts[{"Combo1", i}] = "Combo1(" + std::to_string(i) + ")";
    }
    for (int i = 0; i <= 19; ++i) {
        d->captions[{"Label1", i}] = i < 16 ? "M" + std::to_string(i + 1) : "Label1(" + std::to_string(i) + ")";
        d->texts[{"Text2", i}] = "Text2(" + std::to_string(i) + ")";
    }
    d->texts[{"Text3", -1}] = "123";
    d->captions[{"Check1", -1}] = "Side Tone";
    d->checks[{"Check1", -1}] = 1;
    return d;
}

// FrmAlert as its load leaves it.
inline std::unique_ptr<FakeReportDialog> FakeAlertDialog(int* alive = nullptr) {
    auto d = std::make_unique<FakeReportDialog>(alive);
    d->caption = "Alert";
    for (int i = 0; i <= 9; ++i) {
        d->captions[{"Label1", i}] = "Label1(" + std::to_string(i) + ")";
        d->texts[{"Combo1", i}] = "Combo1(" + std::to_string(i) + ")";
    }
    d->captions[{"Frame1", -1}] = "Lone Worker";
    d->captions[{"Check1", -1}] = "Auto Detect";
    d->checks[{"Check1", -1}] = 0;
    for (int j = 0; j <= 1; ++j) {
        d->captions[{"Label2", j}] = "Label2(" + std::to_string(j) + ")";
        d->texts[{"Combo2", j}] = "Combo2(" + std::to_string(j) + ")";
    }
    return d;
}

// Frm2Tone as its load leaves it, with no call in use; UseTwoToneCall puts
// call `number` (0..23) into its grid.
inline std::unique_ptr<FakeReportDialog> FakeTwoToneDialog(int* alive = nullptr) {
    auto d = std::make_unique<FakeReportDialog>(alive);
    d->caption = "2Tone";
    d->captions[{"SSTab1", 0}] = "Encode";
    d->captions[{"SSTab1", 1}] = "Decode";
    for (int i = 0; i <= 4; ++i) {
        d->captions[{"Label1", i}] = "Label1(" + std::to_string(i) + ")";
        d->texts[{"Combo1", i}] = "Combo1(" + std::to_string(i) + ")";
    }
    for (int j = 0; j <= 1; ++j) {
        d->captions[{"Label2", j}] = "Label2(" + std::to_string(j) + ")";
        d->texts[{"Combo2", j}] = "Combo2(" + std::to_string(j) + ")";
    }
    for (int j = 0; j <= 3; ++j) {
        d->captions[{"Label3", j}] = std::string(1, static_cast<char>('A' + j)) + " Tone";
        d->texts[{"Text2", j}] = "Text2(" + std::to_string(j) + ")";
    }
    d->captions[{"Check1", -1}] = "Side Tone";
    d->checks[{"Check1", -1}] = 0;
    auto& grid = d->grids["MSHFlexGrid1"];
    grid.push_back({"No.", "Tone 1", "Tone 2", "Name"});
    for (int r = 1; r <= 24; ++r) grid.push_back({std::to_string(r - 1), "", "", ""});
    return d;
}
inline void UseTwoToneCall(FakeReportDialog& d, int number, std::string tone2 = "928.1") {
    d.grids["MSHFlexGrid1"][static_cast<std::size_t>(number + 1)] = {std::to_string(number), "321.7", std::move(tone2),
                                                                      "C" + std::to_string(number)};
}

// Frm5Tone as its load leaves it: the title row of its grid, the 8 functions,
// the two-item response list a first decode code of function 1 leaves, and
// the 16 standards.
inline std::unique_ptr<FakeReportDialog> FakeFiveToneDialog(int* alive = nullptr) {
    auto d = std::make_unique<FakeReportDialog>(alive);
    d->caption = "5Tone Settings";
    for (int i = 0; i <= 12; ++i) {
        d->captions[{"Label1", i}] = "Label1(" + std::to_string(i) + ")";
        d->texts[{"Combo1", i}] = "Combo1(" + std::to_string(i) + ")";
    }
    d->texts[{"Text2", -1}] = "12345";
    d->captions[{"Check1", -1}] = "Side Tone";
    d->checks[{"Check1", -1}] = 1;
    d->captions[{"Label3", -1}] = "Decode Code";
    for (int i = 0; i <= 3; ++i) d->captions[{"Label4", i}] = "Label4(" + std::to_string(i) + ")";
    d->lists[{"Combo7", 0}] = {"F0", "F1", "F2", "F3", "F4", "F5", "F6", "F7"};
    d->lists[{"Combo7", 1}] = {"R0", "R1"};
    std::vector<std::string> standards;
    for (int i = 0; i < 16; ++i) standards.push_back("S" + std::to_string(i));
    d->lists[{"Combo2", -1}] = standards;
    for (int k = 0; k <= 1; ++k) {
        d->captions[{"Frame1", k}] = k == 0 ? "PTT-ID Begin" : "PTT-ID End";
        d->texts[{"Text4", k}] = "Text4(" + std::to_string(k) + ")";
        d->texts[{"Combo4", k}] = "Combo4(" + std::to_string(k) + ")";
        d->texts[{"Combo5", k}] = "Combo5(" + std::to_string(k) + ")";
    }
    d->grids["MSHFlexGrid1"] = {{"No.", "Kind", "Code", "Standard", "Period", "Name"}};
    return d;
}
