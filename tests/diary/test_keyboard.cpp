// The diary with the keyboard alone: every date button and the month and year
// steps are reached with Tab and pressed with Space, Tab moves on from the
// memos, and each run of a dialog starts on its first box.
#include "diary/DISPMSG.h"
#include "diary/calendar/calEvent.h"
#include "tests/diary/EventFixture.h"
#include "tests/diary/MainWindowSandbox.h"
#include "tests/diary/TaskFixture.h"
#include "tests/support/Keyboard.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {

class KeyboardTest : public MainWindowSandbox {
protected:
    void SetUp() override {
        MainWindowSandbox::SetUp();  // today is 10 December 2026 = 2 Rajjab 1448
        WriteFile(HijriEventFileName, EventFileBytes({}, 355));
        WriteFile(GregorianEventFileName, EventFileBytes({}, 366));
        form->show();
    }

    // The picker, opened by a date button, answered with the keyboard: the
    // next day, and Enter.
    void QueueNextDayInThePicker() const {
        responder->QueueForm([](TForm& picker) {
            Press(&picker, Qt::Key_Right);
            Press(&picker, Qt::Key_Return);
            return picker.ModalResult();
        });
    }
    static QString Text(const QWidget* w) {
        if (const auto* label = qobject_cast<const QLabel*>(w))
            return label->text();
        return qobject_cast<const QLineEdit*>(w)->text();
    }
};

TEST_F(KeyboardTest, ThePanesStepAndPickDatesWithTabAndSpace) {
    const struct {
        int pane;
        const char* button;
        const char* shows;  // the box or label that changes
        const char* text;   // what it shows after Space
        bool picker;
    } cases[] = {
        {0, "btnPreviousMonth", "lblHijriMonth", "Jamadi-ul-Aakhar, 1448 Hijri", false},
        {0, "btnNextMonth", "lblHijriMonth", "Shaaban, 1448 Hijri", false},
        {2, "btnToDoMonthDcr", "lblToDoMonth", "Jamadi-ul-Aakhar", false},
        {2, "btnToDoMonthInc", "lblToDoMonth", "Shaaban", false},
        {2, "btnToDoYearDcr", "lblToDoYear", "1447", false},
        {2, "btnToDoYearInc", "lblToDoYear", "1449", false},
        {2, "btnOpenDueDate", "txtDueDate", "3 Rajjab, 1448", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        form->ShowPane(c.pane);
        auto* button = Find<QToolButton>(c.button);
        EXPECT_TRUE(TabTo(form.get(), button));
        if (c.picker)
            QueueNextDayInThePicker();
        Press(form.get(), Qt::Key_Space);
        EXPECT_EQ(Text(Find<QWidget>(c.shows)), c.text);
    }
}

TEST_F(KeyboardTest, TheDialogsPickDatesWithTabAndSpace) {
    const struct {
        TForm* dialog;
        const char* button;
        const char* box;
        const char* text;
        std::function<void()> run;
    } cases[] = {
        {task.get(), "btnOpenDueDate", "txtDueDate", "6 Rajjab, 1448",
         [this] {
             TTaskRecord record = Task(3, "Pay the bills", TMisri(5, 7, 1448));
             frmTask->Execute(&record);
         }},
        {editor.get(), "btnBirth", "txtBirth", "2 Moharram", [] { frmNewContact->Execute(false); }},
        {editor.get(), "btnAnniversary", "txtAnniversary", "2 Moharram",
         [] { frmNewContact->Execute(false); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        responder->QueueForm([&](TForm& f) {
            EXPECT_TRUE(TabTo(&f, f.findChild<QToolButton*>(c.button)));
            QueueNextDayInThePicker();
            Press(&f, Qt::Key_Space);
            EXPECT_EQ(f.findChild<QLineEdit*>(c.box)->text(), c.text);
            return mrCancel;
        });
        c.run();
    }
}

// Tab in a memo moves the focus on, as on the platform the forms were
// designed on; it types no tab.
TEST_F(KeyboardTest, TabLeavesTheMemos) {
    TTaskRecord record = Task(3, "Pay the bills", TMisri(5, 7, 1448));
    responder->QueueForm([](TForm& f) {
        auto* memo = f.findChild<QPlainTextEdit*>("txtMemo");
        EXPECT_TRUE(TabTo(&f, memo));
        QTest::keyClicks(memo, "Note");
        Press(&f, Qt::Key_Tab);
        EXPECT_EQ(f.focusWidget(), f.findChild<QCheckBox*>("chkCompleted"));
        EXPECT_EQ(memo->toPlainText(), "Note");
        return mrCancel;
    });
    frmTask->Execute(&record);

    WriteFile("msg.dat", "Welcome\r\n");
    TfrmMessage message(nullptr);
    responder->QueueForm([](TForm& f) {
        auto* memo = f.findChild<QPlainTextEdit*>("txtMain");
        EXPECT_TRUE(TabTo(&f, memo));
        Press(&f, Qt::Key_Tab);
        EXPECT_EQ(f.focusWidget(), f.findChild<QCheckBox*>("chkDontShow"));
        EXPECT_EQ(memo->toPlainText(), "Welcome");
        return mrCancel;
    });
    message.ShowModal();
}

// A dialog that is shown again starts on its first box, wherever its last
// run left the focus: typing at once fills the box it should.
TEST_F(KeyboardTest, EachRunOfADialogStartsOnItsFirstBox) {
    TfrmEvents events;
    TTaskRecord record = Task(3, "Pay the bills", TMisri(5, 7, 1448));
    const struct {
        const char* dialog;
        const char* first;
        const char* later;  // where the last run left the focus
        std::function<void()> run;
    } cases[] = {
        {"contact editor", "cmbTitle", "txtLName", [] { frmNewContact->Execute(false); }},
        {"contact editor left on OK", "cmbTitle", "btnOk", [] { frmNewContact->Execute(false); }},
        {"event editor", "cmbMonth", "txtE3", [&] { events.Execute(false); }},
        {"task dialog", "txtTask", "chkDeleted", [&] { frmTask->Execute(&record); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dialog);
        responder->QueueForm([&](TForm& f) {
            EXPECT_TRUE(TabTo(&f, f.findChild<QWidget*>(c.later)));
            return mrCancel;
        });
        c.run();
        BringToFront(form.get());
        responder->QueueForm([&](TForm& f) {
            QApplication::processEvents();  // the dialog's activation
            EXPECT_EQ(f.focusWidget(), f.findChild<QWidget*>(c.first));
            return mrCancel;
        });
        c.run();
    }
}

}  // namespace
