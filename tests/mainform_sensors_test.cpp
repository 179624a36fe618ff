// The sensors in the real window: their line under the displays and in lights-out, the
// samples and log of a session, and the low-SpO2 alarm ending a hold. The notifications are
// handed to the window as the Bluetooth link hands them on.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QTemporaryDir>

#include "lights_out_view.h"
#include "sensor_panel.h"
#include "sensor_samples_file.h"
#include "sensor_training.h"
#include "test_mainform.h"
#include "training_log.h"

namespace vellorin::testing {
namespace {

QByteArray Strap(int bpm) {
    return QByteArray::fromHex("06") + QByteArray(1, static_cast<char>(bpm));
}
// A PLX Continuous Measurement; spo2 0x07FF is the SFLOAT NaN, a value the sensor marks as
// none.
QByteArray Plx(int spo2, int pulse = 60) {
    QByteArray bytes(5, 0);
    bytes[1] = static_cast<char>(spo2 & 0xff);
    bytes[2] = static_cast<char>(spo2 >> 8);
    bytes[3] = static_cast<char>(pulse);
    return bytes;
}
constexpr int kNaN = 0x07ff;

class MainformSensors : public ::testing::Test {
protected:
    MainformSensors() {
        form.userDataFolder = data.path();
        form.Form_Load();
        for (const char* field :
             {"IntroTbx", "HoldTbx", "HoldIncTbx", "RestTbx", "RestDecTbx", "LoopsTbx"}) {
            form.Find<QLineEdit>(field)->setText("");
        }
        const QStringList table = {"2", "12", "2", "5", "0", "3"};  // holds of 8, 10, 12
        const char* fields[] = {"IntroTbx", "HoldTbx",    "HoldIncTbx",
                                "RestTbx",  "RestDecTbx", "LoopsTbx"};
        for (int i = 0; i < 6; ++i) {
            form.Find<QLineEdit>(fields[i])->setText(table[i]);
        }
    }
    void Connect() {
        for (SensorKind kind : {SensorKind::HeartRate, SensorKind::Oximeter}) {
            form.Sensors().Session().Feed().SetLink(kind, LinkState::Connected);
        }
        emit form.Sensors().ValuesChanged();
    }
    void Notify(SensorKind kind, SensorProtocol protocol, const QByteArray& value) {
        form.Sensors().Take(kind, protocol, value, QDateTime::currentMSecsSinceEpoch());
    }
    // One second: a notification of each sensor, then the tick.
    void Second(int bpm, int spo2) {
        Notify(SensorKind::HeartRate, SensorProtocol::HeartRateMeasurement, Strap(bpm));
        Notify(SensorKind::Oximeter, SensorProtocol::PlxContinuous, Plx(spo2));
        form.SecondsTimer_Timer();
    }
    QString Line() const { return form.Find<SensorPanel>("SensorPanel")->Text(); }
    bool PanelShown() const { return form.Find<SensorPanel>("SensorPanel")->isVisibleTo(&form); }

