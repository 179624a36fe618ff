#pragma once

#include <QString>
#include <array>

#include "sensor_alarm.h"
#include "sensor_reading.h"
#include "window_settings.h"

namespace vellorin {

// The sensors the window remembers in its settings file: the one chosen for each kind (by
// its Bluetooth address, with the name it showed) and the low-SpO2 alarm.
struct SensorSettings {
    std::array<SensorChoice, 2> choices;  // indexed by static_cast<int>(SensorKind)
    Spo2AlarmSettings alarm;
};

// What the settings hold; a value written by hand that cannot be one is taken as unset (an
// address that is no Bluetooth address, a limit that is no number), a limit outside the
// alarm's range as its nearest end.
SensorSettings LoadSensorSettings(WindowSettings& settings);
// Each returns empty, or why the file could not keep it (the value holds until the end).
QString SaveSensorChoice(WindowSettings& settings, SensorKind kind, const SensorChoice& choice);
QString SaveSpo2Alarm(WindowSettings& settings, const Spo2AlarmSettings& alarm);

}  // namespace vellorin
