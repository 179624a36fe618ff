// Tables that could never end, ticks whose computation fails, and loops lowered mid-session.
#include "session_fixture.h"

namespace vellorin::testing {
namespace {

struct RefusedTable {
    const char* name;
    QStringList settings;
};

void PrintTo(const RefusedTable& c, std::ostream* os) {
    *os << c.name;
}

class RefusedAtStart : public SessionFixture, public ::testing::WithParamInterface<RefusedTable> {};

TEST_P(RefusedAtStart, ShowsTheStartErrorAndStaysIdle) {
    Settings(GetParam().settings);
    Start();
    EXPECT_EQ(window.messages, QStringList{kStartErrorMessage});
    EXPECT_EQ(controller.State().Mode, 0);
    EXPECT_FALSE(window.timerEnabled);
    EXPECT_EQ(window.Caption(Control::ControlCmd), "Start");
}

INSTANTIATE_TEST_SUITE_P(
    Tables, RefusedAtStart,
    ::testing::Values(RefusedTable{"LettersInAField", {"10", "60", "x", "30", "5", "3"}},
                      RefusedTable{"EmptyLoops", {"10", "60", "10", "30", "5", ""}},
                      RefusedTable{"OverflowingSession", {"10", "3e9", "0", "30", "5", "3"}},
                      RefusedTable{"FractionalLoops", {"10", "60", "10", "30", "5", "2.5"}},
                      RefusedTable{"NoLoops", {"10", "60", "10", "30", "5", "0"}},
                      RefusedTable{"NegativeLoops", {"10", "60", "10", "30", "5", "-1"}},
                      RefusedTable{"LoopNumberOverflow", {"1", "1", "0", "1", "0", "32768"}},
                      RefusedTable{"NoIntro", {"0", "60", "10", "30", "5", "3"}},
                      RefusedTable{"IntroRoundingToZero", {"0.5", "60", "10", "30", "5", "3"}},
                      RefusedTable{"FirstHoldOfZero", {"10", "20", "10", "30", "5", "3"}},
                      RefusedTable{"LastHoldOfZero", {"10", "0", "-10", "30", "5", "3"}},
                      RefusedTable{"FirstRestOfZero", {"10", "60", "10", "0", "-5", "3"}},
                      RefusedTable{"LastRestOfZero", {"10", "60", "10", "10", "10", "3"}},
                      RefusedTable{"HoldRoundingToZero", {"10", "0.5", "0", "30", "5", "1"}}),
    [](const auto& info) { return info.param.name; });

TEST_F(SessionFixture, RefusedStartKeepsWhatItsFirstStepsDid) {
    Settings({"12", "20", "10", "30", "5", "3"});
    Start();
    EXPECT_EQ(controller.State().IntroTime, 12);
    EXPECT_EQ(window.Caption(Control::SequenceTimeLbl), "00:12");
    EXPECT_EQ(window.messages.size(), 1);
}

TEST_F(SessionFixture, ShortestValidTablesAreAccepted) {
    Settings({"1", "1", "0", "1", "0", "1"});
    Start();
    EXPECT_TRUE(window.messages.isEmpty());
    EXPECT_EQ(RunToEnd(), 3);
    Settings({"10", "60", "10", "10", "4.5", "3"});  // last rest 10 - 9 = 1
    controller.ControlCmd_Click();
    Start();
    EXPECT_TRUE(window.messages.isEmpty());
    EXPECT_EQ(controller.State().Mode, 1);
}

// No rest follows the final hold, so a rest series that would reach zero there cannot stop
// the end: these tables end with their last countdown and the end cue.
TEST_F(SessionFixture, TablesWhoseRestRunsOutAfterTheFinalHoldReachTheirEnd) {
    const QStringList tables[] = {{"30", "60", "0", "105", "15", "8"},
                                  {"1", "30", "0", "60", "15", "5"},
                                  {"5", "20", "5", "10", "5", "3"},
                                  {"10", "60", "0", "0", "0", "1"}};
    for (const QStringList& table : tables) {
        SCOPED_TRACE(table.join(' ').toStdString());
        controller.ResetSession();
        Settings(table);
        Start();
        const int duration = controller.State().SessionTime;
        QStringList lastCues;
        int ticks = 0;
        while (window.timerEnabled && ticks <= duration) {
            lastCues = Tick();
            ++ticks;
        }
        EXPECT_EQ(ticks, duration + 1);
        EXPECT_EQ(lastCues, QStringList{"sesend.wav"});
        EXPECT_EQ(CueFile(window.played.at(window.played.size() - 2)), "1.wav");
        EXPECT_EQ(window.Caption(Control::SequenceLbl), "End!");
        EXPECT_TRUE(window.messages.isEmpty());
    }
}

TEST_F(SessionFixture, TheLargestLoopCountRunsToItsEnd) {
    Settings({"1", "1", "0", "1", "0", "32767"});
    Start();
    EXPECT_EQ(RunToEnd(), 1 + 32767 + 32766 + 1);
    EXPECT_EQ(window.Caption(Control::SessionLbl), "Loop 32767");
}

// A tick that fails is undone and paused; after the field is mended, Resume runs the same
// second again and the session goes on as planned.
struct FailingTick {
    const char* name;
    int ticksBefore;  // of the worked example, I=10 H=60 dH=10 R=30 dR=5 n=3
    Field field;
    const char* broken;
    const char* labelsOnRetry;
    const char* cueOnRetry;
};

void PrintTo(const FailingTick& c, std::ostream* os) {
    *os << c.name;
}

class FailingTickTest : public SessionFixture, public ::testing::WithParamInterface<FailingTick> {
protected:
    void SetUp() override {
        Settings({"10", "60", "10", "30", "5", "3"});
        Start();
    }
};

TEST_P(FailingTickTest, IsUndoneAndRunsAgainAfterResume) {
    const FailingTick& c = GetParam();
    TickTimes(c.ticksBefore);
    const QString good = window.fields[c.field];
    window.fields[c.field] = c.broken;
    const SessionState before = controller.State();

    EXPECT_EQ(Tick(), QStringList{});
    EXPECT_EQ(window.messages, QStringList{kStartErrorMessage});
    SessionState paused = before;
    paused.PauseMode = 1;
    EXPECT_EQ(controller.State(), paused);
    EXPECT_EQ(window.Caption(Control::PauseCmd), "Resume");
    EXPECT_TRUE(window.timerEnabled);
    TickTimes(5);
    EXPECT_EQ(controller.State(), paused);

    window.fields[c.field] = good;
    controller.PauseCmd_Click();
    const QStringList cues = Tick();
    EXPECT_EQ(Labels(), c.labelsOnRetry);
    EXPECT_EQ(cues, *c.cueOnRetry ? QStringList{c.cueOnRetry} : QStringList{});
    EXPECT_EQ(RunToEnd(), 216 - c.ticksBefore - 1);
    EXPECT_EQ(window.messages.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FailingTickTest,
    ::testing::Values(
        FailingTick{"HoldEmptiedDuringHold", 12, Field::HoldTbx, "", "Loop 1|Hold|03:23|00:38", ""},
        FailingTick{"LoopsMistypedAtHoldStart", 10, Field::LoopsTbx, "three",
                    "Loop 1|Hold|03:25|00:40", "hold.wav"},
        FailingTick{"RestEmptiedAtHoldEnd", 49, Field::RestTbx, "", "Loop 1|Hold|02:46|00:01",
                    "stophold.wav"},
        FailingTick{"RestBelowOneSecond", 49, Field::RestTbx, "0.4", "Loop 1|Hold|02:46|00:01",
                    "stophold.wav"},
        FailingTick{"RestOverflowing", 49, Field::RestTbx, "1e12", "Loop 1|Hold|02:46|00:01",
                    "stophold.wav"},
        FailingTick{"NextHoldBelowOneSecond", 79, Field::HoldTbx, "10", "Loop 1|Rest|02:16|00:01",
                    "1.wav"},
        FailingTick{"LoopsEmptiedInRest", 60, Field::LoopsTbx, " ", "Loop 1|Rest|02:35|00:20", ""}),
    [](const auto& info) { return info.param.name; });

TEST_F(SessionFixture, LoweredLoopsEndTheSessionAfterTheCurrentHold) {
    Settings({"10", "60", "10", "30", "5", "3"});
    Start();
    TickTimes(90);  // loop 2, tenth second of its 50 s hold
    window.fields[Field::LoopsTbx] = "1";
    QStringList heard;
    for (int tick = 91; window.timerEnabled; ++tick) {
        for (const QString& cue : Tick()) {
            heard.append(QString::number(tick) + ":" + cue);
        }
        ASSERT_LT(tick, 200);
    }
    EXPECT_EQ(heard, QStringList({"116:15.wav", "121:10.wav", "126:5.wav", "127:4.wav", "128:3.wav",
                                  "129:2.wav", "130:1.wav", "131:sesend.wav"}));
    EXPECT_EQ(Labels(), "Loop 2|End!|01:25|00:00");
}

TEST_F(SessionFixture, LoopNumberNeverOverflowsWhenLoopsAreRaisedMidSession) {
    Settings({"1", "1", "0", "1", "0", "32767"});
    Start();
    window.fields[Field::LoopsTbx] = "40000";
    EXPECT_EQ(RunToEnd(65540), -1);
    EXPECT_EQ(controller.State().CurLoop, 32767);
    EXPECT_EQ(controller.State().PauseMode, 1);
    EXPECT_EQ(window.messages, QStringList{kStartErrorMessage});
}

}  // namespace
}  // namespace vellorin::testing
