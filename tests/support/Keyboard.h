// Keys pressed as the user presses them: each goes to the control of the
// window that has the focus (to the window itself when none has), and
// through Qt's own handling of it, Tab moving the focus on included.
#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

inline void Press(QWidget* window, Qt::Key key) {
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, key);
}

// Presses Tab until the control has the focus, at most `most` times; false
// when the focus never reaches it.
inline bool TabTo(QWidget* window, const QWidget* control, int most = 40) {
    for (int i = 0; i < most && window->focusWidget() != control; ++i)
        Press(window, Qt::Key_Tab);
    return window->focusWidget() == control;
}

// Brings the window to the front as the desktop does when a dialog over it
// closes; the dialog's next showing is then an activation of its own.
inline void BringToFront(QWidget* window) {
    window->show();
    window->activateWindow();
    QApplication::processEvents();
}
