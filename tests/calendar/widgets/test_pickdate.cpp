#include "calendar/widgets/PickDate.h"
#include "tests/calendar/SameDate.h"
#include "tests/support/GridClicks.h"
#include "tests/support/Keyboard.h"
#include "tests/support/MonthGridRows.h"
#include "tests/support/RecordingCanvas.h"
#include "tests/support/Sandbox.h"

#include <QLabel>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

class PickDateTest : public Sandbox {
protected:
    void SetUp() override {
        Sandbox::SetUp();
        form = std::make_unique<TfrmPickDate>();
        grid = form->findChild<TStringGrid*>("grdMain");
        ASSERT_NE(grid, nullptr);
    }
    void TearDown() override {
        form.reset();
        Sandbox::TearDown();
    }
    // Row 0 holds the weekday titles.
    std::vector<std::string> Rows() const { return MonthGridRows(*grid, 1); }
    void Click(const char* name) { form->findChild<QToolButton*>(name)->click(); }

    std::unique_ptr<TfrmPickDate> form;
    TStringGrid* grid = nullptr;
};

TEST_F(PickDateTest, SundayAndSaturdayStarts) {
    form->FillGrid(7, 29);  // day 1 a Sunday
    EXPECT_EQ(Rows()[0], "1 2 3 4 5 6 7");
    EXPECT_EQ(Rows()[4], "29 . . . . . .");
    form->FillGrid(6, 30);  // day 1 a Saturday: a 30-day month reaches row 6
    EXPECT_EQ(Rows()[0], ". . . . . . 1");
    EXPECT_EQ(Rows()[5], "30 . . . . . .");
    EXPECT_EQ(grid->Cell(0, 0), "S");
    EXPECT_EQ(grid->Cell(3, 0), "W");
}

TEST_F(PickDateTest, ShowMonthCountsTheLeapDay) {
    auto lastDay = [&] {
        int last = 0;
        for (int r = 1; r <= 6; ++r)
            for (int c = 0; c < 7; ++c)
                last = std::max(last, TMisri::ToInt(grid->Cell(c, r).c_str()));
        return last;
    };
    form->ShowMonth(TMisri(5, 12, 1418));  // a leap year
    EXPECT_EQ(form->findChild<QLabel*>("lblMonth")->text(), "Zil-Haj");
    EXPECT_EQ(lastDay(), 30);
    form->ShowMonth(TMisri(5, 12, 1419));
    EXPECT_EQ(lastDay(), 29);
}

TEST_F(PickDateTest, ClicksOutsideTheDaysLeaveItOpen) {
    responder->QueueForm([&](TForm& f) {
        ClickCell(grid, 0, 0);  // the letter row
        ClickCell(grid, 6, 6);  // a blank cell
        EXPECT_EQ(f.ModalResult(), mrNone);
        EXPECT_TRUE(f.isVisible());
        return f.ModalResult();
    });
    const TMisri start(12, 3, 1447);
    EXPECT_TRUE(SameDate(form->Execute(start, 500, 400), start));
}

TEST_F(PickDateTest, NextMonthThenPickOrClose) {
    responder->QueueForm([&](TForm& f) {
        Click("btnNextMonth");
        for (int r = 1; r <= 6; ++r)
            for (int c = 0; c < 7; ++c)
                if (Trim(grid->Cell(c, r)) == "15")
                    ClickCell(grid, c, r);
        return f.ModalResult();
    });
    EXPECT_TRUE(SameDate(form->Execute(TMisri(12, 12, 1446), 500, 400), TMisri(15, 1, 1447)));

    responder->QueueForm([&](TForm& f) {
        Click("btnNextMonth");
        f.close();
        return f.ModalResult();
    });
    EXPECT_TRUE(SameDate(form->Execute(TMisri(12, 3, 1447), 500, 400), TMisri(1, 4, 1447)));
}

