// The to-do pane of the diary's main window: one Hijri day with its month
// grid, and the live tasks that belong to that day, each with its completed
// or late mark, priority letter, text and due date. Tasks are added by
// typing and Enter, ticked off by a double click on their mark, and edited
// in the task detail dialog. Its form resource is applied by the form it
// stands in, with the rest of that form's components.
#pragma once

#include "calendar/Misri.h"
#include "diary/todo/TaskFile.h"
#include "platform/core/AnsiString.h"
#include "platform/widgets/Canvas.h"
#include "platform/widgets/StringGrid.h"

#include <QFrame>

#include <cstdint>
#include <memory>
#include <vector>

namespace Ui {
class TToDoPane;
}

class TToDoPane : public QFrame {
    Q_OBJECT
public:
    explicit TToDoPane(QWidget* parent = nullptr);
    ~TToDoPane() override;

    // The task grid and the month grid, once the pane has its form resource.
    void SetupToDoGrid();
    // The day `toDoDay`, its Hijri month and its tasks.
    void ShowToDoToday();
    void ShowToDoDay(TMisri day);
    // firstWeekDay counts 1 Monday .. 7 Sunday.
    void FillToDoCalendar(int firstWeekDay, int days);
    void ClearToDoGrid();
    void AddTaskRow(const AnsiString& text, const AnsiString& dueText, std::int32_t index,
                    std::int16_t status, std::int16_t priority);
    void LoadDayTasks();
    // Writes the record at slot `index`, or appends it for 1000000; the
    // record gets its slot.
    void WriteTaskRecord(TTaskRecord& record, std::int32_t index);

    void grdToDoCalClick();
    void btnToDoMonthDcrClick();
    void btnToDoMonthIncClick();
    void btnToDoYearDcrClick();
    void btnToDoYearIncClick();
    void btnOpenDueDateClick();
    void txtNewToDoChange();
    // Enter in the task box.
    void txtNewToDoKeyPress();
    void grdToDoDblClick();
    void grdToDoDrawCell(int ACol, int ARow, TRect Rect, TGridDrawState State);
    void grdToDoCalDrawCell(int ACol, int ARow, TRect Rect, TGridDrawState State);

    // The day the pane shows.
    TMisri toDoDay;

private:
    // Adds the row of a task and keeps its record.
    void AddTask(const TTaskRecord& record, const AnsiString& dueText, std::int16_t status);

    // The record behind each task row, by row, its index the slot it was
    // read from.
    std::vector<TTaskRecord> dayTasks;

    std::unique_ptr<Ui::TToDoPane> ui;
};
