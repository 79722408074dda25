// The printed report: every section the program can load, with all 758
// channels and all 100 five-tone codes in use, from the printer dialog to a
// finished PDF file on A4 (the target: under one second), and the channel
// pages alone on a surface that draws nothing.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>

#include <QApplication>
#include <QDir>
#include <QPrinter>

#include "app/ui/ProgramReportSources.h"
#include "core/BandPlan.h"
#include "core/Defaults.h"
#include "core/HyperRange.h"
#include "core/SharedState.h"
#include "platform/Printer.h"
#include "platform/ProgramFolder.h"
#include "platform/RecordingReportSurface.h"
#include "platform/ui/PrinterReportSurface.h"
#include "printing/ChannelPages.h"
#include "printing/PrintData.h"

namespace {

// The language files the build lays beside the program, one folder up.
std::string BuildFolder() {
    return std::filesystem::path(platform::ExecutableFolder()).parent_path().string();
}

// A printer whose dialog is always confirmed and whose documents are PDF
// files.
class PdfPrinter : public platform::Printer {
public:
    explicit PdfPrinter(const QString& path) { platform::SetPdfOutput(printer_, path); }
    bool ShowDialog(platform::PrinterDialogKind) override { return true; }
    std::unique_ptr<platform::ReportSurface> OpenDocument() override {
        return std::make_unique<platform::PrinterReportSurface>(printer_);
    }

private:
    QPrinter printer_{QPrinter::HighResolution};
};

void FullData() {
    SetBandByType(0);
    InitHyperRange();
    InitRadioData();
    InitEmbedInfo();
    ModelName = "KQ-314";
    RadioModel = "314KTR";
    DataFileName = "new.dat";
    CurData.CHCount = kMaxChannels;
    for (int i = 0; i < kMaxChannels; ++i) {
        UFreData& ch = UFreList[static_cast<std::size_t>(i)];
        ch.CHNo = static_cast<int16_t>(kMaxChannels - i);  // the table is unordered
        ch.UsedFlag = 1;
        ch.RxFre = "014512500";
        ch.OffsetFre = "000600000";
        ch.CHName = FixStr<7>::Of("CH");
        ch.De_CTC_Type = 1;
        ch.En_CTC_Type = 2;
    }
    for (int n = 1; n <= 100; ++n) {
        Tone5Code& code = CurData.FunSet.Tone5.Tone5List[n];
        code.Code = FixStr<40>::Of("12345");
        code.CodeLen = 5;
        code.TonePeriod = 70;
        code.Name = FixStr<7>::Of("FT");
    }
}

void BM_EverySectionToPdf(benchmark::State& state) {
    FullData();
    const QString pdf = QDir::temp().filePath("kq314-bench-report.pdf");
    PdfPrinter printer(pdf);
    platform::ScopedPrinter use(printer);
    const ReportSources sources = ProgramReportSources(nullptr);
    PrintSelect.fill(1);
    for (auto _ : state) {
        const PrintResult result = PrintData(sources, platform::PrinterDialogKind::Print);
        if (result.outcome != PrintOutcome::Printed) state.SkipWithError(result.failure.c_str());
    }
    QFile::remove(pdf);
}
BENCHMARK(BM_EverySectionToPdf)->Unit(benchmark::kMillisecond);

void BM_ChannelPagesRecorded(benchmark::State& state) {
    FullData();
    const ReportSources sources = ProgramReportSources(nullptr);
    for (auto _ : state) {
        platform::RecordingReportSurface surface;
        Report report(surface);
        Prt_UHFChannel(report, sources);
        surface.EndDoc();
        benchmark::DoNotOptimize(surface.Recording()->lines.size());
    }
}
BENCHMARK(BM_ChannelPagesRecorded)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    platform::ScopedProgramFolder folder(BuildFolder());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
