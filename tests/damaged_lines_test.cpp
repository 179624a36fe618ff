// Many damaged lines of a file make one message a few lines long: how many, the first few by
// number, the reasons by the first line each was found on, in plurals that agree.
#include <gtest/gtest.h>

#include "damaged_lines.h"

namespace vellorin::testing {
namespace {

QList<DamagedLine> Lines(int count, int from, const QString& reason) {
    QList<DamagedLine> lines;
    for (int i = 0; i < count; ++i) {
        lines.append({from + i, reason});
    }
    return lines;
}

const QString kColumn = "it has 1 column, not 14";
const QString kCut = "the row was cut short";

TEST(DamagedLines, OneMessageNamesTheCountTheFirstLinesAndEachReason) {
    const struct {
        QList<DamagedLine> lines;
        QString message;
    } cases[] = {
        {{}, ""},
        {Lines(1, 3, kColumn), "Left out line 3 of \"/d/log.csv\": it has 1 column, not 14."},
        {Lines(2, 3, kColumn),
         "Left out 2 lines of \"/d/log.csv\": lines 3 and 4. Line 3: it has 1 column, not 14."},
        {Lines(5, 3, kCut),
         "Left out 5 lines of \"/d/log.csv\": lines 3, 4, 5, 6 and 7. Line 3: the row was cut "
         "short."},
        {Lines(6, 3, kCut),
         "Left out 6 lines of \"/d/log.csv\": lines 3, 4, 5, 6, 7 and 1 more. Line 3: the row was "
         "cut short."},
        {Lines(5000, 1200, kColumn),
         "Left out 5,000 lines of \"/d/log.csv\": lines 1,200, 1,201, 1,202, 1,203, 1,204 and "
         "4,995 more. Line 1,200: it has 1 column, not 14."},
        {Lines(2, 3, kColumn) + Lines(3, 9, kCut) + Lines(1, 20, "a") + Lines(1, 30, "b"),
         "Left out 7 lines of \"/d/log.csv\": lines 3, 4, 9, 10, 11 and 2 more. Line 3: it has 1 "
         "column, not 14. Line 9: the row was cut short. Line 20: a."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DamagedLinesMessage("/d/log.csv", c.lines), c.message);
    }
}

TEST(DamagedLines, AFileNameIsNeverTakenForPlacesToFill) {
    EXPECT_EQ(DamagedLinesMessage("/%1 %2/x.csv", Lines(2, 3, "r%1")),
              "Left out 2 lines of \"/%1 %2/x.csv\": lines 3 and 4. Line 3: r%1.");
}

// Counted, not kept: a hundred thousand lines leave the few a message names.
TEST(DamagedLines, KeepsOnlyWhatTheMessageNames) {
    const QList<DamagedLine> all =
        Lines(50000, 2, kColumn) + Lines(50000, 60000, kCut) + Lines(3, 200000, "x");
    DamagedLines kept;
    for (const DamagedLine& line : all) {
        kept.Add(line.line, line.reason);
    }
    EXPECT_EQ(kept.Count(), 100003);
    EXPECT_LE(kept.First().size(), 8);
    EXPECT_EQ(kept.Message("f"), DamagedLinesMessage("f", all));
    EXPECT_EQ(DamagedLines().Message("f"), "");
}

}  // namespace
}  // namespace vellorin::testing
