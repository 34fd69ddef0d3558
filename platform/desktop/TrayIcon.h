// The notification-area icon of the alarm, on QSystemTrayIcon. The icon's
// mouse actions reach the form as the two codes the program knows:
// 515 for a double click of the left button, 516 for the right button.
// A desktop may have no notification area at all, or get one later (a panel
// that starts after the alarm): the icon then waits for it, looks again
// every few seconds and shows itself when the area comes.
#pragma once

#include "platform/core/AnsiString.h"

#include <QIcon>
#include <QObject>

#include <functional>

class QSystemTrayIcon;
class QTimer;

class TTrayIcon : public QObject {
    Q_OBJECT
public:
    static constexpr int WM_LBUTTONDBLCLK = 515;
    static constexpr int WM_RBUTTONDOWN = 516;

    // `onMouse` receives the code of each mouse action over the icon;
    // `onAreaAppeared` runs when a notification area comes up while the icon
    // waits for one.
    TTrayIcon(QObject* parent, std::function<void(int mouseMessage)> onMouse,
              std::function<void()> onAreaAppeared = {});
    ~TTrayIcon() override;

    // Shows the icon with its tip (cut to 127 characters, as the shell's
    // 128-byte tip field holds); a second Add replaces the first.
    void Add(const AnsiString& tip, const QIcon& icon);
    void Remove();
    bool Shown() const;
    // Shown, and in a notification area that is there: the user can reach
    // the program through it.
    bool Visible() const;

    // What tells whether the desktop has a notification area at all; an
    // empty probe asks the desktop.
    static void SetAreaProbe(std::function<bool()> probe);
    // Looks whether the notification area the icon waits for has come up;
    // the icon's own timer calls it every few seconds.
    void CheckArea();

private:
    static bool Available();
    void MakeIcon();
    // Hands the code of a mouse action over the icon to the form.
    void DeliverMouse(int mouseMessage);

    QSystemTrayIcon* icon_ = nullptr;
    QTimer* areaTimer_ = nullptr;
    std::function<void(int)> onMouse_;
    std::function<void()> onAreaAppeared_;
    AnsiString tip_;
    QIcon picture_;
    bool shown_ = false;
};