// A click on a day picks that day of the month shown, whichever month and
// year that is.
TEST_F(PickDateTest, APickTakesTheMonthAndYearShown) {
    struct Case {
        TMisri start;
        std::vector<const char*> steps;
        AnsiString day;
        TMisri picked;
    };
    const Case cases[] = {
        {TMisri(12, 8, 1448), {}, "20", TMisri(20, 8, 1448)},
        {TMisri(29, 7, 1450), {"btnNextMonth", "btnNextMonth"}, "27", TMisri(27, 9, 1450)},
        {TMisri(3, 1, 1449), {"btnPrevMonth"}, "30", TMisri(30, 12, 1448)},  // 1448 is leap
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Parts(c.start));
        responder->QueueForm([&](TForm& f) {
            for (const char* step : c.steps)
                Click(step);
            for (int r = 1; r <= 6; ++r)
                for (int col = 0; col < 7; ++col)
                    if (Trim(grid->Cell(col, r)) == c.day)
                        ClickCell(grid, col, r);
            return f.ModalResult();
        });
        EXPECT_TRUE(SameDate(form->Execute(c.start, 500, 400), c.picked));
    }
}

TEST_F(PickDateTest, OpensBelowTheButtonAndStaysOnScreen) {
    responder->QueueForm([](TForm& f) {
        EXPECT_EQ(f.geometry().right() + 1, 500);
        EXPECT_EQ(f.geometry().top(), 400);
        return mrCancel;
    });
    form->Execute(TMisri(), 500, 400);
    responder->QueueForm([](TForm& f) {
        EXPECT_GE(f.geometry().left(), 0);
        EXPECT_GE(f.geometry().top(), 0);
        return mrCancel;
    });
    form->Execute(TMisri(), 20, -50);
}

// A date field's button opens a picker on the field's date just below
// itself, the picker's right edge at the button's left edge, whether the
// program made its picker or not.
TEST_F(PickDateTest, ADateButtonOpensAPickerBelowItself) {
    QWidget window;
    window.setGeometry(200, 150, 300, 200);
    QToolButton button(&window);
    button.setGeometry(180, 40, 19, 22);
    window.show();
    const QPoint corner = button.mapToGlobal(QPoint(0, 0));
    for (TfrmPickDate* program : {form.get(), static_cast<TfrmPickDate*>(nullptr)}) {
        SCOPED_TRACE(program ? "the program's picker" : "no picker in the program");
        frmPickDate = program;
        const TfrmPickDate* opened = nullptr;
        responder->QueueForm([&](TForm& f) {
            auto& picker = dynamic_cast<TfrmPickDate&>(f);
            opened = &picker;
            EXPECT_EQ(picker.geometry().right() + 1, corner.x());
            EXPECT_EQ(picker.geometry().top(), corner.y() + button.height());
            EXPECT_TRUE(SameDate(picker.picked, TMisri(3, 9, 1447)));
            picker.picked = TMisri(15, 9, 1447);
            return mrOk;
        });
        EXPECT_TRUE(SameDate(PickDateBelow(&button, TMisri(3, 9, 1447)), TMisri(15, 9, 1447)));
        ASSERT_NE(opened, nullptr);
        if (program) {
            EXPECT_EQ(opened, program);
        }
        EXPECT_EQ(frmPickDate, program);  // none made for the program
    }
    frmPickDate = nullptr;
}

// Which cells are drawn on yellow, and how.
std::vector<AnsiString> Highlighted(TfrmPickDate& form, TStringGrid& grid) {
    std::vector<AnsiString> days;
    for (int r = 0; r <= 6; ++r)
        for (int c = 0; c < 7; ++c) {
            RecordingCanvas canvas;
            grid.PaintCell(canvas, c, r);
            for (const auto& op : canvas.ops)
                if (op.kind == RecordingCanvas::Op::Text && op.brush.Color == clYellow) {
                    EXPECT_EQ(op.font.Style, fsBold | fsUnderline);
                    days.push_back(op.text);
                }
        }
    (void)form;
    return days;
}

TEST_F(PickDateTest, TheHighlightFollowsThePickedDay) {
    form->picked = TMisri(17, 9, 1447);
    form->FormActivate();
    EXPECT_EQ(Highlighted(*form, *grid), std::vector<AnsiString>{"17"});
    Click("btnNextMonth");
    EXPECT_EQ(Highlighted(*form, *grid), std::vector<AnsiString>{"1"});
    Click("btnPrevMonth");
    Click("btnPrevMonth");
    EXPECT_TRUE(SameDate(form->picked, TMisri(1, 8, 1447)));
    EXPECT_EQ(Highlighted(*form, *grid), std::vector<AnsiString>{"1"});
}

