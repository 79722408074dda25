// The yardstick of bench_startup: a minimal Qt window with a menu bar, a tree
// and an empty table, started and sized as the program's main window is on a
// first run (as large as the screen), reporting its first paint the same way.
#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTableWidget>
#include <QTreeWidget>

#include "platform/ui/FirstPaint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::MarkFirstPaintWhenAsked();

    QMainWindow window;
    for (const char* title : {"File", "Edit", "View", "Help"}) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(title));
        for (int i = 1; i <= 4; ++i) menu->addAction(QStringLiteral("Item %1").arg(i));
    }
    auto* central = new QWidget(&window);
    auto* layout = new QHBoxLayout(central);
    auto* tree = new QTreeWidget(central);
    tree->setHeaderHidden(true);
    auto* root = new QTreeWidgetItem(tree, {QStringLiteral("Root")});
    for (int i = 1; i <= 4; ++i) new QTreeWidgetItem(root, {QStringLiteral("Node %1").arg(i)});
    root->setExpanded(true);
    layout->addWidget(tree, 1);
    layout->addWidget(new QTableWidget(central), 4);
    window.setCentralWidget(central);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) window.setGeometry(screen->geometry());
    window.show();
    return app.exec();
}
