// Thousands of random tables that Start accepts, each run tick by tick to its very end.
#include <gtest/gtest.h>

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <map>
#include <random>

#include "cue_catalogue.h"
#include "fake_window.h"
#include "session_controller.h"

namespace vellorin::testing {
namespace {

constexpr std::uint32_t kSeed = 20261207;
constexpr int kTables = 2000;

struct Table {
    double intro, hold, holdIncrease, rest, restDecrease;
    int loops;

    double Hold(int k) const { return hold - holdIncrease * (loops - k); }
    double Rest(int k) const { return rest - restDecrease * (k - 1.0); }
};

// The table's phases as the session runs them, each rounded to whole seconds on its own.
struct Phases {
    long long ticks = 0;  // from the first intro tick to the last tick of the last hold
    // What rounding each phase took off or added, over the intro and the holds, and over
    // the rests: the session clock rounds these two sums as wholes.
    double roundedAwayInHolds = 0.0;
    double roundedAwayInRests = 0.0;
    bool allLastASecond = true;
};

Phases RunPhases(const Table& t) {
    Phases p;
    auto add = [&p](double seconds, double& roundedAway) {
        const double whole = std::nearbyint(seconds);
        p.ticks += static_cast<long long>(whole);
        roundedAway += seconds - whole;
        p.allLastASecond = p.allLastASecond && whole >= 1;
    };
    add(t.intro, p.roundedAwayInHolds);
    for (int k = 1; k <= t.loops; ++k) {
        add(t.Hold(k), p.roundedAwayInHolds);
        if (k < t.loops) {
            add(t.Rest(k), p.roundedAwayInRests);
        }
    }
    return p;
}

class TableGenerator {
public:
    explicit TableGenerator(std::uint32_t seed) : random_(seed) {}

    // A table Start accepts: whole or fractional values, steps of zero, negative steps, and
    // rests that reach zero or below right after the last one the session uses.
    Table Next() {
        for (;;) {
            const Table t = Fractional(Whole());
            const Phases p = RunPhases(t);
            // The session clock counts the table rounded as a whole; keep the tables whose
            // phases, rounded one by one, add up to the same number of seconds.
            if (p.allLastASecond && std::abs(p.roundedAwayInHolds) < 0.45 &&
                std::abs(p.roundedAwayInRests) < 0.45) {
                return t;
            }
        }
    }

private:
    int Uniform(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(random_); }

    // A step of 0, or one of 1 to magnitude seconds up or down. A table with many loops and
    // a step runs long, so the more loops, the likelier its steps are 0.
    double Step(int loops, int magnitude) {
        if (!Chance(std::min(1.0, 3.0 / loops))) {
            return 0;
        }
        const int step = Uniform(0, magnitude);
        return Chance(0.5) ? step : -step;
    }

    Table Whole() {
        Table t{};
        const double u = std::uniform_real_distribution<double>(0.0, 1.0)(random_);
        t.loops = std::min(40, 1 + static_cast<int>(40 * u * u));  // 1 to 40, short ones first
        t.intro = Uniform(1, 16);
        t.holdIncrease = Step(t.loops, 1);
        const int shortestHold = Uniform(1, 3);
        t.hold = t.holdIncrease >= 0 ? shortestHold + t.holdIncrease * (t.loops - 1) : shortestHold;
        t.restDecrease = Step(t.loops, 2);
        if (t.loops == 1) {
            t.rest = Uniform(-5, 5);  // no rest follows a single hold, whatever the rest says
        } else if (t.restDecrease > 0) {
            // The last rest used is `last`; a last rest no longer than the step makes the rest
            // after the final hold zero or less.
            const int last =
                Chance(0.5) ? Uniform(1, static_cast<int>(t.restDecrease)) : Uniform(1, 3);
            t.rest = last + t.restDecrease * (t.loops - 2);
        } else {
            t.rest = Uniform(1, 3);
        }
        return t;
    }

