#pragma once
// The floating editors of a grid: controls of the dialog (text boxes,
// lists) that lie hidden until a cell is edited, and are then placed exactly
// over it. The host knows them by an id of the dialog's choice and does what
// every such dialog does alike: places an editor over a cell or in another's
// place, tells which one is open, hands the keys typed into an editor (or
// into a list's dropped-down view) to the dialog before the control sees
// them, and commits or drops a pending edit. What opens over which cell,
// what a key does and what a commit stores are the dialog's own rules.
//
//   host.Add(kText3, Ctl<TextBox>(this, "Text3"));
//   host.SetKeys([this](int editor, QKeyEvent& key) { return EditorKey(editor, key); });
//   auto* box = host.PlaceOver(kText3, grid.Row(), grid.Col());
#include <functional>
#include <map>
#include <vector>

#include <QObject>

class QKeyEvent;
class QComboBox;
class QWidget;

namespace platform {

class Grid;

class CellEditorHost : public QObject {
public:
    // The editors are controls of the window `grid` is on (in any of its
    // containers).
    explicit CellEditorHost(Grid& grid);

    static constexpr int kNone = -1;

    // Adds an editor (hidden). A list's dropped-down view is watched too,
    // from when the list makes it (when first needed).
    void Add(int id, QWidget* editor);
    QWidget* Editor(int id) const;
    // The first shown editor in the order they were added; kNone when none.
    int Open() const;

    // A key typed into an editor, or into a list's dropped-down view, goes to
    // the handler first; true: the handler used it and the control never
    // sees it.
    using KeyHandler = std::function<bool(int id, QKeyEvent& key)>;
    void SetKeys(KeyHandler onEditor, KeyHandler onOpenList = {});

    // Puts editor `id` exactly over the grid's cell (row, col) and shows it
    // above the other controls: a text box as high as the cell, a list as
    // high as it is.
    QWidget* PlaceOver(int id, int row, int col);
    // Puts editor `id` where editor `from` is (its left, top and width) in
    // its place, and hides `from`.
    QWidget* PlaceInstead(int id, int from);
    // Hides every editor: a pending edit is dropped.
    void Drop();
    // Runs the dialog's commit (store the open editor's value, close it);
    // when the commit refuses and keeps its editor open, the edit is dropped.
    void CommitOrDrop(const std::function<bool()>& commit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WatchDropDown(const QObject* list);

    Grid& grid_;
    std::vector<std::pair<int, QWidget*>> editors_;
    std::map<const QObject*, int> byEditor_;
    std::map<const QObject*, int> byList_;
    KeyHandler onEditor_;
    KeyHandler onOpenList_;
};

}  // namespace platform
