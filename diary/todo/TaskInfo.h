// The task detail dialog: one to-do task's text, due date, priority,
// completed state, a delete request and its note. The caller writes the
// edited record back; the dialog keeps the task's note file.
#pragma once

#include "platform/widgets/Forms.h"

#include <memory>

struct TTaskRecord;

namespace Ui {
class TfrmTask;
}

class TfrmTask : public TForm {
    Q_OBJECT
public:
    explicit TfrmTask(QWidget* owner = nullptr);
    ~TfrmTask() override;

    // Shows the task; on OK copies the edits into it, saves or deletes its
    // note and returns 1; otherwise leaves it as it was and returns 0.
    int Execute(TTaskRecord* task);

    void btnOpenDueDateClick();

private:
    std::unique_ptr<Ui::TfrmTask> ui;
};

extern TfrmTask* frmTask;
