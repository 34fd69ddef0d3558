#include "diary/todo/TaskFile.h"
#include "diary/todo/Tasks.h"
#include "platform/widgets/Canvas.h"
#include "platform/widgets/StringGrid.h"
#include "tests/diary/TaskFixture.h"
#include "tests/support/GridClicks.h"
#include "tests/support/RecordingCanvas.h"
#include "tests/support/Sandbox.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

class OutstandingTasksTest : public Sandbox {
protected:
    void SetUp() override {
        Sandbox::SetUp();
        ASSERT_EQ(TMisri(Date()), kToday);
        form = std::make_unique<TfrmTasks>();
        grid = form->findChild<TStringGrid*>("grdMain");
        ASSERT_NE(grid, nullptr);
    }
    void TearDown() override {
        form.reset();
        Sandbox::TearDown();
    }
    // The listed rows: "text|task date|due date|index|mark".
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (int r = 1; r < grid->RowCount() && !grid->Cell(3, r).empty(); ++r) {
            std::string line;
            for (int c = 0; c < 5; ++c)
                line += (c ? "|" : "") + grid->Cell(c, r);
            rows.push_back(line);
        }
        return rows;
    }
    const RecordingCanvas::Op* DrawnText(int col, int row) {
        canvas = RecordingCanvas();
        grid->PaintCell(canvas, col, row);
        for (const auto& op : canvas.ops)
            if (op.kind == RecordingCanvas::Op::Text)
                return &op;
        return nullptr;
    }
    void WriteMixedFile() { WriteFile(TaskFileName, MixedTaskFile()); }

    std::unique_ptr<TfrmTasks> form;
    TStringGrid* grid = nullptr;
    RecordingCanvas canvas;
};

TEST_F(OutstandingTasksTest, Layout) {
    EXPECT_EQ(form->windowTitle(), "Outstanding Tasks");
    EXPECT_EQ(form->size(), QSize(442, 247));
    EXPECT_EQ(form->findChild<QLabel*>("Panel1")->text(), "   Outstanding Tasks");
    EXPECT_EQ(form->findChild<QLabel*>("Label1")->text(),
              "Note: Late tasks appear in red. Double click a task to mark it completed.");
    EXPECT_EQ(form->findChild<QPushButton*>("btnOk")->text(), "&Ok");
    EXPECT_EQ(grid->ColCount(), 5);
    EXPECT_EQ(grid->RowCount(), 10);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(grid->RowHeight(1), 16);
    const int widths[] = {215, 100, 100, 0, 0};
    const char* headers[] = {"Task Description", "Task Date", "Due Date", "", ""};
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(grid->ColWidth(c), widths[c]);
        EXPECT_EQ(grid->Cell(c, 0), headers[c]);
    }
}

