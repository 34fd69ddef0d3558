#include "platform/widgets/Handlers.h"

#include <QFocusEvent>
#include <QWidget>

namespace {

// Watches one control for entries, and goes with it.
class EnterWatcher : public QObject {
public:
    EnterWatcher(QWidget* control, std::function<void()> handler)
        : QObject(control), handler_(std::move(handler)) {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (IsEntry(static_cast<QWidget*>(watched), event))
            handler_();
        return QObject::eventFilter(watched, event);
    }

private:
    static bool IsEntry(const QWidget* control, const QEvent* event) {
        switch (event->type()) {
        case QEvent::FocusIn: {
            const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
            return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
        }
        case QEvent::MouseButtonPress:
            return !(control->focusPolicy() & Qt::ClickFocus);
        default:
            return false;
        }
    }

    std::function<void()> handler_;
};

}  // namespace

void OnEnter(QWidget* control, std::function<void()> handler) {
    new EnterWatcher(control, std::move(handler));
}
