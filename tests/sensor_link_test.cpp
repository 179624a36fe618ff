#include <gtest/gtest.h>

#include <QDateTime>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <memory>

#include "fake_bluez.h"
#include "sensor_link.h"

namespace vellorin {
namespace {

const QString kStrap = QStringLiteral("F1:00:00:00:00:01");
const QString kPlx = QStringLiteral("F1:00:00:00:00:02");
const QString kBerryMed = QStringLiteral("F1:00:00:00:00:03");
const QString kKeyboard = QStringLiteral("F1:00:00:00:00:04");
constexpr int kConnectMs = 10000;
constexpr int kSoonMs = 5000;

// Runs the event loop until the condition holds; false when it did not in time.
template <typename Condition>
bool Until(Condition condition, int ms = kSoonMs) {
    return QTest::qWaitFor(condition, ms);
}

class SensorLinkTest : public testing::Test {
protected:
    void SetUp() override {
        fake = FakeBluez::Instance();
        if (fake == nullptr) {
            GTEST_SKIP() << "no simulated BlueZ: " << FakeBluez::Problem().toStdString();
        }
        ASSERT_TRUE(fake->Reset());
        link = std::make_unique<SensorLink>();
    }

    // Uses the sensor and waits until its notifications are on.
    void Connect(SensorKind kind, const QString& address) {
        link->Use(kind, address);
        ASSERT_TRUE(Until([&] { return link->State(kind) == LinkState::Connected; }, kConnectMs));
    }

    // Sends a notification and waits for the link to hand on exactly it (among, for the
    // battery, the level it read on connecting).
    void ExpectPassedOn(SensorKind kind, const QString& address, SensorProtocol protocol,
                        const QByteArray& value) {
        QSignalSpy notified(link.get(), &SensorLink::Notified);
        ASSERT_TRUE(Until([&] { return fake->Notifying(address, protocol); }));
        const qint64 before = QDateTime::currentMSecsSinceEpoch();
        ASSERT_TRUE(fake->Notify(address, protocol, value));
        const auto passedOn = [&] {
            for (const QList<QVariant>& signal : Matching(notified, protocol)) {
                if (signal[2].toByteArray() == value) {
                    return signal;
                }
            }
            return QList<QVariant>();
        };
        ASSERT_TRUE(Until([&] { return !passedOn().isEmpty(); })) << notified.count();
        const QList<QVariant> got = passedOn();
        EXPECT_EQ(got[0].value<SensorKind>(), kind);
        EXPECT_GE(got[3].toLongLong(), before);
        EXPECT_LE(got[3].toLongLong(), QDateTime::currentMSecsSinceEpoch());
    }

    static QList<QList<QVariant>> Matching(const QSignalSpy& spy, SensorProtocol protocol) {
        QList<QList<QVariant>> matching;
        for (const QList<QVariant>& signal : spy) {
            if (signal[1].value<SensorProtocol>() == protocol) {
                matching.append(signal);
            }
        }
        return matching;
    }

