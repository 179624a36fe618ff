#include <gtest/gtest.h>

#include <random>

#include "sensor_packets.h"

namespace vellorin::testing {
namespace {

QByteArray Bytes(std::initializer_list<int> bytes) {
    QByteArray out;
    for (const int byte : bytes) {
        out.append(char(byte));
    }
    return out;
}

using Kind = Sfloat::Kind;

TEST(SensorPacketSfloat, DecodesNumbersAndTheFiveSpecialValues) {
    const struct {
        quint16 raw;
        Sfloat expected;
    } cases[] = {
        {0x0000, {Kind::Number, 0}},       {0x0062, {Kind::Number, 98}},
        {0xF3D2, {Kind::Number, 97.8}},    {0xE26C, {Kind::Number, 6.2}},
        {0x2001, {Kind::Number, 100}},     {0x7001, {Kind::Number, 1e7}},
        {0x8001, {Kind::Number, 1e-8}},    {0x0FFF, {Kind::Number, -1}},
        {0xFF9C, {Kind::Number, -10}},     {0xF800, {Kind::Number, -204.8}},
        {0x07FD, {Kind::Number, 2045}},    {0x17FF, {Kind::Number, 20470}},
        {0x07FF, {Kind::NaN, 0}},          {0x0800, {Kind::NRes, 0}},
        {0x07FE, {Kind::PlusInfinity, 0}}, {0x0802, {Kind::MinusInfinity, 0}},
        {0x0801, {Kind::Reserved, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeSfloat(c.raw), c.expected) << std::hex << c.raw;
    }
}

// Every flag byte, with each field the flags announce: read whole, and cut anywhere before
// its end, nothing, or (inside the RR intervals, at a whole one) fewer intervals.
TEST(SensorPacketHeartRate, EveryFlagCombinationAndEveryCut) {
    const QList<quint16> rr = {1024, 803, 1187};
    for (int flags = 0; flags < 256; ++flags) {
        const quint16 bpm = (flags & 1) ? 301 : 64;
        QByteArray packet = Bytes({flags, bpm & 0xFF});
        if (flags & 1) {
            packet.append(char(bpm >> 8));
        }
        if (flags & 0x08) {
            packet.append(Bytes({0x10, 0x27}));  // 10,000 kJ
        }
        const qsizetype fixed = packet.size();
        if (flags & 0x10) {
            packet.append(Bytes({0x00, 0x04, 0x23, 0x03, 0xA3, 0x04}));
        }
        for (qsizetype size = 0; size <= packet.size(); ++size) {
            const auto reading = ParseHeartRateMeasurement(QByteArrayView(packet).first(size));
            const bool whole = size == packet.size() ||
                               ((flags & 0x10) && size >= fixed && (size - fixed) % 2 == 0);
            ASSERT_EQ(reading.has_value(), whole) << flags << " cut at " << size;
            if (!reading) {
                continue;
            }
            EXPECT_EQ(reading->bpm, bpm);
            EXPECT_EQ(reading->skinContact,
                      (flags & 4) ? std::optional<bool>((flags & 2) != 0) : std::nullopt);
            EXPECT_EQ(reading->energyKj,
                      (flags & 8) ? std::optional<quint16>(10000) : std::nullopt);
            EXPECT_EQ(reading->rr,
                      (flags & 0x10) ? rr.first((size - fixed) / 2) : QList<quint16>{});
        }
    }
}

TEST(SensorPacketHeartRate, RateOfZeroAndBytesAfterTheLastField) {
    EXPECT_EQ(ParseHeartRateMeasurement(Bytes({0x06, 0}))->bpm, 0);  // strap finding no beat
    EXPECT_EQ(ParseHeartRateMeasurement(Bytes({0x00, 70, 0x55}))->bpm, 70);
    EXPECT_FALSE(ParseHeartRateMeasurement(Bytes({0x10, 70, 0x00, 0x04, 0x55})));
}

struct OximeterCase {
    const char* name;
    SensorProtocol protocol;
    QByteArray bytes;
    std::optional<OximeterReading> expected;
};

OximeterReading Values(std::optional<double> spo2, std::optional<double> pulse) {
    return {spo2, pulse, false};
}
const OximeterReading kFingerOut{std::nullopt, std::nullopt, true};
const OximeterReading kNone{std::nullopt, std::nullopt, false};

TEST(SensorPacketPlx, ReadsNormalValuesThroughEveryOptionalField) {
    constexpr auto kC = SensorProtocol::PlxContinuous;
    constexpr auto kS = SensorProtocol::PlxSpotCheck;
    const QByteArray normal = Bytes({0x62, 0x00, 0x48, 0x00});  // 98 %, 72 bpm
    const OximeterReading ok = Values(98, 72);
    const OximeterCase cases[] = {
        {"plain", kC, Bytes({0}) + normal, ok},
        {"tenths", kC, Bytes({0, 0xD2, 0xF3, 0xBC, 0xF2}), Values(97.8, 70)},
        {"fast", kC, Bytes({0x01}) + normal + Bytes({0x61, 0, 0x49, 0}), ok},
        {"slow", kC, Bytes({0x02}) + normal + Bytes({0x61, 0, 0x49, 0}), ok},
        {"status clear", kC, Bytes({0x04}) + normal + Bytes({0x80, 0x01}), ok},
        {"unavailable", kC, Bytes({0x04}) + normal + Bytes({0, 0x20}), kNone},
        {"invalid", kC, Bytes({0x04}) + normal + Bytes({0, 0x80}), kNone},
        {"questionable", kC, Bytes({0x04}) + normal + Bytes({0, 0x40}), ok},
        {"poor signal", kC, Bytes({0x08}) + normal + Bytes({0x10, 0, 0}), ok},
        {"malfunction", kC, Bytes({0x08}) + normal + Bytes({0x02, 0, 0}), kNone},
        {"sensor malfunction", kC, Bytes({0x08}) + normal + Bytes({0, 0x40, 0}), kNone},
        {"unconnected", kC, Bytes({0x08}) + normal + Bytes({0, 0x08, 0}), kFingerOut},
        {"displaced", kC, Bytes({0x08}) + normal + Bytes({0, 0x20, 0}), kFingerOut},
        {"disconnected", kC, Bytes({0x08}) + normal + Bytes({0, 0x80, 0}), kFingerOut},
        {"amplitude", kC, Bytes({0x10}) + normal + Bytes({0x0A, 0xF0}), ok},
        {"all fields", kC, Bytes({0xFF}) + normal + QByteArray(15, 0), ok},
        {"nan spo2", kC, Bytes({0, 0xFF, 0x07, 0x48, 0}), Values(std::nullopt, 72)},
        {"inf pulse", kC, Bytes({0, 0x62, 0, 0xFE, 0x07}), Values(98, std::nullopt)},
        {"spo2 101", kC, Bytes({0, 0x65, 0, 0x48, 0}), Values(std::nullopt, 72)},
        {"limits", kC, Bytes({0, 0x64, 0, 0x2C, 0x01}), Values(100, 300)},
        {"pulse 301", kC, Bytes({0, 0x62, 0, 0x2D, 0x01}), Values(98, std::nullopt)},
        {"pulse -1", kC, Bytes({0, 0x62, 0, 0xFF, 0x0F}), Values(98, std::nullopt)},
        {"empty", kC, {}, std::nullopt},
        {"short normal", kC, Bytes({0, 0x62, 0, 0x48}), std::nullopt},
        {"short fast", kC, Bytes({0x01}) + normal + Bytes({0x61, 0, 0x49}), std::nullopt},
        {"short status", kC, Bytes({0x04}) + normal + Bytes({0}), std::nullopt},
        {"short device", kC, Bytes({0x08}) + normal + Bytes({0, 0}), std::nullopt},
        {"short amplitude", kC, Bytes({0x10}) + normal + Bytes({0x0A}), std::nullopt},
        {"spot", kS, Bytes({0}) + normal, ok},
        {"spot time", kS, Bytes({0x01}) + normal + Bytes({0xE9, 0x07, 3, 15, 10, 30, 0}), ok},
        {"spot short time", kS, Bytes({0x01}) + normal + Bytes({0xE9, 0x07, 3, 15, 10, 30}),
         std::nullopt},
        {"spot invalid", kS, Bytes({0x02}) + normal + Bytes({0, 0x80}), kNone},
        {"spot unconnected", kS, Bytes({0x04}) + normal + Bytes({0, 0x08, 0}), kFingerOut},
        {"spot amplitude", kS, Bytes({0x08}) + normal + Bytes({0x0A, 0xF0}), ok},
        {"spot clock unset", kS, Bytes({0x10}) + normal, ok},
        {"spot all", kS, Bytes({0x1F}) + normal + QByteArray(14, 0), ok},
        {"spot short", kS, Bytes({0x08}) + normal, std::nullopt},
    };
    for (const OximeterCase& c : cases) {
        const auto reading =
            c.protocol == kC ? ParsePlxContinuous(c.bytes) : ParsePlxSpotCheck(c.bytes);
        ASSERT_EQ(reading.has_value(), c.expected.has_value()) << c.name;
        if (reading) {
            EXPECT_EQ(reading->spo2, c.expected->spo2) << c.name;
            EXPECT_EQ(reading->pulse, c.expected->pulse) << c.name;
            EXPECT_EQ(reading->fingerOut, c.expected->fingerOut) << c.name;
        }
    }
}

TEST(SensorPacketBerryMed, ReadsEachPacket) {
    const struct {
        QByteArray packet;
        OximeterReading expected;
    } cases[] = {
        {Bytes({0x86, 0x32, 0x06, 0x48, 0x62}), Values(98, 72)},
        {Bytes({0xC6, 0x32, 0x46, 0x08, 0x5F}), Values(95, 136)},  // pulse bit 7, a beep
        {Bytes({0x80, 0x00, 0x60, 0x7F, 0x7F}), kNone},            // searching: none, none
        {Bytes({0x80, 0x00, 0x60, 0x7E, 0x65}), Values(std::nullopt, 254)},
        {Bytes({0x80, 0x00, 0x10, 0x48, 0x62}), kFingerOut},  // no finger
        {Bytes({0xA0, 0x00, 0x00, 0x48, 0x62}), kFingerOut},  // sensor unplugged
    };
    for (const auto& c : cases) {
        BerryMedStream stream;
        const QList<OximeterReading> readings = stream.Feed(c.packet);
        ASSERT_EQ(readings.size(), 1) << c.packet.toHex().toStdString();
        EXPECT_EQ(readings[0].spo2, c.expected.spo2) << c.packet.toHex().toStdString();
        EXPECT_EQ(readings[0].pulse, c.expected.pulse) << c.packet.toHex().toStdString();
        EXPECT_EQ(readings[0].fingerOut, c.expected.fingerOut) << c.packet.toHex().toStdString();
    }
}

// Notifications as they come over the air: 20 bytes holding 4 packets, or cut anywhere.
TEST(SensorPacketBerryMed, ResynchronisesAcrossNotifications) {
    const QByteArray packet = Bytes({0x86, 0x32, 0x06, 0x48, 0x62});
    const QByteArray four = packet.repeated(4);
    QList<QByteArray> oneByOne;
    for (const char byte : four) {
        oneByOne.append(QByteArray(1, byte));
    }
    const struct {
        const char* name;
        QList<QByteArray> notifications;
        qsizetype readings;
        qint64 dropped;
        qint64 malformed;
    } cases[] = {
        {"four in one", {four}, 4, 0, 0},
        {"split", {four.first(7), four.sliced(7)}, 4, 0, 0},
        {"byte by byte", oneByOne, 4, 0, 0},
        {"joined mid-packet", {packet.sliced(1) + packet}, 1, 4, 1},
        {"garbage between", {packet, Bytes({0x01, 0x02, 0x7F}), packet}, 2, 3, 1},
        {"cut short", {packet.first(2), packet}, 1, 2, 1},
        {"cut short, then later", {packet.first(2), packet.first(3), packet.sliced(3)}, 1, 2, 1},
        {"sync bytes only", {QByteArray(10, char(0xFF))}, 0, 9, 1},
        {"empty", {QByteArray()}, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SensorPackets packets;
        BerryMedStream stream;
        qsizetype readings = 0;
        for (const QByteArray& notification : c.notifications) {
            stream.Feed(notification);
            const SensorPackets::Parsed parsed =
                packets.Take(SensorProtocol::BerryMed, notification);
            for (const OximeterReading& reading : parsed.oximeter) {
                EXPECT_EQ(reading.pulse, 72) << c.name;
                ++readings;
            }
        }
        EXPECT_EQ(readings, c.readings) << c.name;
        EXPECT_EQ(stream.Dropped(), c.dropped) << c.name;
        EXPECT_EQ(packets.Malformed(), c.malformed) << c.name;
        EXPECT_EQ(packets.Packets(), c.notifications.size()) << c.name;
    }

    BerryMedStream stream;
    stream.Feed(packet.first(3));
    stream.Restart();  // the link was made again: the bytes left of the packet are no longer its
    EXPECT_TRUE(stream.Feed(packet.sliced(3)).isEmpty());
    EXPECT_EQ(stream.Dropped(), 2);
}

TEST(SensorPacketBattery, OneByteOfPercent) {
    EXPECT_EQ(ParseBatteryLevel(Bytes({0})), 0);
    EXPECT_EQ(ParseBatteryLevel(Bytes({100})), 100);
    for (const QByteArray& bad : {QByteArray(), Bytes({101}), Bytes({0xFF}), Bytes({50, 0})}) {
        EXPECT_FALSE(ParseBatteryLevel(bad)) << bad.toHex().toStdString();
    }
}

// Thousands of random notifications of each protocol: every one is taken, the malformed are
// exactly those that gave nothing (for BerryMed, those whose bytes were partly dropped) and
// no value leaves its range.
TEST(SensorPacketRandom, RandomNotificationsAreCountedAndNeverOutOfRange) {
    const SensorProtocol protocols[] = {SensorProtocol::HeartRateMeasurement,
                                        SensorProtocol::PlxContinuous, SensorProtocol::PlxSpotCheck,
                                        SensorProtocol::BerryMed, SensorProtocol::BatteryLevel};
    for (const SensorProtocol protocol : protocols) {
        std::mt19937 random(int(protocol) + 1);
        SensorPackets packets;
        qint64 empty = 0;
        qint64 bytes = 0;
        qint64 oximeterReadings = 0;
        constexpr int kNotifications = 5000;
        for (int n = 0; n < kNotifications; ++n) {
            QByteArray value(random() % 24, 0);
            for (char& byte : value) {
                byte = char(random());
            }
            bytes += value.size();
            const SensorPackets::Parsed parsed = packets.Take(protocol, value);
            empty += !parsed.heartRate && parsed.oximeter.isEmpty() && !parsed.battery;
            oximeterReadings += parsed.oximeter.size();
            for (const OximeterReading& reading : parsed.oximeter) {
                EXPECT_TRUE(!reading.spo2 || (*reading.spo2 >= 0 && *reading.spo2 <= 100));
                EXPECT_TRUE(!reading.pulse || (*reading.pulse >= 0 && *reading.pulse <= 300));
            }
        }
        EXPECT_EQ(packets.Packets(), kNotifications);
        if (protocol == SensorProtocol::BerryMed) {
            EXPECT_GT(packets.Malformed(), kNotifications / 2);  // random bytes rarely sync
            EXPECT_LE(5 * oximeterReadings, bytes);
        } else {
            EXPECT_EQ(packets.Malformed(), empty) << int(protocol);
            EXPECT_GT(packets.Malformed(), 0) << int(protocol);
            EXPECT_LT(packets.Malformed(), kNotifications) << int(protocol);
        }
    }
    SensorPackets packets;
    packets.Take(static_cast<SensorProtocol>(99), Bytes({0, 60}));
    EXPECT_EQ(packets.Malformed(), 1);
}

}  // namespace
}  // namespace vellorin::testing
