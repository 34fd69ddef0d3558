#include "diary/Splash.h"

#include "ui_Splash.h"

#include "calendar/Projglob.h"
#include "platform/widgets/FormResource.h"
#include "resources/Bitmaps.h"

TfrmSplash* frmSplash = nullptr;

TfrmSplash::TfrmSplash(QWidget* owner) : TForm(owner), ui(new Ui::TfrmSplash) {
    ui->setupUi(this);
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    // Closing the main window ends the program even while the splash shows.
    setAttribute(Qt::WA_QuitOnClose, false);
    ApplyFormResource(this);
    ui->Image1->setPixmap(LoadBitmap("SPLASH", ui->Image1->size()));
    CentreOnScreen(this);
    FormCreate();
}

TfrmSplash::~TfrmSplash() = default;

void TfrmSplash::FormCreate() {
    generalMode = 0;
}
