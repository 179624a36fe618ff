// What the table editor does to a table of rounds: rows added from the row before, copied,
// removed down to none, moved; typed times and counts read; the total line.
#include <gtest/gtest.h>

#include <functional>

#include "fake_window.h"
#include "rounds_editing.h"

namespace vellorin::testing {
namespace {

RoundsTable Rows(std::initializer_list<qint32> holds) {
    RoundsTable table;
    for (qint32 hold : holds) {
        table.rounds.append({HoldRule::Timed(hold), RestRule::Timed(100 + hold), 2});
    }
    return table;
}

QList<qint32> Holds(const RoundsTable& table) {
    QList<qint32> holds;
    for (const Round& round : table.rounds) {
        holds.append(round.hold.seconds * 10 + round.repeat);  // a hold and its repeat in one
    }
    return holds;
}

TEST(RoundsEditing, OperationsKeepRowsAndSelectTheRightOne) {
    enum Op { Add, Duplicate, Remove, Up, Down };
    struct Case {
        std::initializer_list<qint32> rows;
        Op op;
        int current;
        QList<qint32> after;  // hold * 10 + repeat
        int selected;
    };
    const Case cases[] = {
        {{10, 20, 30}, Add, 0, {102, 101, 202, 302}, 1},  // from row 0's values, once
        {{10, 20}, Add, -1, {102, 202, 201}, 2},          // no row selected: after the last
        {{}, Add, -1, {601}, 0},                          // a new table's first row
        {{10, 20}, Duplicate, 1, {102, 202, 202}, 2},     // the repeat kept too
        {{10}, Duplicate, 3, {102}, -1},
        {{10, 20, 30}, Remove, 1, {102, 302}, 1},
        {{10, 20}, Remove, 1, {102}, 0},
        {{10}, Remove, 0, {}, -1},  // down to no rows
        {{10, 20, 30}, Up, 2, {102, 302, 202}, 1},
        {{10, 20}, Up, 0, {102, 202}, 0},
        {{10, 20}, Down, 1, {102, 202}, 1},
        {{10, 20, 30}, Down, 0, {202, 102, 302}, 1},
    };
    for (const Case& c : cases) {
        RoundsTable table = Rows(c.rows);
        const int selected = c.op == Add         ? AddRound(table, c.current, std::nullopt)
                             : c.op == Duplicate ? DuplicateRound(table, c.current)
                             : c.op == Remove    ? RemoveRound(table, c.current)
                                                 : MoveRound(table, c.current, c.op == Up ? -1 : 1);
        EXPECT_EQ(Holds(table), c.after) << c.op << " at " << c.current;
        EXPECT_EQ(selected, c.selected) << c.op << " at " << c.current;
    }
    // A first row's cap is the best on record, so that a switch to a contraction keeps it.
    RoundsTable empty;
    AddRound(empty, -1, 150);
    EXPECT_EQ(empty.rounds[0].hold.cap, 150);
    EXPECT_TRUE(TableProblems(empty).isEmpty());
}

TEST(RoundsEditing, TypedValuesReadBackAndUnreadOnesAreProblems) {
    const struct {
        TableValue value;
        const char* typed;
        qint32 number;
    } cases[] = {
        {TableValue::HoldSeconds, "3:05", 185},     {TableValue::HoldSeconds, " 185 ", 185},
        {TableValue::Cap, "1:02:05", 3725},         {TableValue::Margin, "0", 0},
        {TableValue::Cycle, "3:5", kUnreadValue},   {TableValue::RestSeconds, "", kUnreadValue},
        {TableValue::Floor, "-5", kUnreadValue},    {TableValue::Repeat, "08", 8},
        {TableValue::Repeat, "1:00", kUnreadValue},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ValueFromText(c.value, c.typed), c.number) << c.typed;
        // What a field shows reads back as the same value; an unread one shows nothing.
        EXPECT_EQ(ValueFromText(c.value, ValueText(c.value, c.number)), c.number) << c.typed;
    }
    // A value that cannot be read is a problem of its round and of that value.
    RoundsTable table = Rows({10, 20});
    table.rounds[1].rest = RestRule::OnCycle(120);
    SetRoundValue(table.rounds[1], TableValue::Cycle, ValueFromText(TableValue::Cycle, "2:5"));
    const QList<TableProblem> problems = TableProblems(table);
    ASSERT_EQ(problems.size(), 1);
    EXPECT_EQ(problems[0].round, 2);
    EXPECT_EQ(problems[0].value, TableValue::Cycle);
}

TEST(RoundsEditing, TotalSaysUpToWhereAPhaseEndsAtAContractionOrAKey) {
    // Each from an intro of 0:30 and 2 × 1:00 with a rest of 2:40 between.
    const auto with = [](const std::function<void(Round&)>& change) {
        RoundsTable table = Rows({60});
        change(table.rounds[0]);
        return table;
    };
    const struct {
        RoundsTable table;
        const char* total;
    } cases[] = {
        {with([](Round&) {}), "2 rounds, 05:10"},
        {with([](Round& r) { r.hold = HoldRule::AtFirstContraction(30, 150); }),
         "2 rounds, up to 08:10"},
        {with([](Round& r) { r.rest = RestRule::OneBreath(10); }), "2 rounds, up to 02:40"},
        {with([](Round& r) { r.repeat = 1; }), "1 round, 01:30"},
        {with([](Round& r) { r.repeat = 30; }), "30 rounds, 1:47:50"},
        {with([](Round& r) { r.hold.seconds = kUnreadValue; }), "2 rounds"},
        {RoundsTable{}, "0 rounds"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TotalText(c.table), c.total);
    }
}

}  // namespace
}  // namespace vellorin::testing
