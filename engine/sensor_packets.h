#pragma once

#include <QByteArrayView>
#include <QList>
#include <array>
#include <optional>

#include "sensor_reading.h"

namespace vellorin {

// The decoders of what Bluetooth LE sensors notify. Every one takes the bytes of one
// notification as they came, whatever they are, and gives either a reading or nothing; none
// throws, none reads past the bytes, none keeps more than the result needs.

// The 16-bit medical float: a 4-bit signed exponent of ten (high nibble) and a 12-bit signed
// mantissa. Five values with the exponent 0 are not numbers. Only a Number has a value.
struct Sfloat {
    enum class Kind : quint8 { Number, NaN, NRes, PlusInfinity, MinusInfinity, Reserved };
    Kind kind = Kind::NaN;
    double value = 0;

    bool operator==(const Sfloat&) const = default;
};
Sfloat DecodeSfloat(quint16 raw);

// Heart Rate Measurement (0x2A37), with every combination of its flags: the rate as one byte
// or two, the skin contact (nothing where the strap does not tell), the energy expended and
// the RR intervals, as many as follow. Nothing when the bytes end before a field the flags
// announce or the RR intervals end in half of one. Reserved flags and bytes after the last
// field are ignored. A rate of 0 is given as it came: many straps send it while they find
// no beat, and the consumer takes 0 as no value.
std::optional<HeartRateReading> ParseHeartRateMeasurement(QByteArrayView value);

// PLX Continuous Measurement (0x2A5F) and PLX Spot-check Measurement (0x2A5E) of a Pulse
// Oximeter service: the normal (or the spot-check) SpO2 and pulse rate. Nothing when the
// bytes end before a field the flags announce. Within a reading, a value is nothing when it
// is not a number, lies outside 0-100 % or 0-300 bpm, or the status marks the measurement
// unavailable or invalid, or the equipment or the sensor malfunctioning. A questionable
// measurement keeps its values. A sensor that says it is unconnected to the user, displaced
// or disconnected gives fingerOut and no values.
std::optional<OximeterReading> ParsePlxContinuous(QByteArrayView value);
std::optional<OximeterReading> ParsePlxSpotCheck(QByteArrayView value);

// Battery Level (0x2A19): one byte, 0-100 %; nothing otherwise.
std::optional<int> ParseBatteryLevel(QByteArrayView value);

// BerryMed oximeters (BM1000 and the many that copy them) stream 5-byte packets through
// their serial service (49535343-fe7d-4ae5-8fa9-9fafd205e455, notifications on
// 49535343-1e4d-4bd9-ba61-23c647249616), about 100 a second, as BerryMed's "BCI Protocol"
// (github.com/zh2x/BCI_Protocol) lays out:
//   byte 0: bit 7 set (it starts a packet), bits 0-3 signal strength, bit 4 searching too
//           long, bit 5 sensor unplugged, bit 6 pulse beep;
//   byte 1: the pleth wave (7 bits);
//   byte 2: bits 0-3 bar graph, bit 4 no finger, bit 5 searching for the pulse, bit 6 bit 7
//           of the pulse rate;
//   byte 3: bits 0-6 of the pulse rate (255 when there is none);
//   byte 4: SpO2 (127 when there is none).
// Every byte but the first has bit 7 clear. A notification may hold several packets or end
// inside one, so the stream keeps an unfinished packet for the next notification and starts
// again at every byte with bit 7 set: bytes before it that make no whole packet are dropped,
// each byte looked at once.
class BerryMedStream {
public:
    // The readings of the packets these bytes finish, oldest first. With the sensor unplugged
    // or no finger in it, a reading has fingerOut and no values.
    QList<OximeterReading> Feed(QByteArrayView bytes);
    // Forgets an unfinished packet, as when the link is made again.
    void Restart() { have_ = 0; }
    // Bytes dropped so far: those before the first packet start and those of unfinished
    // packets cut short by the next one.
    qint64 Dropped() const { return dropped_; }

private:
    std::array<quint8, 5> packet_{};
    int have_ = 0;
    qint64 dropped_ = 0;
};

// The one place notifications of every protocol come to, keeping the BerryMed stream between
// notifications and counting what could not be read.
class SensorPackets {
public:
    struct Parsed {
        std::optional<HeartRateReading> heartRate;
        QList<OximeterReading> oximeter;
        std::optional<int> battery;
    };

    // What the bytes of one notification of the protocol say; nothing when it is malformed.
    // A BerryMed notification is malformed when the stream dropped bytes of it; the whole
    // packets in it are read still.
    Parsed Take(SensorProtocol protocol, QByteArrayView value);
    void Restart() { berryMed_.Restart(); }

    qint64 Packets() const { return packets_; }      // notifications taken
    qint64 Malformed() const { return malformed_; }  // notifications that were malformed

private:
    BerryMedStream berryMed_;
    qint64 packets_ = 0;
    qint64 malformed_ = 0;
};

}  // namespace vellorin
