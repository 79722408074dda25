#include "platform/ui/TextBox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>

#include "platform/ui/Controls.h"

namespace platform {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {}

TextBox::TextBox(QWidget* parent, std::string_view name, int index) : TextBox(parent) {
    SetControlName(this, name, index);
}

QString TextBox::ApplyRule(const QString& incoming) const {
    if (!rule_) return incoming;
    QString kept;
    for (QChar c : incoming)
        if (const auto k = rule_(c)) kept.append(*k);
    return kept;
}

QString TextBox::Admit(const QString& incoming) const {
    QString admitted = ApplyRule(incoming);
    if (limit_ > 0) {
        const qsizetype room = limit_ - (text().size() - selectedText().size());
        admitted.truncate(std::max<qsizetype>(room, 0));
    }
    return admitted;
}

void TextBox::InsertAdmitted(const QString& incoming) {
    if (isReadOnly()) return;
    const QString admitted = Admit(incoming);
    if (admitted.isEmpty()) return;
    insert(admitted);
    AfterAccepted(admitted);
}

void TextBox::AfterAccepted(const QString& accepted) {
    if (moveOnAfterChar_ && !accepted.isEmpty()) FocusNextControl(this);
}

void TextBox::PasteFiltered() { InsertAdmitted(QApplication::clipboard()->text()); }

void TextBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((enterMovesFocus_ || enterKept_) && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        if (enterMovesFocus_) FocusNextControl(this);
        event->accept();
        return;
    }
    if (swallowClipboardKeys_ && (event->modifiers() & Qt::ControlModifier) &&
        (key == Qt::Key_X || key == Qt::Key_C || key == Qt::Key_V)) {
        event->accept();
        return;
    }
    if (Filtering() && !isReadOnly()) {
        if (event->matches(QKeySequence::Paste)) {
            PasteFiltered();
            event->accept();
            return;
        }
        const QString typed = event->text();
        const bool printable =
            !typed.isEmpty() && std::all_of(typed.begin(), typed.end(), [](QChar c) {
                return c.unicode() >= 32 && c.unicode() != 127;
            });
        if (printable && !(event->modifiers() & Qt::ControlModifier)) {
            InsertAdmitted(typed);
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::inputMethodEvent(QInputMethodEvent* event) {
    if (!Filtering() || event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    const QString admitted = Admit(event->commitString());
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(admitted, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
    AfterAccepted(admitted);
}

void TextBox::dropEvent(QDropEvent* event) {
    if (!Filtering() || !event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    const QString dropped = event->mimeData()->text();
    // A drop inserts at the drop point without replacing the selection.
    QString admitted = ApplyRule(dropped);
    if (limit_ > 0 && event->source() != this)
        admitted.truncate(std::max<qsizetype>(limit_ - text().size(), 0));
    if (admitted == dropped) {
        QLineEdit::dropEvent(event);
        return;
    }
    if (admitted.isEmpty()) {
        event->ignore();
        return;
    }
    QMimeData mime;
    mime.setText(admitted);
    QDropEvent filtered(event->position(), event->possibleActions(), &mime, event->buttons(),
                        event->modifiers(), event->type());
    QLineEdit::dropEvent(&filtered);
    event->setDropAction(filtered.dropAction());
    event->setAccepted(filtered.isAccepted());
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    QClipboard* clipboard = QApplication::clipboard();
    if (Filtering() && event->button() == Qt::MiddleButton && clipboard->supportsSelection() &&
        !isReadOnly()) {
        deselect();
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
        InsertAdmitted(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TextBox::contextMenuEvent(QContextMenuEvent* event) {
    if (!Filtering()) {
        QLineEdit::contextMenuEvent(event);
        return;
    }
    QMenu* menu = createStandardContextMenu();
    const QString pasteCaption = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste") ||
            action->text().startsWith(pasteCaption)) {
            disconnect(action, &QAction::triggered, this, nullptr);
            connect(action, &QAction::triggered, this, &TextBox::PasteFiltered);
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void TextBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (IsFocusMoveInsideWindow(event)) emit LostFocus();
}

void TextBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (selectAllOnFocus_ && !text().isEmpty())
        // After the mouse press that brought the focus has placed the cursor.
        QTimer::singleShot(0, this, [this] { selectAll(); });
}

namespace rules {
std::optional<QChar> HexDigit(QChar c) {
    const char16_t u = c.unicode();
    if ((u >= '0' && u <= '9') || (u >= 'A' && u <= 'F')) return c;
    if (u >= 'a' && u <= 'f') return QChar(char16_t(u - 'a' + 'A'));
    return std::nullopt;
}
std::optional<QChar> Digit(QChar c) {
    if (c.unicode() >= '0' && c.unicode() <= '9') return c;
    return std::nullopt;
}
std::optional<QChar> PrintableAscii(QChar c) {
    if (c.unicode() >= 32 && c.unicode() <= 126) return c;
    return std::nullopt;
}
}  // namespace rules

bool IsFocusMoveInsideWindow(const QFocusEvent* event) {
    return event->reason() != Qt::ActiveWindowFocusReason &&
           event->reason() != Qt::PopupFocusReason;
}

}  // namespace platform
