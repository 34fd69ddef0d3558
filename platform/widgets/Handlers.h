// Wiring of widget signals, and of the focus entering a control, to the
// forms' event handlers. Every handler runs guarded: an exception that
// escapes it is shown in the application's exception box and the program
// goes on, as under the class library's loop.
#pragma once

#include "platform/core/Dialogs.h"

#include <QObject>

#include <functional>

class QWidget;

// A handler without arguments, for any signal.
template <class Sender, class Signal, class R>
QMetaObject::Connection OnEvent(Sender* sender, Signal signal, R* receiver, void (R::*handler)()) {
    return QObject::connect(sender, signal, receiver,
                            [receiver, handler] { RunGuarded([&] { (receiver->*handler)(); }); });
}

// A handler that takes the signal's arguments.
template <class Sender, class Signal, class R, class... A>
QMetaObject::Connection OnEvent(Sender* sender, Signal signal, R* receiver,
                                void (R::*handler)(A...)) {
    return QObject::connect(sender, signal, receiver, [receiver, handler](A... args) {
        RunGuarded([&] { (receiver->*handler)(args...); });
    });
}

// The class library's OnEnter of a control: the focus entering it, before
// the control acts on the click that brought the focus; a click on a control
// that a click does not focus enters it all the same. The focus coming back
// to the control that had it, when its window returns to the front or a
// pop-up list closes, is no entry.
void OnEnter(QWidget* control, std::function<void()> handler);
template <class R> void OnEnter(QWidget* control, R* receiver, void (R::*handler)()) {
    OnEnter(control, [receiver, handler] { RunGuarded([&] { (receiver->*handler)(); }); });
}
