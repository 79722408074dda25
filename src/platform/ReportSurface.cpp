#include "platform/ReportSurface.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace platform {

namespace {

// Names and texts come from the radio byte for byte, and a byte below 0x20
// or from 0x7F to 0x9F is a control character to the printer: each one is
// drawn as a blank, everything else as it stands.
std::string ControlsAsBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (b < 0x20 || b == 0x7F) {
            out += ' ';
        } else if (b == 0xC2 && next >= 0x80 && next <= 0x9F) {
            // U+0080..U+009F, two bytes in UTF-8.
            out += ' ';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Runs f on each line of `text` that Print draws, as it draws it.
template <class F>
void EachDrawnLine(std::string_view text, F&& f) {
    while (true) {
        const auto end = text.find("\r\n");
        f(ControlsAsBlanks(text.substr(0, end)));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 2);
    }
}

}  // namespace

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

// A title is centred by its width: it is the width of the widest line as it
// is drawn, so a control character counts as the blank it becomes.
double ReportSurface::TextWidth(std::string_view text) const {
    double widest = 0;
    EachDrawnLine(text, [&](const std::string& line) { widest = std::max(widest, MeasureWidth(line, font_)); });
    return widest;
}

void ReportSurface::Print(std::string_view text) {
    CheckOpen();
    const double lineHeight = LineHeight(font_);
    EachDrawnLine(text, [&](const std::string& line) {
        if (!line.empty()) {
            DrawLine(page_, x_, y_, line, font_);
            lastPageWithText_ = page_;
        }
        x_ = 0;
        y_ += lineHeight;
    });
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
