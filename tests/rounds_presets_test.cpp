// The ready-made tables of rounds: each can be run for every personal best, has the shape
// its README paragraph gives, and the CO2 and O2 ones are the classic tables round for round.
#include <gtest/gtest.h>

#include "fake_window.h"
#include "pb_tables.h"
#include "rounds_presets.h"
#include "session_plan.h"

namespace vellorin::testing {
namespace {

constexpr RoundsPreset kAll[] = {
    RoundsPreset::Co2,        RoundsPreset::O2,        RoundsPreset::Pyramid,  RoundsPreset::Wonka,
    RoundsPreset::WonkaCount, RoundsPreset::OneBreath, RoundsPreset::Intervals};

RoundsTable Made(RoundsPreset preset, int pb) {
    const PresetTable made = MakePreset(preset, pb);
    EXPECT_TRUE(made.table) << PresetKey(preset).toStdString() << " " << pb << ": "
                            << made.problem.toStdString();
    return made.table.value_or(RoundsTable{});
}

TEST(RoundsPresets, KeysNameEveryPresetOnceInTheirOrder) {
    EXPECT_EQ(PresetKeys(), QStringList({"co2", "o2", "pyramid", "wonka", "wonka-count",
                                         "one-breath", "intervals"}));
    for (const RoundsPreset preset : kAll) {
        EXPECT_EQ(PresetFromKey(PresetKey(preset)), preset);
        EXPECT_EQ(PresetFromKey(PresetKey(preset).toUpper()), preset);
    }
    for (const char* unknown : {"", "co3", "wonka-", "one breath", "co2 "}) {
        EXPECT_FALSE(PresetFromKey(QString::fromLatin1(unknown))) << unknown;
    }
}

// Every PB the command line and the table dialog accept, up to 10:00 each second, and the
// ends of the range.
TEST(RoundsPresets, EveryPresetCanBeRunForEveryPersonalBest) {
    QList<int> bests{kMaxPresetBest - 1, kMaxPresetBest};
    for (int pb = 1; pb <= 600; ++pb) {
        bests.append(pb);
    }
    for (const RoundsPreset preset : kAll) {
        for (const int pb : bests) {
            const RoundsTable table = Made(preset, pb);
            const QList<TableProblem> problems = TableProblems(table);
            ASSERT_TRUE(problems.isEmpty()) << PresetKey(preset).toStdString() << " " << pb << ": "
                                            << problems.first().Sentence().toStdString();
            EXPECT_EQ(table.intro, 30);
        }
    }
}

TEST(RoundsPresets, APersonalBestBeyondADayOrUnderASecondIsRefusedByPresetsThatUseOne) {
    for (const RoundsPreset preset : kAll) {
        for (const int pb : {0, -5, kMaxPresetBest + 1}) {
            const PresetTable made = MakePreset(preset, pb);
            EXPECT_EQ(made.table.has_value(), !UsesPersonalBest(preset))
                << PresetKey(preset).toStdString() << " " << pb;
        }
    }
}

struct Shape {
    RoundsPreset preset;
    int pb;
    QList<Round> rounds;
    TableLength length;
    const char* name;
};

class PresetShapes : public ::testing::TestWithParam<Shape> {};

TEST_P(PresetShapes, AreAsDocumented) {
    const Shape& shape = GetParam();
    const RoundsTable table = Made(shape.preset, shape.pb);
    EXPECT_EQ(table.rounds, shape.rounds);
    EXPECT_EQ(Length(table), shape.length);
    EXPECT_EQ(table.name, QString::fromUtf8(shape.name));
}

Round R(HoldRule hold, RestRule rest, int repeat = 1) {
    return {hold, rest, repeat};
}
HoldRule H(qint32 seconds) {
    return HoldRule::Timed(seconds);
}
RestRule T(qint32 seconds) {
    return RestRule::Timed(seconds);
}

INSTANTIATE_TEST_SUITE_P(
    , PresetShapes,
    ::testing::Values(
        // The README's CO2 and O2 tables for a PB of 3:00.
        Shape{RoundsPreset::Co2,
              180,
              {R(H(90), T(120)), R(H(90), T(105)), R(H(90), T(90)), R(H(90), T(75)),
               R(H(90), T(60)), R(H(90), T(45)), R(H(90), T(30), 2)},
              {1275, true},
              "CO2 from a PB of 03:00"},
        Shape{RoundsPreset::O2,
              180,
              {R(H(39), T(120)), R(H(54), T(120)), R(H(69), T(120)), R(H(84), T(120)),
               R(H(99), T(120)), R(H(114), T(120)), R(H(129), T(120)), R(H(144), T(120))},
              {1602, true},
              "O2 from a PB of 03:00"},
        // A short PB gives an O2 table of fewer rounds, as the classic one.
        Shape{RoundsPreset::O2, 40, {R(H(32), T(120))}, {62, true}, "O2 from a PB of 00:40"},
        Shape{RoundsPreset::Pyramid,
              180,
              {R(H(72), T(72)), R(H(90), T(90)), R(H(108), T(108)), R(H(126), T(126)),
               R(H(108), T(108)), R(H(90), T(90)), R(H(72), T(72))},
              {30 + 666 + 594, true},
              "Pyramid from a PB of 03:00"},
        // Holds never round below a second.
        Shape{RoundsPreset::Pyramid,
              1,
              {R(H(1), T(1)), R(H(1), T(1)), R(H(1), T(1)), R(H(1), T(1)), R(H(1), T(1)),
               R(H(1), T(1)), R(H(1), T(1))},
              {30 + 13, true},
              "Pyramid from a PB of 00:01"},
        Shape{RoundsPreset::Wonka,
              200,
              {R(HoldRule::AtFirstContraction(30, 200), T(120), 8)},
              {30 + 8 * 200 + 7 * 120, false},
              "Wonka from a PB of 03:20"},
        Shape{RoundsPreset::WonkaCount,
              200,
              {R(HoldRule::AtContraction(10, 200), T(120), 8)},
              {30 + 8 * 200 + 7 * 120, false},
              "Wonka by count from a PB of 03:20"},
        Shape{RoundsPreset::OneBreath,
              200,
              {R(H(60), RestRule::OneBreath(10), 8)},
              {30 + 8 * 60 + 7 * 10, false},
              "One-breath"},
        Shape{RoundsPreset::Intervals,
              200,
              {R(H(60), RestRule::OnCycle(120, 15), 10)},
              {30 + 10 * 60 + 9 * 60, true},
              "Static intervals"}));

// The CO2 and O2 presets run the phases a session of the classic table's six settings runs.
TEST(RoundsPresets, Co2AndO2AreTheClassicTablesRoundForRound) {
    for (const auto& [preset, kind] : {std::pair{RoundsPreset::Co2, PbTableKind::Co2},
                                       std::pair{RoundsPreset::O2, PbTableKind::O2}}) {
        for (int pb = 1; pb <= 600; ++pb) {
            FakeWindow window;
            window.SetSettings(QStringList{"30"} + PbTableSettings(kind, pb));
            const SessionPlan plan(window);
            const QList<RunRound> order = RunOrder(Made(preset, pb));
            ASSERT_EQ(order.size(), static_cast<qsizetype>(plan.Loops())) << pb;
            for (int k = 1; k <= order.size(); ++k) {
                ASSERT_EQ(order[k - 1].hold, H(RoundToLong(plan.LoopHoldTime(k)))) << pb;
                if (k < order.size()) {
                    ASSERT_EQ(order[k - 1].rest, T(RoundToLong(plan.LoopRestTime(k)))) << pb;
                }
            }
            ASSERT_EQ(Length(Made(preset, pb)).seconds, plan.SessionDuration()) << pb;
        }
    }
}

struct Warning {
    RoundsPreset preset;
    int pb;
    std::optional<int> best;
    const char* warning;
};

TEST(RoundsPresets, WarnAsTheClassicTablesWhenAHoldPassesTheBestOnRecord) {
    const Warning cases[] = {
        {RoundsPreset::Co2, 180, 170, ""},
        {RoundsPreset::Co2, 400, 180,
         "Its longest hold, 03:20, is longer than your personal "
         "best, 03:00."},
        {RoundsPreset::O2, 200, 180,
         "Its last hold, 02:40, is over 80 % of your personal "
         "best, 03:00."},
        {RoundsPreset::O2, 180, std::nullopt, ""},
        {RoundsPreset::Pyramid, 180, 126, ""},
        {RoundsPreset::Pyramid, 180, 125,
         "Its longest hold, 02:06, is longer than your "
         "personal best, 02:05."},
        // A hold that ends at a contraction may last up to its cap.
        {RoundsPreset::Wonka, 210, 180,
         "Its longest hold, 03:30, is longer than your personal "
         "best, 03:00."},
        {RoundsPreset::WonkaCount, 180, 180, ""},
        {RoundsPreset::OneBreath, 0, 45,
         "Its longest hold, 01:00, is longer than your personal "
         "best, 00:45."},
        {RoundsPreset::Intervals, 0, 60, ""},
    };
    for (const Warning& c : cases) {
        const RoundsTable table = Made(c.preset, c.pb);
        EXPECT_EQ(PresetWarning(c.preset, table, c.best), QString::fromUtf8(c.warning))
            << PresetKey(c.preset).toStdString() << " " << c.pb;
    }
    for (const auto& [preset, kind] : {std::pair{RoundsPreset::Co2, PbTableKind::Co2},
                                       std::pair{RoundsPreset::O2, PbTableKind::O2}}) {
        for (int pb = 20; pb <= 400; pb += 7) {
            EXPECT_EQ(PresetWarning(preset, Made(preset, pb), 180),
                      PbTableWarning(kind, PbTableSettings(kind, pb), 180))
                << pb;
        }
    }
}

}  // namespace
}  // namespace vellorin::testing
