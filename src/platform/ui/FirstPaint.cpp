#include "platform/ui/FirstPaint.h"

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>

namespace platform {
namespace {

// Watches the application's paints while anything waits for one.
class FirstPaints : public QObject {
public:
    static FirstPaints& Instance() {
        static FirstPaints* watcher = new FirstPaints(qApp);
        return *watcher;
    }

    void Add(std::function<bool(const QWidget&)> isWindow, std::function<void()> then) {
        if (waiting_.empty()) qApp->installEventFilter(this);
        waiting_.push_back({std::move(isWindow), std::move(then)});
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
        const QWidget& window = *static_cast<QWidget*>(watched)->window();
        for (auto it = waiting_.begin(); it != waiting_.end();) {
            if (it->isWindow(window)) {
                QTimer::singleShot(0, this, std::move(it->then));
                it = waiting_.erase(it);
            } else {
                ++it;
            }
        }
        if (waiting_.empty()) qApp->removeEventFilter(this);
        return false;
    }

private:
    using QObject::QObject;

    struct Waiting {
        std::function<bool(const QWidget&)> isWindow;
        std::function<void()> then;
    };
    std::vector<Waiting> waiting_;
};

}  // namespace

void AfterFirstPaint(std::function<bool(const QWidget& window)> isWindow, std::function<void()> then) {
    if (!qApp) return;
    FirstPaints::Instance().Add(std::move(isWindow), std::move(then));
}

void MarkFirstPaintWhenAsked() {
    if (!std::getenv("KQ314_MARK_FIRST_PAINT")) return;
    AfterFirstPaint([](const QWidget& window) { return qobject_cast<const QMainWindow*>(&window) != nullptr; },
                    [] {
                        std::fputs("first paint\n", stdout);
                        std::fflush(stdout);
                    });
}

}  // namespace platform
