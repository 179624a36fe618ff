#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>
#include <optional>

#include "session_state.h"

namespace vellorin {

// The two kinds of sensor a session takes values from, one of each at most.
enum class SensorKind : quint8 { HeartRate, Oximeter };

// What a characteristic's notifications speak, as the sensor link tells them apart by the
// service and characteristic they come from.
enum class SensorProtocol : quint8 {
    HeartRateMeasurement,  // Heart Rate service 0x180D, characteristic 0x2A37
    PlxContinuous,         // Pulse Oximeter service 0x1822, PLX Continuous Measurement 0x2A5F
    PlxSpotCheck,          // Pulse Oximeter service 0x1822, PLX Spot-check Measurement 0x2A5E
    BerryMed,              // BerryMed oximeters' serial stream of 5-byte packets
    BatteryLevel,          // Battery service 0x180F, Battery Level 0x2A19: one byte, percent
};

// How the link to a chosen sensor stands.
enum class LinkState : quint8 {
    None,        // no sensor of the kind is chosen
    Connecting,  // looking for it, connecting or discovering its services
    Connected,   // notifications are on
    Lost,        // the link broke or could not be made; it is tried again by itself
};

// The sensor chosen for a kind, as the window remembers it; an empty address for none.
struct SensorChoice {
    QString address;
    QString name;
    bool operator==(const SensorChoice&) const = default;
};

// One Heart Rate Measurement as a chest strap or a watch sent it.
struct HeartRateReading {
    quint16 bpm = 0;
    // Whether the strap touches the skin; nothing when the strap does not tell.
    std::optional<bool> skinContact;
    std::optional<quint16> energyKj;  // energy expended since the last reset
    QList<quint16> rr;                // RR intervals in 1/1024 s, oldest first
};

// One reading of a pulse oximeter. A value the sensor marks as invalid, unavailable or out
// of range is nothing, never a number.
struct OximeterReading {
    std::optional<double> spo2;   // percent
    std::optional<double> pulse;  // beats per minute
    bool fingerOut = false;       // the sensor says no finger is in it (or its probe is off)
};

// How a hold went by the sensors, for the log: the heart rate at the hold's first second,
// the lowest heart rate in the hold (the diving reflex) and the lowest SpO2 and the second
// of the hold it first came at. Nothing where no valid value came.
struct HoldSensors {
    std::optional<int> hrStart;
    std::optional<int> hrLowest;
    std::optional<int> spo2Lowest;
    std::optional<qint32> spo2LowestSecond;

    bool Empty() const { return !hrStart && !hrLowest && !spo2Lowest; }
    bool operator==(const HoldSensors&) const = default;
};

// What the sensors said at one tick of a session or of the PB test: a row of the samples
// file. Values are the latest valid ones, with their age at the tick; a stale value (older
// than kStaleMs) is left out.
struct SensorSample {
    qint32 second = 0;  // the tick's second since Start, from 1
    qint16 loop = 0;    // 0 in the intro and in the PB test's countdown
    Phase phase = Phase::Intro;
    qint32 phaseSecond = 0;  // the second of the phase, from 1
    std::optional<int> hr;
    std::optional<qint32> hrAgeMs;
    std::optional<int> spo2;
    std::optional<int> pulse;
    std::optional<qint32> spo2AgeMs;
    bool noContact = false;  // the strap says it lost the skin
    bool fingerOut = false;  // the oximeter says the finger is out
    QList<quint16> rr;       // RR intervals (1/1024 s) that came since the tick before
};

// A value older than this is stale: shown marked, never logged, never an alarm.
inline constexpr qint32 kStaleMs = 5000;

}  // namespace vellorin
