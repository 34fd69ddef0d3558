#include "calendar/widgets/PickDate.h"
#include "diary/todo/TaskFile.h"
#include "diary/todo/TaskInfo.h"
#include "diary/todo/ToDoPane.h"
#include "platform/widgets/Canvas.h"
#include "platform/widgets/StringGrid.h"
#include "tests/diary/PaneHost.h"
#include "tests/diary/TaskFixture.h"
#include "tests/diary/todo/ToDoPaneFixture.h"
#include "tests/support/GridClicks.h"
#include "tests/support/PublishedForm.h"
#include "tests/support/RecordingCanvas.h"
#include "tests/support/Sandbox.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// The pane on its own, in a form as the main window holds it, with the date
// picker and the task dialog it opens, each in its global as the program's
// start-up leaves it.
class ToDoPaneTest : public ToDoPaneFixture<Sandbox> {
protected:
    void SetUp() override {
        Sandbox::SetUp();
        picker.make();
        task.make();
        host = std::make_unique<PaneHost<TToDoPane>>();
        host->pane->SetupToDoGrid();
        Attach(host.get(), host->pane);
    }
    void TearDown() override {
        host.reset();
        task.reset();
        picker.reset();
        Sandbox::TearDown();
    }

    PublishedForm<TfrmPickDate> picker{frmPickDate};
    PublishedForm<TfrmTask> task{frmTask};
    std::unique_ptr<PaneHost<TToDoPane>> host;
};

TEST_F(ToDoPaneTest, Layout) {
    const struct {
        const char* name;
        QRect geometry;
    } places[] = {
        {"lblToDoDayNumber", {48, 30, 31, 31}}, {"Label7", {51, 33, 31, 31}},
        {"grdToDoCal", {360, 18, 166, 94}},     {"txtNewToDo", {10, 138, 375, 22}},
        {"txtDueDate", {387, 138, 130, 22}},    {"btnOpenDueDate", {519, 138, 19, 22}},
        {"grdToDo", {10, 162, 526, 199}},
    };
    for (const auto& p : places)
        EXPECT_EQ(Find<QWidget>(p.name)->geometry(), p.geometry) << p.name;
    EXPECT_TRUE(due->isReadOnly());
    EXPECT_EQ(text->maxLength(), 49);
    EXPECT_EQ(text->toolTip(), "Type you new task and hit enter");
    EXPECT_EQ(Find<QToolButton>("btnToDoMonthDcr")->toolTip(), "Decrement Month");
    EXPECT_EQ(Find<QToolButton>("btnToDoYearInc")->toolTip(), "Increment Year");
    EXPECT_TRUE(Find<QLabel>("imgCheck")->isHidden());
    EXPECT_FALSE(Find<QLabel>("imgLate")->pixmap().isNull());

    EXPECT_EQ(grid->ColCount(), 6);
    EXPECT_EQ(grid->RowCount(), 10);
    const int widths[] = {20, 20, 330, 130, 0, 0};
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(grid->ColWidth(c), widths[c]) << c;
    EXPECT_EQ(grid->RowHeight(0), 18);
    EXPECT_EQ(cal->ColCount(), 7);
    EXPECT_EQ(cal->RowCount(), 7);
    EXPECT_EQ(cal->ColWidth(3), 22);
    EXPECT_EQ(cal->RowHeight(3), 12);
}

TEST_F(ToDoPaneTest, TheCalendarStartsSundaysInColumnZero) {
    pane->FillToDoCalendar(7, 29);
    EXPECT_EQ(cal->Cell(0, 1), "1");
    EXPECT_EQ(cal->Cell(0, 5), "29");
    pane->FillToDoCalendar(6, 30);  // a Saturday start reaches the sixth row
    EXPECT_EQ(cal->Cell(6, 1), "1");
    EXPECT_EQ(cal->Cell(0, 6), "30");
}

