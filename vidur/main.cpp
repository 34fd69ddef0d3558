// vidur, the prayer-call alarm: one running copy per user, hidden behind its
// notification-area icon, with the program's folder as the current directory
// (where sched.dat and the sounds live).
#include "Application.h"
#include "AzanForm.h"
#include "Bitmaps.h"
#include "PickDate.h"
#include "SingleInstance.h"
#include "TrayIcon.h"

#include <exception>

int main(int argc, char** argv) {
    SingleInstance instance("VidurMutex");
    if (!instance.Acquire())
        return 0;

    TApplication app(argc, argv);
    try {
        // The window is hidden most of the time: closing a message box over
        // it must not end the program; only "Terminate Vidur" does.
        QApplication::setQuitOnLastWindowClosed(false);
        QApplication::setWindowIcon(LoadIcon("VIDUR_ICON"));
        Application->SetTitle("Miravel Vidur");
        MakeProgramFolderCurrent();

        Application->CreateForm(frmMain);
        Application->CreateForm(frmPickDate);
        Application->ShowMainForm = false;
        // Without a notification area the window is the only way in.
        if (!TTrayIcon::Available())
            frmMain->show();
        Application->Run();
    } catch (const std::exception& e) {
        Application->ShowException(e);
    }
    return 0;
}
