// The sensors in the real window through Qt Bluetooth and the simulated BlueZ: the window
// connects at start to the strap and oximeter it remembers, and a session takes what they
// send through the D-Bus path: a falling heart rate, invalid SpO2 values, the strap dropping
// out and coming back, a finger out, and an SpO2 fall that ends a hold.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "fake_bluez.h"
#include "sensor_panel.h"
#include "sensor_samples_file.h"
#include "sensor_training.h"
#include "test_mainform.h"
#include "training_log.h"

namespace vellorin::testing {
namespace {

const QString kStrap = QStringLiteral("F2:00:00:00:00:01");
const QString kOxi = QStringLiteral("F2:00:00:00:00:02");
constexpr int kConnectMs = 10000;
constexpr int kSoonMs = 5000;
constexpr int kInvalid = -1;  // an SpO2 the oximeter marks as none

QByteArray Strap(int bpm) {
    return QByteArray::fromHex("06") + QByteArray(1, static_cast<char>(bpm));
}
// A PLX Continuous Measurement with the pulse rate 60; NaN (0x07FF) for an invalid SpO2.
QByteArray Plx(int spo2) {
    const int raw = spo2 == kInvalid ? 0x07ff : spo2;
    return QByteArray::fromHex("00") + char(raw & 0xff) + char(raw >> 8) +
           QByteArray::fromHex("3c00");
}
// One BerryMed packet with the pulse rate 60; 127 for an invalid SpO2.
QByteArray BerryMed(int spo2) {
    return QByteArray::fromHex("8040063c") + char(spo2 == kInvalid ? 127 : spo2);
}

struct Oximeter {
    const char* name;
    SensorProtocol protocol;
    QByteArray (*reading)(int spo2);
    QByteArray fingerOut;  // PLX: device status "sensor unconnected"; BerryMed: byte 0, bit 5
};
const Oximeter kOximeters[] = {
    {"Plx", SensorProtocol::PlxContinuous, Plx, QByteArray::fromHex("08ff07ff07000800")},
    {"BerryMed", SensorProtocol::BerryMed, BerryMed, QByteArray::fromHex("a040067f7f")},
};

class MainformBluetooth : public ::testing::TestWithParam<Oximeter> {
protected:
    void SetUp() override {
        fake = FakeBluez::Instance();
        if (fake == nullptr) {
            GTEST_SKIP() << "no simulated BlueZ: " << FakeBluez::Problem().toStdString();
        }
        ASSERT_TRUE(fake->Reset());
        ASSERT_TRUE(fake->AddStrap(kStrap, "H10"));
        ASSERT_TRUE(GetParam().protocol == SensorProtocol::BerryMed
                        ? fake->AddBerryMed(kOxi, "BerryMed")
                        : fake->AddPlxOximeter(kOxi, "PLX", -1, false));
        WindowSettings settings(dir.path() + "/window.ini");
        ASSERT_EQ(SaveSensorChoice(settings, SensorKind::HeartRate, {kStrap, "H10"}), "");
        ASSERT_EQ(SaveSensorChoice(settings, SensorKind::Oximeter, {kOxi, "Oxi"}), "");
        form = std::make_unique<TestMainform>(dir.path());
        form->userDataFolder = data.path();
        form->Form_Load();
        form->show();
        const char* fields[] = {"IntroTbx", "HoldTbx",    "HoldIncTbx",
                                "RestTbx",  "RestDecTbx", "LoopsTbx"};
        const char* table[] = {"2", "12", "2", "5", "0", "3"};  // holds of 8, 10, 12
        for (int i = 0; i < 6; ++i) {
            form->Find<QLineEdit>(fields[i])->setText(table[i]);
        }
    }
    SensorFeed& Feed() { return form->Sensors().Session().Feed(); }
    bool Is(SensorKind kind, LinkState state, int ms = kSoonMs) {
        return QTest::qWaitFor([&] { return Feed().Link(kind) == state; }, ms);
    }
    QString Line() const { return form->Find<SensorPanel>("SensorPanel")->Text(); }

    // Sends a notification through BlueZ and waits until the window took it.
    ::testing::AssertionResult Send(const QString& address, SensorProtocol protocol,
                                    const QByteArray& value) {
        const qint64 before = Feed().Notifications();
        if (!QTest::qWaitFor([&] { return fake->Notifying(address, protocol); }, kSoonMs) ||
            !fake->Notify(address, protocol, value)) {
            return ::testing::AssertionFailure() << "not notifying: " << address.toStdString();
        }
        if (!QTest::qWaitFor([&] { return Feed().Notifications() > before; }, kSoonMs)) {
            return ::testing::AssertionFailure()
                   << "never reached the window: " << value.toHex().toStdString();
        }
        return ::testing::AssertionSuccess();
    }
    ::testing::AssertionResult SendHr(int bpm) {
        return Send(kStrap, SensorProtocol::HeartRateMeasurement, Strap(bpm));
    }
    ::testing::AssertionResult SendSpo2(int spo2) {
        return Send(kOxi, GetParam().protocol, GetParam().reading(spo2));
    }
    // One second: a notification of each sensor, then the tick.
    ::testing::AssertionResult Second(int bpm, int spo2) {
        ::testing::AssertionResult sent = SendHr(bpm);
        if (sent) {
            sent = SendSpo2(spo2);
        }
        form->SecondsTimer_Timer();
        return sent;
    }

