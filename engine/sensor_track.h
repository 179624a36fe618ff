#pragma once

#include <QByteArrayView>
#include <QtGlobal>
#include <optional>

#include "sensor_alarm.h"
#include "sensor_feed.h"
#include "sensor_reading.h"

namespace vellorin {

// Follows a hold second by second for the log: the heart rate at its first second, the
// lowest heart rate and the lowest SpO2 with the second it first came at.
class HoldSensorTrack {
public:
    void Begin() { hold_ = {}; }
    // A sample taken at a second of the hold (phaseSecond from 1).
    void Add(const SensorSample& sample);
    const HoldSensors& Summary() const { return hold_; }

private:
    HoldSensors hold_;
};

// The sensors beside a session or a personal-best test: the latest values, a sample of
// every second the session runs, what each hold keeps for the log, and the low-SpO2 alarm,
// which watches a hold from its first second to its last. Nothing of it changes the
// session's timing, cues or displays; the window ends the hold when the alarm goes off.
class SensorSession {
public:
    explicit SensorSession(Spo2AlarmSettings alarm = {}) : alarm_(alarm) {}

    SensorFeed& Feed() { return feed_; }
    const SensorFeed& Feed() const { return feed_; }
    Spo2Alarm& Alarm() { return alarm_; }
    // Whether a sensor of either kind is chosen.
    bool Chosen() const;

    // A session or a test begins: its seconds count from 1 again.
    void Begin();
    // A tick of the session or test has run, in the phase and loop the displays show: the
    // sample of that second. Nothing when no sensor is chosen.
    std::optional<SensorSample> Second(Phase phase, qint16 loop, qint64 nowMs);
    // A notification's value; true when the low-SpO2 alarm goes off with it.
    bool Take(SensorKind kind, SensorProtocol protocol, QByteArrayView value, qint64 atMs);
    // The hold under way, or the last one, as the log keeps it.
    const HoldSensors& Hold() const { return track_.Summary(); }

private:
    SensorFeed feed_;
    Spo2Alarm alarm_;
    HoldSensorTrack track_;
    qint32 second_ = 0;
    std::optional<std::pair<Phase, qint16>> phase_;
    qint32 phaseSecond_ = 0;
};

}  // namespace vellorin
