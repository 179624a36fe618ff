// What a session keeps of its sensors second by second, and a hold the low-SpO2 alarm ends.
#include <gtest/gtest.h>

#include <QByteArray>
#include <random>

#include "random_rounds.h"
#include "sensor_track.h"
#include "session_fixture.h"
#include "session_recorder.h"

namespace vellorin::testing {
namespace {

QByteArray Strap(int bpm) {
    return QByteArray::fromHex("06") + QByteArray(1, static_cast<char>(bpm));
}
QByteArray Plx(int spo2) {
    const char bytes[] = {0, static_cast<char>(spo2), 0, 60, 0};
    return QByteArray(bytes, 5);
}

TEST(SensorSessionSamples, NoSensorChosenKeepsNothing) {
    SensorSession sensors;
    sensors.Begin();
    EXPECT_FALSE(sensors.Second(Phase::Intro, 1, 1000));
    EXPECT_FALSE(sensors.Second(Phase::Hold, 1, 2000));
}

// A hold of five seconds with a strap and an oximeter: each second's rate and SpO2 as they
// came, a dash where no fresh value was.
TEST(SensorSessionSamples, EverySecondAndWhatTheHoldKeeps) {
    struct Second {
        Phase phase;
        int hr;    // 0: no notification this second
        int spo2;  // 0: none
    };
    const QList<Second> seconds = {
        {Phase::Intro, 80, 99}, {Phase::Hold, 78, 98}, {Phase::Hold, 66, 97}, {Phase::Hold, 58, 0},
        {Phase::Hold, 61, 93},  {Phase::Hold, 0, 91},  {Phase::Rest, 75, 86}, {Phase::Rest, 79, 92},
    };
    SensorSession sensors;
    sensors.Feed().SetLink(SensorKind::HeartRate, LinkState::Connected);
    sensors.Feed().SetLink(SensorKind::Oximeter, LinkState::Connected);
    sensors.Begin();
    QList<SensorSample> samples;
    for (qsizetype i = 0; i < seconds.size(); ++i) {
        const qint64 now = 1000 * (i + 1);
        if (seconds[i].hr > 0) {
            const QByteArray rr = QByteArray::fromHex("16") + QByteArray(1, char(seconds[i].hr)) +
                                  QByteArray::fromHex("0004");
            sensors.Take(SensorKind::HeartRate, SensorProtocol::HeartRateMeasurement, rr, now - 10);
        }
        if (seconds[i].spo2 > 0) {
            sensors.Take(SensorKind::Oximeter, SensorProtocol::PlxContinuous, Plx(seconds[i].spo2),
                         now - 20);
        }
        samples.append(*sensors.Second(seconds[i].phase, 1, now));
    }
    QStringList rows;
    for (const SensorSample& s : samples) {
        rows.append(QStringLiteral("%1 %2%3 %4 %5 %6 rr%7")
                        .arg(s.second)
                        .arg(PhaseKey(s.phase))
                        .arg(s.phaseSecond)
                        .arg(s.hr ? QString::number(*s.hr) : "-")
                        .arg(s.spo2 ? QString::number(*s.spo2) : "-")
                        .arg(s.spo2AgeMs ? QString::number(*s.spo2AgeMs) : "-")
                        .arg(s.rr.size()));
    }
    // The fifth hold second has the strap's rate of a second before (fresh still); the fourth
    // the SpO2 of a second before.
    EXPECT_EQ(rows.join('|').toStdString(),
              "1 Intro1 80 99 20 rr1|2 Hold1 78 98 20 rr1|3 Hold2 66 97 20 rr1|"
              "4 Hold3 58 97 1020 rr1|5 Hold4 61 93 20 rr1|6 Hold5 61 91 20 rr0|"
              "7 Rest1 75 86 20 rr1|8 Rest2 79 92 20 rr1");
    EXPECT_EQ(sensors.Hold(), (HoldSensors{78, 58, 91, 5}));
}

// Runs a session on the fake window with the recorder, ending the hold at a second.
class AlarmEndsHold : public SessionFixture {
protected:
    // Ticks to the end, calling EndHold after tick `cutAfter`; returns the ticks and the
    // cues of the tick after the cut.
    std::pair<int, QStringList> Run(int cutAfter) {
        Start();
        Observe();
        QStringList afterCut;
        for (int tick = 1; tick < 200000; ++tick) {
            const QStringList cues = Tick();
            Observe();
            if (tick == cutAfter + 1) {
                afterCut = cues;
            }
            if (tick == cutAfter && controller.EndHold()) {
                recorder.MarkEndedByAlarm(controller.State());
                cut = true;
                Observe();  // as the window does after every handler
            }
            if (!window.timerEnabled) {
                EXPECT_EQ(window.Caption(Control::SessionClock).toStdString(), "00:00");
                return {tick, afterCut};
            }
        }
        return {-1, afterCut};
    }
    void Observe() {
        if (const auto record = recorder.Observe(controller.State(), controller.Ended(), "t",
                                                 QDateTime::currentDateTime())) {
            holds.append(record->holds);
        }
    }
    SessionRecorder recorder{window, &controller};
    QList<HoldRecord> holds;
    bool cut = false;
};

TEST_F(AlarmEndsHold, ClassicTableTheNextTickIsTheHoldsLast) {
    Settings({"3", "10", "2", "8", "2", "2"});  // holds of 8 and 10, one rest of 8
    Start();
    const int whole = RunToEnd();
    controller.ControlCmd_Click();  // Reset
    // After the first hold's third second (tick 6) its fourth is its last: 4 are cut.
    const auto [ticks, cues] = Run(6);
    EXPECT_TRUE(cut);
    EXPECT_EQ(ticks, whole - 4);
    EXPECT_EQ(cues, QStringList{"stophold.wav"});
    ASSERT_EQ(holds.size(), 2);
    EXPECT_EQ(holds[0].held, 4);
    EXPECT_EQ(holds[0].planned, 8);
    EXPECT_FALSE(holds[0].completed);
    EXPECT_TRUE(holds[1].completed);
}

TEST_F(AlarmEndsHold, RefusedOutsideAHoldAndAtItsLastSecond) {
    Settings({"3", "5", "0", "4", "0", "2"});
    Start();
    EXPECT_FALSE(controller.EndHold());  // before the first tick
    TickTimes(3);                        // the intro; the hold is next but has not run
    EXPECT_FALSE(controller.EndHold());
    TickTimes(4);  // four seconds of the hold: its last is next
    EXPECT_FALSE(controller.EndHold());
    Tick();
    EXPECT_FALSE(controller.EndHold());  // in the rest
    TickTimes(5);
    controller.PauseCmd_Click();
    EXPECT_FALSE(controller.EndHold());  // paused in the second hold
}

// Thousands of random tables of rounds, each with one hold cut at a random second: the next
// tick is the hold's last, with the breathe cue or the end after it, and the session still
// runs to its end at 00:00.
TEST(AlarmEndsHoldProperty, RandomTablesOfRoundsRunToTheirEnd) {
    RandomRounds tables(20261208, 40, 12);
    std::mt19937 random(7);
    for (int i = 0; i < 2000; ++i) {
        FakeWindow window;
        SessionController controller(window);
        controller.ResetSession();
        controller.ChooseRounds(tables.Next());
        controller.ControlCmd_Click();
        const int cutAt = std::uniform_int_distribution<int>(1, 120)(random);
        bool cut = false;
        bool endNext = false;  // the cut hold was the last: the next tick ends the session
        int tick = 0;
        for (; window.timerEnabled && tick < 100000; ++tick) {
            const qsizetype before = window.played.size();
            controller.SecondsTimer_Timer();
            ASSERT_TRUE(!endNext || controller.Ended()) << i;
            endNext = false;
            if (cut) {
                // Its last second: the rest is next, and the breathe cue sounds unless the
                // session's end cue follows at the next tick.
                ASSERT_EQ(controller.State().Sequence, Phase::Rest) << i;
                endNext = !window.played.mid(before).contains("/apps/snd/stophold.wav");
                cut = false;
            }
            if (tick == cutAt) {
                cut = controller.EndHold();
            }
        }
        ASSERT_TRUE(controller.Ended()) << i;
        ASSERT_EQ(window.Caption(Control::SessionClock).toStdString(), "00:00") << i;
    }
}

}  // namespace
}  // namespace vellorin::testing
