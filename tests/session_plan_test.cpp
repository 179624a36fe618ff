#include <gtest/gtest.h>

#include <QLocale>
#include <limits>

#include "fake_window.h"
#include "session_error.h"
#include "session_plan.h"

namespace vellorin {
namespace {

TEST(RoundToLong, RoundsTiesToEven) {
    EXPECT_EQ(RoundToLong(2.5), 2);
    EXPECT_EQ(RoundToLong(3.5), 4);
    EXPECT_EQ(RoundToLong(-2.5), -2);
    EXPECT_EQ(RoundToLong(-3.5), -4);
    EXPECT_EQ(RoundToLong(60.5), 60);
    EXPECT_EQ(RoundToLong(2.4999), 2);
    EXPECT_EQ(RoundToLong(2.5001), 3);
}

TEST(RoundToLong, KeepsTheWhole32BitRange) {
    EXPECT_EQ(RoundToLong(2147483647.0), 2147483647);
    EXPECT_EQ(RoundToLong(2147483647.4), 2147483647);
    EXPECT_EQ(RoundToLong(-2147483648.0), std::numeric_limits<qint32>::min());
    EXPECT_EQ(RoundToLong(-2147483648.5), std::numeric_limits<qint32>::min());
}

TEST(RoundToLong, RefusesWhatDoesNotFit) {
    for (double x :
         {2147483647.5, 2147483648.0, -2147483649.0, 1e300, std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_THROW(RoundToLong(x), SessionError) << x;
    }
}

TEST(FieldValue, ReadsPlainNumbersWithBlanksAndExponents) {
    EXPECT_EQ(FieldValue("60"), 60.0);
    EXPECT_EQ(FieldValue(" 60 "), 60.0);
    EXPECT_EQ(FieldValue("-5"), -5.0);
    EXPECT_EQ(FieldValue("+5"), 5.0);
    EXPECT_EQ(FieldValue("2.5"), 2.5);
    EXPECT_EQ(FieldValue("1e2"), 100.0);
}

TEST(FieldValue, RefusesWhatIsNotANumber) {
    for (const char* text : {"", "  ", "abc", "6o", "1,000", "inf", "nan", "1e999", "--1"}) {
        EXPECT_THROW(FieldValue(text), SessionError) << text;
    }
}

TEST(FieldValue, FollowsTheLocalesDecimalSeparator) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(FieldValue("2,5"), 2.5);
    EXPECT_THROW(FieldValue("1.000"), SessionError);  // a thousands separator is refused
    QLocale::setDefault(saved);
}

class PlanTest : public ::testing::Test {
protected:
    SessionPlan Plan(const QStringList& settings) {
        window.SetSettings(settings);
        return SessionPlan(window);
    }
    testing::FakeWindow window;
};

TEST_F(PlanTest, WorkedExample) {
    const SessionPlan plan = Plan({"10", "60", "10", "30", "5", "3"});
    EXPECT_EQ(plan.LoopHoldTime(1), 40.0);
    EXPECT_EQ(plan.LoopHoldTime(2), 50.0);
    EXPECT_EQ(plan.LoopHoldTime(3), 60.0);
    EXPECT_EQ(plan.LoopRestTime(1), 30.0);
    EXPECT_EQ(plan.LoopRestTime(2), 25.0);
    EXPECT_EQ(plan.SessionDuration(), 215);
    EXPECT_EQ(plan.IntroCount(), 10);
}

struct DurationCase {
    const char* name;
    QStringList settings;
    qint32 duration;
};

void PrintTo(const DurationCase& c, std::ostream* os) {
    *os << c.name;
}

class SessionDurationTest : public PlanTest, public ::testing::WithParamInterface<DurationCase> {};

TEST_P(SessionDurationTest, IsIntroPlusHoldsPlusRests) {
    EXPECT_EQ(Plan(GetParam().settings).SessionDuration(), GetParam().duration);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, SessionDurationTest,
    ::testing::Values(
        // n = 1: intro and the one hold; the rest term is zero whatever R and dR are.
        DurationCase{"OneLoop", {"10", "60", "10", "30", "5", "1"}, 70},
        // n = 2: one rest of R, whatever dR is.
        DurationCase{"TwoLoops", {"10", "60", "10", "30", "999", "2"}, 10 + 50 + 60 + 30},
        // 2.5 + 60 = 62.5 rounds to 62 in the first step.
        DurationCase{"FractionalIntro", {"2.5", "60", "0", "30", "5", "1"}, 62},
        DurationCase{"FractionalIntroRoundsUp", {"3.5", "60", "0", "30", "5", "1"}, 64},
        DurationCase{"DefaultTable", {"30", "60", "0", "120", "15", "8"}, 1035}),
    [](const auto& info) { return info.param.name; });

TEST_F(PlanTest, FractionalIntroCountsRoundedToEven) {
    EXPECT_EQ(Plan({"2.5", "60", "0", "30", "5", "1"}).IntroCount(), 2);
    EXPECT_EQ(Plan({"3.5", "60", "0", "30", "5", "1"}).IntroCount(), 4);
}

TEST_F(PlanTest, ReadsOnlyTheFieldsItNeeds) {
    // The hold of a loop needs neither the rest fields nor the intro.
    const SessionPlan plan = Plan({"", "60", "10", "x", "", "3"});
    EXPECT_EQ(plan.LoopHoldTime(1), 40.0);
    EXPECT_THROW(plan.LoopRestTime(1), SessionError);
    EXPECT_THROW(plan.SessionDuration(), SessionError);
}

TEST_F(PlanTest, HugeValuesAreErrorsNotInfinities) {
    EXPECT_THROW(Plan({"10", "1e308", "-1e308", "30", "5", "3"}).LoopHoldTime(1), SessionError);
    EXPECT_THROW(Plan({"10", "1e308", "0", "1e308", "5", "3"}).SessionDuration(), SessionError);
}

}  // namespace
}  // namespace vellorin
