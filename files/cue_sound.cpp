#include "cue_sound.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

#include "file_access.h"
#include "message_text.h"

namespace vellorin {
namespace {

constexpr quint16 kPcm = 1;
constexpr quint16 kFloat = 3;
constexpr quint16 kExtensible = 0xFFFE;
constexpr int kMostChunks = 1000;  // before "data"; a real file has a handful
constexpr qint64 kBlockBytes = 64 * 1024;

struct Format {
    quint16 tag = 0;
    quint16 channels = 0;
    quint32 sampleRate = 0;
    quint16 bits = 0;
};

CueSound Refused(const QString& problem) {
    CueSound sound;
    sound.problem = problem;
    return sound;
}

// Reads from a device and remembers whether a read failed, as against reaching the end.
class Reader {
public:
    explicit Reader(QIODevice& device) : device_(device) {}

    QByteArray Read(qint64 size) {
        QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
        const qint64 got = device_.read(bytes.data(), size);
        char next = 0;  // a short read is the end only if nothing fails after it
        failed_ = failed_ || got < 0 || (got < size && device_.peek(&next, 1) < 0);
        bytes.resize(static_cast<qsizetype>(std::max<qint64>(got, 0)));
        return bytes;
    }
    bool Skip(qint64 size) {
        const qint64 skipped = device_.skip(size);
        failed_ = failed_ || skipped < 0;
        return skipped == size;
    }
    // Bytes from here to the end, where the device knows its size.
    qint64 Left() const { return device_.isSequential() ? -1 : device_.size() - device_.pos(); }
    bool Failed() const { return failed_; }
    QString Problem() const {
        //: Why a cue's sound file ("it") cannot be used; %1 is the system's reason.
        return QCoreApplication::translate("CueSound", "it cannot be read: %1")
            .arg(WithoutFullStop(device_.errorString()));
    }

private:
    QIODevice& device_;
    bool failed_ = false;
};

// The format tag, channels, rate and sample size of a "fmt " chunk's body.
Format ParseFormat(const QByteArray& body) {
    const char* at = body.constData();
    Format format{qFromLittleEndian<quint16>(at), qFromLittleEndian<quint16>(at + 2),
                  qFromLittleEndian<quint32>(at + 4), qFromLittleEndian<quint16>(at + 14)};
    if (format.tag == kExtensible && body.size() >= 26) {
        format.tag = qFromLittleEndian<quint16>(at + 24);  // the sub-format's first two bytes
    }
    return format;
}

QString FormatProblem(const Format& format) {
    if (format.channels != 1) {
        //: Why a cue's sound file ("it") cannot be used; mono: of one channel.
        return QCoreApplication::translate("CueSound", "it is not mono (it has %n channels)",
                                           nullptr, format.channels);
    }
    if (format.sampleRate < kMinCueRate || format.sampleRate > kMaxCueRate) {
        //: Why a cue's sound file ("it") cannot be used.
        return QCoreApplication::translate("CueSound",
                                           "its sample rate of %1 Hz is not one a cue can have")
            .arg(format.sampleRate);
    }
    const bool pcm = format.tag == kPcm && (format.bits == 8 || format.bits == 16 ||
                                            format.bits == 24 || format.bits == 32);
    const bool floats = format.tag == kFloat && (format.bits == 32 || format.bits == 64);
    if (!pcm && !floats) {
        //: Why a cue's sound file cannot be used; %1 is the number of its sample format, %n the
        //: bits of a sample.
        return QCoreApplication::translate(
                   "CueSound", "its samples (format %1, %n bits) are neither integer PCM nor float",
                   nullptr, format.bits)
            .arg(format.tag);
    }
    return {};
}

// One sample of the format at data, as a 16-bit sample; nothing for a float that cannot be
// scaled (not a number, or beyond full scale).
std::optional<qint16> Sample(const Format& format, const char* data) {
    if (format.tag == kFloat) {
        double value = 0;
        if (format.bits == 32) {
            value = qFromLittleEndian<float>(data);
        } else {
            value = qFromLittleEndian<double>(data);
        }
        if (!std::isfinite(value) || std::fabs(value) > 1.0) {
            return std::nullopt;
        }
        return static_cast<qint16>(std::lrint(value * 32767.0));
    }
    switch (format.bits) {
        case 8:
            return static_cast<qint16>((static_cast<int>(static_cast<uchar>(data[0])) - 128) * 256);
        case 16:
            return qFromLittleEndian<qint16>(data);
        case 24:  // the upper two bytes
            return qFromLittleEndian<qint16>(data + 1);
        default:
            return qFromLittleEndian<qint16>(data + 2);
    }
}

CueSound DecodeSamples(Reader& reader, const Format& format, quint32 dataBytes) {
    const int sampleBytes = format.bits / 8;
    const quint64 frames = dataBytes / static_cast<quint32>(sampleBytes);
    if (frames == 0) {
        //: Why a cue's sound file ("it") cannot be used.
        return Refused(QCoreApplication::translate("CueSound", "it holds no sound"));
    }
    if (frames > quint64{format.sampleRate} * kMaxCueSeconds) {
        //: Why a cue's sound file ("it") cannot be used; %1 and %2 are lengths in seconds.
        return Refused(
            QCoreApplication::translate("CueSound",
                                        "it lasts %1 s, longer than the %2 s a cue may last")
                .arg(QString::number(static_cast<double>(frames) / format.sampleRate, 'f', 1),
                     QString::number(kMaxCueSeconds)));
    }
    CueSound sound;
    sound.sampleRate = static_cast<int>(format.sampleRate);
    sound.samples.reserve(frames);
    QByteArray block;
    for (quint64 left = frames * sampleBytes; left > 0;) {
        const qint64 want = std::min<qint64>(kBlockBytes, static_cast<qint64>(left));
        block = reader.Read(want);
        if (reader.Failed()) {
            return Refused(reader.Problem());
        }
        // A file cut short keeps the whole samples it has, as recorders leave them.
        const qsizetype whole = block.size() / sampleBytes * sampleBytes;
        for (qsizetype at = 0; at < whole; at += sampleBytes) {
            const std::optional<qint16> sample = Sample(format, block.constData() + at);
            if (!sample) {
                //: Why a cue's sound file ("it") cannot be used.
                return Refused(QCoreApplication::translate(
                    "CueSound",
                    "its float samples are not numbers or go beyond full scale, so they cannot be "
                    "scaled"));
            }
            sound.samples.push_back(*sample);
        }
        if (block.size() < want) {
            break;
        }
        left -= static_cast<quint64>(want);
    }
    if (sound.samples.empty()) {
        return Refused(QCoreApplication::translate("CueSound", "it holds no sound"));
    }
    return sound;
}

}  // namespace

CueSound DecodeWave(QIODevice& device) {
    Reader reader(device);
    const QByteArray riff = reader.Read(12);
    std::optional<Format> format;
    if (riff.size() == 12 && riff.startsWith("RIFF") && riff.mid(8) == "WAVE") {
        for (int chunk = 0; chunk < kMostChunks; ++chunk) {
            const QByteArray header = reader.Read(8);
            if (header.size() < 8) {
                break;
            }
            const quint32 size = qFromLittleEndian<quint32>(header.constData() + 4);
            const qint64 padded = qint64{size} + (size % 2);
            if (header.startsWith("fmt ") && size >= 16 && size <= 64) {
                const QByteArray body = reader.Read(padded);
                if (body.size() < static_cast<qsizetype>(size)) {
                    break;
                }
                format = ParseFormat(body);
                if (const QString problem = FormatProblem(*format); !problem.isEmpty()) {
                    return Refused(problem);
                }
            } else if (header.startsWith("data") && format) {
                // A writer that streamed the file may have left the size unknown or too large.
                const qint64 left = reader.Left();
                const bool known = left < 0 || qint64{size} <= left;
                return DecodeSamples(reader, *format, known ? size : static_cast<quint32>(left));
            } else if (!reader.Skip(padded)) {
                break;
            }
        }
    }
    if (reader.Failed()) {
        return Refused(reader.Problem());
    }
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8) != "WAVE") {
        //: Why a cue's sound file ("it") cannot be used.
        return Refused(QCoreApplication::translate("CueSound", "it is not a WAV file"));
    }
    if (format) {
        return Refused(QCoreApplication::translate("CueSound", "it holds no sound"));
    }
    //: Why a cue's sound file ("it") cannot be used.
    return Refused(QCoreApplication::translate(
        "CueSound", "it is not a WAV file Vellorin can read (no format)"));
}

