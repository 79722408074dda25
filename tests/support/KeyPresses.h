#pragma once
// Key presses as the window system delivers them (no test library needed).
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QString>
#include <QWidget>

inline void Key(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier, QString text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(w, &release);
}

// Each character typed as one key.
inline void Type(QWidget* w, const QString& chars) {
    for (QChar c : chars) Key(w, QKeySequence(c).isEmpty() ? 0 : c.toUpper().unicode(), {}, c);
}
