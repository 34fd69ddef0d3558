#include "About.h"

#include "ui_About.h"

#include "Bitmaps.h"
#include "FormResource.h"

#include <QGuiApplication>
#include <QScreen>

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(QWidget* owner) : TForm(owner), ui(new Ui::TAboutBox) {
    ui->setupUi(this);
    ApplyFormResource(this);
    ui->ProgramIcon->setPixmap(LoadBitmap("ABOUT", ui->ProgramIcon->size()));
    ConnectModalButton(ui->OKButton, mrOk);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

TAboutBox::~TAboutBox() = default;
