#include "TrayIcon.h"

#include <QSystemTrayIcon>

TTrayIcon::TTrayIcon(QObject* parent, std::function<void(int)> onMouse)
    : QObject(parent), onMouse_(std::move(onMouse)) {}

TTrayIcon::~TTrayIcon() {
    Remove();
}

void TTrayIcon::Add(const AnsiString& tip, const QIcon& icon) {
    // The shell's tip field holds 128 bytes with its terminator.
    tip_ = tip.substr(0, 127);
    if (!icon_) {
        icon_ = new QSystemTrayIcon(this);
        connect(icon_, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    if (reason == QSystemTrayIcon::DoubleClick)
                        SimulateMouse(WM_LBUTTONDBLCLK);
                    else if (reason == QSystemTrayIcon::Context)
                        SimulateMouse(WM_RBUTTONDOWN);
                });
    }
    icon_->setIcon(icon);
    icon_->setToolTip(ToQString(tip_));
    icon_->show();
    shown_ = true;
}

void TTrayIcon::Remove() {
    if (icon_)
        icon_->hide();
    shown_ = false;
}

bool TTrayIcon::Shown() const {
    return shown_;
}

AnsiString TTrayIcon::Tip() const {
    return tip_;
}

bool TTrayIcon::Available() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TTrayIcon::SimulateMouse(int mouseMessage) {
    if (onMouse_)
        onMouse_(mouseMessage);
}
