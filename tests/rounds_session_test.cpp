#include <gtest/gtest.h>

#include <QDateTime>
#include <QRegularExpression>

#include "allgemein.h"
#include "random_rounds.h"
#include "rounds_presets.h"
#include "session_fixture.h"
#include "session_keys.h"
#include "session_recorder.h"

namespace vellorin::testing {
namespace {

// A table of rounds on the fake window, with the keys and the recorder the window uses.
class RoundsSession : public SessionFixture {
protected:
    void Run(const RoundsTable& table) {
        controller.ChooseRounds(table);
        Start();
        Observe();
    }
    QStringList Step() {
        const QStringList cues = Tick();
        Observe();
        return cues;
    }
    // Enter: a contraction in a hold, the breath in a one-breath rest; the cue it played.
    QString Key() {
        keys.ContractionKey(recorder, false);
        Observe();
        return CueFile(window.played.last());
    }
    void Observe() {
        if (const auto record = recorder.Observe(controller.State(), controller.Ended(), "t.vtable",
                                                 QDateTime::currentDateTime())) {
            EXPECT_EQ(record->kind, TableKind::Rounds);
            EXPECT_TRUE(record->settings.isEmpty());
            holds.append(record->holds);
        }
    }
    static RoundsTable Table(qint32 intro, const QList<Round>& rounds) {
        return RoundsTable{QStringLiteral("t"), intro, rounds, {}};
    }

