#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <vector>

namespace vellorin {

// A cue is a short WAV file: mono, integer PCM of 8 to 32 bits or float of 32 or 64 bits.
// Longer cues are refused rather than read: no cue needs a minute, and a huge file would cost
// its whole size in memory for the second of it that is heard.
inline constexpr int kMaxCueSeconds = 60;
inline constexpr int kMinCueRate = 1000;
inline constexpr int kMaxCueRate = 192000;

// A cue's sound as 16-bit samples, or why it cannot be used.
struct CueSound {
    std::vector<qint16> samples;
    int sampleRate = 0;
    QString problem;  // a reason without the file's name ("it is not mono"); empty when read
};

// Reads a cue file the way session files are read: opened without waiting on it and checked
// on the opened descriptor, so a pipe or a device is refused, never waited on.
CueSound ReadCueFile(const QString& path);

// Decodes a WAV file from device. Float samples are scaled to 16 bits; samples that are not
// numbers or lie beyond full scale cannot be, and the cue is refused.
CueSound DecodeWave(QIODevice& device);

// A 16-bit mono PCM WAV file holding samples, as the sound output plays it.
QByteArray WaveBytes(const std::vector<qint16>& samples, int sampleRate);

}  // namespace vellorin
