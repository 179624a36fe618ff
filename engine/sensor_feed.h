#pragma once

#include <QByteArrayView>
#include <QList>
#include <QtGlobal>
#include <array>
#include <memory>
#include <optional>

#include "sensor_reading.h"

namespace vellorin {

class SensorPackets;

// What a chosen sensor shows beside its values: its link, or when linked, what it says of
// its contact.
enum class SensorStatus : quint8 {
    None,        // no sensor of the kind is chosen
    Connecting,  // looking for it or connecting
    Connected,   // values come
    NoContact,   // the strap says it lost the skin
    FingerOut,   // the oximeter says no finger is in it
    Stale,       // linked, but no value for kStaleMs
    Lost,        // the link broke; it is tried again
};

// The latest of what the chosen heart-rate sensor and oximeter said, fed with the bytes of
// every notification as they come. It never touches the session: the window asks it for a
// sample at every tick and shows what it holds.
class SensorFeed {
public:
    SensorFeed();
    ~SensorFeed();

    // A notification's value; returns the oximeter readings it held (for the alarm).
    QList<OximeterReading> Take(SensorKind kind, SensorProtocol protocol, QByteArrayView value,
                                qint64 atMs);
    void SetLink(SensorKind kind, LinkState state);
    LinkState Link(SensorKind kind) const { return Of(kind).link; }
    std::optional<int> Battery(SensorKind kind) const { return Of(kind).battery; }
    SensorStatus Status(SensorKind kind, qint64 nowMs) const;

    // The values at nowMs, fresh ones only, with the RR intervals since the last sample:
    // second, loop and phase are left for the caller.
    SensorSample Sample(qint64 nowMs);
    // The same without taking the RR intervals, for a display.
    SensorSample Peek(qint64 nowMs) const;

    // Notifications taken, and how many of them could not be read (dropped).
    qint64 Notifications() const { return notifications_; }
    qint64 Malformed() const;

private:
    struct Latest {
        LinkState link = LinkState::None;
        std::optional<int> battery;
        std::optional<int> value;  // heart rate, or SpO2
        std::optional<int> pulse;  // the oximeter's pulse rate
        qint64 atMs = 0;           // when the value came
        qint64 heardMs = 0;        // when anything came
        bool off = false;          // no skin contact, or the finger out
    };
    Latest& Of(SensorKind kind) { return latest_[static_cast<int>(kind)]; }
    const Latest& Of(SensorKind kind) const { return latest_[static_cast<int>(kind)]; }

    std::array<Latest, 2> latest_;
    std::array<std::unique_ptr<SensorPackets>, 2> packets_;
    QList<quint16> rr_;
    qint64 notifications_ = 0;
};

}  // namespace vellorin
