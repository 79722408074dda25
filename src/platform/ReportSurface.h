#pragma once
// The page the printed report is written on: a print position, a font of a
// size and a weight, lines of text, pages and the end of the document.
//
// Positions are in the surface's own layout units, measured from the top left
// corner of the whole sheet, x to the right and y downwards. Printing a line
// draws it with its top left corner at the position; then x goes back to 0
// and y moves down one line height of the current font. A CR LF pair inside
// the text ends a line in the same way, so "t\r\n" leaves one empty line
// after t. Any other control character (C0, DEL or C1) is drawn as a blank.
//
// New pages are taken lazily: a new page that no text follows (the one a
// section ends with, just before the end of the document) adds no empty
// sheet. The page number counts every new page all the same.
//
// Every operation throws on a printer failure; a document that is not ended
// is never sent, whatever it holds.
#include <string>
#include <string_view>

namespace platform {

struct ReportFont {
    double points = 10;
    bool bold = false;
    bool operator==(const ReportFont&) const = default;
};

class ReportSurface {
public:
    virtual ~ReportSurface() = default;
    ReportSurface(const ReportSurface&) = delete;
    ReportSurface& operator=(const ReportSurface&) = delete;

    void SetFontSize(double points);
    void SetFontBold(bool bold);
    const ReportFont& Font() const { return font_; }

    double CurrentX() const { return x_; }
    double CurrentY() const { return y_; }
    void SetCurrentX(double x) { x_ = x; }
    void SetCurrentY(double y) { y_ = y; }

    // The width of `text` (UTF-8) in the current font as Print draws it: its
    // widest line, control characters as blanks.
    double TextWidth(std::string_view text) const;
    // Prints `text` (UTF-8) as lines from the print position; see above.
    void Print(std::string_view text);
    // Ends the page; the next text goes on a new page from (0, 0).
    void NewPage();
    // Ends the document and sends it. Nothing may follow.
    void EndDoc();

    // The sheet's width and height in layout units.
    double ScaleWidth() const { return width_; }
    double ScaleHeight() const { return height_; }
    // The number of the page being printed, from 1.
    int Page() const { return page_; }

protected:
    ReportSurface(double width, double height) : width_(width), height_(height) {}

    virtual double MeasureWidth(std::string_view text, const ReportFont& font) const = 0;
    virtual double LineHeight(const ReportFont& font) const = 0;
    // One line of text with its top left corner at (x, y) on page `page`
    // (from 1); pages come in rising order.
    virtual void DrawLine(int page, double x, double y, std::string_view text, const ReportFont& font) = 0;
    // The document is complete with `pages` pages (the last page that holds
    // text); pages without text before it are sent empty.
    virtual void Finish(int pages) = 0;

private:
    void CheckOpen() const;

    double width_;
    double height_;
    ReportFont font_;
    double x_ = 0;
    double y_ = 0;
    int page_ = 1;
    int lastPageWithText_ = 0;
    bool ended_ = false;
};

}  // namespace platform
