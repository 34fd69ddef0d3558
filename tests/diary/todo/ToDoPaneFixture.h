// What the to-do pane's tests look at, for the pane on its own and for the
// pane in the main window: its components by name, the task rows as text,
// the records of the task file, and the keys typed into the task box.
#pragma once

#include "diary/todo/TaskFile.h"
#include "diary/todo/ToDoPane.h"
#include "platform/widgets/Canvas.h"
#include "platform/widgets/StringGrid.h"
#include "tests/diary/TaskFixture.h"
#include "tests/support/FindChild.h"
#include "tests/support/RecordingCanvas.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

// Base is the sandbox that makes the form the pane stands in.
template <class Base> class ToDoPaneFixture : public Base {
protected:
    // The form holding the pane, and the pane; each test's SetUp names them.
    void Attach(QWidget* form, TToDoPane* toDo) {
        ASSERT_EQ(TMisri(Date()), kToday);
        root = form;
        pane = toDo;
        grid = Find<TStringGrid>("grdToDo");
        cal = Find<TStringGrid>("grdToDoCal");
        text = Find<QLineEdit>("txtNewToDo");
        due = Find<QLineEdit>("txtDueDate");
    }

    // A component of the form by its name.
    template <class W> W* Find(const char* name) const { return FindChild<W>(root, name); }
    std::string Label(const char* name) const { return Find<QLabel>(name)->text().toStdString(); }
    // The task rows: "status|priority|text|due|index", up to the first blank row.
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (int r = 0; r < grid->RowCount() && !grid->Cell(5, r).empty(); ++r)
            rows.push_back(grid->Cell(4, r) + "|" + grid->Cell(1, r) + "|" + grid->Cell(2, r) +
                           "|" + grid->Cell(3, r) + "|" + grid->Cell(5, r));
        return rows;
    }
    static TTaskRecord Record(int slot) {
        const std::string bytes = Base::ReadFile(TaskFileName);
        EXPECT_GE(bytes.size(), static_cast<std::size_t>(slot + 1) * TaskRecordSize);
        TaskRecordBytes packed{};
        if (bytes.size() >= static_cast<std::size_t>(slot + 1) * TaskRecordSize)
            std::memcpy(packed.data(), bytes.data() + slot * TaskRecordSize, packed.size());
        return UnpackTaskRecord(packed);
    }
    void PressEnter() {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QApplication::sendEvent(text, &press);
    }
    // Typed at the cursor, as the keyboard would.
    void Type(const char* keys) { text->insert(keys); }
    // The ops drawn for one cell of the task grid.
    std::vector<RecordingCanvas::Op> Paint(int col, int row) const {
        RecordingCanvas canvas;
        grid->PaintCell(canvas, col, row);
        return canvas.ops;
    }
    static const RecordingCanvas::Op* TextOp(const std::vector<RecordingCanvas::Op>& ops) {
        for (const auto& op : ops)
            if (op.kind == RecordingCanvas::Op::Text)
                return &op;
        return nullptr;
    }

    QWidget* root = nullptr;
    TToDoPane* pane = nullptr;
    TStringGrid* grid = nullptr;
    TStringGrid* cal = nullptr;
    QLineEdit* text = nullptr;
    QLineEdit* due = nullptr;
};