TEST_F(ToDoPaneTest, TheDaysTasksWithTheirMarks) {
    TTaskRecord done = Task(3, "Done long ago", kToday.SubtractDays(9));
    done.completed = 1;
    done.priority = 3;
    TTaskRecord gone = Task(4, "Deleted", kToday);
    gone.deleted = 1;
    TTaskRecord low = Task(0, "Late one", kToday.SubtractDays(1));
    low.priority = 1;
    WriteFile(TaskFileName, FileOf({low, Task(1, "Due today", kToday),
                                    Task(2, "Other day", kToday, kToday.AddDays(1)), done, gone,
                                    Task(5, "Next week", kToday.AddDays(7))}));
    pane->ShowToDoDay(kToday);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"2|1|Late one|1 Rajjab, 1448|0",
                                                "0|2|Due today|2 Rajjab, 1448|1",
                                                "1|3|Done long ago|22 Jamadi-ul-Aakhar, 1448|3",
                                                "0|2|Next week|9 Rajjab, 1448|5"}));
    EXPECT_EQ(grid->RowCount(), 14);
    EXPECT_EQ(grid->Cell(0, 0), "");

    pane->ShowToDoDay(kToday.AddDays(2));  // a day without tasks
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(grid->RowCount(), 10);
}

TEST_F(ToDoPaneTest, AListThatCannotBeReadShowsNoTasks) {
    WriteFile(TaskFileName, FileOf({Task(0, "Today's", kToday)}));
    pane->ShowToDoDay(kToday);
    ASSERT_EQ(Rows().size(), 1u);
    QFile::remove(TaskFileName);
    pane->ShowToDoDay(kToday.AddDays(1));
    EXPECT_TRUE(Rows().empty());
    EXPECT_TRUE(responder->Boxes().empty());

    ASSERT_TRUE(QDir().mkdir(TaskFileName));
    pane->ShowToDoDay(kToday);
    EXPECT_EQ(responder->Texts(), std::vector<AnsiString>{"Error opening file 'todotask.dat'."});
}

TEST_F(ToDoPaneTest, CellDrawing) {
    TTaskRecord done = Task(2, "Done", kToday.SubtractDays(3));
    done.completed = 1;
    TTaskRecord high = Task(1, "Late", kToday.SubtractDays(1));
    high.priority = 3;
    WriteFile(TaskFileName, FileOf({Task(0, "Open", kToday), high, done}));
    pane->ShowToDoDay(kToday);

    // Column 0: the mark picture at the cell's corner, none for an open task.
    auto picture = [&](int row) -> const RecordingCanvas::Op* {
        static std::vector<RecordingCanvas::Op> ops;
        ops = Paint(0, row);
        for (const auto& op : ops)
            if (op.kind == RecordingCanvas::Op::Picture)
                return &op;
        return nullptr;
    };
    EXPECT_EQ(picture(0), nullptr);
    for (int row : {1, 2}) {
        const auto* op = picture(row);
        ASSERT_NE(op, nullptr) << row;
        EXPECT_EQ(op->rect.Left, grid->CellRect(0, row).Left);
        EXPECT_EQ(op->rect.Top, grid->CellRect(0, row).Top);
        EXPECT_EQ(op->rect.Width(), 16);
    }

    // Column 1: the priority letter, bold and centred.
    const struct {
        int row;
        const char* letter;
        TColor color;
    } letters[] = {{0, "N", clBlue}, {1, "H", clRed}};
    for (const auto& l : letters) {
        const auto ops = Paint(1, l.row);
        const auto* op = TextOp(ops);
        ASSERT_NE(op, nullptr);
        EXPECT_EQ(op->text, l.letter);
        EXPECT_EQ(op->font.Color, l.color);
        EXPECT_EQ(op->font.Style, fsBold);
        const TRect cell = grid->CellRect(1, l.row);
        EXPECT_EQ(op->rect.Left, cell.Left + cell.Width() / 2 - op->rect.Width() / 2);
        EXPECT_EQ(op->rect.Top, cell.Top);
    }
    grid->SetCell(1, 0, "1");
    EXPECT_EQ(TextOp(Paint(1, 0))->font.Color, clGreen);
    grid->SetCell(1, 0, "7");
    EXPECT_EQ(TextOp(Paint(1, 0)), nullptr);

    // Column 2: black, red when late, grey struck out on silver when done.
    const struct {
        int row;
        TColor color, fill;
        int style;
    } texts[] = {
        {0, clBlack, clWhite, 0}, {1, clRed, clWhite, 0}, {2, clGray, clSilver, fsStrikeOut}};
    for (const auto& t : texts) {
        const auto ops = Paint(2, t.row);
        const auto* op = TextOp(ops);
        ASSERT_NE(op, nullptr);
        EXPECT_EQ(op->font.Color, t.color) << t.row;
        EXPECT_EQ(op->font.Style, t.style) << t.row;
        EXPECT_EQ(op->brush.Color, t.fill) << t.row;
        EXPECT_EQ(op->rect.Left, grid->CellRect(2, t.row).Left);
    }
    EXPECT_EQ(TextOp(Paint(3, 1))->font.Color, clBlack);

    // Every primitive stays inside its cell.
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col) {
            const TRect cell = grid->CellRect(col, row);
            for (const auto& op : Paint(col, row))
                if (op.kind == RecordingCanvas::Op::FillRect) {
                    EXPECT_EQ(op.rect, cell);
                }
        }
}

