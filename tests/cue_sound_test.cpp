// Cue files are read like session files: a pipe is never waited on, and a file that is not a
// short mono WAV that can be played as it is meant to sound is refused with the reason.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <limits>

#include "cue_set.h"
#include "file_helpers.h"
#include "wave_maker.h"

namespace vellorin::testing {
namespace {

constexpr int kRate = 22050;
const double kNaN = std::numeric_limits<double>::quiet_NaN();

struct CueCase {
    const char* name;
    QByteArray bytes;
    const char* problem;  // the start of the reason; empty for a cue that is read
    int peak;             // the loudest 16-bit sample of a cue that is read
};

void PrintTo(const CueCase& c, std::ostream* os) {
    *os << c.name;
}

class CueFile : public ::testing::TestWithParam<CueCase> {};

TEST_P(CueFile, IsReadAtItsLoudnessOrRefusedWithTheReason) {
    QTemporaryDir dir;
    const QString path = dir.filePath("cue.wav");
    WriteBytes(path, GetParam().bytes);
    const CueSound sound = ReadCueFile(path);
    EXPECT_EQ(sound.problem.left(qstrlen(GetParam().problem)), GetParam().problem);
    if (*GetParam().problem == '\0') {
        EXPECT_EQ(sound.sampleRate, kRate);
        EXPECT_NEAR(*std::ranges::max_element(sound.samples), GetParam().peak, 256);  // 8 bits
    } else {
        EXPECT_TRUE(sound.samples.empty());
    }
}

QByteArray StreamedWave() {  // a writer that could not go back leaves the size unknown
    QByteArray wave = MakeWave(1, 16, 1, kRate, Tone(kRate));
    qToLittleEndian<quint32>(0xFFFFFFFF, wave.data() + 40);
    return wave;
}

INSTANTIATE_TEST_SUITE_P(
    Cues, CueFile,
    ::testing::Values(
        CueCase{"Pcm16", MakeWave(1, 16, 1, kRate, Tone(kRate)), "", 16383},
        CueCase{"Pcm8", MakeWave(1, 8, 1, kRate, Tone(kRate)), "", 16128},
        CueCase{"Pcm24", MakeWave(1, 24, 1, kRate, Tone(kRate)), "", 16383},
        CueCase{"Float32", MakeWave(3, 32, 1, kRate, Tone(kRate)), "", 16383},
        CueCase{"Float64", MakeWave(3, 64, 1, kRate, Tone(kRate)), "", 16383},
        CueCase{"StreamedWithoutItsSize", StreamedWave(), "", 16383},
        CueCase{"FloatBeyondFullScale", MakeWave(3, 32, 1, kRate, Tone(kRate, 1, 1.5)),
                "its float samples are not numbers or go beyond full scale", 0},
        CueCase{"FloatNotANumber", MakeWave(3, 64, 1, kRate, {0.1, kNaN, 0.1}),
                "its float samples are not numbers", 0},
        CueCase{"Stereo", MakeWave(1, 16, 2, kRate, Tone(kRate)),
                "it is not mono (it has 2 channels)", 0},
        CueCase{"LongerThanAMinute", MakeWave(1, 16, 1, kRate, Tone(kRate, 61)),
                "it lasts 61.0 s, longer than the 60 s a cue may last", 0},
        CueCase{"NoSamples", MakeWave(1, 16, 1, kRate, {}), "it holds no sound", 0},
        CueCase{"NotAWave", "ID3\x04 an mp3 named .wav", "it is not a WAV file", 0},
        CueCase{"Alaw", MakeWave(6, 16, 1, kRate, Tone(kRate)), "its samples (format 6", 0}),
    [](const auto& info) { return info.param.name; });

TEST(CueFile, ANamedPipeIsRefusedWithoutWaitingForAWriter) {
    QTemporaryDir dir;
    const QString pipe = dir.filePath("hold.wav");
    ASSERT_TRUE(MakeNamedPipe(pipe));
    EXPECT_EQ(ReadCueFile(pipe).problem, "it is not a file");
}

// The user's own cues give way to the shipped ones when they cannot be used, each saying why;
// the cue at fault is the user's, never a shipped one read after it.
TEST(CueSet, RefusedUserCuesFallBackToTheShippedOnes) {
    QTemporaryDir home;
    QDir(home.path()).mkpath("snd");
    const QString own = home.filePath("snd/");
    WriteBytes(own + "3.wav", MakeWave(1, 16, 1, 44100, Tone(44100)));
    WriteBytes(own + "hold.wav", MakeWave(3, 32, 1, kRate, Tone(kRate)));
    WriteBytes(own + "sesend.wav", MakeWave(1, 16, 2, kRate, Tone(kRate)));
    ASSERT_TRUE(MakeNamedPipe(own + "1.wav"));

    const QString shipped = QStringLiteral(VELLORIN_SOURCE_DIR "/snd/");
    const CueSet cues(QStringLiteral(VELLORIN_SOURCE_DIR), home.path());
    EXPECT_EQ(cues.SampleRate(), kRate);
    const struct {
        const char* file;
        QString path;
        const char* userProblem;
    } expected[] = {
        {"3.wav", shipped + "3.wav", "its sample rate is 44100 Hz, not the 22050 Hz of the other"},
        {"1.wav", shipped + "1.wav", "it is not a file"},
        {"sesend.wav", shipped + "sesend.wav", "it is not mono"},
        {"hold.wav", own + "hold.wav", ""},
        {"2.wav", shipped + "2.wav", ""},
    };
    for (const auto& e : expected) {
        const CueChoice* choice = cues.Find(shipped + e.file);
        ASSERT_NE(choice, nullptr) << e.file;
        EXPECT_EQ(QDir::cleanPath(choice->path), QDir::cleanPath(e.path)) << e.file;
        EXPECT_EQ(choice->userProblem.left(qstrlen(e.userProblem)), e.userProblem) << e.file;
        EXPECT_EQ(choice->sound.problem, "") << e.file;
    }
}

}  // namespace
}  // namespace vellorin::testing
