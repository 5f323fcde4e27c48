#include "entry/EntryEvents.h"

#include "platform/Guard.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

namespace {

// Focus that leaves the window (another window activated, a menu or a message box opened) comes back to
// the same field: the field is not left.
bool LeavesTheField(const QFocusEvent* event) {
    switch (event->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return false;
    default:
        return true;
    }
}

const QChar Enter(13);

} // namespace

EntryEvents::EntryEvents(Desktop& desktop, QWidget* window)
    : QObject(window), m_desktop(desktop), m_window(window) {}

void EntryEvents::Watch(QWidget* field, Handlers handlers) {
    m_fields[field] = std::move(handlers);
    field->installEventFilter(this);
}

bool EntryEvents::eventFilter(QObject* watched, QEvent* event) {
    const auto found = m_fields.find(watched);
    if (found == m_fields.end())
        return false;
    const Handlers& handlers = found->second;
    switch (event->type()) {
    case QEvent::FocusIn:
        m_entered = watched;
        break;
    case QEvent::FocusOut:
        if (watched != m_entered || !LeavesTheField(static_cast<QFocusEvent*>(event)))
            break;
        m_entered = nullptr;
        if (handlers.left)
            RunGuarded(m_desktop, m_window, handlers.left);
        break;
    case QEvent::KeyPress:
        return FilterKeyPress(handlers, static_cast<QKeyEvent*>(event));
    default:
        break;
    }
    return false;
}

bool EntryEvents::FilterKeyPress(const Handlers& handlers, QKeyEvent* event) {
    if (handlers.keyDown) {
        RunGuarded(m_desktop, m_window, [&] { handlers.keyDown(event->key(), event->modifiers()); });
        emit keyHandled();
    }
    // Tab and Backtab move the focus in every field; they are not typed.
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab || !handlers.keyPress)
        return false;
    QString text = event->text();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        text = QString(Enter);
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    // A character typed with Alt (without Ctrl, which with Alt stands for AltGr) is a command, as
    // Alt+B and Alt+M are: it types nothing into the call or number, and goes on to the window.
    if (handlers.keyDown && (modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier) &&
        !text.isEmpty()) {
        event->ignore();
        return true;
    }
    bool cancelled = false;
    for (QChar typed : text) {
        RunGuarded(m_desktop, m_window, [&] { handlers.keyPress(typed); });
        if (typed.isNull())
            cancelled = true;
    }
    return cancelled;
}
