#include "sensor_track.h"

namespace vellorin {

void HoldSensorTrack::Add(const SensorSample& sample) {
    if (sample.hr) {
        if (sample.phaseSecond == 1) {
            hold_.hrStart = sample.hr;
        }
        if (!hold_.hrLowest || *sample.hr < *hold_.hrLowest) {
            hold_.hrLowest = sample.hr;
        }
    }
    if (sample.spo2 && (!hold_.spo2Lowest || *sample.spo2 < *hold_.spo2Lowest)) {
        hold_.spo2Lowest = sample.spo2;
        hold_.spo2LowestSecond = sample.phaseSecond;
    }
}

bool SensorSession::Chosen() const {
    return feed_.Link(SensorKind::HeartRate) != LinkState::None ||
           feed_.Link(SensorKind::Oximeter) != LinkState::None;
}

void SensorSession::Begin() {
    second_ = 0;
    phase_.reset();
    phaseSecond_ = 0;
    track_.Begin();
    alarm_.Disarm();
}

std::optional<SensorSample> SensorSession::Second(Phase phase, qint16 loop, qint64 nowMs) {
    second_ += 1;
    const std::pair now{phase, loop};
    phaseSecond_ = phase_ == now ? phaseSecond_ + 1 : 1;
    phase_ = now;
    if (phase == Phase::Hold && phaseSecond_ == 1) {
        track_.Begin();
        alarm_.Arm();
    } else if (phase != Phase::Hold) {
        alarm_.Disarm();
    }
    if (!Chosen()) {
        return std::nullopt;
    }
    SensorSample sample = feed_.Sample(nowMs);
    sample.second = second_;
    sample.loop = phase == Phase::Intro ? 0 : loop;  // no hold's loop has begun yet
    sample.phase = phase;
    sample.phaseSecond = phaseSecond_;
    if (phase == Phase::Hold) {
        track_.Add(sample);
    }
    return sample;
}

bool SensorSession::Take(SensorKind kind, SensorProtocol protocol, QByteArrayView value,
                         qint64 atMs) {
    bool wentOff = false;
    for (const OximeterReading& reading : feed_.Take(kind, protocol, value, atMs)) {
        wentOff = alarm_.Take(reading, atMs) || wentOff;
    }
    return wentOff;
}

}  // namespace vellorin