TEST_F(ToDoPaneTest, TheShownDayIsHighlightedInTheMonthGrid) {
    pane->ShowToDoDay(TMisri(17, 9, 1447));
    std::vector<AnsiString> yellow;
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 7; ++c) {
            RecordingCanvas canvas;
            cal->PaintCell(canvas, c, r);
            for (const auto& op : canvas.ops)
                if (op.kind == RecordingCanvas::Op::Text && op.brush.Color == clYellow) {
                    EXPECT_EQ(op.font.Style, fsBold | fsUnderline);
                    yellow.push_back(op.text);
                }
        }
    EXPECT_EQ(yellow, std::vector<AnsiString>{"17"});
    RecordingCanvas header;
    cal->PaintCell(header, 0, 0);
    ASSERT_NE(header.FindText("S"), nullptr);
    EXPECT_EQ(header.FindText("S")->brush.Color, clNavy);
    EXPECT_EQ(header.FindText("S")->font.Color, clWhite);
    RecordingCanvas sunday;
    cal->PaintCell(sunday, 0, 2);
    EXPECT_EQ(TextOp(sunday.ops)->font.Color, clRed);
}

TEST_F(ToDoPaneTest, DayClicksOutsideTheDaysChangeNothing) {
    pane->ShowToDoDay(kToday);
    ClickCell(cal, 3, 0);  // the letter row
    ClickCell(cal, 0, 1);  // blank before day 1
    EXPECT_EQ(pane->toDoDay, kToday);
    ClickCell(cal, 0, 3);  // day 12
    EXPECT_EQ(pane->toDoDay, TMisri(12, 7, 1448));
    EXPECT_EQ(Label("lblToDoDayNumber"), "12");
}

TEST_F(ToDoPaneTest, ArrowKeysShowTheDayTheyReach) {
    pane->ShowToDoDay(kToday);
    ClickCell(cal, 0, 3);  // day 12
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(cal, &right);
    EXPECT_EQ(pane->toDoDay, TMisri(13, 7, 1448));
    EXPECT_EQ(Label("lblToDoDayNumber"), "13");
    EXPECT_EQ(Label("lblToDoEngDate"), "Dec 21, 2026");
}

