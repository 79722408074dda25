#pragma once
// What a PDF file holds, read back with poppler's pdftotext: the text of each
// page and where its words stand (in points from the page's top left
// corner).
#include <string>
#include <vector>

struct PdfWord {
    int page = 0;  // from 1
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    std::string text;
};

struct PdfContent {
    std::vector<std::string> pages;  // the text of each page
    std::vector<PdfWord> words;
    double pageWidth = 0;  // of the first page, points
    double pageHeight = 0;
    // The first word `text`, or nullptr.
    const PdfWord* Find(const std::string& text) const;
};

// Reads `path`; fails the running test (and gives nothing) when pdftotext is
// missing or cannot read the file.
PdfContent ReadPdf(const std::string& path);
