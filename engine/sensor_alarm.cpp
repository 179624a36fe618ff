#include "sensor_alarm.h"

#include <algorithm>

namespace vellorin {

int Spo2AlarmSettings::Limit() const {
    return std::clamp(limit, kSpo2AlarmLowest, kSpo2AlarmHighest);
}

void Spo2Alarm::Arm() {
    armed_ = true;
    wentOff_ = false;
    lowSince_.reset();
    lowReadings_ = 0;
}

void Spo2Alarm::Disarm() {
    armed_ = false;
    lowSince_.reset();
    lowReadings_ = 0;
}

bool Spo2Alarm::Take(const OximeterReading& reading, qint64 atMs) {
    if (!armed_ || wentOff_ || !settings_.on || reading.fingerOut || !reading.spo2 ||
        *reading.spo2 < 0 || *reading.spo2 > 100) {
        return false;  // nothing to go by: the run so far stands
    }
    if (lowSince_ && atMs - lastValidMs_ > kStaleMs) {
        lowSince_.reset();  // too long without a value to call it one fall
        lowReadings_ = 0;
    }
    lastValidMs_ = atMs;
    if (*reading.spo2 > settings_.Limit()) {
        lowSince_.reset();
        lowReadings_ = 0;
        return false;
    }
    if (!lowSince_) {
        lowSince_ = atMs;
    }
    lowReadings_ += 1;
    wentOff_ = lowReadings_ >= 2 && atMs - *lowSince_ >= kConfirmMs;
    return wentOff_;
}

}  // namespace vellorin
