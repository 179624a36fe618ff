// What is heard under each cue profile: every built-in profile over the worked example, a
// pyramid and a Wonka table with its contractions marked, tick by tick, and the precedence
// rule (nothing cut off, nothing run into another phase) over thousands of random tables.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <random>

#include "cue_schedule.h"
#include "random_rounds.h"
#include "rounds_presets.h"
#include "session_fixture.h"
#include "worked_cues.h"

namespace vellorin::testing {
namespace {

using Trace = QMap<int, QString>;  // tick to its cue files joined by " " ("hold 15")

class CueSchedule : public SessionFixture {
protected:
    // Runs the session to its end, marking a contraction at the ticks given; the cues of
    // each tick that has any, without ".wav", a follower marked "+".
    Trace Run(const QString& profile, QList<int> marks = {}) {
        controller.ChooseProfile(*BuiltInProfile(profile));
        Start();
        Trace trace;
        for (int tick = 1; tick <= 100000 && window.timerEnabled; ++tick) {
            if (marks.contains(tick)) {
                controller.MarkContraction();
            }
            QStringList cues = Tick();
            for (QString& cue : cues) {
                cue.chop(4);
            }
            if (!cues.isEmpty()) {
                trace.insert(tick, cues.join(' '));
            }
        }
        return trace;
    }
};

QString Joined(const Trace& trace) {
    QStringList parts;
    for (auto it = trace.begin(); it != trace.end(); ++it) {
        parts.append(QStringLiteral("%1:%2").arg(it.key()).arg(it.value()));
    }
    return parts.join(QStringLiteral(", "));
}

TEST_F(CueSchedule, EveryBuiltInProfileOverTheWorkedExample) {
    for (const WorkedCase& c : kWorkedHeard) {
        SCOPED_TRACE(c.profile);
        controller.ResetSession();
        Settings({"10", "60", "10", "30", "5", "3"});
        EXPECT_EQ(Joined(Run(c.profile)).toStdString(), c.heard);
    }
}

// A pyramid and a Wonka table, whose holds end at a contraction marked, under every
// profile: what each hold and rest begins and ends with.
struct RoundsCase {
    RoundsPreset preset;
    const char* profile;
    QList<int> marks;  // the ticks a contraction is marked at
    QMap<int, QString> expected;
};

TEST_F(CueSchedule, EveryBuiltInProfileOverAPyramidAndAWonkaTable) {
    const RoundsCase cases[] = {
        {RoundsPreset::Pyramid,
         "classic",
         {},
         {{16, "15"},
          {31, "hold"},
          {102, "stophold"},
          {160, "15"},
          {1276, "15"},
          {1291, "sesend"}}},
        {RoundsPreset::Pyramid,
         "guided",
         {},
         {{1, "30s"},
          {11, "pace-in"},
          {15, "pace-out"},
          {23, "lastbreath"},
          {91, "1min"},
          {104, "breathein"},
          {115, ""},
          {116, "breatheout"},
          {145, "30s"},
          {691, "2min"},
          {703, "breatheout"},
          {1291, "sesend 7 holds totalheld 11min"}}},
        {RoundsPreset::Pyramid,
         "competition",
         {},
         {{31, "top"}, {703, "2min"}, {1281, "10"}, {1291, "sesend"}}},
        {RoundsPreset::Pyramid,
         "tones",
         {},
         {{1, "tone-call"}, {21, "tick"}, {91, "tone-call"}, {1291, "tone-end"}}},
        // The first hold ends 30 s after its contraction at 1:09, the second after 0:50, the
        // others at their cap of 3:00.
        {RoundsPreset::Wonka,
         "classic",
         {100, 300},
         {{31, "hold"},
          {129, "stophold"},
          {250, "hold"},
          {329, "stophold"},
          {629, "stophold"},
          {2130, "sesend"}}},
        {RoundsPreset::Wonka,
         "guided",
         {100, 300},
         {{91, "1min"},
          {100, "30s"},
          {129, "stophold"},
          {131, "breathein"},
          {310, "1min"},
          {570, "2min"},
          {2130, "sesend 8 holds totalheld 21min"}}},
        {RoundsPreset::Wonka,
         "competition",
         {100, 300},
         {{130, "2min"}, {250, "top"}, {2120, "10"}}},
        {RoundsPreset::Wonka,
         "tones",
         {100, 300},
         {{91, "tone-call"}, {129, "tone-breathe"}, {2130, "tone-end"}}},
    };
    for (const RoundsCase& c : cases) {
        SCOPED_TRACE(PresetKey(c.preset).toStdString() + " " + c.profile);
        controller.ResetSession();
        controller.ChooseRounds(*MakePreset(c.preset, 180).table);
        const Trace trace = Run(c.profile, c.marks);
        for (auto it = c.expected.begin(); it != c.expected.end(); ++it) {
            EXPECT_EQ(trace.value(it.key()).toStdString(), it.value().toStdString())
                << "tick " << it.key();
        }
    }
}

// The time held is said to the nearest time that can be said, where that is within half a
// minute of it, and not at all where it is not.
TEST(CueScheduleSummary, SaysTheTimeHeldOnlyWhereItCanBeSaidWithinHalfAMinute) {
    const struct {
        qint32 held;
        const char* heard;
    } cases[] = {{59, "1min"},    {150, "2min30"}, {666, "11min"}, {1259, "21min"},
                 {1830, "30min"}, {1831, ""},      {82 * 60, ""}};
    for (const auto& c : cases) {
        const QList<Cue> cues = CuesOf(*BuiltInProfile("guided"),
                                       {CueMoment::Phase::End, 0, false, true, 0, 3, c.held});
        const QString said = cues.size() == 5 ? CueFile(cues[4], CueVoice::Words).chopped(4) : "";
        EXPECT_EQ(said.toStdString(), c.heard) << c.held << " s held";
    }
}

// How long a cue sounds, in ticks, by its file: the spoken durations and "last breath" two,
// the rest one.
int Length(const QString& cue) {
    static const QRegularExpression twoSeconds(
        QStringLiteral("^(\\d+s|\\d+min(30)?|lastbreath|"
                       "tone-call|tone-last)$"));
    return twoSeconds.match(cue).hasMatch() ? 2 : 1;
}

// The phase cues and counted seconds, which play whatever else falls on their tick.
bool Always(const QString& cue) {
    static const QRegularExpression always(QStringLiteral(
        "^(\\d{1,2}|hold|top|stophold|sesend|tick|tone-hold|tone-breathe|tone-end)$"));
    return always.match(cue).hasMatch();
}

TEST(CueScheduleRule, NoCueIsCutOffOrRunsIntoAnotherPhaseInThousandsOfRandomTables) {
    RandomRounds random(2512, 300, 12);
    std::mt19937 pick(25);
    const QStringList profiles = BuiltInProfileKeys();
    for (int n = 0; n < 1200; ++n) {
        FakeWindow window;
        SessionController controller(window);
        controller.ResetSession();
        const QString profile = profiles[n % profiles.size()];
        controller.ChooseProfile(*BuiltInProfile(profile));
        controller.ChooseRounds(random.Next());
        controller.ControlCmd_Click();
        QList<std::pair<int, QStringList>> ticks;  // each tick's cues and phase
        QStringList phases;
        QList<bool> keyed;           // a key changed the session's course just before the tick
        QMap<QString, int> breaths;  // the recovery words of the phase under way, counted
        for (int tick = 1; tick <= 200000 && window.timerEnabled; ++tick) {
            const bool marked = pick() % 7 == 0 && controller.MarkContraction();
            keyed.append((pick() % 5 == 0 && controller.TakeBreath()) || marked);
            const qsizetype before = window.played.size();
            const QString phase =
                PhaseKey(controller.State().Sequence) + QString::number(controller.State().CurLoop);
            controller.SecondsTimer_Timer();
            QStringList cues;
            for (qsizetype i = before; i < window.played.size(); ++i) {
                cues.append(QFileInfo(window.played[i]).completeBaseName());
            }
            ticks.append({tick, cues});
            phases.append(phase);
        }
        ASSERT_FALSE(window.timerEnabled) << n;
        for (int i = 0; i < ticks.size(); ++i) {
            const QStringList& cues = ticks[i].second;
            QStringList ranked;
            for (const QString& cue : cues) {
                if (!Always(cue)) {
                    ranked.append(cue);
                }
            }
            // A recovery breath is guided whole (unless a key ended its rest), and a paced
            // exhale follows its inhale.
            if (i > 0 && phases[i] != phases[i - 1]) {
                ASSERT_TRUE(breaths.value("keyed") > 0 || keyed[i] ||
                            (breaths.value("breathein") == breaths.value("holdit") &&
                             breaths.value("holdit") == breaths.value("breatheout")))
                    << profile.toStdString() << " table " << n << " before tick " << ticks[i].first;
                breaths.clear();
            }
            breaths["keyed"] += keyed[i] ? 1 : 0;
            for (const QString& cue : cues) {
                if (cue.startsWith("pace-")) {
                    ASSERT_TRUE(cue == "pace-in" || breaths.value("inhaled") == 1)
                        << "an exhale with no inhale, table " << n << " tick " << ticks[i].first;
                    breaths["inhaled"] = cue == "pace-in" ? 1 : 0;
                } else {
                    ++breaths[cue];
                }
            }
            if (phases[i].startsWith("End") || cues.contains("sesend") ||
                cues.contains("tone-end")) {
                continue;  // the end cue and the summary that follows it
            }
            ASSERT_LE(ranked.size(), 1) << profile.toStdString() << " table " << n << " tick "
                                        << ticks[i].first << ": " << cues.join(' ').toStdString();
            if (ranked.isEmpty()) {
                continue;
            }
            ASSERT_EQ(cues.size(), 1)
                << "a ranked cue shares its tick: " << cues.join(' ').toStdString();
            // A contraction or a breath may end the phase sooner than anything could foresee.
            for (int s = 1; s < Length(ranked.first()) && !keyed.value(i + s); ++s) {
                ASSERT_LT(i + s, ticks.size());
                EXPECT_TRUE(ticks[i + s].second.isEmpty())
                    << profile.toStdString() << " table " << n << ": "
                    << ranked.first().toStdString() << " at tick " << ticks[i].first
                    << " is cut off by " << ticks[i + s].second.join(' ').toStdString();
                EXPECT_EQ(phases[i + s], phases[i]) << ranked.first().toStdString() << " runs on";
            }
        }
    }
}

}  // namespace
}  // namespace vellorin::testing