TEST_F(PickDateTest, CellColours) {
    form->ShowMonth(TMisri(17, 9, 1447));
    RecordingCanvas header;
    grid->PaintCell(header, 2, 0);
    const auto* letter = header.FindText("T");
    ASSERT_NE(letter, nullptr);
    EXPECT_EQ(letter->font.Color, clWhite);
    EXPECT_EQ(letter->brush.Color, clNavy);
    EXPECT_EQ(letter->font.Style, fsBold | fsItalic);
    // Centred: half the cell width less half the text width.
    const TRect cell = grid->CellRect(2, 0);
    EXPECT_EQ(letter->rect.Left, cell.Left + cell.Width() / 2 - letter->rect.Width() / 2);
    EXPECT_EQ(letter->rect.Top, cell.Top);

    form->picked = TMisri(1, 9, 1447);
    for (int r = 1; r <= 6; ++r) {
        RecordingCanvas sunday;
        grid->PaintCell(sunday, 0, r);
        for (const auto& op : sunday.ops)
            if (op.kind == RecordingCanvas::Op::Text) {
                EXPECT_EQ(op.font.Color, clRed) << r;
            }
        RecordingCanvas monday;
        grid->PaintCell(monday, 1, r);
        for (const auto& op : monday.ops)
            if (op.kind == RecordingCanvas::Op::Text && op.text != "1") {
                EXPECT_EQ(op.font.Color, clBlack) << r;
            }
    }
}

// The open picker takes the keyboard: the arrows move the day by one day or
// one week, across month ends; Enter picks the day as a click does; Escape
// cancels, giving back the date it opened on.
TEST_F(PickDateTest, TheKeyboardPicksADay) {
    const struct {
        const char* what;
        TMisri start;
        std::vector<Qt::Key> keys;
        TMisri result;
    } cases[] = {
        {"Enter at once", TMisri(12, 3, 1447), {Qt::Key_Return}, TMisri(12, 3, 1447)},
        {"two days on",
         TMisri(12, 3, 1447),
         {Qt::Key_Right, Qt::Key_Right, Qt::Key_Enter},
         TMisri(14, 3, 1447)},
        {"a week on", TMisri(12, 3, 1447), {Qt::Key_Down, Qt::Key_Return}, TMisri(19, 3, 1447)},
        {"into the next month",
         TMisri(30, 1, 1447),
         {Qt::Key_Right, Qt::Key_Return},
         TMisri(1, 2, 1447)},
        {"into the year before",
         TMisri(1, 1, 1447),
         {Qt::Key_Left, Qt::Key_Return},
         TMisri(29, 12, 1446)},
        {"a week back, a month back",
         TMisri(3, 5, 1447),
         {Qt::Key_Up, Qt::Key_Return},
         TMisri(25, 4, 1447)},
        {"Escape after moving",
         TMisri(12, 3, 1447),
         {Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Escape},
         TMisri(12, 3, 1447)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        responder->QueueForm([&](TForm& f) {
            for (Qt::Key key : c.keys)
                Press(&f, key);
            EXPECT_FALSE(f.isVisible());
            return f.ModalResult();
        });
        EXPECT_EQ(form->Execute(c.start, 500, 400), c.result);
    }
}

// The month buttons are reached with Tab and pressed with Space.
TEST_F(PickDateTest, TabAndSpaceStepTheMonths) {
    responder->QueueForm([&](TForm& f) {
        auto* prev = f.findChild<QToolButton*>("btnPrevMonth");
        auto* next = f.findChild<QToolButton*>("btnNextMonth");
        EXPECT_TRUE(TabTo(&f, prev));
        Press(&f, Qt::Key_Space);
        EXPECT_EQ(f.findChild<QLabel*>("lblMonth")->text(), "Safar");
        EXPECT_TRUE(TabTo(&f, next));
        Press(&f, Qt::Key_Space);
        Press(&f, Qt::Key_Space);
        EXPECT_EQ(f.findChild<QLabel*>("lblMonth")->text(), "Rabi-ul-Aakhar");
        // Back in the grid, Enter picks the day shown: day 1 of that month.
        EXPECT_TRUE(TabTo(&f, grid));
        Press(&f, Qt::Key_Return);
        return f.ModalResult();
    });
    EXPECT_EQ(form->Execute(TMisri(12, 3, 1447), 500, 400), TMisri(1, 4, 1447));
}

}  // namespace
