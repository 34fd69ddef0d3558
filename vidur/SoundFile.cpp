#include "vidur/SoundFile.h"

#include "calendar/Projglob.h"
#include "platform/desktop/Shell.h"
#include "platform/desktop/Sound.h"
#include "vidur/PathHelpers.h"

void PlaySoundFile(TfrmMain* form, const char* path) {
    (void)form;
    MakeProgramFolderCurrent();
    const AnsiString file = path ? path : "";
    if (AnsiUpperCase(ExtensionOf(file)) == "WAV") {
        const AnsiString failure = Sound::PlayWav(file);
        if (!failure.empty())
            ShowMessageBox(failure);
    } else if (!Shell::OpenDocument(file)) {
        // Told as a WAV file that cannot play is: the call stays silent.
        ShowMessageBox("Cannot open file " + file + ": no program could be started for it");
    }
}