    SessionRecorder recorder{window, &controller};
    SessionKeys keys{controller, window};
    QList<HoldRecord> holds;
};

struct Moment {
    int tick;
    QString labels;
    QStringList cues;
};
struct Timeline {
    const char* name;
    RoundsTable table;
    QList<int> keysAfter;  // the ticks after which Enter is pressed
    QList<Moment> moments;
    int endTick;
    QList<qint32> held;  // each hold's seconds, as the log keeps them
};

Round R(HoldRule hold, RestRule rest, int repeat = 1) {
    return Round{hold, rest, repeat};
}

const Timeline kTimelines[] = {
    {"timed rounds count down as a classic table",
     RoundsTable{
         "",
         3,
         {R(HoldRule::Timed(5), RestRule::Timed(4)), R(HoldRule::Timed(6), RestRule::Timed(9))},
         {}},
     {},
     {{1, "Loop 1|Intro|00:18|00:03", {"3.wav"}},
      {4, "Loop 1|Hold|00:15|00:05", {"hold.wav"}},
      {8, "Loop 1|Hold|00:11|00:01", {"stophold.wav"}},
      {9, "Loop 1|Rest|00:10|00:04", {"4.wav"}},
      {13, "Loop 2|Hold|00:06|00:06", {"hold.wav"}},
      {18, "Loop 2|Hold|00:01|00:01", {"1.wav"}},
      {19, "Loop 2|End!|00:00|00:00", {"sesend.wav"}}},
     19,
     {5, 6}},
    {"a hold ends its margin after the first contraction and counts down from then",
     RoundsTable{"",
                 1,
                 {R(HoldRule::AtFirstContraction(3, 20), RestRule::Timed(2)),
                  R(HoldRule::Timed(2), RestRule::Timed(2))},
                 {}},
     {4},
     {{1, "Loop 1|Intro|00:25|00:01", {"1.wav"}},
      {2, "Loop 1|Hold|00:24|00:01", {"hold.wav"}},
      {4, "Loop 1|Hold|00:22|00:03", {}},
      {5, "Loop 1|Hold|00:07|00:03", {}},
      {7, "Loop 1|Hold|00:05|00:01", {"stophold.wav"}},
      {8, "Loop 1|Rest|00:04|00:02", {"2.wav"}},
      {10, "Loop 2|Hold|00:02|00:02", {"hold.wav", "2.wav"}},
      {12, "Loop 2|End!|00:00|00:00", {"sesend.wav"}}},
     12,
     {6, 2}},
    {"a hold with no contraction ends at its cap",
     RoundsTable{"",
                 1,
                 {R(HoldRule::AtFirstContraction(30, 4), RestRule::Timed(2)),
                  R(HoldRule::Timed(1), RestRule::Timed(2))},
                 {}},
     {},
     {{5, "Loop 1|Hold|00:04|00:04", {"stophold.wav"}}, {6, "Loop 1|Rest|00:03|00:02", {"2.wav"}}},
     9,
     {4, 1}},
    {"a hold ends the second after its N-th contraction, never before its minimum",
     RoundsTable{"",
                 1,
                 {R(HoldRule::AtContraction(2, 60, 5), RestRule::Timed(1)),
                  R(HoldRule::AtContraction(2, 60), RestRule::Timed(1))},
                 {}},
     {2, 3, 9, 10},
     {{3, "Loop 1|Hold|02:00|00:02", {}},
      {4, "Loop 1|Hold|01:04|00:03", {}},
      {6, "Loop 1|Hold|01:02|00:01", {"stophold.wav"}},
      {7, "Loop 1|Rest|01:01|00:01", {"1.wav"}},
      {10, "Loop 2|Hold|00:58|00:03", {}},
      {11, "Loop 2|Hold|00:01|00:01", {"1.wav"}},
      {12, "Loop 2|End!|00:00|00:00", {"sesend.wav"}}},
     12,
     {5, 4}},
    {"a cycle's rest is what the cycle leaves of the hold, never below its floor",
     RoundsTable{"",
                 1,
                 {R(HoldRule::Timed(4), RestRule::OnCycle(10, 3)),
                  R(HoldRule::Timed(9), RestRule::OnCycle(10, 3)),
                  R(HoldRule::Timed(1), RestRule::Timed(1))},
                 {}},
     {},
     {{6, "Loop 1|Rest|00:19|00:06", {}},
      {12, "Loop 2|Hold|00:13|00:09", {"hold.wav"}},
      {21, "Loop 2|Rest|00:04|00:03", {"3.wav"}},
      {24, "Loop 3|Hold|00:01|00:01", {"hold.wav", "1.wav"}}},
     25,
     {4, 9, 1}},
    {"the breath key ends a one-breath rest that has run a second, not before",
     RoundsTable{"", 1, {R(HoldRule::Timed(2), RestRule::OneBreath(10), 2)}, {}},
     {3, 4},
     {{4, "Loop 1|Rest|00:12|00:10", {"10.wav"}},
      {5, "Loop 2|Hold|00:02|00:02", {"hold.wav", "2.wav"}},
      {7, "Loop 2|End!|00:00|00:00", {"sesend.wav"}}},
     7,
     {2, 2}},
};

class RoundsTimeline : public RoundsSession, public ::testing::WithParamInterface<Timeline> {};

TEST_P(RoundsTimeline, ShowsAndSaysEveryPhaseAtItsTick) {
    const Timeline& timeline = GetParam();
    Run(timeline.table);
    QList<Moment> moments = timeline.moments;
    int tick = 0;
    while (window.timerEnabled && tick < 1000) {
        const QStringList cues = Step();
        ++tick;
        if (!moments.isEmpty() && moments.first().tick == tick) {
            EXPECT_EQ(Labels().toStdString(), moments.first().labels.toStdString())
                << "tick " << tick;
            EXPECT_EQ(cues.join(' ').toStdString(), moments.first().cues.join(' ').toStdString())
                << "tick " << tick;
            moments.removeFirst();
        }
        if (timeline.keysAfter.contains(tick)) {
            Key();
        }
    }
    EXPECT_TRUE(moments.isEmpty());
    EXPECT_EQ(tick, timeline.endTick);
    QList<qint32> held;
    for (const HoldRecord& hold : holds) {
        held.append(hold.held);
        EXPECT_TRUE(hold.completed) << "loop " << hold.loop;
    }
    EXPECT_EQ(held, timeline.held);
}

INSTANTIATE_TEST_SUITE_P(Tables, RoundsTimeline, ::testing::ValuesIn(kTimelines),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

// Every preset, from a PB of 2:00, runs to its end: Enter at the 20th second of every hold and
// the 3rd of every rest, so that each contraction ends its hold and each breath its rest.
TEST_F(RoundsSession, EveryPresetRunsToItsEnd) {
    for (const QString& key : PresetKeys()) {
        SCOPED_TRACE(key.toStdString());
        const RoundsTable table = *MakePreset(*PresetFromKey(key), 120).table;
        controller.ResetSession();
        holds.clear();
        Run(table);
        int second = 0;
        QString phase;
        for (int tick = 0; window.timerEnabled && tick < 100000; ++tick) {
            Step();
            const QString now = window.Caption(Control::SequenceLbl);
            second = now == phase ? second + 1 : 1;
            phase = now;
            if ((phase == "Hold" && second == 20) || (phase == "Rest" && second == 3)) {
                Key();
            }
        }
        EXPECT_EQ(window.Caption(Control::SequenceLbl), "End!");
        EXPECT_EQ(window.Caption(Control::SessionClock), "00:00");
        ASSERT_EQ(holds.size(), RunRoundCount(table));
        for (const HoldRecord& hold : holds) {
            EXPECT_TRUE(hold.completed);
            if (hold.rule.end == HoldRule::End::FirstContraction) {
                EXPECT_EQ(hold.held, 20 + kWonkaMargin);  // the margin after the mark
            } else if (hold.rule.end == HoldRule::End::Contractions) {
                EXPECT_EQ(hold.held, 120);  // one mark a hold never reaches the 10th: the cap
            }
        }
    }
}

// Seconds of a clock text "mm:ss" or "h:mm:ss"; -1 for anything else (a negative count).
qint64 ClockSeconds(const QString& text) {
    qint64 seconds = 0;
    for (const QString& part : text.split(':')) {
        bool ok = false;
        const int value = part.toInt(&ok);
        if (!ok || value < 0) {
            return -1;
        }
        seconds = seconds * 60 + value;
    }
    return seconds;
}

// Thousands of random tables of every kind of round, run to their end with Enter pressed at
// random seconds: the session clock never falls below what is left, is exact for a table of
// timed phases and ends at 00:00; every phase lasts what its rule says; every hold is kept.
TEST_F(RoundsSession, EveryRandomTableRunsToItsEndAsItsRulesSay) {
    RandomRounds tables(20261208, 40, 6);
    std::mt19937 keys(7);
    for (int run = 0; run < 2500; ++run) {
        const RoundsTable table = tables.Next();
        ASSERT_TRUE(TableProblems(table).isEmpty());
        SCOPED_TRACE("table " + std::to_string(run));
        controller.ResetSession();
        holds.clear();
        Run(table);
        const QList<RunRound> order = RunOrder(table);
        const bool exact = Length(table).exact;
        QList<qint64> shown;
        QStringList phases;  // "Intro", "Hold 2", "Rest 2", ... a tick each
        QStringList cues;
        const int pressEvery = std::uniform_int_distribution(2, 30)(keys);
        while (window.timerEnabled && shown.size() < 200000) {
            cues.append(Step());
            shown.append(ClockSeconds(window.Caption(Control::SessionClock)));
            const QString phase = window.Caption(Control::SequenceLbl);
            // The loop and the phase the tick ran, as it shows them ("Loop 2").
            phases.append(phase == "Intro"
                              ? phase
                              : phase + ' ' + window.Caption(Control::SessionLbl).mid(5));
            if (std::uniform_int_distribution(1, pressEvery)(keys) == 1) {
                Key();
            }
        }
        const qint64 ticks = shown.size();
        ASSERT_FALSE(window.timerEnabled);
        ASSERT_EQ(shown.last(), 0);
        for (qint64 t = 0; t < ticks; ++t) {
            ASSERT_GE(shown[t], ticks - 1 - t) << "tick " << t + 1;
            if (exact) {
                ASSERT_EQ(shown[t], ticks - 1 - t) << "tick " << t + 1;
            }
        }
        EXPECT_EQ(cues.count("hold.wav"), order.size());
        EXPECT_EQ(cues.count("stophold.wav"), order.size() - 1);
        EXPECT_EQ(cues.last(), "sesend.wav");
        EXPECT_EQ(phases.count("Intro"), table.intro);
        ASSERT_EQ(holds.size(), order.size());
        for (int i = 0; i < order.size(); ++i) {
            const HoldRecord& hold = holds[i];
            const HoldRule& rule = order[i].hold;
            const QString loop = QString::number(i + 1);
            EXPECT_EQ(hold.loop, i + 1);
            EXPECT_TRUE(hold.completed);
            EXPECT_EQ(hold.rule, rule);
            EXPECT_EQ(phases.count("Hold " + loop), hold.held);
            EXPECT_LE(hold.held, LongestHold(rule));
            EXPECT_GE(hold.held, std::min(rule.cap, std::max(rule.minimum, 1)));
            if (rule.end == HoldRule::End::Time) {
                EXPECT_EQ(hold.held, rule.seconds);
            } else if (rule.end == HoldRule::End::FirstContraction && hold.firstContraction) {
                EXPECT_EQ(hold.held,
                          std::max(std::min(rule.cap, std::max(*hold.firstContraction + rule.margin,
                                                               rule.minimum)),
                                   *hold.firstContraction + 1));
            } else if (hold.contractions < rule.contractions) {
                EXPECT_EQ(hold.held, rule.cap);
            }
            if (!order[i].rest) {
                continue;
            }
            const RestRule& rest = *order[i].rest;
            const qsizetype rested = phases.count("Rest " + loop);
            EXPECT_EQ(hold.rest, rest);
            switch (rest.end) {
                case RestRule::End::Time:
                    EXPECT_EQ(rested, rest.seconds);
                    break;
                case RestRule::End::Cycle:
                    EXPECT_EQ(rested, std::max(rest.floor, rest.cycle - hold.held));
                    break;
                case RestRule::End::Breath:
                    EXPECT_GE(rested, 1);
                    EXPECT_LE(rested, rest.maximum);
                    break;
            }
        }
        ASSERT_EQ(ticks,
                  table.intro + phases.filter(QRegularExpression("^(Hold|Rest) ")).size() + 1);
        if (HasFailure()) {
            return;
        }
    }
}

// A hold cut off by Reset or by the window closing is kept as not completed, with the rule it
// was to end by and the rest that was to follow, whatever table the next Start is to run.
TEST_F(RoundsSession, AHoldCutOffKeepsItsRules) {
    const Round wonka{HoldRule::AtFirstContraction(30, 90), RestRule::OnCycle(150, 20), 2};
    const struct {
        const char* name;
        Round round;
        int ticks;  // run before the cut, two of them the intro's
        bool close;
    } cases[] = {
        {"reset in a Wonka hold", wonka, 7, false},
        {"reset in a hold by count",
         {HoldRule::AtContraction(4, 80), RestRule::OneBreath(9), 2},
         3,
         false},
        {"reset in a timed hold", {HoldRule::Timed(40), RestRule::Timed(35), 2}, 12, false},
        {"closed in a Wonka hold", wonka, 7, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        controller.ResetSession();
        Observe();
        holds.clear();
        Run(Table(2, {c.round}));
        controller.ChooseRounds(std::nullopt);  // the next Start is to run the six settings
        for (int i = 0; i < c.ticks; ++i) {
            Step();
        }
        if (c.close) {
            holds.append(recorder.Close().value_or(SessionRecord{}).holds);
        } else {
            controller.ControlCmd_Click();
            Observe();
        }
        ASSERT_EQ(holds.size(), 1);
        EXPECT_EQ(holds[0].held, c.ticks - 2);
        EXPECT_FALSE(holds[0].completed);
        EXPECT_EQ(holds[0].rule, c.round.hold);
        EXPECT_EQ(holds[0].rest, c.round.rest);
    }
}

}  // namespace
}  // namespace vellorin::testing
