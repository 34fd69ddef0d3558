#include "platform/desktop/TrayIcon.h"

#include <QSystemTrayIcon>
#include <QTimer>

namespace {

// How often an icon without a notification area looks for one.
constexpr int kAreaLookMs = 3000;

std::optional<bool>& AreaForTests() {
    static std::optional<bool> present;
    return present;
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
                    SimulateMouse(WM_LBUTTONDBLCLK);
                else if (reason == QSystemTrayIcon::Context)
                    SimulateMouse(WM_RBUTTONDOWN);
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

AnsiString TTrayIcon::Tip() const {
    return tip_;
}

bool TTrayIcon::Visible() const {
    return shown_ && Available();
}

bool TTrayIcon::Available() {
    if (AreaForTests())
        return *AreaForTests();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TTrayIcon::SetAreaForTests(std::optional<bool> present) {
    AreaForTests() = present;
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

void TTrayIcon::SimulateMouse(int mouseMessage) {
    if (onMouse_)
        onMouse_(mouseMessage);
}
