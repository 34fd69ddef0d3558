// The playing of the alarm's sound files.
#pragma once

class TfrmMain;

// Plays one sound file: a WAV file to its end, any other file in the program
// associated with it (not waited for); a failure of either is told in the
// "Message" box. A relative path is taken from the program's folder.
void PlaySoundFile(TfrmMain* form, const char* path);
