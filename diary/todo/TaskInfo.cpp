#include "diary/todo/TaskInfo.h"

#include "ui_TaskInfo.h"

#include "calendar/widgets/PickDate.h"
#include "diary/todo/TaskFile.h"
#include "platform/core/RecordFile.h"
#include "platform/widgets/FieldEdit.h"
#include "platform/widgets/FormResource.h"
#include "platform/widgets/Handlers.h"
#include "resources/Bitmaps.h"

#include <QTextDocument>

#include <filesystem>
#include <system_error>

TfrmTask* frmTask = nullptr;

TfrmTask::TfrmTask(QWidget* owner) : TForm(owner), ui(new Ui::TfrmTask) {
    ui->setupUi(this);
    ApplyFormResource(this);
    ui->btnOpenDueDate->setIcon(LoadIcon("CALENDAR_BUTTON"));
    LimitToRecordField(ui->txtTask, TaskTextSize);
    CentreOnScreen(this);
    ConnectModalButton(ui->btnOk, mrOk);
    ConnectModalButton(ui->btnCancel, mrCancel);
    OnEvent(ui->btnOpenDueDate, &QToolButton::clicked, this, &TfrmTask::btnOpenDueDateClick);
}

TfrmTask::~TfrmTask() = default;

int TfrmTask::Execute(TTaskRecord* task) {
    const AnsiString noteFile = TaskNoteFileName(task->index);
    ShowFieldText(ui->txtTask, task->text);
    const QString dueText = ToQString(task->dueDate.Format(0));
    ui->txtDueDate->setText(dueText);
    if (task->priority == 1)
        ui->rdbLow->setChecked(true);
    else if (task->priority == 2)
        ui->rdbNormal->setChecked(true);
    else
        ui->rdbHigh->setChecked(true);
    ui->chkCompleted->setChecked(task->completed != 0);
    ui->chkDeleted->setChecked(false);
    if (FileExists(noteFile))
        ui->txtMemo->SetLines(LoadTaskNote(noteFile));
    else
        ui->txtMemo->clear();
    const std::vector<AnsiString> note = ui->txtMemo->Lines();

    if (ShowModal() != mrOk)
        return 0;
    task->text = FromQString(ui->txtTask->text());
    // A due date left as shown stays as stored, a damaged one included:
    // its text would not read back as the same date.
    if (ui->txtDueDate->text() != dueText)
        task->dueDate.Set(FromQString(ui->txtDueDate->text()));
    task->priority = ui->rdbLow->isChecked() ? 1 : ui->rdbNormal->isChecked() ? 2 : 3;
    task->completed = ui->chkCompleted->isChecked() ? 1 : 0;
    task->deleted = ui->chkDeleted->isChecked() ? 1 : 0;
    if (task->deleted == 0) {
        // An empty memo leaves a note saved earlier as it is, and so does a
        // note the user did not change: its file stays byte for byte.
        const std::vector<AnsiString> lines = ui->txtMemo->Lines();
        if (!ui->txtMemo->document()->isEmpty() && lines != note)
            SaveTaskNote(noteFile, lines);
    } else if (FileExists(noteFile)) {
        std::error_code ec;
        std::filesystem::remove(noteFile, ec);
    }
    return 1;
}

void TfrmTask::btnOpenDueDateClick() {
    TMisri start;
    const AnsiString text = FromQString(ui->txtDueDate->text());
    if (!text.empty())
        start.Set(text);
    const TMisri picked = PickDateBelow(ui->btnOpenDueDate, start);
    ui->txtDueDate->setText(ToQString(picked.Format(0)));
}
