#include "platform/ui/MessageBoxPrompts.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/TextConvert.h"

namespace platform {
namespace {

QMessageBox::StandardButtons ToQt(Buttons b) {
    switch (b) {
        case Buttons::Ok: return QMessageBox::Ok;
        case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case Buttons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
        case Buttons::AbortRetryIgnore:
            return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon ToQt(Icon i) {
    switch (i) {
        case Icon::None: return QMessageBox::NoIcon;
        case Icon::Critical: return QMessageBox::Critical;
        case Icon::Question: return QMessageBox::Question;
        case Icon::Exclamation: return QMessageBox::Warning;
        case Icon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

Answer FromQt(int b) {
    switch (b) {
        case QMessageBox::Ok: return Answer::Ok;
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Retry: return Answer::Retry;
        case QMessageBox::Abort: return Answer::Abort;
        case QMessageBox::Ignore: return Answer::Ignore;
        default: return Answer::Cancel;
    }
}

}  // namespace

Answer MessageBoxPrompts::Ask(const Prompt& prompt) {
    QMessageBox box(ToQt(prompt.icon), QText(prompt.title.empty() ? AppTitle() : prompt.title),
                    QText(prompt.text), ToQt(prompt.buttons),
                    QApplication::activeWindow());
    const int pressed = box.exec();
    // Closing the box with its window button is the Cancel (or only) button.
    if (pressed == QMessageBox::Cancel || pressed == 0) {
        if (prompt.buttons == Buttons::Ok) return Answer::Ok;
        if (prompt.buttons == Buttons::YesNo) return Answer::No;
    }
    return FromQt(pressed);
}

}  // namespace platform
