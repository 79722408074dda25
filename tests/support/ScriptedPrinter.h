#pragma once
// A printer whose dialog answers from a script and whose documents are
// recorded (platform::ReportRecording), or made by a factory the test gives
// (a PDF file). A printer dialog nobody expected fails the running test.
#include <deque>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "platform/Printer.h"
#include "platform/RecordingReportSurface.h"

class ScriptedPrinter : public platform::Printer {
public:
    ScriptedPrinter();  // installs itself until it ends

    // The next printer dialog must be of `kind`; it is confirmed, or
    // cancelled when `confirm` is false.
    void expectDialog(platform::PrinterDialogKind kind, bool confirm = true);

    // Documents from now on come from `make`; without one, recorded.
    void makeDocumentsWith(std::function<std::unique_ptr<platform::ReportSurface>()> make) {
        make_ = std::move(make);
    }
    // The recording behind the next recorded document fails at its
    // `count`-th line (see RecordingReportSurface::FailAtLine).
    void failNextDocumentAtLine(int count) { failAt_ = count; }

    bool allAnswered() const { return script_.empty(); }
    const std::vector<platform::PrinterDialogKind>& dialogsShown() const { return shown_; }
    // Every recorded document, oldest first.
    const std::vector<std::shared_ptr<platform::ReportRecording>>& documents() const { return documents_; }
    // The last recorded document; fails the test when there is none.
    const platform::ReportRecording& lastDocument() const;

    bool ShowDialog(platform::PrinterDialogKind kind) override;
    std::unique_ptr<platform::ReportSurface> OpenDocument() override;

private:
    struct Step {
        platform::PrinterDialogKind kind;
        bool confirm;
    };
    std::deque<Step> script_;
    std::vector<platform::PrinterDialogKind> shown_;
    std::vector<std::shared_ptr<platform::ReportRecording>> documents_;
    std::function<std::unique_ptr<platform::ReportSurface>()> make_;
    int failAt_ = 0;
    platform::ScopedPrinter install_;
};
