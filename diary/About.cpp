#include "diary/About.h"

#include "ui_About.h"

#include "platform/widgets/FormResource.h"
#include "resources/Bitmaps.h"

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(QWidget* owner) : TForm(owner), ui(new Ui::TAboutBox) {
    ui->setupUi(this);
    ApplyFormResource(this);
    ui->ProgramIcon->setPixmap(LoadBitmap("ABOUT", ui->ProgramIcon->size()));
    ConnectModalButton(ui->OKButton, mrOk);
    CentreOnScreen(this);
}

TAboutBox::~TAboutBox() = default;
