// The list of outstanding tasks shown shortly after start-up: every live,
// open task whose due date has come, the late ones in red. Double-clicked
// tasks are ticked; "&Ok" writes each ticked task back as done and deleted.
#pragma once

#include "diary/todo/TaskFile.h"
#include "platform/widgets/Canvas.h"
#include "platform/widgets/Forms.h"
#include "platform/widgets/StringGrid.h"

#include <memory>
#include <vector>

namespace Ui {
class TfrmTasks;
}

class TfrmTasks : public TForm {
    Q_OBJECT
public:
    explicit TfrmTasks(QWidget* owner = nullptr);
    ~TfrmTasks() override;

    // 1 when tasks were due and the list was shown, 0 when nothing was due.
    int Execute();
    // 1 when at least one task was listed.
    int LoadOutstandingTasks();
    void ClearGrid();
    void SetupGrid();
    void SaveMarkedTasks();

    void FormCreate();
    void btnOkClick();
    void grdMainDblClick();
    void grdMainDrawCell(int ACol, int ARow, TRect Rect, TGridDrawState State);

private:
    std::unique_ptr<Ui::TfrmTasks> ui;
    // The record behind each listed row (row 1 is the first), its index the
    // slot it was read from.
    std::vector<TTaskRecord> listed;
};

extern TfrmTasks* frmTasks;