    FakeBluez* fake = nullptr;
    QTemporaryDir dir;
    QTemporaryDir data;
    std::unique_ptr<TestMainform> form;
};

TEST_P(MainformBluetooth, ConnectsAtStartAndASessionKeepsWhatTheSensorsSend) {
    for (SensorKind kind : {SensorKind::HeartRate, SensorKind::Oximeter}) {
        ASSERT_TRUE(Is(kind, LinkState::Connected, kConnectMs)) << int(kind);
    }
    EXPECT_EQ(Line().toStdString(), "HR -- no value   SpO2 -- no value");
    form->SecondsTimer()->setInterval(24 * 3600 * 1000);  // the test ticks
    form->ControlCmd_Click();
    // The intro; the first hold with a falling rate and invalid SpO2 values, which end nothing.
    ASSERT_TRUE(Second(80, 98));
    ASSERT_TRUE(Second(78, 98));
    const int holdRates[] = {76, 70, 66, 60, 58, 57, 59, 61};
    for (int bpm : holdRates) {
        ASSERT_TRUE(Second(bpm, kInvalid));
        EXPECT_EQ(form->Text("SequenceLbl").toStdString(), "Hold");
    }
    // The rest: the strap drops out, comes back; then the finger is out for a second.
    ASSERT_TRUE(Second(70, 96));
    ASSERT_TRUE(fake->DropOut(kStrap));
    ASSERT_TRUE(Is(SensorKind::HeartRate, LinkState::Lost));
    ASSERT_TRUE(SendSpo2(96));
    EXPECT_EQ(Line().toStdString(), "HR -- lost, trying again   SpO2 96 %  PR 60");
    form->SecondsTimer_Timer();
    ASSERT_TRUE(fake->ComeBack(kStrap));
    ASSERT_TRUE(Is(SensorKind::HeartRate, LinkState::Connected, kConnectMs));
    ASSERT_TRUE(Second(71, 96));
    ASSERT_TRUE(SendHr(72));
    ASSERT_TRUE(Send(kOxi, GetParam().protocol, GetParam().fingerOut));
    EXPECT_EQ(Line().toStdString(), "HR 72   SpO2 -- finger out");
    form->SecondsTimer_Timer();
    ASSERT_TRUE(Second(70, 96));
    // The second hold: two readings below 80 a second apart end it at the next tick.
    ASSERT_TRUE(Second(75, 95));
    ASSERT_TRUE(Second(70, 90));
    ASSERT_TRUE(Second(65, 85));
    const qsizetype played = form->played.size();
    ASSERT_TRUE(SendSpo2(79));
    QTest::qWait(1100);
    ASSERT_TRUE(SendSpo2(78));
    EXPECT_TRUE(form->Find<SensorPanel>("SensorPanel")->Warning());
    EXPECT_EQ(Line().toStdString(), "SpO2 78 %: the hold is ended. Breathe.");
    form->SecondsTimer_Timer();  // the hold's last second
    EXPECT_EQ(form->played.mid(played).join(' ').toStdString(),
              QString("%1/snd/stophold.wav +%1/snd/lowoxygen.wav").arg(dir.path()).toStdString());
    for (int i = 0; i < 5 + 12 + 1 && form->SecondsTimer()->isActive(); ++i) {
        ASSERT_TRUE(Second(70, 97));  // the rest, the last hold and the end
    }
    EXPECT_FALSE(form->SecondsTimer()->isActive());

    const LogRead log = ReadLog(TrainingLogPath(data.path()));
    ASSERT_EQ(log.rows.size(), 3);
    EXPECT_EQ(log.rows[0].hold.sensors, (HoldSensors{76, 57, std::nullopt, std::nullopt}));
    EXPECT_TRUE(log.rows[0].hold.completed);
    EXPECT_EQ(log.rows[1].hold.held, 4);
    EXPECT_EQ(log.rows[1].hold.planned, 10);
    EXPECT_FALSE(log.rows[1].hold.completed);
    EXPECT_EQ(log.rows[1].hold.sensors.hrStart, 75);
    EXPECT_EQ(log.rows[1].hold.sensors.spo2Lowest, 78);
    EXPECT_TRUE(log.rows[2].hold.completed);

    const SensorSamplesRead read =
        ReadSensorSamples(SensorSamplesPath(data.path(), log.rows[0].sessionStart, false));
    EXPECT_TRUE(read.problem.isEmpty()) << read.problem.toStdString();
    const QList<SensorSample>& samples = read.samples;
    ASSERT_EQ(samples.size(), 2 + 8 + 5 + 4 + 5 + 12 + 1);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(samples[2 + i].phase, Phase::Hold);
        EXPECT_EQ(samples[2 + i].hr, holdRates[i]);
        EXPECT_FALSE(samples[2 + i].spo2);
    }
    // The rest: the dropout's second has no heart rate, the finger's none of SpO2.
    const struct {
        std::optional<int> hr;
        std::optional<int> spo2;
        bool fingerOut;
    } rest[] = {{70, 96, false}, {{}, 96, false}, {71, 96, false}, {72, {}, true}, {70, 96, false}};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(samples[10 + i].phase, Phase::Rest);
        EXPECT_EQ(samples[10 + i].hr, rest[i].hr);
        EXPECT_EQ(samples[10 + i].spo2, rest[i].spo2);
        EXPECT_EQ(samples[10 + i].fingerOut, rest[i].fingerOut);
    }
    EXPECT_EQ(samples[18].spo2, 78);
    EXPECT_EQ(samples[19].phase, Phase::Rest);
}

INSTANTIATE_TEST_SUITE_P(, MainformBluetooth, ::testing::ValuesIn(kOximeters),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vellorin::testing
