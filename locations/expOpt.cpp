#include "locations/expOpt.h"

#include "ui_expOpt.h"

#include "platform/widgets/FormResource.h"
#include "platform/widgets/Handlers.h"

TfrmExpOption::TfrmExpOption(QWidget* owner) : TForm(owner), ui(new Ui::TfrmExpOption) {
    ui->setupUi(this);
    ApplyFormResource(this);
    CentreOnScreen(this);
    ConnectModalButton(ui->btnOk, mrOk, this, &TfrmExpOption::btnOkClick);
}

TfrmExpOption::~TfrmExpOption() = default;

int TfrmExpOption::Execute() {
    monthCount = 0;
    ShowModal();
    return monthCount;
}

void TfrmExpOption::btnOkClick() {
    monthCount = ui->rdbCurrentMonth->isChecked() ? 1 : 12;
}
