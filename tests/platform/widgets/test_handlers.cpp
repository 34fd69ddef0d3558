#include "platform/core/Exceptions.h"
#include "platform/widgets/Handlers.h"
#include "tests/support/RecordingResponder.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class Entries : public QObject {
public:
    void txtNameEnter() { ++entered; }
    void btnFailEnter() { throw EConvertError("'x' is not a valid integer value"); }
    int entered = 0;
};

void SendFocusIn(QWidget* control, Qt::FocusReason reason) {
    QFocusEvent focus(QEvent::FocusIn, reason);
    QApplication::sendEvent(control, &focus);
}

void SendPress(QWidget* control) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), control->mapToGlobal(QPointF(2, 2)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(control, &press);
}

// The focus entering a control is an entry, however the user moved it; the
// focus coming back to it with its window or after a pop-up list is none.
TEST(OnEnter, TheFocusArrivingIsAnEntryItsReturnIsNot) {
    const struct {
        Qt::FocusReason reason;
        int entries;
    } cases[] = {{Qt::MouseFocusReason, 1},   {Qt::TabFocusReason, 1},
                 {Qt::BacktabFocusReason, 1}, {Qt::ShortcutFocusReason, 1},
                 {Qt::OtherFocusReason, 1},   {Qt::ActiveWindowFocusReason, 0},
                 {Qt::PopupFocusReason, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        QLineEdit edit;
        Entries entries;
        OnEnter(&edit, &entries, &Entries::txtNameEnter);
        SendFocusIn(&edit, c.reason);
        EXPECT_EQ(entries.entered, c.entries);
    }
}

// A click on a control that a click focuses enters it through the focus; a
// control that a click does not focus is entered by the press itself, before
// it acts.
TEST(OnEnter, AClickEntersAControlThatAClickDoesNotFocus) {
    const struct {
        Qt::FocusPolicy policy;
        int entries;
    } cases[] = {{Qt::ClickFocus, 0}, {Qt::StrongFocus, 0}, {Qt::TabFocus, 1}, {Qt::NoFocus, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.policy);
        QPushButton button("OK");
        button.setFocusPolicy(c.policy);
        Entries entries;
        OnEnter(&button, &entries, &Entries::txtNameEnter);
        SendPress(&button);
        EXPECT_EQ(entries.entered, c.entries);
    }
}

TEST(OnEnter, AnExceptionInTheHandlerIsShown) {
    RecordingResponder responder;
    Dialogs::SetApplicationTitle("Miravel Vidur");
    QLineEdit edit;
    Entries entries;
    OnEnter(&edit, &entries, &Entries::btnFailEnter);
    SendFocusIn(&edit, Qt::TabFocusReason);
    ASSERT_EQ(responder.Boxes().size(), 1u);
    EXPECT_EQ(responder.Boxes()[0].caption, "Miravel Vidur");
    EXPECT_EQ(responder.Boxes()[0].text, "'x' is not a valid integer value");
}

}  // namespace
