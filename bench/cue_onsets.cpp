#include "cue_onsets.h"

#include <QAudioFormat>
#include <QAudioSource>
#include <QIODevice>
#include <QMediaDevices>
#include <algorithm>
#include <cstdlib>

namespace vellorin::bench {
namespace {

constexpr int kThreshold = 64;  // of 32767: far below speech, above digital silence
constexpr std::int64_t kNsPerSecond = 1'000'000'000;
constexpr std::int64_t kMatchWindowNs = 500'000'000;

// A tenth of a second: the silence that must come before a sound for it to be a new one,
// and the least a sound must last to be a cue (the shortest cue word lasts about 280 ms;
// anything shorter than this is a click).
constexpr std::int64_t TenthOfASecond(int sampleRate) {
    return sampleRate / 10;
}

}  // namespace

CueOnsetListener::CueOnsetListener(const QElapsedTimer& clock) : clock_(clock) {
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    if (device.isNull()) {
        return;
    }
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        return;
    }
    sampleRate_ = format.sampleRate();
    source_ = std::make_unique<QAudioSource>(device, format);
    source_->setBufferSize(format.bytesForDuration(5'000));  // 5 ms a read
    input_ = source_->start();
    if (input_ != nullptr) {
        connect(input_, &QIODevice::readyRead, this, &CueOnsetListener::ReadSamples);
    }
}

CueOnsetListener::~CueOnsetListener() {
    if (source_) {
        source_->stop();
    }
}

void CueOnsetListener::ReadSamples() {
    const std::int64_t arrivedNs = clock_.nsecsElapsed();
    const QByteArray bytes = input_->readAll();
    const auto* samples = reinterpret_cast<const qint16*>(bytes.constData());
    const qsizetype count = bytes.size() / qsizetype{sizeof(qint16)};
    heardSamples_ += count;
    const std::int64_t tenth = TenthOfASecond(sampleRate_);
    for (qsizetype i = 0; i < count; ++i) {
        if (std::abs(int{samples[i]}) < kThreshold) {
            if (++quietSamples_ == tenth && pendingOnsetNs_ >= 0) {
                // The sound is over: a word, or only a click too short to be one.
                if (soundSamples_ >= tenth) {
                    onsetNs_.push_back(pendingOnsetNs_);
                }
                pendingOnsetNs_ = -1;
            }
            continue;
        }
        if (quietSamples_ >= tenth) {
            pendingOnsetNs_ = arrivedNs - (count - i) * kNsPerSecond / sampleRate_;
            soundSamples_ = 0;
        }
        soundSamples_ += quietSamples_ + 1;
        quietSamples_ = 0;
    }
}

CueLatencies MatchCues(const std::vector<std::int64_t>& cueNs,
                       const std::vector<std::int64_t>& onsetNs) {
    CueLatencies result;
    for (std::size_t i = 0; i < cueNs.size(); ++i) {
        const std::int64_t cue = cueNs[i];
        const auto onset = std::ranges::lower_bound(onsetNs, cue);
        if (onset == onsetNs.end() || *onset - cue > kMatchWindowNs) {
            result.missed.push_back(i);
        } else {
            result.delaysMs.push_back(static_cast<double>(*onset - cue) / 1e6);
        }
    }
    return result;
}

}  // namespace vellorin::bench
