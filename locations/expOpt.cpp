#include "expOpt.h"

#include "ui_expOpt.h"

#include "FormResource.h"
#include "Handlers.h"

#include <QGuiApplication>
#include <QScreen>

TfrmExpOption::TfrmExpOption(QWidget* owner) : TForm(owner), ui(new Ui::TfrmExpOption) {
    ui->setupUi(this);
    ApplyFormResource(this);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
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
