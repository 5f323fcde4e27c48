#pragma once

#include "platform/Desktop.h"

#include <QObject>
#include <functional>
#include <map>

class QKeyEvent;
class QWidget;

// Turns the events of the entry fields into the window's handlers: a field left (a focus-lost
// handler), a character typed (a key-press handler that may cancel it by setting it to a null
// character) and a key pressed (a key-down handler with the virtual key and Shift, Ctrl and Alt).
// Each handler runs guarded: a failure shows the uniform error box.
class EntryEvents final : public QObject {
    Q_OBJECT
public:
    struct Handlers {
        std::function<void()> left = {};
        std::function<void(QChar&)> keyPress = {};
        std::function<void(int, Qt::KeyboardModifiers)> keyDown = {};
    };

    EntryEvents(Desktop& desktop, QWidget* window);
    void Watch(QWidget* field, Handlers handlers);

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // A key-down handler ran: what it set (Alt+B, Alt+M) raised no signal of its own.
    void keyHandled();

private:
    bool FilterKeyPress(const Handlers& handlers, QKeyEvent* event);

    Desktop& m_desktop;
    QWidget* m_window;
    std::map<QObject*, Handlers> m_fields;
    // The field whose focus-lost handler runs when it loses the focus: the one that last took it. A
    // check that gives the focus back takes it from a field that never had it, which must not run.
    QObject* m_entered = nullptr;
};