CueSound ReadCueFile(const QString& path) {
    QFile file;
    if (const QString problem = OpenRegularFile(path, file); !problem.isEmpty()) {
        return Refused(problem);
    }
    return DecodeWave(file);
}

QByteArray WaveBytes(const std::vector<qint16>& samples, int sampleRate) {
    const auto dataBytes = static_cast<quint32>(samples.size() * sizeof(qint16));
    QByteArray bytes(44 + static_cast<qsizetype>(dataBytes), Qt::Uninitialized);
    char* at = bytes.data();
    std::memcpy(at, "RIFF", 4);
    qToLittleEndian<quint32>(36 + dataBytes, at + 4);
    std::memcpy(at + 8, "WAVEfmt ", 8);
    qToLittleEndian<quint32>(16, at + 16);
    qToLittleEndian<quint16>(kPcm, at + 20);
    qToLittleEndian<quint16>(1, at + 22);
    qToLittleEndian<quint32>(static_cast<quint32>(sampleRate), at + 24);
    qToLittleEndian<quint32>(static_cast<quint32>(sampleRate) * 2, at + 28);
    qToLittleEndian<quint16>(2, at + 32);
    qToLittleEndian<quint16>(16, at + 34);
    std::memcpy(at + 36, "data", 4);
    qToLittleEndian<quint32>(dataBytes, at + 40);
    // Written in place: a cue of a second is some 22,000 samples.
    qToLittleEndian<qint16>(samples.data(), static_cast<qsizetype>(samples.size()), at + 44);
    return bytes;
}

}  // namespace vellorin