    FakeBluez* fake = nullptr;
    std::unique_ptr<SensorLink> link;
};

TEST_F(SensorLinkTest, ScanReportsEachSensorWithItsKindAndNothingElse) {
    ASSERT_TRUE(fake->AddStrap(kStrap, QStringLiteral("Polar H10"), 90));
    ASSERT_TRUE(fake->AddPlxOximeter(kPlx, QStringLiteral("Nonin 3150")));
    ASSERT_TRUE(fake->AddBerryMed(kBerryMed, QStringLiteral("BerryMed")));
    ASSERT_TRUE(fake->AddOther(kKeyboard, QStringLiteral("Keyboard"), {"1812", "180f"}));
    EXPECT_TRUE(SensorLink::AdapterAvailable());
    QSignalSpy found(link.get(), &SensorLink::Found);
    QSignalSpy ended(link.get(), &SensorLink::ScanEnded);
    link->StartScan();
    EXPECT_TRUE(link->Scanning());
    ASSERT_TRUE(Until([&] { return found.count() == 3; }, kConnectMs));
    QMap<QString, FoundSensor> byAddress;
    for (const QList<QVariant>& signal : found) {
        const auto sensor = signal[0].value<FoundSensor>();
        byAddress.insert(sensor.address, sensor);
    }
    const struct {
        QString address;
        QString name;
        QList<SensorKind> kinds;
    } expected[] = {
        {kStrap, "Polar H10", {SensorKind::HeartRate}},
        {kPlx, "Nonin 3150", {SensorKind::Oximeter}},
        {kBerryMed, "BerryMed", {SensorKind::Oximeter}},
    };
    for (const auto& sensor : expected) {
        SCOPED_TRACE(sensor.address.toStdString());
        ASSERT_TRUE(byAddress.contains(sensor.address));
        EXPECT_EQ(byAddress[sensor.address].name.toStdString(), sensor.name.toStdString());
        EXPECT_EQ(byAddress[sensor.address].kinds, sensor.kinds);
    }
    link->StopScan();
    ASSERT_TRUE(Until([&] { return ended.count() == 1; }));
    EXPECT_EQ(ended[0][0].toString().toStdString(), "");
    EXPECT_FALSE(link->Scanning());
    EXPECT_FALSE(byAddress.contains(kKeyboard));
}

TEST_F(SensorLinkTest, PassesOnEveryNotificationWithItsProtocolAndExactBytes) {
    const struct {
        const char* name;
        std::function<bool(FakeBluez*)> add;
        SensorKind kind;
        QString address;
        SensorProtocol protocol;
        QByteArray value;
    } cases[] = {
        {"strap", [](FakeBluez* f) { return f->AddStrap(kStrap, "H10"); }, SensorKind::HeartRate,
         kStrap, SensorProtocol::HeartRateMeasurement, QByteArray::fromHex("164855034c03")},
        {"PLX continuous", [](FakeBluez* f) { return f->AddPlxOximeter(kPlx, "PLX"); },
         SensorKind::Oximeter, kPlx, SensorProtocol::PlxContinuous,
         QByteArray::fromHex("0062004800")},
        {"PLX spot-check, indicated", [](FakeBluez* f) { return f->AddPlxOximeter(kPlx, "PLX"); },
         SensorKind::Oximeter, kPlx, SensorProtocol::PlxSpotCheck,
         QByteArray::fromHex("00610046000000")},
        {"BerryMed", [](FakeBluez* f) { return f->AddBerryMed(kBerryMed, "BM"); },
         SensorKind::Oximeter, kBerryMed, SensorProtocol::BerryMed,
         QByteArray::fromHex("884006486288410648628842064862884306486200")},
        {"strap's battery", [](FakeBluez* f) { return f->AddStrap(kStrap, "H10", 80); },
         SensorKind::HeartRate, kStrap, SensorProtocol::BatteryLevel, QByteArray(1, 41)},
        {"BerryMed's battery", [](FakeBluez* f) { return f->AddBerryMed(kBerryMed, "BM", 7); },
         SensorKind::Oximeter, kBerryMed, SensorProtocol::BatteryLevel, QByteArray(1, 6)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(fake->Reset());
        link = std::make_unique<SensorLink>();
        ASSERT_TRUE(c.add(fake));
        ASSERT_NO_FATAL_FAILURE(Connect(c.kind, c.address));
        ASSERT_NO_FATAL_FAILURE(ExpectPassedOn(c.kind, c.address, c.protocol, c.value));
    }
}

TEST_F(SensorLinkTest, ReadsTheBatteryLevelOnConnectingAndNotifiesItsChanges) {
    ASSERT_TRUE(fake->AddPlxOximeter(kPlx, QStringLiteral("PLX"), 55));
    QSignalSpy notified(link.get(), &SensorLink::Notified);
    ASSERT_NO_FATAL_FAILURE(Connect(SensorKind::Oximeter, kPlx));
    ASSERT_TRUE(
        Until([&] { return Matching(notified, SensorProtocol::BatteryLevel).count() == 1; }));
    EXPECT_EQ(Matching(notified, SensorProtocol::BatteryLevel)[0][2].toByteArray(),
              QByteArray(1, 55));
    ASSERT_TRUE(Until([&] { return fake->Notifying(kPlx, SensorProtocol::BatteryLevel); }));
    ASSERT_TRUE(fake->SetBattery(kPlx, 54));
    ASSERT_TRUE(
        Until([&] { return Matching(notified, SensorProtocol::BatteryLevel).count() == 2; }));
    EXPECT_EQ(Matching(notified, SensorProtocol::BatteryLevel)[1][2].toByteArray(),
              QByteArray(1, 54));
}

TEST_F(SensorLinkTest, AfterADropoutReconnectsByItselfAndNotificationsFlowAgain) {
    ASSERT_TRUE(fake->AddStrap(kStrap, QStringLiteral("H10")));
    ASSERT_NO_FATAL_FAILURE(Connect(SensorKind::HeartRate, kStrap));
    QSignalSpy states(link.get(), &SensorLink::StateChanged);
    ASSERT_TRUE(fake->DropOut(kStrap));
    ASSERT_TRUE(Until([&] { return link->State(SensorKind::HeartRate) == LinkState::Lost; }));
    // It keeps trying while the strap is away, then finds it back.
    ASSERT_TRUE(Until([&] { return states.count() >= 3; }, kConnectMs));
    ASSERT_TRUE(fake->ComeBack(kStrap));
    ASSERT_TRUE(Until([&] { return link->State(SensorKind::HeartRate) == LinkState::Connected; },
                      kConnectMs));
    EXPECT_EQ(states[0][1].value<LinkState>(), LinkState::Lost);
    EXPECT_EQ(states[1][1].value<LinkState>(), LinkState::Connecting);
    EXPECT_EQ(fake->Connects(kStrap), 2);
    ASSERT_NO_FATAL_FAILURE(ExpectPassedOn(SensorKind::HeartRate, kStrap,
                                           SensorProtocol::HeartRateMeasurement,
                                           QByteArray::fromHex("0040")));
}

TEST_F(SensorLinkTest, ForgettingOrDestroyingDisconnectsAndTriesNoMore) {
    const struct {
        const char* name;
        std::function<void(std::unique_ptr<SensorLink>&)> end;
    } cases[] = {
        {"forget", [](auto& l) { l->Forget(SensorKind::Oximeter); }},
        {"destroy", [](auto& l) { l.reset(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(fake->Reset());
        link = std::make_unique<SensorLink>();
        ASSERT_TRUE(fake->AddBerryMed(kBerryMed, QStringLiteral("BM")));
        ASSERT_NO_FATAL_FAILURE(Connect(SensorKind::Oximeter, kBerryMed));
        ASSERT_TRUE(fake->DropOut(kBerryMed));
        ASSERT_TRUE(Until([&] { return link->State(SensorKind::Oximeter) == LinkState::Lost; }));
        ASSERT_TRUE(fake->ComeBack(kBerryMed));
        c.end(link);
        if (link) {
            EXPECT_EQ(link->State(SensorKind::Oximeter), LinkState::None);
            EXPECT_TRUE(link->Address(SensorKind::Oximeter).isEmpty());
        }
        // No new try, for longer than the first retry would have waited.
        EXPECT_FALSE(Until([&] { return fake->Connects(kBerryMed) > 1; }, 2500));
        EXPECT_FALSE(fake->Connected(kBerryMed));
    }
}

TEST_F(SensorLinkTest, DestroyingAConnectedLinkDisconnectsTheSensor) {
    ASSERT_TRUE(fake->AddStrap(kStrap, QStringLiteral("H10")));
    ASSERT_NO_FATAL_FAILURE(Connect(SensorKind::HeartRate, kStrap));
    ASSERT_TRUE(fake->Connected(kStrap));
    link.reset();
    ASSERT_TRUE(Until([&] { return !fake->Connected(kStrap); }));
}

TEST_F(SensorLinkTest, WithoutAWorkingAdapterTheScanEndsWithAProblemAndUseKeepsTrying) {
    const struct {
        const char* name;
        std::function<bool(FakeBluez*)> breakIt;
        const char* problem;
    } cases[] = {
        {"no adapter", [](FakeBluez* f) { return f->SetAdapter(false); }, "no Bluetooth adapter"},
        {"powered off", [](FakeBluez* f) { return f->SetPowered(false); }, "turned off"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(fake->Reset());
        link = std::make_unique<SensorLink>();
        ASSERT_TRUE(fake->AddStrap(kStrap, QStringLiteral("H10")));
        ASSERT_TRUE(c.breakIt(fake));
        EXPECT_FALSE(SensorLink::AdapterAvailable());
        QSignalSpy ended(link.get(), &SensorLink::ScanEnded);
        link->StartScan();
        ASSERT_TRUE(Until([&] { return ended.count() == 1; }));
        EXPECT_NE(ended[0][0].toString().toStdString().find(c.problem), std::string::npos)
            << ended[0][0].toString().toStdString();
        EXPECT_FALSE(link->Scanning());
        link->Use(SensorKind::HeartRate, kStrap);
        ASSERT_TRUE(Until([&] { return link->State(SensorKind::HeartRate) == LinkState::Lost; }));
    }
}

}  // namespace
}  // namespace vellorin
