// Playing a WAV file to its end while the caller waits, as the alarm's
// media player does: the sound is decoded with libsndfile and played through
// PulseAudio's simple API (PipeWire serves it too) on the calling thread,
// which does nothing else until the sound has ended. Tests install a
// recording player in place of the real one.
#pragma once

#include "platform/core/AnsiString.h"

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Plays the file to its end. Returns the empty text when it played, else
    // the failure's message text (a missing file, an unreadable format, no
    // sound server), for the caller's "Message" box.
    virtual AnsiString PlayWav(const AnsiString& path) = 0;
};

class Sound {
public:
    static AnsiString PlayWav(const AnsiString& path);
    static void SetPlayer(SoundPlayer* player);  // nullptr: the real player
};
