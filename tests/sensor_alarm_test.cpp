// The low-SpO2 alarm's rule, and what the sensors' latest values say of each sensor.
#include <gtest/gtest.h>

#include <QByteArray>

#include "sensor_alarm.h"
#include "sensor_feed.h"

namespace vellorin::testing {
namespace {

// A reading at a moment: an SpO2, or nothing (marked invalid), or a finger out.
struct At {
    qint64 ms;
    std::optional<double> spo2;
    bool fingerOut = false;
};
constexpr std::nullopt_t kInvalid = std::nullopt;

struct AlarmCase {
    const char* name;
    Spo2AlarmSettings settings;
    QList<At> readings;
    int goesOffAt;  // the index of the reading it goes off with; -1 for never
};

const AlarmCase kAlarmCases[] = {
    {"two lows a second apart", {}, {{0, 85}, {1000, 79}, {2000, 78}}, 2},
    {"the limit itself is low", {}, {{0, 80}, {1000, 80}}, 1},
    {"a single outlier never", {}, {{0, 97}, {1000, 60}, {2000, 97}, {3000, 96}}, -1},
    {"a burst of low packets shorter than a second never",
     {},
     {{0, 60}, {10, 60}, {20, 60}, {500, 60}, {990, 60}, {1000, 97}},
     -1},
    {"invalid readings neither count nor break the run",
     {},
     {{0, 79}, {500, kInvalid}, {1000, 79}},
     2},
    {"an invalid reading alone never", {}, {{0, kInvalid}, {1000, kInvalid}}, -1},
    {"a finger out never", {}, {{0, 50, true}, {1000, 50, true}, {2000, 50, true}}, -1},
    {"a reading above the limit starts the run again",
     {},
     {{0, 79}, {500, 90}, {1000, 79}, {1500, 79}, {2000, 79}},
     4},
    {"a run broken by five seconds without a value starts over",
     {},
     {{0, 79}, {6000, 79}, {7000, 79}},
     2},
    {"switched off never", {false, 80}, {{0, 70}, {1000, 70}, {2000, 70}}, -1},
    {"a limit below the range is taken as 70", {true, 50}, {{0, 69}, {1000, 69}}, 1},
    {"a limit above the range is taken as 95", {true, 99}, {{0, 96}, {1000, 95}, {2000, 95}}, 2},
    {"a value out of range counts for nothing", {}, {{0, 79}, {500, 140}, {1000, 79}}, 2},
};

class Spo2AlarmRule : public ::testing::TestWithParam<AlarmCase> {};

TEST_P(Spo2AlarmRule, GoesOffOnlyOnAConfirmedFall) {
    const AlarmCase& c = GetParam();
    Spo2Alarm alarm(c.settings);
    alarm.Arm();
    int wentOffAt = -1;
    for (qsizetype i = 0; i < c.readings.size(); ++i) {
        const At& at = c.readings[i];
        if (alarm.Take({at.spo2, 70.0, at.fingerOut}, at.ms) && wentOffAt < 0) {
            wentOffAt = static_cast<int>(i);
        }
    }
    EXPECT_EQ(wentOffAt, c.goesOffAt);
    // Once a hold: whatever comes after, it does not go off again.
    EXPECT_FALSE(alarm.Take({50.0, 70.0, false}, 100000));
}

INSTANTIATE_TEST_SUITE_P(Readings, Spo2AlarmRule, ::testing::ValuesIn(kAlarmCases),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& c : name) {
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

TEST(Spo2AlarmHolds, WatchesOnlyBetweenArmAndDisarm) {
    Spo2Alarm alarm;
    EXPECT_FALSE(alarm.Take({60.0, {}, false}, 0));
    EXPECT_FALSE(alarm.Take({60.0, {}, false}, 2000));  // no hold under way
    alarm.Arm();
    EXPECT_FALSE(alarm.Take({60.0, {}, false}, 3000));
    alarm.Disarm();
    alarm.Arm();  // the next hold starts its own run
    EXPECT_FALSE(alarm.Take({60.0, {}, false}, 4000));
    EXPECT_TRUE(alarm.Take({60.0, {}, false}, 5000));
    EXPECT_TRUE(alarm.WentOff());
}

// A strap's Heart Rate Measurement: flags (contact supported and detected or not), bpm.
QByteArray Strap(int bpm, bool contact = true) {
    return QByteArray::fromHex(contact ? "06" : "04") + QByteArray(1, static_cast<char>(bpm));
}
// A PLX Continuous Measurement with SpO2 and pulse as SFLOATs of exponent 0.
QByteArray Plx(int spo2, int pulse) {
    const char bytes[] = {0, static_cast<char>(spo2), 0, static_cast<char>(pulse), 0};
    return QByteArray(bytes, 5);
}

struct StatusCase {
    const char* name;
    LinkState link;
    QByteArray hr;  // a notification of the strap at 1,000 ms; empty for none
    qint64 nowMs;
    SensorStatus status;
};

const StatusCase kStatusCases[] = {
    {"none chosen", LinkState::None, {}, 1000, SensorStatus::None},
    {"connecting", LinkState::Connecting, {}, 1000, SensorStatus::Connecting},
    {"lost keeps no value", LinkState::Lost, Strap(70), 1000, SensorStatus::Lost},
    {"connected with a fresh value", LinkState::Connected, Strap(70), 5900,
     SensorStatus::Connected},
    {"a value older than five seconds is stale", LinkState::Connected, Strap(70), 6001,
     SensorStatus::Stale},
    {"connected, nothing came yet", LinkState::Connected, {}, 1000, SensorStatus::Stale},
    {"no skin contact", LinkState::Connected, Strap(70, false), 1000, SensorStatus::NoContact},
    {"a rate of 0 is no value", LinkState::Connected, Strap(0), 1000, SensorStatus::Stale},
};

class SensorStatusOf : public ::testing::TestWithParam<StatusCase> {};

TEST_P(SensorStatusOf, HeartRateSensor) {
    const StatusCase& c = GetParam();
    SensorFeed feed;
    feed.SetLink(SensorKind::HeartRate, LinkState::Connected);
    if (!c.hr.isEmpty()) {
        feed.Take(SensorKind::HeartRate, SensorProtocol::HeartRateMeasurement, c.hr, 1000);
    }
    feed.SetLink(SensorKind::HeartRate, c.link);
    EXPECT_EQ(feed.Status(SensorKind::HeartRate, c.nowMs), c.status);
    EXPECT_EQ(feed.Peek(c.nowMs).hr.has_value(), c.status == SensorStatus::Connected);
}

INSTANTIATE_TEST_SUITE_P(States, SensorStatusOf, ::testing::ValuesIn(kStatusCases));

TEST(SensorFeedValues, OximeterFingerOutBatteryAndMalformedPackets) {
    SensorFeed feed;
    feed.SetLink(SensorKind::Oximeter, LinkState::Connected);
    feed.Take(SensorKind::Oximeter, SensorProtocol::PlxContinuous, Plx(97, 64), 1000);
    feed.Take(SensorKind::Oximeter, SensorProtocol::BatteryLevel, QByteArray(1, 42), 1000);
    SensorSample sample = feed.Peek(1500);
    EXPECT_EQ(sample.spo2, 97);
    EXPECT_EQ(sample.pulse, 64);
    EXPECT_EQ(sample.spo2AgeMs, 500);
    EXPECT_EQ(feed.Battery(SensorKind::Oximeter), 42);
    // Garbage is dropped and counted; the last good value stands.
    feed.Take(SensorKind::Oximeter, SensorProtocol::PlxContinuous, QByteArray(2, 'x'), 1600);
    EXPECT_EQ(feed.Malformed(), 1);
    EXPECT_EQ(feed.Peek(1700).spo2, 97);
    // A BerryMed packet with the finger out: the status says so and no value is fresh.
    const QByteArray fingerOut = QByteArray::fromHex("a000107f7f");
    feed.Take(SensorKind::Oximeter, SensorProtocol::BerryMed, fingerOut, 2000);
    EXPECT_EQ(feed.Status(SensorKind::Oximeter, 2100), SensorStatus::FingerOut);
    EXPECT_TRUE(feed.Peek(2100).fingerOut);
    // Forgetting the sensor forgets its values.
    feed.SetLink(SensorKind::Oximeter, LinkState::None);
    EXPECT_FALSE(feed.Peek(2100).spo2);
    EXPECT_FALSE(feed.Battery(SensorKind::Oximeter));
}

}  // namespace
}  // namespace vellorin::testing
