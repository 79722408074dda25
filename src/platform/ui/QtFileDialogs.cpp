#include "platform/ui/QtFileDialogs.h"

#include <QApplication>
#include <QFileDialog>

namespace platform {
namespace {

QString Text(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

std::optional<std::string> Chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

}  // namespace

std::optional<std::string> QtFileDialogs::OpenFile(const FileDialogRequest& request) {
    return Chosen(QFileDialog::getOpenFileName(QApplication::activeWindow(), Text(request.title),
                                               Text(request.initialName), Text(QtFilterOf(request.filter))));
}

std::optional<std::string> QtFileDialogs::SaveFile(const FileDialogRequest& request) {
    const QFileDialog::Options options =
        request.confirmOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite;
    return Chosen(QFileDialog::getSaveFileName(QApplication::activeWindow(), Text(request.title),
                                               Text(request.initialName), Text(QtFilterOf(request.filter)),
                                               nullptr, options));
}

}  // namespace platform
