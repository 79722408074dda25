#include "platform/RecordingReportSurface.h"

#include <stdexcept>
#include <utility>

#include <QString>

namespace platform {

std::vector<PrintedLine> ReportRecording::Page(int page) const {
    std::vector<PrintedLine> out;
    for (const PrintedLine& line : lines)
        if (line.page == page) out.push_back(line);
    return out;
}

const PrintedLine* ReportRecording::Find(std::string_view text) const {
    for (const PrintedLine& line : lines)
        if (line.text == text) return &line;
    return nullptr;
}

RecordingReportSurface::RecordingReportSurface(std::shared_ptr<ReportRecording> recording, RecordingMetrics metrics)
    : ReportSurface(metrics.width, metrics.height), recording_(std::move(recording)), metrics_(metrics) {}

double RecordingReportSurface::MeasureWidth(std::string_view text, const ReportFont& font) const {
    // Characters, not bytes: a Chinese caption is as wide as its characters.
    const auto chars = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).size();
    return static_cast<double>(chars) * font.points * metrics_.charWidthPerPoint * (font.bold ? metrics_.boldWidth : 1.0);
}

double RecordingReportSurface::LineHeight(const ReportFont& font) const {
    return font.points * metrics_.lineHeightPerPoint;
}

void RecordingReportSurface::DrawLine(int page, double x, double y, std::string_view text, const ReportFont& font) {
    if (failAt_ > 0 && drawn_ + 1 == failAt_) throw std::runtime_error("the printer stopped responding");
    ++drawn_;
    recording_->lines.push_back({page, x, y, font, std::string(text)});
}

void RecordingReportSurface::Finish(int pages) { recording_->pagesSent = pages; }

}  // namespace platform
