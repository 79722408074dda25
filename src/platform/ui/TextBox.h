#pragma once
// A one-line text box with the per-box rules of the dialogs:
// - a character rule: every character that arrives (typed, pasted by key,
//   Shift+Insert, the context menu or the middle button, dropped, or
//   committed by an input method) passes through it and is kept, replaced
//   (a-f to A-F) or refused;
// - a typing limit: what the user adds never makes the text longer than the
//   limit, while the program's setText is never cut;
// - optionally: Ctrl+X, Ctrl+C and Ctrl+V swallowed, the whole text selected
//   when the box gets the focus, Enter (Return or keypad Enter) moving the
//   focus to the next control, or Enter kept by the box and doing nothing
//   (so that a form's Enter-as-Tab passes it over), the focus moving on by
//   itself once a character was accepted (the one-character boxes);
// - LostFocus, raised when the focus leaves the box for another control of
//   its window, not when a message box or another window takes it (a rule
//   that shows a message when the box is left would otherwise loop).
// A box with no rule and no limit behaves as a plain QLineEdit.
#include <functional>
#include <optional>
#include <string_view>

#include <QLineEdit>

namespace platform {

class TextBox : public QLineEdit {
    Q_OBJECT
public:
    // The character to keep in place of `c`, or nullopt to refuse it.
    using CharRule = std::function<std::optional<QChar>(QChar c)>;

    explicit TextBox(QWidget* parent = nullptr);
    TextBox(QWidget* parent, std::string_view name, int index = -1);

    void SetCharRule(CharRule rule) { rule_ = std::move(rule); }
    // 0: no limit.
    void SetTypingLimit(int chars) { limit_ = chars; }
    int TypingLimit() const { return limit_; }
    void SetSwallowClipboardKeys(bool on) { swallowClipboardKeys_ = on; }
    void SetSelectAllOnFocus(bool on) { selectAllOnFocus_ = on; }
    void SetEnterMovesFocus(bool on) { enterMovesFocus_ = on; }
    void SetEnterKept(bool on) { enterKept_ = on; }
    void SetMoveOnAfterChar(bool on) { moveOnAfterChar_ = on; }

    // What of `incoming` the box would take at the cursor now: each character
    // through the rule, then cut to the room the limit leaves (the selection
    // counts as room, as it is replaced).
    QString Admit(const QString& incoming) const;
    // Inserts the admitted part of `incoming` at the cursor, replacing the
    // selection; what all the insertion paths end in.
    void InsertAdmitted(const QString& incoming);
    // Paste from the clipboard through the rule.
    void PasteFiltered();

signals:
    void LostFocus();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QString ApplyRule(const QString& incoming) const;
    bool Filtering() const { return rule_ || limit_ > 0 || moveOnAfterChar_; }
    // Moves the focus on when the box asks for it after `accepted` came in.
    void AfterAccepted(const QString& accepted);

    CharRule rule_;
    int limit_ = 0;
    bool swallowClipboardKeys_ = false;
    bool selectAllOnFocus_ = false;
    bool enterMovesFocus_ = false;
    bool enterKept_ = false;
    bool moveOnAfterChar_ = false;
};

// Character rules the dialogs share.
namespace rules {
// 0-9, A-F; a-f become A-F.
std::optional<QChar> HexDigit(QChar c);
// 0-9 only.
std::optional<QChar> Digit(QChar c);
// Printable ASCII (32..126) only.
std::optional<QChar> PrintableAscii(QChar c);
}  // namespace rules

// True when a focus change stays inside the window: a message box or a
// sub-dialog taking the focus is not a move, so validating on it would loop.
bool IsFocusMoveInsideWindow(const QFocusEvent* event);

}  // namespace platform
