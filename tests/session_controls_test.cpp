// Start, Pause, Reset and the edges of a session, through the controller's handlers.
#include "session_fixture.h"

namespace vellorin::testing {
namespace {

using SessionControls = SessionFixture;

TEST_F(SessionControls, ResetShowsTheIdleTexts) {
    EXPECT_EQ(Labels(), "Loop 1|Intro|00:00|00:00");
    EXPECT_EQ(window.Caption(Control::ControlCmd), "Start");
    EXPECT_EQ(window.Caption(Control::PauseCmd), "Pause");
    EXPECT_FALSE(window.timerEnabled);
}

TEST_F(SessionControls, SingleLoopHasNoRestAndCountsDownTheOnlyHold) {
    Settings({"3", "20", "10", "30", "5", "1"});
    Start();
    EXPECT_EQ(controller.State().SessionTime, 23);
    QStringList heard;
    for (int tick = 1; tick <= 24; ++tick) {
        for (const QString& cue : Tick()) {
            heard.append(QString::number(tick) + ":" + cue);
        }
        if (tick <= 23) {
            EXPECT_NE(window.Caption(Control::SequenceLbl), "Rest") << tick;
        }
    }
    EXPECT_EQ(heard, QStringList({"1:3.wav", "2:2.wav", "3:1.wav", "4:hold.wav", "9:15.wav",
                                  "14:10.wav", "19:5.wav", "20:4.wav", "21:3.wav", "22:2.wav",
                                  "23:1.wav", "24:sesend.wav"}));
    EXPECT_FALSE(window.timerEnabled);
    EXPECT_EQ(Labels(), "Loop 1|End!|00:00|00:00");
}

TEST_F(SessionControls, FinalHoldOfFifteenSecondsPlaysHoldThenFifteenOnItsFirstTick) {
    Settings({"1", "15", "5", "20", "0", "2"});
    Start();
    TickTimes(1 + 10 + 20);  // intro, first hold of 10 s, rest of 20 s
    EXPECT_EQ(Tick(), QStringList({"hold.wav", "15.wav"}));
    EXPECT_EQ(Labels(), "Loop 2|Hold|00:15|00:15");
}

TEST_F(SessionControls, IntroOfOneSecondHandsOverAtOnce) {
    Settings({"1", "30", "0", "20", "0", "2"});
    Start();
    EXPECT_EQ(window.Caption(Control::SequenceTimeLbl), "00:01");
    EXPECT_EQ(Tick(), QStringList{"1.wav"});
    EXPECT_EQ(Labels(), "Loop 1|Intro|01:21|00:01");
    EXPECT_EQ(Tick(), QStringList{"hold.wav"});
    EXPECT_EQ(Labels(), "Loop 1|Hold|01:20|00:30");
}

TEST_F(SessionControls, PauseWhileIdleHoldsTheStartedSessionUntilResume) {
    Settings({"10", "60", "10", "30", "5", "3"});
    controller.PauseCmd_Click();
    EXPECT_EQ(window.Caption(Control::PauseCmd), "Resume");
    EXPECT_FALSE(window.timerEnabled);
    Start();
    EXPECT_TRUE(window.timerEnabled);
    EXPECT_EQ(window.Caption(Control::SequenceTimeLbl), "00:10");
    TickTimes(5);
    EXPECT_EQ(Labels(), "Loop 1|Intro|00:00|00:10");
    EXPECT_TRUE(window.played.isEmpty());
    controller.PauseCmd_Click();
    EXPECT_EQ(window.Caption(Control::PauseCmd), "Pause");
    EXPECT_EQ(Tick(), QStringList{"10.wav"});
    EXPECT_EQ(Labels(), "Loop 1|Intro|03:35|00:10");
}

TEST_F(SessionControls, PauseFreezesARunningSessionWithoutTouchingTheTimer) {
    Settings({"10", "60", "10", "30", "5", "3"});
    Start();
    TickTimes(3);
    controller.PauseCmd_Click();
    const QString frozen = Labels();
    TickTimes(50);
    EXPECT_TRUE(window.timerEnabled);
    EXPECT_EQ(Labels(), frozen);
    controller.PauseCmd_Click();
    Tick();
    EXPECT_EQ(Labels(), "Loop 1|Intro|03:32|00:07");
}

TEST_F(SessionControls, ResetWhilePausedClearsThePause) {
    Settings({"10", "60", "10", "30", "5", "3"});
    Start();
    TickTimes(12);
    controller.PauseCmd_Click();
    controller.ControlCmd_Click();
    EXPECT_EQ(controller.State().PauseMode, 0);
    EXPECT_EQ(controller.State().Mode, 0);
    EXPECT_EQ(window.Caption(Control::PauseCmd), "Pause");
    EXPECT_EQ(window.Caption(Control::ControlCmd), "Start");
    EXPECT_EQ(Labels(), "Loop 1|Intro|00:00|00:00");
    EXPECT_FALSE(window.timerEnabled);
}

TEST_F(SessionControls, StartAfterTheEndResetsAndASecondPressStartsAgain) {
    Settings({"2", "5", "0", "5", "0", "1"});
    Start();
    EXPECT_EQ(RunToEnd(), 8);
    controller.ControlCmd_Click();
    EXPECT_EQ(window.Caption(Control::ControlCmd), "Start");
    EXPECT_FALSE(window.timerEnabled);
    EXPECT_EQ(Labels(), "Loop 1|Intro|00:00|00:00");
    controller.ControlCmd_Click();
    EXPECT_TRUE(window.timerEnabled);
    EXPECT_EQ(RunToEnd(), 8);
}

TEST_F(SessionControls, PauseWorksAfterTheEnd) {
    Settings({"1", "1", "0", "1", "0", "1"});
    Start();
    RunToEnd();
    controller.PauseCmd_Click();
    EXPECT_EQ(window.Caption(Control::PauseCmd), "Resume");
    EXPECT_EQ(controller.State().Mode, 1);
}

TEST_F(SessionControls, AFieldChangedDuringASessionChangesTheNextRest) {
    Settings({"10", "60", "10", "30", "5", "3"});
    Start();
    TickTimes(20);  // into the first hold
    window.fields[Field::RestTbx] = "45";
    TickTimes(31);  // to the first rest tick
    EXPECT_EQ(Labels(), "Loop 1|Rest|02:45|00:45");
    window.fields[Field::HoldTbx] = "70";
    TickTimes(45);  // first tick of the second hold: 70 - 10 * (3 - 2)
    EXPECT_EQ(window.Caption(Control::SequenceTimeLbl), "01:00");
}

TEST_F(SessionControls, FractionalHoldIsRoundedAndGetsNoHoldCue) {
    // 60.5 rounds to 60, and the unrounded 60.5 never equals a whole count.
    Settings({"1", "60.5", "0", "30", "5", "1"});
    Start();
    EXPECT_EQ(controller.State().HoldTime, 60);
    Tick();
    EXPECT_EQ(Tick(), QStringList{});
    EXPECT_EQ(RunToEnd(), 60);
}

TEST_F(SessionControls, MissingSoundsDoNotDisturbTheSession) {
    window.applicationFolder = "/nowhere/at/all";
    Settings({"10", "60", "10", "30", "5", "3"});
    Start();
    EXPECT_EQ(RunToEnd(), 216);
    EXPECT_TRUE(window.messages.isEmpty());
    EXPECT_TRUE(
        QDir::fromNativeSeparators(window.played.first()).startsWith("/nowhere/at/all/snd/"));
}

}  // namespace
}  // namespace vellorin::testing
