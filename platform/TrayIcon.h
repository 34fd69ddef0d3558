// The notification-area icon of the alarm, on QSystemTrayIcon. The icon's
// mouse actions reach the form as the two codes the program knows:
// 515 for a double click of the left button, 516 for the right button.
#pragma once

#include "AnsiString.h"

#include <QIcon>
#include <QObject>

#include <functional>

class QSystemTrayIcon;

class TTrayIcon : public QObject {
    Q_OBJECT
public:
    static constexpr int WM_LBUTTONDBLCLK = 515;
    static constexpr int WM_RBUTTONDOWN = 516;

    // `onMouse` receives the code of each mouse action over the icon.
    TTrayIcon(QObject* parent, std::function<void(int mouseMessage)> onMouse);
    ~TTrayIcon() override;

    // Shows the icon with its tip (cut to 127 characters, as the shell's
    // 128-byte tip field holds); a second Add replaces the first.
    void Add(const AnsiString& tip, const QIcon& icon);
    void Remove();
    bool Shown() const;
    AnsiString Tip() const;

    // Whether the desktop has a notification area at all.
    static bool Available();
    // Simulated mouse action, as the desktop would deliver it (tests).
    void SimulateMouse(int mouseMessage);

private:
    QSystemTrayIcon* icon_ = nullptr;
    std::function<void(int)> onMouse_;
    AnsiString tip_;
    bool shown_ = false;
};
