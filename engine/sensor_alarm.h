#pragma once

#include <QtGlobal>
#include <optional>

#include "sensor_reading.h"

namespace vellorin {

// The limits of the low-SpO2 alarm's threshold, in percent.
inline constexpr int kSpo2AlarmLowest = 70;
inline constexpr int kSpo2AlarmHighest = 95;
inline constexpr int kSpo2AlarmDefault = 80;

struct Spo2AlarmSettings {
    bool on = true;
    int limit = kSpo2AlarmDefault;

    // The limit kept within kSpo2AlarmLowest..kSpo2AlarmHighest.
    int Limit() const;
    bool operator==(const Spo2AlarmSettings&) const = default;
};

// Ends a hold when the oximeter says the blood's oxygen has fallen to the limit. It goes off
// when valid readings have stayed at or below the limit for kConfirmMs, in at least two
// readings, with no valid reading above the limit between them: a single low reading (an
// outlier, a finger moving) never sets it off. A reading the sensor marks as invalid, one
// out of range and one taken with the finger out count for nothing and break no run; a run
// with no valid reading for kStaleMs starts over. It goes off once per hold.
class Spo2Alarm {
public:
    static constexpr qint64 kConfirmMs = 1000;

    explicit Spo2Alarm(Spo2AlarmSettings settings = {}) : settings_(settings) {}

    void SetSettings(Spo2AlarmSettings settings) { settings_ = settings; }
    const Spo2AlarmSettings& Settings() const { return settings_; }
    // A hold begins: the alarm watches until Disarm. Disarm at the hold's end.
    void Arm();
    void Disarm();
    bool Armed() const { return armed_; }
    // A reading of the oximeter at atMs; true when the alarm goes off with it.
    bool Take(const OximeterReading& reading, qint64 atMs);
    // Whether it went off in the hold under way (or the last one).
    bool WentOff() const { return wentOff_; }

private:
    Spo2AlarmSettings settings_;
    bool armed_ = false;
    bool wentOff_ = false;
    std::optional<qint64> lowSince_;  // the first reading of the run at or below the limit
    qint64 lastValidMs_ = 0;
    int lowReadings_ = 0;
};

}  // namespace vellorin
