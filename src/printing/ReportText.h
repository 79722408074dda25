#pragma once
// The report's built-in texts: the print dialog's captions, the section
// titles and the page heading. Each entry has an English and a Chinese
// element; the report always shows the English one.
#include <array>
#include <string>

struct BilingualText {
    std::string english;
    std::string chinese;
    const std::string& shown() const { return english; }
};

struct ReportTextTable {
    BilingualText FileNameLabel;
    BilingualText SelectAll;
    BilingualText ClearAll;
    BilingualText SetUp;
    std::array<BilingualText, 9> Item;  // print items 0..8
    BilingualText ReportTitle;
    BilingualText OK;
    BilingualText Cancel;
    BilingualText ModelLabel;
    BilingualText EmptySelection;
    std::array<BilingualText, 2> OnOffText;  // a switch value 0 or 1
};

// The report's built-in texts; constant for the whole run.
const ReportTextTable& ReportText();
// Builds the report's text table ahead of its first use (start-up).
void InitPrintText();

// The shown text of a switch value: "OFF" for 0, "ON" for 1, empty otherwise.
std::string OnOffText(int value);
// What the report prints for a switch value: its on/off text, or the number
// itself for a value that has none (a greyed check box, a stored 2).
std::string SwitchText(int value);
