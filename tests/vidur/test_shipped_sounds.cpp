// The alarm's shipped sounds as make_chimes writes them, read back by an
// independent decoder.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Runs the tool on a folder; its exit status.
int MakeChimes(const QString& folder) {
    QProcess tool;
    tool.start(MAKE_CHIMES, {folder});
    EXPECT_TRUE(tool.waitForFinished(60000));
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

std::vector<double> Samples(const QString& path, SF_INFO& info) {
    info = {};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    EXPECT_NE(file, nullptr) << path.toStdString() << ": " << sf_strerror(nullptr);
    if (!file)
        return {};
    std::vector<double> samples(static_cast<std::size_t>(info.frames * info.channels));
    EXPECT_EQ(sf_readf_double(file, samples.data(), info.frames), info.frames);
    sf_close(file);
    return samples;
}

TEST(ShippedSounds, SoftChimesOfAFewSecondsThatStartAndEndInSilence) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_EQ(MakeChimes(folder.path()), 0);
    std::vector<std::vector<double>> sounds;
    for (const char* name : {"azan1.wav", "start.wav", "end.wav"}) {
        SF_INFO info;
        const std::vector<double> s = Samples(folder.filePath(name), info);
        ASSERT_FALSE(s.empty()) << name;
        EXPECT_EQ(info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16) << name;
        EXPECT_EQ(info.channels, 1) << name;
        const double seconds = static_cast<double>(info.frames) / info.samplerate;
        EXPECT_GE(seconds, 1.0) << name;
        EXPECT_LE(seconds, 6.0) << name;
        double peak = 0;
        for (double v : s)
            peak = std::max(peak, std::abs(v));
        EXPECT_GE(peak, 0.1) << name;  // to be heard
        EXPECT_LE(peak, 0.5) << name;  // and soft
        // No click at either end.
        EXPECT_LT(std::abs(s.front()), 0.01) << name;
        for (std::size_t i = s.size() - 20; i < s.size(); ++i)
            EXPECT_LT(std::abs(s[i]), 0.01) << name << " at " << i;
        sounds.push_back(s);
    }
    EXPECT_NE(sounds[0], sounds[1]);
    EXPECT_NE(sounds[1], sounds[2]);
}

TEST(ShippedSounds, AFolderThatCannotBeWrittenFailsTheTool) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    EXPECT_NE(MakeChimes(folder.filePath("missing/folder")), 0);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

}  // namespace