    Table Fractional(Table t) {
        if (Uniform(0, 1) == 0) {
            return t;
        }
        // Fractions small enough for the roundings of a whole table to stay within half a
        // second of each other.
        const double n = t.loops;
        auto fraction = [this](double bound) {
            return std::uniform_real_distribution<double>(-bound, bound)(random_);
        };
        t.intro += fraction(0.1);
        t.hold += fraction(0.2 / n);
        t.rest += fraction(0.2 / n);
        t.holdIncrease += fraction(0.1 / (n * n));
        t.restDecrease += fraction(0.1 / (n * n));
        return t;
    }

    std::mt19937 random_;
};

QString Text(double value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 17);
}

TEST(RandomTables, EveryAcceptedTableReachesItsEndInSessionDurationPlusOneTicks) {
    TableGenerator generator(kSeed);
    // What the random tables covered, checked at the end so that the property is known to
    // have been tried on every kind of table it speaks of.
    std::map<std::string, int> covered;
    const QString endCue = CuePath(QStringLiteral("/apps"), kSessionEndCue);
    const QString holdCue = CuePath(QStringLiteral("/apps"), kHoldCue);
    for (int i = 0; i < kTables; ++i) {
        const Table t = generator.Next();
        const QStringList settings = {Text(t.intro),        Text(t.hold),
                                      Text(t.holdIncrease), Text(t.rest),
                                      Text(t.restDecrease), QString::number(t.loops)};
        SCOPED_TRACE("table " + std::to_string(i) + ": " + settings.join(' ').toStdString());
        FakeWindow window;
        SessionController controller(window);
        controller.ResetSession();
        window.SetSettings(settings);
        controller.ControlCmd_Click();
        ASSERT_EQ(window.messages, QStringList{});
        const qint32 sessionDuration = controller.State().SessionTime;
        ASSERT_EQ(sessionDuration, RunPhases(t).ticks);

        const bool whole = settings.join(' ').indexOf(QLocale().decimalPoint()) < 0;
        ++covered[whole ? "whole" : "fractional"];
        ++covered[t.loops == 1 ? "single hold" : t.loops == 40 ? "40 loops" : "loops"];
        ++covered[t.holdIncrease == 0  ? "hold step 0"
                  : t.holdIncrease < 0 ? "negative hold step"
                                       : "positive hold step"];
        ++covered[t.restDecrease == 0  ? "rest step 0"
                  : t.restDecrease < 0 ? "negative rest step"
                                       : "positive rest step"];
        if (std::nearbyint(t.Rest(t.loops)) < 1) {
            ++covered["no time left for a rest after the last hold"];
        }

        qint64 ticks = 0;
        while (window.timerEnabled && ticks <= sessionDuration + 1) {
            controller.SecondsTimer_Timer();
            ++ticks;
        }
        ASSERT_EQ(ticks, sessionDuration + 1);
        ASSERT_EQ(window.messages, QStringList{});
        ASSERT_EQ(window.Caption(Control::SequenceLbl), "End!");
        ASSERT_EQ(window.Caption(Control::SessionClock), "00:00");
        ASSERT_EQ(window.Caption(Control::SequenceTimeLbl), "00:00");
        ASSERT_EQ(window.Caption(Control::ControlCmd), "Reset");
        ASSERT_EQ(window.Caption(Control::SessionLbl), "Loop " + QString::number(t.loops));
        ASSERT_EQ(window.played.count(endCue), 1);
        ASSERT_EQ(window.played.last(), endCue);
        if (t.hold == std::floor(t.hold) && t.holdIncrease == std::floor(t.holdIncrease)) {
            ASSERT_EQ(window.played.count(holdCue), t.loops);  // whole holds each get their cue
        }
    }
    for (const char* kind : {"fractional", "whole", "single hold", "40 loops", "hold step 0",
                             "negative hold step", "positive hold step", "rest step 0",
                             "negative rest step", "no time left for a rest after the last hold"}) {
        EXPECT_GE(covered[kind], 20) << kind;
    }
}

}  // namespace
}  // namespace vellorin::testing
