// The alarm's windows laid out as the user sees them: nothing cut short,
// nothing scrolled out of sight.
#include "AlarmSandbox.h"
#include "AzanForm.h"
#include "SetWaqt.h"
#include "StringGrid.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

class AlarmLayoutTest : public AlarmSandbox {
protected:
    static void Settle() {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    // Opens the editor on the grid's first event and runs `check` in it.
    void InEditor(const std::string& schedule, std::function<void(TForm&)> check) {
        WriteFile("sched.dat", schedule);
        form = std::make_unique<TfrmMain>();
        const int opened = responder->ModalCount();
        responder->QueueForm([check](TForm& f) {
            f.show();
            Settle();
            check(f);
            return mrCancel;
        });
        form->Grid()->DoubleClickCell(0, 1);
        ASSERT_EQ(responder->ModalCount(), opened + 1);
    }
};

TEST_F(AlarmLayoutTest, TheLineUnderTheTitleSpansTheHeader) {
    form = std::make_unique<TfrmMain>();
    form->show();
    const QWidget* panel = form->findChild<QWidget*>("Panel1");
    const QWidget* line = form->findChild<QWidget*>("Bevel1");
    for (const QSize size : {QSize(496, 292), QSize(760, 420), QSize(420, 260)}) {
        form->resize(size);
        Settle();
        EXPECT_EQ(line->geometry(), QRect(0, panel->height() - 2, panel->width(), 2))
            << size.width();
        EXPECT_EQ(panel->width(), form->width());
    }
}

TEST_F(AlarmLayoutTest, EveryDropDownOfTheEditorShowsItsLabelsWhole) {
    for (const int mode : {0, 1}) {
        generalMode = mode;
        InEditor("\"Fajr Vidur\",F,-15,azan1.wav,178,207,1,1\r\n", [mode](TForm& f) {
            for (QComboBox* combo : f.findChildren<QComboBox*>()) {
                combo->showPopup();
                Settle();
                const QAbstractItemView* list = combo->view();
                EXPECT_GE(list->viewport()->width(), list->sizeHintForColumn(0))
                    << qPrintable(combo->objectName()) << " in mode " << mode;
                combo->hidePopup();
            }
        });
        form.reset();
        schedList.reset();
    }
}

TEST_F(AlarmLayoutTest, EveryHintShowsFromItsFirstLine) {
    InEditor("\"Fajr Vidur\",F,-15,azan1.wav,1,354,1,1\r\n", [](TForm& f) {
        auto* memo = f.findChild<QPlainTextEdit*>("txtMessage");
        bool overflowed = false;
        for (const char* name : {"txtName", "cmbTime", "txtDelta", "cmbBeforeAfter", "cmbFrom",
                                 "txtPath", "cmbFrequency", "btnBrowse"}) {
            QFocusEvent focus(QEvent::FocusIn);
            QCoreApplication::sendEvent(f.findChild<QWidget*>(name), &focus);
            Settle();
            const QScrollBar* bar = memo->verticalScrollBar();
            EXPECT_EQ(bar->value(), 0) << name;
            // A hint longer than the memo can be scrolled to its end.
            if (bar->maximum() > 0) {
                overflowed = true;
                EXPECT_TRUE(bar->isVisibleTo(memo)) << name;
            }
        }
        EXPECT_TRUE(overflowed);  // the longest hint is longer than the memo
    });
}

}  // namespace
