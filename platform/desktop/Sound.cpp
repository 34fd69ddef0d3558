#include "platform/desktop/Sound.h"

#include <QFile>

#include <pulse/error.h>
#include <pulse/simple.h>
#include <sndfile.h>

#include <vector>

namespace {

// An open sound file, closed when it goes.
struct SoundFile {
    SNDFILE* handle = nullptr;
    SF_INFO info{};
    ~SoundFile() {
        if (handle)
            sf_close(handle);
    }
};

// Integer formats of up to 16 bits play as 16-bit samples; wider and
// floating-point ones as 32-bit floats, so nothing of them is lost.
bool PlaysAsFloat(int format) {
    switch (format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_24:
    case SF_FORMAT_PCM_32:
    case SF_FORMAT_FLOAT:
    case SF_FORMAT_DOUBLE:
        return true;
    default:
        return false;
    }
}

// Writes the whole file to the server; "" when it played to its end.
AnsiString Stream(SoundFile& file, pa_simple* stream) {
    const bool asFloat = PlaysAsFloat(file.info.format);
    const int channels = file.info.channels;
    constexpr sf_count_t FramesPerChunk = 4096;
    std::vector<float> floats(asFloat ? FramesPerChunk * channels : 0);
    std::vector<short> shorts(asFloat ? 0 : FramesPerChunk * channels);
    int error = 0;
    for (;;) {
        const sf_count_t frames = asFloat
                                      ? sf_readf_float(file.handle, floats.data(), FramesPerChunk)
                                      : sf_readf_short(file.handle, shorts.data(), FramesPerChunk);
        if (frames <= 0)
            break;
        const void* data = asFloat ? static_cast<const void*>(floats.data()) : shorts.data();
        const std::size_t bytes =
            static_cast<std::size_t>(frames) * channels * (asFloat ? sizeof(float) : sizeof(short));
        if (pa_simple_write(stream, data, bytes, &error) < 0)
            return AnsiString("Sound playback failed: ") + pa_strerror(error);
    }
    if (pa_simple_drain(stream, &error) < 0)
        return AnsiString("Sound playback failed: ") + pa_strerror(error);
    return {};
}

// Opens the server's playback stream in the file's own format and plays the file.
AnsiString PlayOpenFile(SoundFile& file) {
    pa_sample_spec sampleFormat{};
    sampleFormat.format = PlaysAsFloat(file.info.format) ? PA_SAMPLE_FLOAT32LE : PA_SAMPLE_S16LE;
    sampleFormat.rate = static_cast<uint32_t>(file.info.samplerate);
    sampleFormat.channels = static_cast<uint8_t>(file.info.channels);
    if (file.info.channels <= 0 || file.info.channels > static_cast<int>(PA_CHANNELS_MAX) ||
        file.info.samplerate <= 0 || !pa_sample_spec_valid(&sampleFormat))
        return "Unsupported sound format";
    int error = 0;
    pa_simple* stream = pa_simple_new(nullptr, "Vidur", PA_STREAM_PLAYBACK, nullptr, "Prayer call",
                                      &sampleFormat, nullptr, nullptr, &error);
    if (!stream)
        return AnsiString("No sound server: ") + pa_strerror(error);
    const AnsiString result = Stream(file, stream);
    pa_simple_free(stream);
    return result;
}

class PulsePlayer : public SoundPlayer {
public:
    AnsiString PlayWav(const AnsiString& path) override {
        const QString name = ToQString(path);
        if (!QFile::exists(name))
            return "Cannot open file " + path;
        SoundFile file;
        file.handle = sf_open(QFile::encodeName(name).constData(), SFM_READ, &file.info);
        if (!file.handle)
            return "Cannot play file " + path + ": " + sf_strerror(nullptr);

        // Played on the calling thread, which waits until the sound has
        // ended: no timer, no queued call and no input of the program is
        // handled meanwhile, so nothing can run or start a second sound.
        return PlayOpenFile(file);
    }
};

SoundPlayer*& Current() {
    static SoundPlayer* player = nullptr;
    return player;
}

}  // namespace

AnsiString Sound::PlayWav(const AnsiString& path) {
    static PulsePlayer pulse;
    return Current() ? Current()->PlayWav(path) : pulse.PlayWav(path);
}

void Sound::SetPlayer(SoundPlayer* player) {
    Current() = player;
}
