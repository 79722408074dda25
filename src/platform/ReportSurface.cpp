#include "platform/ReportSurface.h"

#include <stdexcept>

namespace platform {

void ReportSurface::CheckOpen() const {
    if (ended_) throw std::logic_error("the report document has already ended");
}

void ReportSurface::SetFontSize(double points) {
    CheckOpen();
    if (!(points > 0)) throw std::invalid_argument("a font size must be above 0 points");
    font_.points = points;
}

void ReportSurface::SetFontBold(bool bold) {
    CheckOpen();
    font_.bold = bold;
}

double ReportSurface::TextWidth(std::string_view text) const { return MeasureWidth(text, font_); }

void ReportSurface::Print(std::string_view text) {
    CheckOpen();
    const double lineHeight = LineHeight(font_);
    while (true) {
        const auto end = text.find("\r\n");
        const std::string_view line = text.substr(0, end);
        if (!line.empty()) {
            DrawLine(page_, x_, y_, line, font_);
            lastPageWithText_ = page_;
        }
        x_ = 0;
        y_ += lineHeight;
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 2);
    }
}

void ReportSurface::NewPage() {
    CheckOpen();
    ++page_;
    x_ = 0;
    y_ = 0;
}

void ReportSurface::EndDoc() {
    CheckOpen();
    Finish(lastPageWithText_);
    ended_ = true;
}

}  // namespace platform
