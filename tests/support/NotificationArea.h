// The notification area as a test sets it up and as the user meets it: a
// desktop with or without the area, the tip the icon shows, and the mouse
// actions the desktop reports on the icon.
#pragma once

#include "platform/core/AnsiString.h"
#include "platform/desktop/TrayIcon.h"

#include <QSystemTrayIcon>

#include <gtest/gtest.h>

#include <optional>

// A desktop with a notification area (true) or without one (false);
// nullopt asks the desktop again.
inline void SetNotificationArea(std::optional<bool> present) {
    if (present)
        TTrayIcon::SetAreaProbe([area = *present] { return area; });
    else
        TTrayIcon::SetAreaProbe({});
}

// The tip of the icon as the desktop shows it; "" before the icon was added.
inline AnsiString TrayTip(const TTrayIcon& tray) {
    const auto* icon = tray.findChild<QSystemTrayIcon*>();
    return icon ? FromQString(icon->toolTip()) : AnsiString();
}

// The desktop reports a mouse action on the icon: a double click, a context
// request, a single or a middle click.
inline void ActivateTrayIcon(TTrayIcon& tray, QSystemTrayIcon::ActivationReason reason) {
    auto* icon = tray.findChild<QSystemTrayIcon*>();
    ASSERT_NE(icon, nullptr) << "the icon was never added";
    emit icon->activated(reason);
}
