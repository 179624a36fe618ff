// A table of rounds: the rules it keeps to, its run order, how long it and its phases last.
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "rounds_table.h"

namespace vellorin::testing {
namespace {

RoundsTable ThreeRounds() {
    RoundsTable table;
    table.rounds = {{HoldRule::Timed(60), RestRule::Timed(120), 8},
                    {HoldRule::AtFirstContraction(30, 180), RestRule::OnCycle(120), 1},
                    {HoldRule::AtContraction(5, 180), RestRule::OneBreath(), 1}};
    return table;
}

struct Rule {
    const char* label;
    std::function<void(RoundsTable&)> edit;
    const char* sentence;  // the first problem, as the editor shows it
    TableValue value;
};

class TableRules : public ::testing::TestWithParam<Rule> {};

TEST_P(TableRules, NameTheRoundAndTheValueToMend) {
    RoundsTable table = ThreeRounds();
    ASSERT_TRUE(TableProblems(table).isEmpty());
    GetParam().edit(table);
    const QList<TableProblem> problems = TableProblems(table);
    ASSERT_EQ(problems.size(), 1);
    EXPECT_EQ(problems[0].Sentence().toStdString(), GetParam().sentence);
    EXPECT_EQ(problems[0].value, GetParam().value);
}

using V = TableValue;
INSTANTIATE_TEST_SUITE_P(
    Rules, TableRules,
    ::testing::Values(
        Rule{"Name", [](RoundsTable& t) { t.name = QString(201, 'x'); },
             "The name must be at most 200 characters, without control characters.", V::Name},
        Rule{"NameLineBreak", [](RoundsTable& t) { t.name = "a\nb"; },
             "The name must be at most 200 characters, without control characters.", V::Name},
        Rule{"Profile", [](RoundsTable& t) { t.profile = QString(1, QChar(0xd800)); },
             "The cue profile's name must be at most 200 characters, without control "
             "characters.",
             V::Profile},
        Rule{"Intro", [](RoundsTable& t) { t.intro = 0; },
             "The intro must last from 1 to 86400 seconds.", V::Intro},
        Rule{"NoRounds", [](RoundsTable& t) { t.rounds.clear(); },
             "The table must have at least one round.", V::Rounds},
        Rule{"Repeat", [](RoundsTable& t) { t.rounds[2].repeat = 1001; },
             "Round 3: the repeat must be from 1 to 1000.", V::Repeat},
        Rule{"HoldSeconds", [](RoundsTable& t) { t.rounds[0].hold.seconds = 86401; },
             "Round 1: the hold must last from 1 to 86400 seconds.", V::HoldSeconds},
        Rule{"Margin", [](RoundsTable& t) { t.rounds[1].hold.margin = -1; },
             "Round 2: the margin after the first contraction must be from 0 to 600 seconds.",
             V::Margin},
        Rule{"Contractions", [](RoundsTable& t) { t.rounds[2].hold.contractions = 51; },
             "Round 3: the number of contractions must be from 1 to 50.", V::Contractions},
        Rule{"Cap", [](RoundsTable& t) { t.rounds[1].hold.cap = 0; },
             "Round 2: the cap must be from 1 to 86400 seconds.", V::Cap},
        Rule{"Minimum", [](RoundsTable& t) { t.rounds[2].hold.minimum = -5; },
             "Round 3: the minimum must be from 0 to 86400 seconds.", V::Minimum},
        Rule{"CapBelowMinimum", [](RoundsTable& t) { t.rounds[2].hold.minimum = 181; },
             "Round 3: the cap must be at least the minimum.", V::Cap},
        Rule{"RestSeconds", [](RoundsTable& t) { t.rounds[0].rest.seconds = 0; },
             "Round 1: the rest must last from 1 to 86400 seconds.", V::RestSeconds},
        Rule{"Cycle", [](RoundsTable& t) { t.rounds[1].rest.cycle = 0; },
             "Round 2: the cycle must be from 1 to 86400 seconds.", V::Cycle},
        Rule{"Floor", [](RoundsTable& t) { t.rounds[1].rest.floor = 0; },
             "Round 2: the shortest rest of the cycle must be from 1 to 86400 seconds.", V::Floor},
        Rule{"BreathMaximum", [](RoundsTable& t) { t.rounds[2].rest.maximum = 61; },
             "Round 3: the longest one-breath rest must be from 1 to 60 seconds.",
             V::BreathMaximum},
        Rule{"TooManyRounds",
             [](RoundsTable& t) {
                 t.rounds = QList<Round>(33, {HoldRule::Timed(1), RestRule::Timed(1), 1000});
             },
             "The table runs 33000 rounds with its repeats, more than 32767.", V::Repeat},
        // The session clock counts 32-bit seconds: a day's hold and rest 12428 times, and
        // an intro a second longer than the clock has room for.
        Rule{
            "TooLong",
            [](RoundsTable& t) {
                t.intro = 11648;
                t.rounds = QList<Round>(12, {HoldRule::Timed(86400), RestRule::Timed(86400), 1000});
                t.rounds.append({HoldRule::Timed(86400), RestRule::Timed(86400), 428});
            },
            "The table lasts 2147483648 seconds in all, more than 2147483647.", V::Repeat},
        Rule{"TooLongAtMost",
             [](RoundsTable& t) {
                 t.rounds = QList<Round>(
                     33, {HoldRule::AtContraction(1, 86400), RestRule::OneBreath(60), 992});
             },
             "The table lasts up to 2830354530 seconds in all, more than 2147483647.", V::Repeat}),
    [](const auto& info) { return info.param.label; });

TEST(TableRules, KeepToTheLimitsAtBothEnds) {
    RoundsTable table;
    table.intro = kMaxPhaseSeconds;
    table.name = QString(200, QChar(0x2713));
    table.rounds = {{HoldRule::AtFirstContraction(600, 1, 1), RestRule::OnCycle(1, 86400), 767},
                    {HoldRule::AtContraction(50, 86400, 86400), RestRule::OneBreath(60), 1000}};
    table.rounds += QList<Round>(31, {HoldRule::Timed(1), RestRule::Timed(1), 1000});
    EXPECT_EQ(RunRoundCount(table), kMaxRunRounds);
    EXPECT_TRUE(TableProblems(table).isEmpty());
    // As long as the session clock counts, to the second.
    table.intro = 11647;
    table.rounds = QList<Round>(12, {HoldRule::Timed(86400), RestRule::Timed(86400), 1000});
    table.rounds.append({HoldRule::Timed(86400), RestRule::Timed(86400), 428});
    EXPECT_EQ(Length(table).seconds, std::numeric_limits<qint32>::max());
    EXPECT_TRUE(TableProblems(table).isEmpty());
}

TEST(RunOrder, CountsOutTheRepeatsAndRunsNoRestAfterTheLastHold) {
    RoundsTable table = ThreeRounds();
    table.rounds[0].repeat = 2;
    table.rounds[2].repeat = 2;
    const QList<RunRound> order = RunOrder(table);
    ASSERT_EQ(order.size(), 5);
    const int rows[] = {0, 0, 1, 2, 2};
    const int repetitions[] = {1, 2, 1, 1, 2};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(order[i].row, rows[i]);
        EXPECT_EQ(order[i].repetition, repetitions[i]);
        EXPECT_TRUE(order[i].hold == table.rounds[rows[i]].hold);
        EXPECT_EQ(order[i].rest.has_value(), i < 4);
    }
    EXPECT_TRUE(order[3].rest == RestRule::OneBreath());
}

struct LengthCase {
    const char* label;
    QList<Round> rounds;
    TableLength length;  // with an intro of 10
};

class TableLengths : public ::testing::TestWithParam<LengthCase> {};

TEST_P(TableLengths, AreExactOnlyWhenEveryPhaseRunIsKnownBeforehand) {
    RoundsTable table;
    table.intro = 10;
    table.rounds = GetParam().rounds;
    EXPECT_EQ(Length(table).seconds, GetParam().length.seconds);
    EXPECT_EQ(Length(table).exact, GetParam().length.exact);
    EXPECT_EQ(EveryPhaseTimed(table), GetParam().length.exact);
}

const auto T = HoldRule::Timed;
const auto Rest = RestRule::Timed;
INSTANTIATE_TEST_SUITE_P(
    Tables, TableLengths,
    ::testing::Values(
        LengthCase{"OneHold", {{T(60), Rest(999), 1}}, {70, true}},
        LengthCase{"RepeatsLastRestNotRun", {{T(60), Rest(120), 8}}, {10 + 8 * 60 + 7 * 120, true}},
        LengthCase{"Pyramid",
                   {{T(60), Rest(60), 1}, {T(90), Rest(60), 1}, {T(60), Rest(60), 1}},
                   {10 + 210 + 120, true}},
        LengthCase{
            "CycleAfterTimedHold", {{T(50), RestRule::OnCycle(120), 3}}, {10 + 150 + 140, true}},
        LengthCase{
            "CycleBelowItsFloor", {{T(110), RestRule::OnCycle(120, 15), 2}}, {10 + 220 + 15, true}},
        LengthCase{"BreathAfterLastHoldNotRun",
                   {{T(60), Rest(60), 1}, {T(60), RestRule::OneBreath(), 1}},
                   {10 + 120 + 60, true}},
        LengthCase{"BreathRestUpTo", {{T(60), RestRule::OneBreath(8), 3}}, {10 + 180 + 16, false}},
        LengthCase{"WonkaUpToItsCap",
                   {{HoldRule::AtFirstContraction(30, 180), Rest(120), 8}},
                   {10 + 8 * 180 + 7 * 120, false}},
        LengthCase{"CycleAfterTheShortestContractionHold",
                   {{HoldRule::AtFirstContraction(30, 180, 40), RestRule::OnCycle(120), 2},
                    {HoldRule::AtContraction(3, 90), RestRule::OnCycle(100, 20), 2}},
                   {10 + 2 * 180 + 2 * 80 + 2 * 90 + 99, false}},
        LengthCase{"CycleFloorAfterALongMinimum",
                   {{HoldRule::AtContraction(3, 150, 140), RestRule::OnCycle(120, 25), 2}},
                   {10 + 300 + 25, false}}),
    [](const auto& info) { return info.param.label; });

struct PhaseCase {
    const char* label;
    HoldRule hold;
    QList<qint32> contractionsAt;
    qint32 held;
};

class HoldLengths : public ::testing::TestWithParam<PhaseCase> {};

TEST_P(HoldLengths, FollowTheContractionsWithinMinimumAndCap) {
    EXPECT_EQ(HoldLength(GetParam().hold, GetParam().contractionsAt), GetParam().held);
}

INSTANTIATE_TEST_SUITE_P(
    Holds, HoldLengths,
    ::testing::Values(
        PhaseCase{"Timed", T(75), {3, 4}, 75},
        PhaseCase{"FirstPlusMargin", HoldRule::AtFirstContraction(30, 180), {70, 80}, 100},
        PhaseCase{"NoContractionCap", HoldRule::AtFirstContraction(30, 180), {}, 180},
        PhaseCase{"MarginPastCap", HoldRule::AtFirstContraction(30, 180), {170}, 180},
        PhaseCase{"BeforeMinimum", HoldRule::AtFirstContraction(0, 180, 90), {20}, 90},
        PhaseCase{"AtOnceLastsASecond", HoldRule::AtFirstContraction(0, 180), {0}, 1},
        PhaseCase{"NthContraction", HoldRule::AtContraction(3, 180), {40, 50, 61, 70}, 61},
        PhaseCase{"TooFewContractions", HoldRule::AtContraction(3, 120), {40, 50}, 120}),
    [](const auto& info) { return info.param.label; });

TEST(RestLengths, FollowTheirRule) {
    EXPECT_EQ(RestLength(Rest(45), 300), 45);
    EXPECT_EQ(RestLength(RestRule::OnCycle(120, 15), 70), 50);
    EXPECT_EQ(RestLength(RestRule::OnCycle(120, 15), 110), 15);
    EXPECT_EQ(RestLength(RestRule::OneBreath(10), 60, 4), 4);
    EXPECT_EQ(RestLength(RestRule::OneBreath(10), 60, 0), 1);
    EXPECT_EQ(RestLength(RestRule::OneBreath(10), 60, 25), 10);
    EXPECT_EQ(RestLength(RestRule::OneBreath(10), 60), 10);
}

TEST(RuleEquality, LeavesOutWhatTheKindDoesNotUse) {
    HoldRule timed = T(60);
    timed.cap = 999;
    EXPECT_TRUE(timed == T(60));
    EXPECT_FALSE(HoldRule::AtFirstContraction(30, 180) == HoldRule::AtFirstContraction(30, 180, 1));
    RestRule breath = RestRule::OneBreath(10);
    breath.seconds = 5;
    EXPECT_TRUE(breath == RestRule::OneBreath(10));
    EXPECT_FALSE(RestRule::OnCycle(120, 15) == RestRule::OnCycle(120, 16));
}

}  // namespace
}  // namespace vellorin::testing
