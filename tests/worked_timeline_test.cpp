// The worked example table, I=10 H=60 dH=10 R=30 dR=5 n=3, run tick by tick.
#include "allgemein.h"
#include "session_fixture.h"

namespace vellorin::testing {
namespace {

struct TimelineRow {
    int tick;
    const char* labels;  // loop | phase | session clock | phase clock
    const char* cue;     // "" for none
};

constexpr TimelineRow kTimeline[] = {
    {1, "Loop 1|Intro|03:35|00:10", "10.wav"},
    {6, "Loop 1|Intro|03:30|00:05", "5.wav"},
    {10, "Loop 1|Intro|03:26|00:01", "1.wav"},
    {11, "Loop 1|Hold|03:25|00:40", "hold.wav"},
    {50, "Loop 1|Hold|02:46|00:01", "stophold.wav"},
    {51, "Loop 1|Rest|02:45|00:30", ""},
    {66, "Loop 1|Rest|02:30|00:15", "15.wav"},
    {80, "Loop 1|Rest|02:16|00:01", "1.wav"},
    {81, "Loop 2|Hold|02:15|00:50", "hold.wav"},
    {130, "Loop 2|Hold|01:26|00:01", "stophold.wav"},
    {131, "Loop 2|Rest|01:25|00:25", ""},
    {155, "Loop 2|Rest|01:01|00:01", "1.wav"},
    {156, "Loop 3|Hold|01:00|01:00", "hold.wav"},
    {201, "Loop 3|Hold|00:15|00:15", "15.wav"},
    {215, "Loop 3|Hold|00:01|00:01", "1.wav"},
    {216, "Loop 3|End!|00:00|00:00", "sesend.wav"},
};

// Every cue of the session with the tick that plays it.
const QStringList kAllCues = {
    "1:10.wav",    "6:5.wav",          "7:4.wav",         "8:3.wav",    "9:2.wav",
    "10:1.wav",    "11:hold.wav",      "50:stophold.wav", "66:15.wav",  "71:10.wav",
    "76:5.wav",    "77:4.wav",         "78:3.wav",        "79:2.wav",   "80:1.wav",
    "81:hold.wav", "130:stophold.wav", "141:15.wav",      "146:10.wav", "151:5.wav",
    "152:4.wav",   "153:3.wav",        "154:2.wav",       "155:1.wav",  "156:hold.wav",
    "201:15.wav",  "206:10.wav",       "211:5.wav",       "212:4.wav",  "213:3.wav",
    "214:2.wav",   "215:1.wav",        "216:sesend.wav",
};

class WorkedTimeline : public SessionFixture {
protected:
    void SetUp() override {
        Settings({"10", "60", "10", "30", "5", "3"});
        Start();
    }
};

TEST_F(WorkedTimeline, StartShowsTheIntroAndOffersReset) {
    EXPECT_TRUE(window.timerEnabled);
    EXPECT_EQ(window.Caption(Control::ControlCmd), "Reset");
    EXPECT_EQ(window.Caption(Control::SequenceTimeLbl), "00:10");
    EXPECT_EQ(controller.State().SessionTime, 215);
    EXPECT_EQ(controller.State().HoldTime, 40);
    EXPECT_EQ(controller.State().Mode, 1);
}

TEST_F(WorkedTimeline, EveryListedTickShowsItsLabelsAndCue) {
    const TimelineRow* row = std::begin(kTimeline);
    for (int tick = 1; tick <= 216; ++tick) {
        const QStringList cues = Tick();
        if (row != std::end(kTimeline) && row->tick == tick) {
            EXPECT_EQ(Labels(), row->labels) << "tick " << tick;
            const QStringList expected = *row->cue ? QStringList{row->cue} : QStringList{};
            EXPECT_EQ(cues, expected) << "tick " << tick;
            ++row;
        }
    }
    EXPECT_EQ(row, std::end(kTimeline));
}

TEST_F(WorkedTimeline, EveryCueOfTheSessionComesAtItsTickInOrder) {
    QStringList heard;
    for (int tick = 1; tick <= 216; ++tick) {
        for (const QString& cue : Tick()) {
            heard.append(QString::number(tick) + ":" + cue);
        }
    }
    EXPECT_EQ(heard, kAllCues);
    for (const QString& path : window.played) {
        EXPECT_TRUE(QDir::fromNativeSeparators(path).startsWith("/apps/snd/"))
            << path.toStdString();
    }
}

TEST_F(WorkedTimeline, EndTickStopsTheTimerAndKeepsReset) {
    EXPECT_EQ(RunToEnd(), 216);
    EXPECT_FALSE(window.timerEnabled);
    EXPECT_EQ(window.Caption(Control::ControlCmd), "Reset");
    EXPECT_EQ(controller.State().Mode, 1);
    EXPECT_EQ(Labels(), "Loop 3|End!|00:00|00:00");
}

TEST_F(WorkedTimeline, PhaseClockFallsByOneEveryTickOfEveryPhase) {
    struct Phase {
        int firstTick;
        int length;
    };
    const Phase phases[] = {{1, 10}, {11, 40}, {51, 30}, {81, 50}, {131, 25}, {156, 60}};
    for (const Phase& phase : phases) {
        for (int left = phase.length; left >= 1; --left) {
            const int tick = phase.firstTick + phase.length - left;
            Tick();
            EXPECT_EQ(window.Caption(Control::SequenceTimeLbl), FormatSeconds(left)) << tick;
        }
    }
}

// A table of 1 h 46 min: the session clock counts down through the hour without a jump.
using LongSession = SessionFixture;
TEST_F(LongSession, ItsClockShowsTheHoursToTheEnd) {
    Settings({"60", "300", "10", "180", "0", "16"});
    Start();
    QStringList clocks;
    for (qint32 left = 6360; left >= 1; --left) {
        Tick();
        clocks.append(window.Caption(Control::SessionClock));
    }
    EXPECT_EQ(clocks.first(), "1:46:00");
    EXPECT_EQ(clocks[6360 - 3600], "1:00:00");
    EXPECT_EQ(clocks[6360 - 3599], "59:59");
    EXPECT_EQ(clocks.last(), "00:01");
    for (qsizetype i = 0; i < clocks.size(); ++i) {
        ASSERT_EQ(clocks[i], FormatSeconds(static_cast<qint32>(6360 - i))) << i;
    }
    EXPECT_EQ(RunToEnd(), 1);
    EXPECT_EQ(Labels(), "Loop 16|End!|00:00|00:00");
}

}  // namespace
}  // namespace vellorin::testing
