// A sound player that records each file it is asked to play and plays
// nothing; `failure`, when set, is returned as the message text of every
// play. Installs itself while it lives.
#pragma once

#include "platform/desktop/Sound.h"

#include <vector>

class RecordingPlayer : public SoundPlayer {
public:
    RecordingPlayer() { Sound::SetPlayer(this); }
    ~RecordingPlayer() override { Sound::SetPlayer(nullptr); }
    AnsiString PlayWav(const AnsiString& path) override {
        played.push_back(path);
        return failure;
    }
    std::vector<AnsiString> played;
    AnsiString failure;
};
