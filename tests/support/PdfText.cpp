#include "PdfText.h"

#include <gtest/gtest.h>

#include <optional>

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace {

// The output of pdftotext with `options`, or nothing after a failure.
std::optional<QString> PdfToText(const std::string& path, const QStringList& options) {
    QProcess tool;
    tool.start("pdftotext", options + QStringList{QString::fromStdString(path), "-"});
    if (!tool.waitForFinished(30000) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext could not read " << path << " (is poppler-utils installed?): "
                      << tool.readAllStandardError().toStdString();
        return std::nullopt;
    }
    return QString::fromUtf8(tool.readAllStandardOutput());
}

QString Unescape(QString text) {
    return text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&amp;", "&");
}

}  // namespace

const PdfWord* PdfContent::Find(const std::string& text) const {
    for (const PdfWord& w : words)
        if (w.text == text) return &w;
    return nullptr;
}

PdfContent ReadPdf(const std::string& path) {
    PdfContent content;
    const auto text = PdfToText(path, {"-layout"});
    const auto boxes = PdfToText(path, {"-bbox"});
    if (!text || !boxes) return content;
    QStringList pages = text->split('\f');
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) pages.removeLast();
    for (const QString& page : pages) content.pages.push_back(page.toStdString());

    static const QRegularExpression pageTag(R"re(<page width="([\d.]+)" height="([\d.]+)">)re");
    static const QRegularExpression wordTag(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    int page = 0;
    for (const QString& line : boxes->split('\n')) {
        if (const auto m = pageTag.match(line); m.hasMatch()) {
            if (++page == 1) content.pageWidth = m.captured(1).toDouble(), content.pageHeight = m.captured(2).toDouble();
        } else if (const auto w = wordTag.match(line); w.hasMatch()) {
            content.words.push_back({page, w.captured(1).toDouble(), w.captured(2).toDouble(), w.captured(3).toDouble(),
                                     w.captured(4).toDouble(), Unescape(w.captured(5)).toStdString()});
        }
    }
    return content;
}
