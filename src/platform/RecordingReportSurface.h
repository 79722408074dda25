#pragma once
// A report surface that draws nothing and keeps every line it was given, with
// its page, position, size and weight: the report's tests read what was
// printed where. Its sheet and font measures are simple and
// fixed, so positions can be worked out by hand (see RecordingMetrics).
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ReportSurface.h"

namespace platform {

struct RecordingMetrics {
    // The sheet, in layout units (A4 in tenths of a millimetre).
    double width = 2100;
    double height = 2970;
    // A line is this many units high for every point of the font size, and a
    // character this many units wide (bold: times boldWidth).
    double lineHeightPerPoint = 4;
    double charWidthPerPoint = 1.5;
    double boldWidth = 1.25;
};

// One line drawn: its page (from 1), top left corner and font.
struct PrintedLine {
    int page = 0;
    double x = 0;
    double y = 0;
    ReportFont font;
    std::string text;
};

// What a recording surface was given; it outlives the surface, so a test can
// read a document after the report has let go of it.
struct ReportRecording {
    std::vector<PrintedLine> lines;
    // Pages sent at the end of the document; -1 while it has not ended.
    int pagesSent = -1;

    bool ended() const { return pagesSent >= 0; }
    // The lines of page `page`, in the order they were drawn.
    std::vector<PrintedLine> Page(int page) const;
    // The first line whose text is `text`, or nullptr.
    const PrintedLine* Find(std::string_view text) const;
};

class RecordingReportSurface : public ReportSurface {
public:
    explicit RecordingReportSurface(std::shared_ptr<ReportRecording> recording = std::make_shared<ReportRecording>(),
                                    RecordingMetrics metrics = {});

    const std::shared_ptr<ReportRecording>& Recording() const { return recording_; }
    // The line height of `font` on this surface.
    double LineHeightOf(const ReportFont& font) const { return LineHeight(font); }
    // The `count`-th line drawn from now on (1: the next one) throws, as a
    // printer that fails in the middle of a document.
    void FailAtLine(int count) { failAt_ = drawn_ + count; }

protected:
    double MeasureWidth(std::string_view text, const ReportFont& font) const override;
    double LineHeight(const ReportFont& font) const override;
    void DrawLine(int page, double x, double y, std::string_view text, const ReportFont& font) override;
    void Finish(int pages) override;

private:
    std::shared_ptr<ReportRecording> recording_;
    RecordingMetrics metrics_;
    int drawn_ = 0;
    int failAt_ = 0;
};

}  // namespace platform
