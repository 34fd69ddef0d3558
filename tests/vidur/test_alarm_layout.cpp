// The alarm's windows laid out as the user sees them: nothing cut short,
// nothing scrolled out of sight.
#include "platform/widgets/StringGrid.h"
#include "tests/support/Contrast.h"
#include "tests/support/GridClicks.h"
#include "tests/support/RecordingCanvas.h"
#include "tests/support/ToolTip.h"
#include "tests/vidur/AlarmSandbox.h"
#include "vidur/AzanForm.h"
#include "vidur/SetWaqt.h"

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
        DoubleClickCell(form->Grid(), 0, 1);
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

// A column too narrow for its text cuts it with an ellipsis and shows it
// whole as the cell's tooltip; a text that fits shows no tooltip.
TEST_F(AlarmLayoutTest, ACutCellEndsInAnEllipsisAndShowsWholeAsATooltip) {
    const char* name = "Fajr Vidur for the whole family";
    WriteFile("sched.dat", std::string("\"") + name + "\",F,-15,azan1.wav,1,354,1,1\r\n");
    form = std::make_unique<TfrmMain>();
    form->show();
    Settle();
    TStringGrid* grid = form->Grid();
    ASSERT_EQ(grid->Cell(0, 1), name);
    RecordingCanvas canvas;
    grid->PaintCell(canvas, 0, 1);
    const std::vector<AnsiString> drawn = canvas.Texts();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].back(), '\x85');  // the ellipsis of the code page
    EXPECT_EQ(std::string(name).rfind(drawn[0].substr(0, drawn[0].size() - 1), 0), 0u);
    const auto centre = [grid](int col, int row) {
        const TRect r = grid->CellRect(col, row);
        return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    };
    EXPECT_EQ(ToolTipAt(grid->viewport(), centre(0, 1)), name);
    EXPECT_EQ(grid->Cell(2, 1), "azan1.wav");
    EXPECT_EQ(ToolTipAt(grid->viewport(), centre(2, 1)), "");
}

// On a dark desktop the editor keeps the light colours its title was
// designed with, and the hint box, in the desktop's button face, is of that
// palette too: its text reads.
TEST_F(AlarmLayoutTest, TheHintReadsOnADarkDesktop) {
    const DarkDesktop desktop;
    InEditor("\"Fajr Vidur\",F,-15,azan1.wav,1,354,1,1\r\n", [](TForm& f) {
        auto* memo = f.findChild<QPlainTextEdit*>("txtMessage");
        memo->setPlainText("Click a control to display help.");
        const QImage image = memo->viewport()->grab().toImage();
        EXPECT_GE(TextContrast(image, image.rect(), memo->palette().color(QPalette::Text)), 4.5);
    });
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
