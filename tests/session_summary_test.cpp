// What a session came to, summed up from its holds for the end: how many were done, what
// they held, their contractions and when the first came; and the recorder keeping every hold
// of the session for it, until the next Start.
#include "session_summary.h"
#include "session_fixture.h"
#include "session_recorder.h"

namespace vellorin::testing {
namespace {

HoldRecord Hold(qint16 loop, qint32 held, int contractions, std::optional<qint32> first,
                bool completed = true) {
    return HoldRecord{loop, held, held, first, contractions, completed, HoldRule::Timed(held), {}};
}

TEST(SessionSummary, SumsUpTheHoldsOfTheSession) {
    using H = HoldSummary;
    const struct {
        const char* name;
        QList<HoldRecord> holds;
        EndSummary summary;
    } cases[] = {
        {"no hold", {}, {0, 0, 0, 0, std::nullopt, std::nullopt, {}}},
        {"without contractions",
         {Hold(1, 60, 0, {}), Hold(2, 75, 0, {})},
         {2, 2, 135, 0, 75, std::nullopt, {H{1, 60, 0, {}, true}, H{2, 75, 0, {}, true}}}},
        {"the first contraction averaged over the holds that had one, half up",
         {Hold(1, 60, 2, 35), Hold(2, 70, 0, {}), Hold(3, 80, 3, 40)},
         {3,
          3,
          210,
          5,
          80,
          38,
          {H{1, 60, 2, 35, true}, H{2, 70, 0, {}, true}, H{3, 80, 3, 40, true}}}},
        {"an average that rounds down",
         {Hold(1, 50, 1, 10), Hold(2, 50, 1, 10), Hold(3, 50, 1, 11)},
         {3,
          3,
          150,
          3,
          50,
          10,
          {H{1, 50, 1, 10, true}, H{2, 50, 1, 10, true}, H{3, 50, 1, 11, true}}}},
        {"a hold cut short is begun, not done, and its seconds count",
         {Hold(1, 90, 1, 62), Hold(2, 20, 0, {}, false)},
         {2, 1, 110, 1, 90, 62, {H{1, 90, 1, 62, true}, H{2, 20, 0, {}, false}}}},
        {"the longest is not the last",
         {Hold(4, 120, 4, 0), Hold(5, 30, 0, {})},
         {2, 2, 150, 4, 120, 0, {H{4, 120, 4, 0, true}, H{5, 30, 0, {}, true}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const EndSummary summary = SummarizeSession(c.holds);
        EXPECT_EQ(summary.holds, c.summary.holds);
        EXPECT_EQ(summary.completed, c.summary.completed);
        EXPECT_EQ(summary.totalHeld, c.summary.totalHeld);
        EXPECT_EQ(summary.totalContractions, c.summary.totalContractions);
        EXPECT_EQ(summary.longestHold, c.summary.longestHold);
        EXPECT_EQ(summary.averageFirstContraction, c.summary.averageFirstContraction);
        EXPECT_TRUE(summary.perHold == c.summary.perHold);
    }
}

}  // namespace
}  // namespace vellorin::testing
