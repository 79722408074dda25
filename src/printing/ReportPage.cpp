#include "printing/ReportPage.h"

#include <cmath>
#include <utility>

#include <QDate>
#include <QLocale>
#include <QTime>

#include "core/SharedState.h"
#include "core/StartupState.h"
#include "platform/Clock.h"
#include "printing/ReportText.h"

namespace {

constexpr double kTitleTop = 2;
constexpr int kDateAt = 75;
constexpr int kHeaderLabelAt = 8;
constexpr int kHeaderValueAt = 25;
constexpr int kCaptionAt = 5;
constexpr std::string_view kNewLine = "\r\n";
// The columns of a double row: label, value, label, value.
constexpr int kLeftLabelAt = 10;
constexpr int kLeftValueAt = 35;
constexpr int kRightLabelAt = 55;
constexpr int kRightValueAt = 75;

// The long time format names the time zone ("t", in some locales inside
// brackets); the report's clock line never did. A day period written "B"
// (which Qt does not know) becomes Qt's AM/PM text. Quoted literal text keeps
// its letters.
QString TimeFormatWithoutZone(const QLocale& locale) {
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString out;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\'')) quoted = !quoted;
        if (quoted) out += c;
        else if (c == QLatin1Char('B')) out += QStringLiteral("AP");
        else if (c != QLatin1Char('t')) out += c;
    }
    out.remove(QStringLiteral("[]")).remove(QStringLiteral("()"));
    return out.simplified();
}

}  // namespace

std::string ReportDateTimeText(const QLocale& locale) {
    const platform::DateTime now = platform::Now();
    const QString date = locale.toString(QDate(now.year, now.month, now.day), QLocale::ShortFormat);
    const QString time = locale.toString(QTime(now.hour, now.minute, now.second), TimeFormatWithoutZone(locale));
    return (date + QStringLiteral("    ") + time).toStdString();
}

void Report::PrintTitle() {
    const std::string& title = ReportText().ReportTitle.shown();
    printer_.SetFontSize(kReportTitlePoints);
    printer_.SetFontBold(true);
    printer_.SetCurrentY(Y(kTitleTop));
    printer_.SetCurrentX((printer_.ScaleWidth() - printer_.TextWidth(title)) / 2);
    printer_.Print(title + std::string(kNewLine));
    printer_.SetFontSize(kReportPoints);
    printer_.SetCurrentX(X(kDateAt));
    printer_.Print(ReportDateTimeText(QLocale::system()) + std::string(kNewLine));
    PrintRow({{kHeaderLabelAt, ReportText().ModelLabel.shown()}, {kHeaderValueAt, GetModelName(RadioModel)}});
    PrintRow({{kHeaderLabelAt, ReportText().FileNameLabel.shown()},
              {kHeaderValueAt, DataFileName + std::string(kNewLine)}});
    printer_.SetFontBold(false);
}

void Report::PrintPage() {
    const std::string footer = "- " + std::to_string(printer_.Page()) + " -";
    printer_.SetCurrentX((printer_.ScaleWidth() - printer_.TextWidth(footer)) / 2);
    printer_.SetCurrentY(printer_.ScaleHeight() - printer_.ScaleHeight() * 3 / 100);
    printer_.Print(footer);
}

void Report::PrintCaption(std::string_view caption) {
    printer_.SetCurrentX(X(kCaptionAt));
    printer_.Print(std::string(caption) + std::string(kNewLine) + std::string(kNewLine));
}

ReportRow DoubleRow(std::string leftLabel, std::string leftValue, std::string rightLabel, std::string rightValue) {
    return {{kLeftLabelAt, std::move(leftLabel)},
            {kLeftValueAt, std::move(leftValue)},
            {kRightLabelAt, std::move(rightLabel)},
            {kRightValueAt, std::move(rightValue)}};
}

void Report::PrintGap() { printer_.Print(kNewLine); }

void Report::PrintSubHeading(int at, std::string_view text) { PrintRow({{at, std::string(text)}}); }

void Report::PrintRow(const ReportRow& row) {
    PrintY = static_cast<int32_t>(std::lround(printer_.CurrentY()));
    PrintOnSameRow(row);
}

void Report::PrintOnSameRow(const ReportRow& row) {
    for (const RowItem& item : row) {
        printer_.SetCurrentY(PrintY);
        printer_.SetCurrentX(X(item.at));
        printer_.Print(item.text);
    }
}

void Report::EndPage() {
    PrintPage();
    printer_.NewPage();
}

void Report::PrintSectionPage(std::string_view caption, const std::vector<ReportRow>& rows) {
    PrintTitle();
    PrintCaption(caption);
    for (const ReportRow& row : rows) PrintRow(row);
    EndPage();
}
