#include "sensor_packets.h"

#include <algorithm>

namespace vellorin {
namespace {

// Reads little-endian fields from the front of a notification; once a field is missing,
// every later read fails too, so a parser checks once at the end.
class Fields {
public:
    explicit Fields(QByteArrayView bytes) : bytes_(bytes) {}

    quint32 Take(qsizetype size) {  // at most 4 bytes
        if (!Have(size)) {
            return 0;
        }
        quint32 value = 0;
        for (qsizetype i = 0; i < size; ++i) {
            value |= quint32(quint8(bytes_[at_ + i])) << (8 * i);
        }
        at_ += size;
        return value;
    }
    quint8 Byte() { return quint8(Take(1)); }
    quint16 Word() { return quint16(Take(2)); }
    void Skip(qsizetype size) { at_ += Have(size) ? size : 0; }
    qsizetype Left() const { return ok_ ? bytes_.size() - at_ : 0; }
    bool Ok() const { return ok_; }

private:
    bool Have(qsizetype size) {
        ok_ = ok_ && bytes_.size() - at_ >= size;
        return ok_;
    }

    QByteArrayView bytes_;
    qsizetype at_ = 0;
    bool ok_ = true;
};

// A measured value that is a number in [0, most]; nothing otherwise.
std::optional<double> InRange(quint16 raw, double most) {
    const Sfloat value = DecodeSfloat(raw);
    if (value.kind != Sfloat::Kind::Number || value.value < 0 || value.value > most) {
        return std::nullopt;
    }
    return value.value;
}

// The status fields of a PLX measurement, where the sensor sent them.
constexpr quint16 kMeasurementUnavailable = 1u << 13;
constexpr quint16 kInvalidMeasurement = 1u << 15;
constexpr quint32 kEquipmentMalfunction = 1u << 1;
constexpr quint32 kSensorUnconnected = 1u << 11;
constexpr quint32 kSensorDisplaced = 1u << 13;
constexpr quint32 kSensorMalfunctioning = 1u << 14;
constexpr quint32 kSensorDisconnected = 1u << 15;

OximeterReading PlxReading(quint16 spo2, quint16 pulse, quint16 measurement, quint32 device) {
    OximeterReading reading;
    reading.fingerOut =
        (device & (kSensorUnconnected | kSensorDisplaced | kSensorDisconnected)) != 0;
    const bool unusable = reading.fingerOut ||
                          (measurement & (kMeasurementUnavailable | kInvalidMeasurement)) ||
                          (device & (kEquipmentMalfunction | kSensorMalfunctioning));
    if (!unusable) {
        reading.spo2 = InRange(spo2, 100);
        reading.pulse = InRange(pulse, 300);
    }
    return reading;
}

OximeterReading BerryMedReading(const std::array<quint8, 5>& packet) {
    OximeterReading reading;
    reading.fingerOut = (packet[0] & 0x20) || (packet[2] & 0x10);
    if (!reading.fingerOut) {
        const int pulse = packet[3] | ((packet[2] & 0x40) << 1);
        if (pulse != 255) {
            reading.pulse = pulse;
        }
        if (packet[4] <= 100) {  // 127 is none; nothing else above 100 is a saturation
            reading.spo2 = packet[4];
        }
    }
    return reading;
}

}  // namespace

Sfloat DecodeSfloat(quint16 raw) {
    switch (raw) {
        case 0x07FF:
            return {Sfloat::Kind::NaN, 0};
        case 0x0800:
            return {Sfloat::Kind::NRes, 0};
        case 0x07FE:
            return {Sfloat::Kind::PlusInfinity, 0};
        case 0x0802:
            return {Sfloat::Kind::MinusInfinity, 0};
        case 0x0801:
            return {Sfloat::Kind::Reserved, 0};
        default:
            break;
    }
    // Sign-extended by shifting the field to the top of an int and back.
    const int exponent = static_cast<qint16>(raw) >> 12;
    const int mantissa = static_cast<qint16>(raw << 4) >> 4;
    static constexpr double kTens[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
    // Dividing by an exact power of ten rounds once, where multiplying by 0.1 would not.
    const double value = exponent >= 0 ? mantissa * kTens[exponent] : mantissa / kTens[-exponent];
    return {Sfloat::Kind::Number, value};
}

std::optional<HeartRateReading> ParseHeartRateMeasurement(QByteArrayView value) {
    Fields fields(value);
    const quint8 flags = fields.Byte();
    HeartRateReading reading;
    reading.bpm = (flags & 0x01) ? fields.Word() : fields.Byte();
    if (flags & 0x04) {
        reading.skinContact = (flags & 0x02) != 0;
    }
    if (flags & 0x08) {
        reading.energyKj = fields.Word();
    }
    if (!fields.Ok()) {
        return std::nullopt;
    }
    if (flags & 0x10) {
        if (fields.Left() % 2 != 0) {
            return std::nullopt;
        }
        reading.rr.reserve(fields.Left() / 2);
        while (fields.Left() > 0) {
            reading.rr.append(fields.Word());
        }
    }
    return reading;
}

std::optional<OximeterReading> ParsePlxContinuous(QByteArrayView value) {
    Fields fields(value);
    const quint8 flags = fields.Byte();
    const quint16 spo2 = fields.Word();
    const quint16 pulse = fields.Word();
    if (flags & 0x01) {
        fields.Skip(4);  // SpO2PR-Fast
    }
    if (flags & 0x02) {
        fields.Skip(4);  // SpO2PR-Slow
    }
    const quint16 measurement = (flags & 0x04) ? fields.Word() : 0;
    const quint32 device = (flags & 0x08) ? fields.Take(3) : 0;
    if (flags & 0x10) {
        fields.Skip(2);  // pulse amplitude index
    }
    if (!fields.Ok()) {
        return std::nullopt;
    }
    return PlxReading(spo2, pulse, measurement, device);
}

std::optional<OximeterReading> ParsePlxSpotCheck(QByteArrayView value) {
    Fields fields(value);
    const quint8 flags = fields.Byte();
    const quint16 spo2 = fields.Word();
    const quint16 pulse = fields.Word();
    if (flags & 0x01) {
        fields.Skip(7);  // the time of the measurement
    }
    const quint16 measurement = (flags & 0x02) ? fields.Word() : 0;
    const quint32 device = (flags & 0x04) ? fields.Take(3) : 0;
    if (flags & 0x08) {
        fields.Skip(2);  // pulse amplitude index
    }
    if (!fields.Ok()) {
        return std::nullopt;
    }
    return PlxReading(spo2, pulse, measurement, device);
}

std::optional<int> ParseBatteryLevel(QByteArrayView value) {
    if (value.size() != 1 || quint8(value[0]) > 100) {
        return std::nullopt;
    }
    return quint8(value[0]);
}

QList<OximeterReading> BerryMedStream::Feed(QByteArrayView bytes) {
    // At most one reading per packet start, and per five bytes: reserved once, never more
    // than the readings the bytes can make.
    qsizetype starts = have_ > 0 ? 1 : 0;
    for (const char byte : bytes) {
        starts += (quint8(byte) & 0x80) ? 1 : 0;
    }
    QList<OximeterReading> readings;
    readings.reserve(std::min(starts, (have_ + bytes.size()) / 5));
    for (const char c : bytes) {
        const quint8 byte = quint8(c);
        if (byte & 0x80) {
            dropped_ += have_;
            packet_[0] = byte;
            have_ = 1;
        } else if (have_ == 0) {
            ++dropped_;
        } else {
            packet_[have_++] = byte;
            if (have_ == int(packet_.size())) {
                readings.append(BerryMedReading(packet_));
                have_ = 0;
            }
        }
    }
    return readings;
}

SensorPackets::Parsed SensorPackets::Take(SensorProtocol protocol, QByteArrayView value) {
    ++packets_;
    Parsed parsed;
    bool malformed = false;
    switch (protocol) {
        case SensorProtocol::HeartRateMeasurement:
            parsed.heartRate = ParseHeartRateMeasurement(value);
            malformed = !parsed.heartRate;
            break;
        case SensorProtocol::PlxContinuous:
        case SensorProtocol::PlxSpotCheck: {
            const std::optional<OximeterReading> reading = protocol == SensorProtocol::PlxContinuous
                                                               ? ParsePlxContinuous(value)
                                                               : ParsePlxSpotCheck(value);
            if (reading) {
                parsed.oximeter.append(*reading);
            }
            malformed = !reading;
            break;
        }
        case SensorProtocol::BerryMed: {
            const qint64 dropped = berryMed_.Dropped();
            parsed.oximeter = berryMed_.Feed(value);
            malformed = berryMed_.Dropped() != dropped;
            break;
        }
        case SensorProtocol::BatteryLevel:
            parsed.battery = ParseBatteryLevel(value);
            malformed = !parsed.battery;
            break;
        default:
            malformed = true;  // a protocol this build does not know
            break;
    }
    malformed_ += malformed ? 1 : 0;
    return parsed;
}

}  // namespace vellorin
