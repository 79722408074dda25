#include "ScriptedPrinter.h"

#include <string>
#include <utility>

#include <gtest/gtest.h>

namespace {
const char* KindName(platform::PrinterDialogKind kind) {
    return kind == platform::PrinterDialogKind::SetUp ? "set-up" : "print";
}
}  // namespace

ScriptedPrinter::ScriptedPrinter() : install_(*this) {}

void ScriptedPrinter::expectDialog(platform::PrinterDialogKind kind, bool confirm) {
    script_.push_back({kind, confirm});
}

bool ScriptedPrinter::ShowDialog(platform::PrinterDialogKind kind) {
    shown_.push_back(kind);
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected " << KindName(kind) << " printer dialog";
        return false;
    }
    const Step step = script_.front();
    script_.pop_front();
    EXPECT_EQ(KindName(kind), std::string(KindName(step.kind))) << "variant of the printer dialog";
    return step.confirm;
}

std::unique_ptr<platform::ReportSurface> ScriptedPrinter::OpenDocument() {
    if (make_) return make_();
    auto surface = std::make_unique<platform::RecordingReportSurface>();
    if (failAt_ > 0) surface->FailAtLine(std::exchange(failAt_, 0));
    documents_.push_back(surface->Recording());
    return surface;
}

const platform::ReportRecording& ScriptedPrinter::lastDocument() const {
    static const platform::ReportRecording none;
    if (documents_.empty()) {
        ADD_FAILURE() << "no document was printed";
        return none;
    }
    return *documents_.back();
}