TEST_F(OutstandingTasksTest, NothingDueShowsNothing) {
    EXPECT_EQ(form->Execute(), 0);  // no file
    WriteFile(TaskFileName, FileOf({Task(0, "Later", kToday.AddDays(1))}));
    EXPECT_EQ(form->Execute(), 0);
    EXPECT_EQ(responder->ModalCount(), 0);
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(OutstandingTasksTest, ListsTheLiveOpenTasksThatAreDue) {
    WriteMixedFile();
    responder->QueueForm([](TForm& f) {
        EXPECT_TRUE(f.isVisible());
        return mrCancel;
    });
    EXPECT_EQ(form->Execute(), 1);
    EXPECT_EQ(responder->ModalCount(), 1);
    EXPECT_EQ(Rows(), (std::vector<std::string>{
                          "Due today|2 Rajjab, 1448|2 Rajjab, 1448|0|0",
                          "Yesterday|7 Rajjab, 1448|1 Rajjab, 1448|2|0",
                          "Long due|2 Rajjab, 1448|1 Moharram, 1447|5|0",
                      }));
    EXPECT_EQ(grid->RowCount(), 13);

    // Late ones red, the one due today black; the header bold on button face.
    EXPECT_EQ(DrawnText(0, 1)->font.Color, clBlack);
    EXPECT_EQ(DrawnText(0, 2)->font.Color, clRed);
    EXPECT_EQ(DrawnText(2, 3)->font.Color, clRed);
    const auto* header = DrawnText(0, 0);
    EXPECT_EQ(header->font.Style, fsBold);
    EXPECT_EQ(header->brush.Color, clBtnFace);
    EXPECT_EQ(header->font.Name, "Arial");
    EXPECT_EQ(header->rect.Left, grid->CellRect(0, 0).Left);
    EXPECT_EQ(header->rect.Top, grid->CellRect(0, 0).Top);

    // A second run starts again from a cleared grid.
    WriteFile(TaskFileName, FileOf({Task(0, "Just one", kToday)}));
    responder->QueueForm([](TForm&) { return mrCancel; });
    EXPECT_EQ(form->Execute(), 1);
    EXPECT_EQ(Rows(), std::vector<std::string>{"Just one|2 Rajjab, 1448|2 Rajjab, 1448|0|0"});
    EXPECT_EQ(grid->RowCount(), 11);
}

TEST_F(OutstandingTasksTest, DoubleClicksTickAndUntick) {
    WriteMixedFile();
    form->LoadOutstandingTasks();
    DoubleClickCell(grid, 0, 2);
    EXPECT_EQ(grid->Cell(4, 2), "1");
    const auto* struck = DrawnText(0, 2);
    EXPECT_EQ(struck->font.Style, fsStrikeOut);
    EXPECT_EQ(struck->font.Color, clBlack);  // ticked: black, also when late
    DoubleClickCell(grid, 1, 2);
    EXPECT_EQ(grid->Cell(4, 2), "0");
    DoubleClickCell(grid, 0, 6);  // a blank row
    EXPECT_EQ(grid->Cell(4, 6), "");
}

TEST_F(OutstandingTasksTest, OkWritesTheTickedTasksAtTheirSlots) {
    WriteMixedFile();
    const std::string before = ReadFile(TaskFileName);
    responder->QueueForm([&](TForm& f) {
        DoubleClickCell(grid, 0, 1);
        DoubleClickCell(grid, 0, 3);
        DoubleClickCell(grid, 0, 2);  // ticked and unticked again
        DoubleClickCell(grid, 0, 2);
        f.findChild<QPushButton*>("btnOk")->click();
        return f.ModalResult();
    });
    EXPECT_EQ(form->Execute(), 1);
    const std::string after = ReadFile(TaskFileName);
    ASSERT_EQ(after.size(), before.size());
    auto record = [&](int slot) {
        TaskRecordBytes packed;
        std::memcpy(packed.data(), after.data() + slot * TaskRecordSize, packed.size());
        return UnpackTaskRecord(packed);
    };
    for (int slot : {0, 5}) {
        const TTaskRecord r = record(slot);
        EXPECT_EQ(r.index, slot);
        EXPECT_EQ(r.priority, 1);
        EXPECT_EQ(r.completed, 1);
        EXPECT_EQ(r.deleted, 1);
    }
    EXPECT_EQ(record(5).text, "Long due");
    EXPECT_EQ(record(5).dueDate, TMisri(1, 1, 1447));
    EXPECT_EQ(record(5).taskDate, kToday);
    for (int slot : {1, 2, 3, 4})
        EXPECT_EQ(after.substr(static_cast<std::size_t>(slot) * 84, 84),
                  before.substr(static_cast<std::size_t>(slot) * 84, 84))
            << slot;
    EXPECT_TRUE(responder->Boxes().empty());

    // Gone from the next list.
    EXPECT_EQ(form->LoadOutstandingTasks(), 1);
    EXPECT_EQ(Rows(), std::vector<std::string>{"Yesterday|7 Rajjab, 1448|1 Rajjab, 1448|2|0"});
}

TEST_F(OutstandingTasksTest, TheCloseBoxSavesNothing) {
    WriteMixedFile();
    const std::string before = ReadFile(TaskFileName);
    responder->QueueForm([&](TForm& f) {
        DoubleClickCell(grid, 0, 1);
        f.close();
        return f.ModalResult();
    });
    form->Execute();
    EXPECT_EQ(ReadFile(TaskFileName), before);
}

TEST_F(OutstandingTasksTest, AFileThatCannotBeReadIsToldOnce) {
    ASSERT_TRUE(QDir().mkdir(TaskFileName));
    EXPECT_EQ(form->Execute(), 0);
    EXPECT_EQ(responder->Texts(), std::vector<AnsiString>{"Error opening file 'todotask.dat'."});
}

}  // namespace
