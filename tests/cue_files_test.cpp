// The shipped cue voices, in every language: plain 16-bit mono WAV, each word starting on its tick,
// ending in silence the player may cut, and all at one loudness (EBU R128 integrated, within 1 LU).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "cue_catalogue.h"

namespace vellorin::testing {
namespace {

struct Wave {
    int format = 0, channels = 0, sampleRate = 0, bitsPerSample = 0;
    std::vector<double> samples;  // -1 to 1
};

// Reads the "fmt " and "data" chunks of a RIFF WAVE file; anything else is passed over.
Wave ReadWave(const QString& path) {
    QFile file(path);
    Wave wave;
    if (!file.open(QIODevice::ReadOnly)) {
        return wave;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        return wave;
    }
    auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = u32(at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt " && size >= 16) {
            wave.format = u16(body);
            wave.channels = u16(body + 2);
            wave.sampleRate = static_cast<int>(u32(body + 4));
            wave.bitsPerSample = u16(body + 14);
        } else if (id == "data" && wave.bitsPerSample == 16) {
            for (qsizetype i = body; i + 2 <= std::min(body + size, bytes.size()); i += 2) {
                wave.samples.push_back(qFromLittleEndian<qint16>(bytes.constData() + i) / 32768.0);
            }
        }
        at = body + size + (size % 2);
    }
    return wave;
}

// A second-order filter section, run in direct form I.
struct Biquad {
    double b0, b1, b2, a1, a2;
    std::vector<double> Run(const std::vector<double>& in) const {
        std::vector<double> out(in.size());
        double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
        for (std::size_t i = 0; i < in.size(); ++i) {
            out[i] = b0 * in[i] + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
            x2 = x1, x1 = in[i], y2 = y1, y1 = out[i];
        }
        return out;
    }
};

// Integrated loudness in LUFS (ITU-R BS.1770-4, EBU R128): K-weighting (a high shelf and a
// high pass, designed for the file's sample rate), 400 ms blocks overlapping by 75 %, an
// absolute gate at -70 LUFS and a relative one 10 LU below the mean of what passed it.
double IntegratedLoudness(const Wave& wave) {
    const double rate = wave.sampleRate;
    double K = std::tan(std::numbers::pi * 1681.974450955533 / rate);
    const double Vh = std::pow(10.0, 3.999843853973347 / 20.0);
    const double Vb = std::pow(Vh, 0.4996667741545416);
    double Q = 0.7071752369554196;
    double a0 = 1.0 + K / Q + K * K;
    const Biquad shelf{(Vh + Vb * K / Q + K * K) / a0, 2.0 * (K * K - Vh) / a0,
                       (Vh - Vb * K / Q + K * K) / a0, 2.0 * (K * K - 1.0) / a0,
                       (1.0 - K / Q + K * K) / a0};
    K = std::tan(std::numbers::pi * 38.13547087602444 / rate);
    Q = 0.5003270373238773;
    a0 = 1.0 + K / Q + K * K;
    const Biquad highPass{1.0, -2.0, 1.0, 2.0 * (K * K - 1.0) / a0, (1.0 - K / Q + K * K) / a0};
    const std::vector<double> weighted = highPass.Run(shelf.Run(wave.samples));

    const auto block = static_cast<std::size_t>(0.4 * rate);
    const auto step = block / 4;
    std::vector<double> powers;
    for (std::size_t start = 0; start + block <= weighted.size(); start += step) {
        double sum = 0;
        for (std::size_t i = start; i < start + block; ++i) {
            sum += weighted[i] * weighted[i];
        }
        powers.push_back(sum / static_cast<double>(block));
    }
    auto loudness = [](double power) { return -0.691 + 10.0 * std::log10(power); };
    auto gatedMean = [&](double gate) {
        double sum = 0;
        int count = 0;
        for (double power : powers) {
            if (loudness(power) > gate) {
                sum += power, ++count;
            }
        }
        return count > 0 ? sum / count : 0.0;
    };
    const double relativeGate = loudness(gatedMean(-70.0)) - 10.0;
    return loudness(gatedMean(relativeGate));
}

constexpr double kSilence = 0.001;  // -60 dBFS

// The cue files of a language ("" for English, in "snd" itself), by their paths. A language
// has a file of every spoken cue and no tone, which every language shares from "snd".
QStringList ShippedFiles(const QString& language) {
    const QString folder = QStringLiteral(VELLORIN_SOURCE_DIR "/snd/") + language;
    QStringList paths;
    for (const QString& file : AllCueFiles()) {
        paths.append(folder + QLatin1Char('/') + file);
    }
    if (language.isEmpty()) {
        return paths;
    }
    static const QRegularExpression tone(QStringLiteral("^(tone-|pace-|tick|mark|click|notnow)"));
    paths.removeIf(
        [&](const QString& path) { return tone.match(QFileInfo(path).fileName()).hasMatch(); });
    return paths;
}

const char* const kLanguages[] = {"", "de", "fr", "es", "it", "pt", "ru", "pl", "cs", "fi", "ca"};

class ShippedCues : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedCues, AreMonoSixteenBitWavesThatStartOnTheirTickAndEndInSilence) {
    const QStringList files = ShippedFiles(QString::fromLatin1(GetParam()));
    ASSERT_GE(files.size(), 79);  // every spoken cue: a missing one fails to read below
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const Wave wave = ReadWave(file);
        EXPECT_EQ(wave.format, 1);  // PCM
        EXPECT_EQ(wave.channels, 1);
        EXPECT_EQ(wave.bitsPerSample, 16);
        ASSERT_GT(wave.sampleRate, 0);
        ASSERT_GT(wave.samples.size(), static_cast<std::size_t>(wave.sampleRate / 2));
        const auto loud = [](double x) { return std::abs(x) > kSilence; };
        const auto firstSound = std::ranges::find_if(wave.samples, loud) - wave.samples.begin();
        EXPECT_LE(firstSound * 1000.0 / wave.sampleRate, 20.0) << "ms before the word";
        const auto silentTail =
            std::find_if(wave.samples.rbegin(), wave.samples.rend(), loud) - wave.samples.rbegin();
        EXPECT_GE(silentTail * 1000.0 / wave.sampleRate, 250.0) << "ms of silence at the end";
        const double peak =
            std::ranges::max(wave.samples, {}, [](double x) { return std::abs(x); });
        EXPECT_LT(20.0 * std::log10(std::abs(peak)), -1.0) << "dBFS peak";
    }
}

