#include <gtest/gtest.h>

#include "allgemein.h"

namespace vellorin {
namespace {

struct ClockCase {
    qint32 seconds;
    const char* text;
};

void PrintTo(const ClockCase& c, std::ostream* os) {
    *os << c.seconds;
}

class FormatSecondsTest : public ::testing::TestWithParam<ClockCase> {};

TEST_P(FormatSecondsTest, GivesTheClockText) {
    EXPECT_EQ(FormatSeconds(GetParam().seconds), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Whole, FormatSecondsTest,
                         ::testing::Values(ClockCase{0, "00:00"}, ClockCase{5, "00:05"},
                                           ClockCase{59, "00:59"}, ClockCase{60, "01:00"},
                                           ClockCase{215, "03:35"}, ClockCase{600, "10:00"},
                                           ClockCase{3599, "59:59"}));
INSTANTIATE_TEST_SUITE_P(Hours, FormatSecondsTest,
                         ::testing::Values(ClockCase{3600, "1:00:00"}, ClockCase{3661, "1:01:01"},
                                           ClockCase{3725, "1:02:05"}, ClockCase{6360, "1:46:00"},
                                           ClockCase{86399, "23:59:59"},
                                           ClockCase{359999, "99:59:59"}));
INSTANTIATE_TEST_SUITE_P(Negative, FormatSecondsTest,
                         ::testing::Values(ClockCase{-1, "0-1:0-1"}, ClockCase{-59, "0-1:0-59"},
                                           ClockCase{-60, "0-1:00"}, ClockCase{-61, "0-2:0-1"},
                                           ClockCase{-600, "0-10:00"}));
INSTANTIATE_TEST_SUITE_P(Extremes, FormatSecondsTest,
                         ::testing::Values(ClockCase{2147483647, "596523:14:07"},
                                           ClockCase{-2147483647 - 1, "0-15:0-8"}));

TEST(FloorValue, RoundsTowardMinusInfinity) {
    EXPECT_EQ(FloorValue(2.5), 2.0);
    EXPECT_EQ(FloorValue(-2.5), -3.0);
    EXPECT_EQ(FloorValue(-0.0166), -1.0);
    EXPECT_EQ(FloorValue(7.0), 7.0);
    EXPECT_EQ(FloorValue(-7.0), -7.0);
}

TEST(ReplaceText, ReplacesEveryOccurrenceLeftToRight) {
    EXPECT_EQ(ReplaceText("0 5: 12", " ", ""), "05:12");
    EXPECT_EQ(ReplaceText("", " ", ""), "");
    EXPECT_EQ(ReplaceText("03:35", " ", ""), "03:35");
    EXPECT_EQ(ReplaceText("aaaa", "aa", "b"), "bb");
    EXPECT_EQ(ReplaceText("aaa", "aa", "b"), "ba");
    // The replacement is never searched again.
    EXPECT_EQ(ReplaceText("ab", "a", "aa"), "aab");
    EXPECT_EQ(ReplaceText("Xx", "x", "y"), "Xy");
}

TEST(ReplaceText, EmptyFindReturnsTheSource) {
    EXPECT_EQ(ReplaceText("abc", "", "x"), "abc");
}

}  // namespace
}  // namespace vellorin
