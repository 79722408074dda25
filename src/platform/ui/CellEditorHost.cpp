#include "platform/ui/CellEditorHost.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"

namespace platform {

CellEditorHost::CellEditorHost(Grid& grid) : QObject(&grid), grid_(grid) {}

void CellEditorHost::Add(int id, QWidget* editor) {
    editor->hide();
    editors_.emplace_back(id, editor);
    byEditor_[editor] = id;
    editor->installEventFilter(this);
    WatchDropDown(editor);
}

// A list makes its drop-down when it is first needed, and making it costs:
// it is looked for, never asked for, here and whenever the list has readied a
// child of its to show (eventFilter), which comes before the drop-down can
// take a key.
void CellEditorHost::WatchDropDown(const QObject* list) {
    if (!qobject_cast<const QComboBox*>(list)) return;
    auto* view = list->findChild<QAbstractItemView*>();
    const auto editor = byEditor_.find(list);
    if (!view || editor == byEditor_.end() || byList_.count(view)) return;
    byList_[view] = editor->second;
    view->installEventFilter(this);
}

QWidget* CellEditorHost::Editor(int id) const {
    for (const auto& [key, editor] : editors_)
        if (key == id) return editor;
    return nullptr;
}

int CellEditorHost::Open() const {
    for (const auto& [id, editor] : editors_)
        if (IsShown(editor)) return id;
    return kNone;
}

void CellEditorHost::SetKeys(KeyHandler onEditor, KeyHandler onOpenList) {
    onEditor_ = std::move(onEditor);
    onOpenList_ = std::move(onOpenList);
}

QWidget* CellEditorHost::PlaceOver(int id, int row, int col) {
    QWidget* editor = Editor(id);
    if (!editor) return nullptr;
    const QRect cell = grid_.CellRect(row, col);
    // Through the window, so that grid and editor may sit in different
    // containers of it.
    QWidget* window = grid_.window();
    const QPoint at = editor->parentWidget()->mapFrom(window, grid_.mapTo(window, cell.topLeft()));
    const int height = qobject_cast<QLineEdit*>(editor) ? cell.height() : editor->sizeHint().height();
    editor->setGeometry(at.x(), at.y(), cell.width(), height);
    editor->show();
    editor->raise();
    return editor;
}

QWidget* CellEditorHost::PlaceInstead(int id, int from) {
    QWidget* editor = Editor(id);
    QWidget* old = Editor(from);
    if (!editor || !old) return editor;
    old->hide();
    editor->setGeometry(old->x(), old->y(), old->width(),
                        qobject_cast<QLineEdit*>(editor) ? old->height() : editor->sizeHint().height());
    editor->show();
    editor->raise();
    return editor;
}

void CellEditorHost::Drop() {
    for (const auto& [id, editor] : editors_) editor->hide();
}

void CellEditorHost::CommitOrDrop(const std::function<bool()>& commit) {
    if (!commit()) Drop();
}

bool CellEditorHost::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ChildPolished) WatchDropDown(watched);
    if (event->type() != QEvent::KeyPress) return false;
    auto& key = static_cast<QKeyEvent&>(*event);
    if (const auto list = byList_.find(watched); list != byList_.end())
        return onOpenList_ && onOpenList_(list->second, key);
    const auto editor = byEditor_.find(watched);
    return editor != byEditor_.end() && onEditor_ && onEditor_(editor->second, key);
}

}  // namespace platform
