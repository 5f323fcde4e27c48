#pragma once

// Small helpers for driving the real windows.
#include <QTest>
#include <QWidget>

template <typename T> T* Find(QWidget* window, const char* name) {
    T* control = window->findChild<T*>(QLatin1String(name));
    if (!control)
        qFatal("no control %s in %s", name, qPrintable(window->objectName()));
    return control;
}

// A window on the screen and active, so that the keyboard focus can be checked.
inline void ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// Types text as key presses, characters outside ASCII included (QTest::keyClicks takes ASCII only).
inline void Type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
            QTest::keyClick(widget, static_cast<char>(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}
