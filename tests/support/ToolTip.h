// The tooltip a widget shows when the mouse rests at a point of it, as the
// desktop asks for one: empty when it shows none.
#pragma once

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

// Takes down the tooltip on screen at once, rather than after its fading.
inline void RemoveToolTip() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("QTipLabel"))
            delete w;
}

inline QString ToolTipAt(QWidget* widget, const QPoint& at) {
    RemoveToolTip();
    QHelpEvent event(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
    const QString shown = QToolTip::isVisible() ? QToolTip::text() : QString();
    RemoveToolTip();
    return shown;
}
