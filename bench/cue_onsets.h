#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <cstdint>
#include <memory>
#include <vector>

class QAudioSource;
class QIODevice;

namespace vellorin::bench {

// Listens to the default audio input and stamps, on the given clock, the start of every
// sound that follows at least 100 ms of silence and lasts at least 100 ms (a click does not
// count). Pointed at the monitor of the output the cues play
// on (a PulseAudio null sink, say), it hears when each cue really reaches the sound system.
// The stamp is when the sample arrived, less the samples that followed it in the same read:
// the capture's own delay stays in it, so it is late rather than early.
class CueOnsetListener : public QObject {
public:
    explicit CueOnsetListener(const QElapsedTimer& clock);
    ~CueOnsetListener() override;

    // False when the machine has no audio input to listen to.
    bool Listening() const { return input_ != nullptr; }
    // True once half a second of input has come in: from then on nothing is missed.
    bool Settled() const { return heardSamples_ >= sampleRate_ / 2; }
    const std::vector<std::int64_t>& OnsetNs() const { return onsetNs_; }

private:
    void ReadSamples();

    const QElapsedTimer& clock_;
    std::unique_ptr<QAudioSource> source_;
    QIODevice* input_ = nullptr;
    int sampleRate_ = 0;
    std::int64_t heardSamples_ = 0;
    std::int64_t quietSamples_ = 0;
    std::int64_t pendingOnsetNs_ = -1;  // start of the sound going on, if any
    std::int64_t soundSamples_ = 0;     // its length so far
    std::vector<std::int64_t> onsetNs_;
};

// The delay from each cue's start to the first onset heard within the next 500 ms of it, in
// ms; a cue with no onset there counts as missed.
struct CueLatencies {
    std::vector<double> delaysMs;
    std::vector<std::size_t> missed;  // indexes of the cues not heard
};
CueLatencies MatchCues(const std::vector<std::int64_t>& cueNs,
                       const std::vector<std::int64_t>& onsetNs);

}  // namespace vellorin::bench
