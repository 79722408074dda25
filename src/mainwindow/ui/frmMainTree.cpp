// The tree of data areas: its nodes and the click dispatch.
#include <map>

#include <QHeaderView>
#include <QKeyEvent>
#include <QTreeWidget>

#include "mainwindow/ui/frmMain.h"
#include "platform/ui/GuardedSlots.h"

namespace {

constexpr int kKeyRole = Qt::UserRole;

std::string KeyOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, kKeyRole).toString().toStdString() : std::string();
}

// Enter acts on the selected node as a click does; the arrow keys keep
// their own meaning and only move the selection.
class TreeEnterFilter : public QObject {
public:
    TreeEnterFilter(frmMain* window, QTreeWidget* tree) : QObject(tree), window_(window), tree_(tree) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == tree_ && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                if (QTreeWidgetItem* item = tree_->currentItem()) window_->tvTreeView_NodeClick(KeyOf(item));
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    frmMain* window_;
    QTreeWidget* tree_;
};

}  // namespace

void frmMain::ConnectTree() {
    tvTreeView->setRootIsDecorated(true);
    // The tree is narrow by layout; a long node text widens its column and
    // brings a scroll bar instead of being cut to an ellipsis.
    tvTreeView->setTextElideMode(Qt::ElideNone);
    tvTreeView->header()->setStretchLastSection(false);
    tvTreeView->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tvTreeView->installEventFilter(new TreeEnterFilter(this, tvTreeView));
    platform::OnEvent(tvTreeView, &QTreeWidget::itemClicked, this, "tvTreeView_NodeClick",
                      [this](QTreeWidgetItem* item, int) { tvTreeView_NodeClick(KeyOf(item)); });
}

void frmMain::LoadShowTree() {
    tvTreeView->clear();
    std::map<std::string, QTreeWidgetItem*> byKey;
    for (const TreeNodeEntry& node : TreeNodes()) {
        const auto parent = byKey.find(node.parent);
        auto* item = parent == byKey.end() ? new QTreeWidgetItem(tvTreeView) : new QTreeWidgetItem(parent->second);
        item->setText(0, QString::fromStdString(node.text));
        item->setData(0, kKeyRole, QString::fromStdString(node.key));
        if (node.expanded) item->setExpanded(true);
        byKey[node.key] = item;
    }
}

void frmMain::tvTreeView_NodeClick(std::string_view key) {
    const MainCommand command = TreeNodeCommand(key);
    if (command != MainCommand::None) RunCommand(command);
}
