#include "platform/ui/QtFileDialogs.h"

#include <QApplication>
#include <QFileDialog>

#include "platform/TextConvert.h"

namespace platform {
namespace {

std::optional<std::string> Chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return Utf8(path);
}

}  // namespace

std::optional<std::string> QtFileDialogs::OpenFile(const FileDialogRequest& request) {
    return Chosen(QFileDialog::getOpenFileName(QApplication::activeWindow(), QText(request.title),
                                               QText(request.initialName), QText(QtFilterOf(request.filter))));
}

std::optional<std::string> QtFileDialogs::SaveFile(const FileDialogRequest& request) {
    const QFileDialog::Options options =
        request.confirmOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite;
    return Chosen(QFileDialog::getSaveFileName(QApplication::activeWindow(), QText(request.title),
                                               QText(request.initialName), QText(QtFilterOf(request.filter)),
                                               nullptr, options));
}

}  // namespace platform
