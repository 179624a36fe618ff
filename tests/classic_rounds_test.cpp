// A classic table made a table of rounds runs the very phases the classic session runs.
#include <gtest/gtest.h>

#include <QLocale>
#include <random>

#include "classic_rounds.h"
#include "fake_window.h"
#include "session_controller.h"

namespace vellorin::testing {
namespace {

constexpr std::uint32_t kSeed = 20260213;
constexpr int kTables = 3000;

// The phases a classic session runs, counted tick by tick up to its end tick.
struct ClassicRun {
    qint64 intro = 0;
    QList<qint64> holds, rests;
    qint64 ticks = 0;  // up to the last tick of the last hold
};

ClassicRun RunToTheEnd(FakeWindow& window) {
    SessionController controller(window);
    controller.ResetSession();
    controller.ControlCmd_Click();
    ClassicRun run;
    std::optional<Phase> phase;
    qint16 loop = 0;
    while (!controller.Ended() && run.ticks < 10'000'000) {
        const SessionState before = controller.State();
        controller.SecondsTimer_Timer();
        if (controller.Ended()) {
            break;
        }
        ++run.ticks;
        if (before.Sequence != phase || before.CurLoop != loop) {
            phase = before.Sequence;
            loop = before.CurLoop;
            (phase == Phase::Hold ? run.holds : run.rests).append(0);
        }
        (phase == Phase::Intro ? run.intro
                               : (phase == Phase::Hold ? run.holds : run.rests).last()) += 1;
    }
    run.rests.removeIf([](qint64 r) { return r == 0; });  // the intro's own entry
    return run;
}

QString Text(double value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 17);
}

// A classic table Start accepts: steps of 0 (for repeats) or a few seconds either way, whole
// or fractional values, each phase rounded on its own by the session.
QStringList RandomClassic(std::mt19937& random) {
    auto uniform = [&random](int low, int high) {
        return std::uniform_int_distribution(low, high)(random);
    };
    auto fraction = [&random]() {
        return std::uniform_int_distribution(0, 1)(random)
                   ? 0.0
                   : std::uniform_real_distribution(-0.49, 0.49)(random);
    };
    const int loops = uniform(1, 25);
    const int holdStep = uniform(0, 1) ? 0 : uniform(-2, 3);
    const int restStep = uniform(0, 1) ? 0 : uniform(-3, 2);
    const int firstHold = uniform(1, 12) + std::max(0, -holdStep * (loops - 1));
    const int shortestRest = uniform(1, 12);
    const double hold = firstHold + holdStep * (loops - 1.0);
    // The rests shrink by the step: the shortest one the session runs is the last or the first.
    const double rest = restStep > 0 ? shortestRest + restStep * (loops - 2.0) : shortestRest;
    return {Text(uniform(1, 15) + fraction()),
            Text(hold + fraction() / loops),
            Text(holdStep + fraction() / (10.0 * loops * loops)),
            Text(rest + fraction() / loops),
            Text(restStep + fraction() / (10.0 * loops * loops)),
            QString::number(loops)};
}

TEST(ClassicRounds, RunTheSamePhasesAsTheClassicSessionForRandomTables) {
    std::mt19937 random(kSeed);
    int repeated = 0;
    for (int i = 0; i < kTables; ++i) {
        FakeWindow window;
        window.SetSettings(RandomClassic(random));
        const ClassicRounds converted = RoundsFromClassic(window);
        ASSERT_TRUE(converted.table.has_value())
            << converted.problem.toStdString() << " " << window.fields.texts[1].toStdString();
        const RoundsTable& table = *converted.table;
        ASSERT_TRUE(TableProblems(table).isEmpty()) << i;
        const ClassicRun run = RunToTheEnd(window);
        ASSERT_EQ(table.intro, run.intro) << i;
        const QList<RunRound> order = RunOrder(table);
        ASSERT_EQ(order.size(), run.holds.size()) << i;
        for (qsizetype k = 0; k < order.size(); ++k) {
            ASSERT_EQ(KnownHoldLength(order[k].hold), run.holds[k]) << i << " round " << k + 1;
            if (k + 1 < order.size()) {
                ASSERT_EQ(KnownRestLength(*order[k].rest, order[k].hold), run.rests[k]) << i;
            }
        }
        ASSERT_EQ(run.rests.size(), run.holds.size() - 1) << i;
        ASSERT_TRUE(Length(table) == (TableLength{run.ticks, true})) << i;
        repeated += table.rounds.size() < order.size() ? 1 : 0;
    }
    EXPECT_GT(repeated, kTables / 4);  // equal rounds were made rows with a repeat
}

TEST(ClassicRounds, MakeTheWorkedExampleAndOneRowForASteadyTable) {
    FakeWindow window;
    window.SetSettings({"10", "60", "10", "30", "5", "3"});
    RoundsTable expected;
    expected.intro = 10;
    expected.rounds = {{HoldRule::Timed(40), RestRule::Timed(30), 1},
                       {HoldRule::Timed(50), RestRule::Timed(25), 1},
                       {HoldRule::Timed(60), RestRule::Timed(25), 1}};
    EXPECT_TRUE(RoundsFromClassic(window).table == expected);

    window.SetSettings({"30", "60", "0", "120", "0", "8"});
    expected.intro = 30;
    expected.rounds = {{HoldRule::Timed(60), RestRule::Timed(120), 8}};
    EXPECT_TRUE(RoundsFromClassic(window).table == expected);
}

TEST(ClassicRounds, AreRefusedWithStartsReasonOrAPhaseBeyondADay) {
    struct Case {
        QStringList settings;
        const char* problem;
    } cases[] = {
        {{"10", "sixty", "0", "30", "0", "3"},
         "the field \"Breath hold(max)\" is not a number: \"sixty\""},
        {{"10", "60", "0", "30", "0", "2.5"},
         "the number of loops must be a whole number from 1 to 32767"},
        {{"10", "86401", "0", "30", "0", "2"},
         "loop 1 lasts more than 86400 seconds, the most a hold "
         "or a rest of a table of rounds lasts"},
        {{"86401", "60", "0", "30", "0", "2"},
         "the intro lasts more than 86400 seconds, the most a "
         "table of rounds holds"},
    };
    for (const Case& c : cases) {
        FakeWindow window;
        window.SetSettings(c.settings);
        const ClassicRounds converted = RoundsFromClassic(window);
        EXPECT_FALSE(converted.table.has_value());
        EXPECT_EQ(converted.problem.toStdString(), c.problem);
    }
}

}  // namespace
}  // namespace vellorin::testing