    QTemporaryDir dir;
    QTemporaryDir data;
    TestMainform form{dir.path()};
};

TEST_F(MainformSensors, WithoutASensorTheWindowIsAsItWas) {
    form.show();
    const QRect area = form.Find<QWidget>("DesignArea")->geometry();
    form.ControlCmd_Click();
    for (int i = 0; i < 60 && form.SecondsTimer()->isActive(); ++i) {
        form.SecondsTimer_Timer();
    }
    EXPECT_FALSE(PanelShown());
    EXPECT_EQ(form.Find<QWidget>("DesignArea")->geometry(), area);
    EXPECT_TRUE(form.Find<LightsOutView>("LightsOutView")->Sensors().isEmpty());
    EXPECT_FALSE(QDir(SensorSamplesFolder(data.path())).exists());
    const LogRead log = ReadLog(TrainingLogPath(data.path()));
    ASSERT_EQ(log.rows.size(), 3);
    EXPECT_TRUE(log.rows[0].hold.sensors.Empty());
}

TEST_F(MainformSensors, LiveValuesBesideTheDisplaysAndInLightsOut) {
    form.show();
    Connect();
    EXPECT_TRUE(PanelShown());
    EXPECT_EQ(Line().toStdString(), "HR -- no value   SpO2 -- no value");
    Notify(SensorKind::HeartRate, SensorProtocol::HeartRateMeasurement, Strap(62));
    Notify(SensorKind::Oximeter, SensorProtocol::PlxContinuous, Plx(97, 63));
    EXPECT_EQ(Line().toStdString(), "HR 62   SpO2 97 %  PR 63");
    // Neither covers a display: the line is under the design area.
    EXPECT_GE(form.Find<SensorPanel>("SensorPanel")->geometry().top(),
              form.Find<QWidget>("DesignArea")->geometry().bottom());
    form.ToggleLightsOut();
    EXPECT_EQ(form.Find<LightsOutView>("LightsOutView")->Sensors().toStdString(),
              "HR 62   SpO2 97 %  PR 63");
    EXPECT_FALSE(PanelShown());
    form.ToggleLightsOut();
    // The finger out and the strap off the skin are told as such.
    Notify(SensorKind::Oximeter, SensorProtocol::BerryMed, QByteArray::fromHex("a000107f7f"));
    Notify(SensorKind::HeartRate, SensorProtocol::HeartRateMeasurement,
           QByteArray::fromHex("0440"));
    EXPECT_EQ(Line().toStdString(), "HR -- no skin contact   SpO2 -- finger out");
}

// A session with both sensors: its samples file and log rows; an invalid SpO2 never ends a
// hold, two low readings a second apart end the second hold at the next tick.
TEST_F(MainformSensors, SessionKeptWithItsSensorsAndTheAlarmEndsAHold) {
    Connect();
    form.ControlCmd_Click();
    // The intro, the first hold with a falling rate and invalid SpO2 values, the rest.
    Second(80, 98);
    Second(78, 98);
    const int holdRates[] = {76, 70, 66, 60, 58, 57, 59, 61};
    for (int bpm : holdRates) {
        Notify(SensorKind::HeartRate, SensorProtocol::HeartRateMeasurement, Strap(bpm));
        Notify(SensorKind::Oximeter, SensorProtocol::PlxContinuous, Plx(kNaN));
        // A value marked invalid is none, however recent the reading.
        ASSERT_EQ(Line(), QString("HR %1   SpO2 -- no value").arg(bpm));
        form.SecondsTimer_Timer();
    }
    EXPECT_EQ(form.Text("SequenceLbl").toStdString(), "Hold");
    for (int i = 0; i < 5; ++i) {
        Second(70, 96);
    }
    // The second hold: SpO2 falls below 80 in its fourth and fifth seconds.
    Second(75, 95);
    Second(70, 90);
    Second(65, 85);
    const qsizetype played = form.played.size();
    Notify(SensorKind::Oximeter, SensorProtocol::PlxContinuous, Plx(79));
    form.Sensors().Take(SensorKind::Oximeter, SensorProtocol::PlxContinuous, Plx(78),
                        QDateTime::currentMSecsSinceEpoch() + 1000);
    EXPECT_TRUE(form.Find<SensorPanel>("SensorPanel")->Warning());
    EXPECT_EQ(Line().toStdString(), "SpO2 78 %: the hold is ended. Breathe.");
    form.SecondsTimer_Timer();  // the hold's last second
    EXPECT_EQ(form.played.mid(played).join(' ').toStdString(),
              QString("%1/snd/stophold.wav +%1/snd/lowoxygen.wav").arg(dir.path()).toStdString());
    for (int i = 0; i < 5 + 12 + 1; ++i) {
        Second(70, 97);  // the rest, the last hold and the end
    }
    EXPECT_FALSE(form.SecondsTimer()->isActive());

    const LogRead log = ReadLog(TrainingLogPath(data.path()));
    ASSERT_EQ(log.rows.size(), 3);
    EXPECT_EQ(log.rows[0].hold.sensors, (HoldSensors{76, 57, std::nullopt, std::nullopt}));
    EXPECT_TRUE(log.rows[0].hold.completed);
    EXPECT_EQ(log.rows[1].hold.held, 4);
    EXPECT_EQ(log.rows[1].hold.planned, 10);
    EXPECT_FALSE(log.rows[1].hold.completed);
    EXPECT_EQ(log.rows[1].hold.sensors.hrStart, 75);
    EXPECT_EQ(log.rows[1].hold.sensors.spo2Lowest, 78);

    const SensorSamplesRead samples =
        ReadSensorSamples(SensorSamplesPath(data.path(), log.rows[0].sessionStart, false));
    EXPECT_TRUE(samples.problem.isEmpty()) << samples.problem.toStdString();
    ASSERT_EQ(samples.samples.size(), 2 + 8 + 5 + 4 + 5 + 12 + 1);
    EXPECT_EQ(samples.samples[2].phase, Phase::Hold);
    EXPECT_EQ(samples.samples[2].hr, 76);
    EXPECT_FALSE(samples.samples[2].spo2);
}

TEST_F(MainformSensors, ChoicesAndAlarmAreRememberedAcrossStarts) {
    WindowSettings settings(dir.path() + "/window.ini");
    SaveSpo2Alarm(settings, {true, 88});
    TestMainform again{dir.path()};
    again.userDataFolder = data.path();
    again.Form_Load();
    EXPECT_EQ(again.Sensors().Session().Alarm().Settings().Limit(), 88);
}

}  // namespace
}  // namespace vellorin::testing