// A language's cues are as loud as the English ones: the two sets together within 1 LU.
TEST_P(ShippedCues, AllHaveTheSameLoudnessAsTheEnglishWithinOneLoudnessUnit) {
    std::vector<double> loudness;
    for (const QString& file : ShippedFiles({}) + ShippedFiles(QString::fromLatin1(GetParam()))) {
        SCOPED_TRACE(file.toStdString());
        const Wave wave = ReadWave(file);
        ASSERT_GT(wave.sampleRate, 0);
        loudness.push_back(IntegratedLoudness(wave));
        EXPECT_TRUE(std::isfinite(loudness.back()));
    }
    const auto [quietest, loudest] = std::ranges::minmax(loudness);
    EXPECT_LE(loudest - quietest, 1.0) << quietest << " to " << loudest << " LUFS";
}

// A language's words name each of its spoken cues once, and say something for each.
TEST_P(ShippedCues, WordsNameEverySpokenCueOnce) {
    const QString language = QString::fromLatin1(GetParam());
    if (language.isEmpty()) {
        GTEST_SKIP() << "English says its words in the program itself";
    }
    QFile file(QStringLiteral(VELLORIN_SOURCE_DIR "/snd/%1/words.txt").arg(language));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList named;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        const QStringList columns = line.split('\t');
        if (!line.startsWith('#') && columns.size() >= 2) {
            named.append(columns[0]);
            EXPECT_FALSE(columns[1].trimmed().isEmpty()) << columns[0].toStdString();
        }
    }
    QStringList spoken;
    for (const QString& path : ShippedFiles(language)) {
        spoken.append(QFileInfo(path).fileName());
    }
    named.sort();
    spoken.sort();
    EXPECT_EQ(named, spoken);
}

// The low-SpO2 alarm's warning is ready before the window shows, like the classic profile's
// cues, and is said within 2 s: the hold it ends is over, and the rest's cues follow.
TEST_P(ShippedCues, SayTheLowOxygenWarningWithinTwoSecondsAndHaveItReadyAtOnce) {
    EXPECT_TRUE(CoreCueFiles().contains(QLatin1String(kLowOxygenCue)));
    const QString language = QString::fromLatin1(GetParam());
    const Wave wave = ReadWave(QStringLiteral(VELLORIN_SOURCE_DIR "/snd/%1/%2")
                                   .arg(language, QLatin1String(kLowOxygenCue)));
    ASSERT_GT(wave.sampleRate, 0);
    const double seconds = static_cast<double>(wave.samples.size()) / wave.sampleRate;
    EXPECT_GE(seconds, 1.0);  // both of its sentences, not a cut-off word
    EXPECT_LE(seconds, 2.0);
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, ShippedCues, ::testing::ValuesIn(kLanguages),
                         [](const auto& info) {
                             return std::string(*info.param ? info.param : "en");
                         });

}  // namespace
}  // namespace vellorin::testing
