#pragma once

#include "platform/Desktop.h"

#include <QObject>
#include <QWidget>
#include <functional>

// The one place where failures that a handler does not test for itself are reported: the handler
// stops at the failing step, the uniform error box shows the run-time library's text (caption
// "ZEVO Contest", error icon, OK) and the program goes on. Whatever the handler did before stays done.
void RunGuarded(Desktop& desktop, QWidget* owner, const std::function<void()>& handler);

// Connects a signal that only the user raises to a handler of a window, through RunGuarded.
template <typename Sender, typename Signal, typename Form, typename... Args>
void ConnectGuarded(Sender* sender, Signal signal, Form* form, Desktop& desktop,
                    void (Form::*handler)(Args...)) {
    QObject::connect(sender, signal, form, [form, &desktop, handler](Args... args) {
        RunGuarded(desktop, form, [&] { (form->*handler)(args...); });
    });
}
