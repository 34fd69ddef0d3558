#include "platform/desktop/TrayIcon.h"

#include <QSystemTrayIcon>
#include <QTimer>

namespace {

// How often an icon without a notification area looks for one.
constexpr int kAreaLookMs = 3000;

std::function<bool()>& AreaProbe() {
    static std::function<bool()> probe;
    return probe;
}

}  // namespace

TTrayIcon::TTrayIcon(QObject* parent, std::function<void(int)> onMouse,
                     std::function<void()> onAreaAppeared)
    : QObject(parent), onMouse_(std::move(onMouse)), onAreaAppeared_(std::move(onAreaAppeared)) {
    areaTimer_ = new QTimer(this);
    areaTimer_->setInterval(kAreaLookMs);
    connect(areaTimer_, &QTimer::timeout, this, &TTrayIcon::CheckArea);
}

TTrayIcon::~TTrayIcon() {
    Remove();
}

void TTrayIcon::MakeIcon() {
    icon_ = new QSystemTrayIcon(this);
    icon_->setObjectName("trayIcon");
    connect(icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::DoubleClick)
                    DeliverMouse(WM_LBUTTONDBLCLK);
                else if (reason == QSystemTrayIcon::Context)
                    DeliverMouse(WM_RBUTTONDOWN);
            });
}

void TTrayIcon::Add(const AnsiString& tip, const QIcon& icon) {
    // The shell's tip field holds 128 bytes with its terminator.
    tip_ = tip.substr(0, 127);
    picture_ = icon;
    if (!icon_)
        MakeIcon();
    icon_->setIcon(icon);
    icon_->setToolTip(ToQString(tip_));
    icon_->show();
    shown_ = true;
    if (!Available())
        areaTimer_->start();
}

void TTrayIcon::Remove() {
    if (icon_)
        icon_->hide();
    shown_ = false;
    areaTimer_->stop();
}

bool TTrayIcon::Shown() const {
    return shown_;
}

bool TTrayIcon::Visible() const {
    return shown_ && Available();
}

bool TTrayIcon::Available() {
    if (AreaProbe())
        return AreaProbe()();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TTrayIcon::SetAreaProbe(std::function<bool()> probe) {
    AreaProbe() = std::move(probe);
}

void TTrayIcon::CheckArea() {
    if (!areaTimer_->isActive() || !Available())
        return;
    areaTimer_->stop();
    // A fresh icon, so that the desktop's way of showing icons is chosen
    // for the area that is there now.
    delete icon_;
    MakeIcon();
    Add(tip_, picture_);
    if (onAreaAppeared_)
        onAreaAppeared_();
}

void TTrayIcon::DeliverMouse(int mouseMessage) {
    if (onMouse_)
        onMouse_(mouseMessage);
}