TEST_F(ToDoPaneTest, MonthAndYearSteps) {
    const struct {
        const char* button;
        TMisri from, to;
    } cases[] = {
        {"btnToDoMonthDcr", TMisri(10, 1, 1420), TMisri(10, 12, 1419)},
        {"btnToDoMonthDcr", TMisri(30, 3, 1420), TMisri(29, 2, 1420)},
        {"btnToDoMonthInc", TMisri(5, 12, 1419), TMisri(5, 1, 1420)},
        {"btnToDoMonthInc", TMisri(30, 1, 1420), TMisri(29, 2, 1420)},
        {"btnToDoMonthInc", TMisri(30, 2, 1420), TMisri(29, 3, 1420)},
        {"btnToDoYearDcr", TMisri(30, 9, 1448), TMisri(29, 9, 1447)},
        {"btnToDoYearInc", TMisri(8, 4, 1448), TMisri(8, 4, 1449)},
        {"btnToDoYearDcr", TMisri(8, 4, 1), TMisri(8, 4, 1)},
    };
    for (const auto& c : cases) {
        pane->ShowToDoDay(c.from);
        Find<QToolButton>(c.button)->click();
        EXPECT_EQ(pane->toDoDay, c.to) << c.button << " " << c.from.Format(0);
    }
    EXPECT_EQ(Label("lblToDoYear"), "1");
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(ToDoPaneTest, TypingFillsAnEmptyDueDateWithTheShownDay) {
    pane->ShowToDoDay(TMisri(20, 8, 1448));
    Type("Call");
    EXPECT_EQ(due->text(), "20 Shaaban, 1448");
    due->setText("1 Ramadan, 1448");
    Type("!");
    EXPECT_EQ(due->text(), "1 Ramadan, 1448");
}

TEST_F(ToDoPaneTest, TheDatePickerOpensOnTheShownDay) {
    pane->ShowToDoDay(TMisri(20, 8, 1448));
    responder->QueueForm([&](TForm& f) {
        EXPECT_EQ(&f, picker.get());
        EXPECT_EQ(picker->picked, TMisri(20, 8, 1448));
        picker->picked = TMisri(4, 9, 1448);
        return mrOk;
    });
    Find<QToolButton>("btnOpenDueDate")->click();
    EXPECT_EQ(due->text(), "4 Ramadan, 1448");
}

TEST_F(ToDoPaneTest, AFailedAppendAddsNoRowAndKeepsTheTexts) {
    pane->ShowToDoDay(kToday);
    ASSERT_TRUE(QDir().mkdir(TaskFileName));
    Type("Lost?");
    PressEnter();
    EXPECT_EQ(responder->Texts(), (std::vector<AnsiString>{"Do you want to save this task?",
                                                           "Error opening file 'todotask.dat'."}));
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(text->text(), "Lost?");
    EXPECT_EQ(due->text(), "2 Rajjab, 1448");
}

TEST_F(ToDoPaneTest, DoubleClickOnTheMarkTogglesCompleted) {
    TTaskRecord late = Task(1, "Late", kToday.SubtractDays(1));
    late.priority = 3;
    WriteFile(TaskFileName, FileOf({Task(0, "Other", kToday), late}));
    pane->ShowToDoDay(kToday);
    const std::string other = ReadFile(TaskFileName).substr(0, 84);

    DoubleClickCell(grid, 0, 1);
    EXPECT_EQ(grid->Cell(4, 1), "1");
    TTaskRecord r = Record(1);
    EXPECT_EQ(r.completed, 1);
    EXPECT_EQ(r.priority, 3);
    EXPECT_EQ(r.text, "Late");
    EXPECT_EQ(r.taskDate, kToday);
    EXPECT_EQ(r.dueDate, kToday.SubtractDays(1));

    DoubleClickCell(grid, 0, 1);  // back to late, not open
    EXPECT_EQ(grid->Cell(4, 1), "2");
    EXPECT_EQ(Record(1).completed, 0);
    DoubleClickCell(grid, 0, 0);
    EXPECT_EQ(grid->Cell(4, 0), "1");
    DoubleClickCell(grid, 0, 0);
    EXPECT_EQ(grid->Cell(4, 0), "0");
    EXPECT_EQ(ReadFile(TaskFileName).size(), 168u);
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(ToDoPaneTest, DoubleClickOnABlankRowDoesNothing) {
    WriteFile(TaskFileName, FileOf({Task(0, "Only", kToday)}));
    pane->ShowToDoDay(kToday);
    const std::string before = ReadFile(TaskFileName);
    DoubleClickCell(grid, 0, 3);
    DoubleClickCell(grid, 2, 4);
    EXPECT_EQ(ReadFile(TaskFileName), before);
    EXPECT_TRUE(responder->Boxes().empty());
    EXPECT_EQ(responder->ModalCount(), 0);
    EXPECT_EQ(grid->Cell(4, 3), "");
}

TEST_F(ToDoPaneTest, DeletingInTheDialogRemovesTheTaskFromTheList) {
    WriteFile(TaskFileName, FileOf({Task(0, "Keep", kToday), Task(1, "Drop", kToday)}));
    WriteFile("1.msg", "note\r\n");
    pane->ShowToDoDay(kToday);
    responder->QueueForm([](TForm& f) {
        f.findChild<QCheckBox*>("chkDeleted")->setChecked(true);
        f.findChild<QPushButton*>("btnOk")->click();
        return f.ModalResult();
    });
    DoubleClickCell(grid, 2, 1);
    EXPECT_EQ(Rows(), std::vector<std::string>{"0|2|Keep|2 Rajjab, 1448|0"});
    EXPECT_EQ(grid->RowCount(), 11);
    EXPECT_EQ(Record(1).deleted, 1);
    EXPECT_EQ(Record(1).text, "Drop");
    EXPECT_EQ(ReadFile(TaskFileName).size(), 168u);
    EXPECT_FALSE(FileExists("1.msg"));
}

}  // namespace
