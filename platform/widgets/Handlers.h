// Wiring of widget signals to the forms' event handlers. Every handler runs
// guarded: an exception that escapes it is shown in the application's
// exception box and the program goes on, as under the class library's loop.
#pragma once

#include "platform/core/Dialogs.h"

#include <QObject>

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
