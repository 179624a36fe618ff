#pragma once

#include <QByteArray>
#include <QtEndian>
#include <cmath>
#include <cstring>
#include <vector>

namespace vellorin::testing {

// A RIFF WAVE file of the given format tag (1 integer PCM, 3 float), sample size and layout,
// holding samples from -1 to 1 (every channel alike).
inline QByteArray MakeWave(int tag, int bits, int channels, int rate,
                           const std::vector<double>& samples) {
    QByteArray data;
    for (const double value : samples) {
        for (int c = 0; c < channels; ++c) {
            char bytes[8] = {};
            if (tag == 3 && bits == 32) {
                qToLittleEndian<float>(static_cast<float>(value), bytes);
            } else if (tag == 3) {
                qToLittleEndian<double>(value, bytes);
            } else if (bits == 8) {
                bytes[0] = static_cast<char>(std::lrint(value * 127) + 128);
            } else {
                const auto full = static_cast<qint32>(std::lrint(value * 32767)) << (bits - 16);
                qToLittleEndian<qint32>(full, bytes);
            }
            data.append(bytes, bits / 8);
        }
    }
    QByteArray wave("RIFF\0\0\0\0WAVEfmt \x10\0\0\0", 20);
    char format[16];
    qToLittleEndian<quint16>(static_cast<quint16>(tag), format);
    qToLittleEndian<quint16>(static_cast<quint16>(channels), format + 2);
    qToLittleEndian<quint32>(static_cast<quint32>(rate), format + 4);
    qToLittleEndian<quint32>(static_cast<quint32>(rate * channels * bits / 8), format + 8);
    qToLittleEndian<quint16>(static_cast<quint16>(channels * bits / 8), format + 12);
    qToLittleEndian<quint16>(static_cast<quint16>(bits), format + 14);
    wave.append(format, 16);
    char size[4];
    qToLittleEndian<quint32>(static_cast<quint32>(data.size()), size);
    wave.append("data", 4).append(size, 4).append(data);
    qToLittleEndian<quint32>(static_cast<quint32>(wave.size() - 8), wave.data() + 4);
    return wave;
}

// A second of a 440 Hz tone at half of full scale.
inline std::vector<double> Tone(int rate, double seconds = 1.0, double level = 0.5) {
    std::vector<double> samples(static_cast<std::size_t>(rate * seconds));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = level * std::sin(2 * 3.14159265358979 * 440 * static_cast<double>(i) / rate);
    }
    return samples;
}

}  // namespace vellorin::testing
