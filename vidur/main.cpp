// vidur, the prayer-call alarm: one running copy per user, hidden behind its
// notification-area icon (or in the task bar where the desktop has none),
// with the program's folder as the current directory (where sched.dat and
// the sounds live).
#include "calendar/widgets/PickDate.h"
#include "platform/desktop/SingleInstance.h"
#include "platform/widgets/Application.h"
#include "resources/Bitmaps.h"
#include "vidur/AzanForm.h"
#include "vidur/PathHelpers.h"

#include <exception>

int main(int argc, char** argv) {
    SingleInstance instance("VidurMutex");
    if (!instance.Acquire()) {
        // The running copy shows its window when it has no icon to be found by.
        instance.Knock();
        return 0;
    }

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
        frmMain->ShowIfNoIcon();
        instance.Listen([] {
            if (frmMain)
                RunGuarded([] { frmMain->ShowIfNoIcon(); });
        });
        Application->Run();
    } catch (const std::exception& e) {
        Application->ShowException(e);
    }
    return 0;
}
