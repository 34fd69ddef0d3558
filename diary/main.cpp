// miravel, the diary: shows the splash, reads the one command-line switch,
// creates the long-lived forms and runs the message loop.
#include "calendar/Projglob.h"
#include "calendar/widgets/PickDate.h"
#include "diary/About.h"
#include "diary/CommandLine.h"
#include "diary/MainForm.h"
#include "diary/Splash.h"
#include "diary/calendar/calEvent.h"
#include "diary/contacts/NContact.h"
#include "diary/print/CalPrint.h"
#include "diary/todo/TaskInfo.h"
#include "diary/todo/Tasks.h"
#include "locations/Qibla.h"
#include "locations/Salaat.h"
#include "platform/widgets/Application.h"
#include "resources/Bitmaps.h"

#include <QTimer>

#include <exception>

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    try {
        QApplication::setWindowIcon(LoadIcon("MIRAVEL_ICON"));

        frmSplash = new TfrmSplash(nullptr);
        frmSplash->show();
        frmSplash->repaint();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

        if (IsGeneralModeSwitch(Application->CommandLine()))
            generalMode = 1;
        Application->SetTitle("Miravel 4.3");

        Application->CreateForm(frmMain);
        Application->CreateForm(frmEvents);
        Application->CreateForm(frmPickDate);
        Application->CreateForm(frmTask);
        Application->CreateForm(AboutBox);
        Application->CreateForm(frmNewContact);
        Application->CreateForm(frmQibla);
        Application->CreateForm(frmSalaat);
        Application->CreateForm(frmPrint);
        Application->CreateForm(frmTasks);

        // Once the main window is on screen the splash goes back on top of it,
        // also where no window manager keeps it there. A box that the main
        // window's first activation opened (a missing data file) stays above.
        QTimer::singleShot(0, frmSplash, [] {
            frmSplash->raise();
            if (QWidget* box = QApplication::activeModalWidget())
                box->raise();
        });
        Application->Run();
    } catch (const std::exception& e) {
        Application->ShowException(e);
    }
    // The start-up timer frees the splash; a program closed before it fired
    // frees it here.
    delete frmSplash;
    frmSplash = nullptr;
    return 0;
}
