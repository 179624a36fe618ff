#include <gtest/gtest.h>

#include "fake_window.h"
#include "round_list.h"

namespace vellorin::testing {
namespace {

// The classic table's list is what its session runs: the worked example's three loops in
// 3:35, a refused table names why.
TEST(RoundList, ClassicListIsWhatTheSessionRuns) {
    FakeWindow window;
    window.SetSettings({"10", "60", "10", "30", "5", "3"});
    const RoundList list = ClassicList(window);
    ASSERT_EQ(list.rounds.size(), 3);
    EXPECT_EQ(list.length, (TableLength{215, true}));
    EXPECT_EQ(list.rounds[0].hold, HoldRule::Timed(40));
    EXPECT_EQ(list.rounds[1].rest, RestRule::Timed(25));
    EXPECT_FALSE(list.rounds[2].rest.has_value());

    window.SetSettings({"10", "60", "10", "30", "5", "2.5"});
    EXPECT_TRUE(ClassicList(window).rounds.isEmpty());
    EXPECT_FALSE(ClassicList(window).problem.isEmpty());
}

struct PositionCase {
    Phase sequence;
    qint16 loop;
    bool ended;
    std::optional<SessionPosition> expected;
};

TEST(RoundList, PositionNamesTheRoundAndThePhaseAhead) {
    const RoundsTable table{"",
                            30,
                            {{HoldRule::AtFirstContraction(30, 150), RestRule::OnCycle(120, 15), 1},
                             {HoldRule::Timed(60), RestRule::OneBreath(10), 1},
                             {HoldRule::Timed(90), RestRule::Timed(60), 1}},
                            {}};
    const RoundList list = TableList(table);
    using Kind = PhaseAhead::Kind;
    const PositionCase cases[] = {
        {Phase::Intro, 1, false, SessionPosition{1, 3, {Kind::Hold, 150, false}}},
        // A cycle's rest after a hold of unknown length: the most it can last.
        {Phase::Hold, 1, false, SessionPosition{1, 3, {Kind::Rest, 90, false}}},
        {Phase::Rest, 1, false, SessionPosition{1, 3, {Kind::Hold, 60, true}}},
        {Phase::Hold, 2, false, SessionPosition{2, 3, {Kind::Rest, 10, false}}},
        {Phase::Hold, 3, false, SessionPosition{3, 3, {Kind::End, 0, true}}},
        {Phase::Rest, 3, false, SessionPosition{3, 3, {Kind::End, 0, true}}},
        {Phase::Rest, 3, true, std::nullopt},
        {Phase::Hold, 4, false, std::nullopt},  // loops lowered under a classic session
    };
    for (const PositionCase& c : cases) {
        SessionState state;
        state.Mode = 1;
        state.Sequence = c.sequence;
        state.CurLoop = c.loop;
        EXPECT_EQ(Position(state, c.ended, list), c.expected)
            << PhaseKey(c.sequence).toStdString() << ' ' << c.loop;
    }
    EXPECT_EQ(Position(SessionState{}, false, list), std::nullopt);  // idle
}

}  // namespace
}  // namespace vellorin::testing
