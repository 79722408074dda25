#include "platform/ui/ControlText.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QWidget>

#include "platform/TextConvert.h"

namespace platform {

std::string CaptionOf(const QObject* control) {
    if (auto* label = qobject_cast<const QLabel*>(control)) return Utf8(label->text());
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) return Utf8(button->text());
    if (auto* frame = qobject_cast<const QGroupBox*>(control)) return Utf8(frame->title());
    if (auto* widget = qobject_cast<const QWidget*>(control); widget && widget->isWindow())
        return Utf8(widget->windowTitle());
    return {};
}

std::string ShownTextOf(const QObject* control) {
    if (auto* box = qobject_cast<const QLineEdit*>(control)) return Utf8(box->text());
    if (auto* text = qobject_cast<const QTextEdit*>(control)) return Utf8(text->toPlainText());
    if (auto* list = qobject_cast<const QComboBox*>(control)) return Utf8(list->currentText());
    return {};
}

}  // namespace platform
