// Writes the alarm's shipped sounds into a folder:
//
//   make_chimes <folder>
//
// "azan1.wav" (the default sound of every event), "start.wav" and "end.wav"
// (played when the alarm starts and ends) are short, soft chimes made here:
// each strike is a few harmonic partials with a gentle attack and a long
// decay, the upper partials dying faster, as a small bell's do. The files
// are 16-bit mono PCM WAV; the same program always writes the same bytes.
// A file that cannot be written ends the tool with a message and a failure
// status.
#include "platform/core/RecordFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int Rate = 22050;   // samples per second
constexpr double Peak = 0.3;  // of full scale: soft beside other sounds
constexpr double AttackSeconds = 0.008;
constexpr double FadeSeconds = 0.05;  // the last stretch, down to silence

// One partial of a strike: its frequency as a multiple of the note's, its
// loudness and the time in which it falls to 1/e.
struct Partial {
    double ratio;
    double level;
    double decaySeconds;
};
constexpr Partial Partials[] = {
    {1.0, 1.0, 1.1},
    {2.0, 0.35, 0.55},
    {3.0, 0.15, 0.3},
    {4.2, 0.06, 0.18},  // slightly out of tune: the bell's shimmer
};

struct Strike {
    double at;         // seconds from the start
    double frequency;  // Hz
};

struct Chime {
    const char* file;
    double seconds;
    std::vector<Strike> strikes;
};

// The notes, in Hz.
constexpr double C5 = 523.25, E5 = 659.26, G5 = 783.99;

const Chime Chimes[] = {
    {"azan1.wav", 4.0, {{0.0, G5}, {0.6, E5}, {1.2, C5}}},
    {"start.wav", 2.0, {{0.0, C5}, {0.35, G5}}},
    {"end.wav", 2.0, {{0.0, G5}, {0.35, C5}}},
};

std::vector<double> Render(const Chime& chime) {
    const auto frames = static_cast<std::size_t>(chime.seconds * Rate);
    std::vector<double> samples(frames, 0.0);
    for (const Strike& strike : chime.strikes) {
        for (std::size_t i = static_cast<std::size_t>(strike.at * Rate); i < frames; ++i) {
            const double t = static_cast<double>(i) / Rate - strike.at;  // [0, seconds)
            const double attack = t < AttackSeconds
                                      ? 0.5 - 0.5 * std::cos(std::numbers::pi * t / AttackSeconds)
                                      : 1.0;
            double value = 0.0;
            for (const Partial& p : Partials)
                value += p.level * std::exp(-t / p.decaySeconds) *
                         std::sin(2 * std::numbers::pi * strike.frequency * p.ratio * t);
            samples[i] += attack * value;
        }
    }
    const std::size_t fade = static_cast<std::size_t>(FadeSeconds * Rate);
    for (std::size_t k = 0; k < fade && k < frames; ++k)
        samples[frames - 1 - k] *= static_cast<double>(k) / fade;  // [0, 1)
    double loudest = 0.0;
    for (double s : samples)
        loudest = std::max(loudest, std::abs(s));
    if (loudest > 0)
        for (double& s : samples)
            s *= Peak / loudest;
    return samples;
}

// The RIFF WAVE bytes of 16-bit mono samples in [-1, 1].
std::string WaveFile(const std::vector<double>& samples) {
    constexpr std::size_t HeaderSize = 44;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    std::string bytes(HeaderSize + dataSize, '\0');
    auto* b = reinterpret_cast<unsigned char*>(bytes.data());
    bytes.replace(0, 4, "RIFF");
    RecordBytes::PutInt32(b, 4, static_cast<std::int32_t>(HeaderSize - 8 + dataSize));
    bytes.replace(8, 8, "WAVEfmt ");
    RecordBytes::PutInt32(b, 16, 16);        // size of the format block
    RecordBytes::PutInt16(b, 20, 1);         // PCM
    RecordBytes::PutInt16(b, 22, 1);         // mono
    RecordBytes::PutInt32(b, 24, Rate);      // samples per second
    RecordBytes::PutInt32(b, 28, Rate * 2);  // bytes per second
    RecordBytes::PutInt16(b, 32, 2);         // bytes per frame
    RecordBytes::PutInt16(b, 34, 16);        // bits per sample
    bytes.replace(36, 4, "data");
    RecordBytes::PutInt32(b, 40, static_cast<std::int32_t>(dataSize));
    for (std::size_t i = 0; i < samples.size(); ++i)
        RecordBytes::PutInt16(b, HeaderSize + 2 * i,
                              static_cast<std::int16_t>(std::lround(samples[i] * 32767)));
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_chimes <folder>\n");
        return 2;
    }
    for (const Chime& chime : Chimes) {
        const std::string path = std::string(argv[1]) + "/" + chime.file;
        if (!WriteWholeFile(path, WaveFile(Render(chime)))) {
            std::fprintf(stderr, "make_chimes: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
