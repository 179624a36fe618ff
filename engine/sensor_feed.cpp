#include "sensor_feed.h"

#include <algorithm>
#include <cmath>

#include "sensor_packets.h"

namespace vellorin {
namespace {

// RR intervals kept for the next sample at most: a minute and more of beats, however long
// nobody takes them.
constexpr qsizetype kMaxRr = 256;

bool Fresh(qint64 atMs, qint64 nowMs) {
    return atMs > 0 && nowMs - atMs <= kStaleMs;
}

}  // namespace

SensorFeed::SensorFeed() {
    for (auto& packets : packets_) {
        packets = std::make_unique<SensorPackets>();
    }
}

SensorFeed::~SensorFeed() = default;

QList<OximeterReading> SensorFeed::Take(SensorKind kind, SensorProtocol protocol,
                                        QByteArrayView value, qint64 atMs) {
    notifications_ += 1;
    Latest& latest = Of(kind);
    const SensorPackets::Parsed parsed = packets_[static_cast<int>(kind)]->Take(protocol, value);
    latest.heardMs = atMs;
    if (parsed.battery) {
        latest.battery = parsed.battery;
    }
    if (const auto& hr = parsed.heartRate; hr && kind == SensorKind::HeartRate) {
        // A strap off the skin, or one that says 0, has no rate to give.
        latest.off = hr->skinContact == false;
        if (!latest.off && hr->bpm >= 1 && hr->bpm <= 300) {
            latest.value = hr->bpm;
            latest.atMs = atMs;
        } else {
            latest.value.reset();  // what came before no longer holds
        }
        rr_.append(hr->rr);
        if (rr_.size() > kMaxRr) {
            rr_.remove(0, rr_.size() - kMaxRr);
        }
    }
    if (kind != SensorKind::Oximeter) {
        return {};
    }
    for (const OximeterReading& reading : parsed.oximeter) {
        latest.off = reading.fingerOut;
        if (!reading.fingerOut && reading.spo2) {
            latest.value = static_cast<int>(std::lround(*reading.spo2));
            latest.pulse =
                reading.pulse ? std::optional<int>(std::lround(*reading.pulse)) : std::nullopt;
            latest.atMs = atMs;
        } else {
            latest.value.reset();  // marked invalid, or no finger: no value now
            latest.pulse.reset();
        }
    }
    return parsed.oximeter;
}

void SensorFeed::SetLink(SensorKind kind, LinkState state) {
    Latest& latest = Of(kind);
    if (state == LinkState::None) {
        latest = {};
        packets_[static_cast<int>(kind)]->Restart();
    } else if (state != LinkState::Connected) {
        latest.off = false;  // what the sensor said of its contact no longer holds
        packets_[static_cast<int>(kind)]->Restart();
    }
    latest.link = state;
}

SensorStatus SensorFeed::Status(SensorKind kind, qint64 nowMs) const {
    const Latest& latest = Of(kind);
    switch (latest.link) {
        case LinkState::None:
            return SensorStatus::None;
        case LinkState::Connecting:
            return SensorStatus::Connecting;
        case LinkState::Lost:
            return SensorStatus::Lost;
        case LinkState::Connected:
            break;
    }
    if (latest.off && Fresh(latest.heardMs, nowMs)) {
        return kind == SensorKind::HeartRate ? SensorStatus::NoContact : SensorStatus::FingerOut;
    }
    // A reading marked invalid leaves no value, however recent it is.
    return Fresh(latest.atMs, nowMs) && latest.value ? SensorStatus::Connected
                                                     : SensorStatus::Stale;
}

SensorSample SensorFeed::Peek(qint64 nowMs) const {
    SensorSample sample;
    const Latest& hr = Of(SensorKind::HeartRate);
    if (hr.link == LinkState::Connected && Fresh(hr.atMs, nowMs) && hr.value) {
        sample.hr = hr.value;
        sample.hrAgeMs = static_cast<qint32>(std::max<qint64>(0, nowMs - hr.atMs));
    }
    const Latest& ox = Of(SensorKind::Oximeter);
    if (ox.link == LinkState::Connected && Fresh(ox.atMs, nowMs) && ox.value) {
        sample.spo2 = ox.value;
        sample.pulse = ox.pulse;
        sample.spo2AgeMs = static_cast<qint32>(std::max<qint64>(0, nowMs - ox.atMs));
    }
    sample.noContact = Status(SensorKind::HeartRate, nowMs) == SensorStatus::NoContact;
    sample.fingerOut = Status(SensorKind::Oximeter, nowMs) == SensorStatus::FingerOut;
    return sample;
}

SensorSample SensorFeed::Sample(qint64 nowMs) {
    SensorSample sample = Peek(nowMs);
    sample.rr = std::exchange(rr_, {});
    return sample;
}

qint64 SensorFeed::Malformed() const {
    return packets_[0]->Malformed() + packets_[1]->Malformed();
}

}  // namespace vellorin
