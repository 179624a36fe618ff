// Tables made from a personal best: the generator's five values for each PB and kind, each
// table run through the session engine to its end, and the personal-best test timed by ear.
#include "pb_tables.h"
#include "allgemein.h"
#include "pb_test.h"
#include "session_fixture.h"

namespace vellorin::testing {
namespace {

struct PbCase {
    const char* pb;
    PbTableKind kind;
    QStringList settings;  // hold, hold increase, rest, rest decrease, loops
};

void PrintTo(const PbCase& c, std::ostream* os) {
    *os << c.pb << (c.kind == PbTableKind::Co2 ? " CO2" : " O2");
}

class PbTable : public SessionFixture, public ::testing::WithParamInterface<PbCase> {};

TEST_P(PbTable, GivesItsValuesAndRunsToItsEnd) {
    const std::optional<int> pb = ParsePersonalBest(GetParam().pb);
    ASSERT_TRUE(pb);
    const QStringList settings = PbTableSettings(GetParam().kind, *pb);
    EXPECT_EQ(settings, GetParam().settings);
    Settings(QStringList{"30"} + settings);
    Start();
    const qint32 duration = controller.State().SessionTime;
    EXPECT_EQ(RunToEnd(), duration + 1);
    EXPECT_TRUE(window.messages.isEmpty());
    EXPECT_EQ(window.Caption(Control::SequenceLbl), "End!");
    EXPECT_EQ(PbTableWarning(GetParam().kind, settings, *pb), "");  // at the PB: no warning
}

using K = PbTableKind;
INSTANTIATE_TEST_SUITE_P(PersonalBests, PbTable,
                         ::testing::Values(PbCase{"1:00", K::Co2, {"30", "0", "120", "15", "8"}},
                                           PbCase{"1:00", K::O2, {"48", "15", "120", "0", "2"}},
                                           PbCase{"2:00", K::Co2, {"60", "0", "120", "15", "8"}},
                                           PbCase{"120", K::O2, {"96", "15", "120", "0", "6"}},
                                           PbCase{"2:36", K::Co2, {"78", "0", "120", "15", "8"}},
                                           PbCase{"2:36", K::O2, {"125", "15", "120", "0", "8"}},
                                           PbCase{"3:00", K::Co2, {"90", "0", "120", "15", "8"}},
                                           PbCase{"3:00", K::O2, {"144", "15", "120", "0", "8"}},
                                           PbCase{"6:00", K::Co2, {"180", "0", "120", "15", "8"}},
                                           PbCase{"6:00", K::O2, {"288", "15", "120", "0", "8"}},
                                           PbCase{"0:20", K::O2, {"16", "15", "120", "0", "1"}}),
                         [](const auto& info) {
                             return QString::fromLatin1(info.param.pb).remove(':').toStdString() +
                                    (info.param.kind == K::Co2 ? "Co2" : "O2");
                         });

TEST(PersonalBest, IsTypedAsMinutesAndSecondsOrSeconds) {
    const struct {
        const char* text;
        std::optional<int> seconds;
    } cases[] = {{"3:00", 180}, {" 2:36 ", 156}, {"95", 95},  {"10:05", 605}, {"3:60", {}},
                 {"0", {}},     {"-5", {}},      {"3.5", {}}, {"", {}},       {"3:5", {}},
                 {"1:02:05", 3725}, {"26:22:26", 94946}, {"1:60:00", {}}, {"1:2:05", {}}};
    for (const auto& c : cases) {
        EXPECT_EQ(ParsePersonalBest(c.text), c.seconds) << c.text;
    }
}

TEST(PersonalBest, TablesBeyondTheRecordedBestAreWarnedOf) {
    EXPECT_TRUE(PbTableWarning(K::O2, PbTableSettings(K::O2, 200), 180).contains("over 80 %"));
    EXPECT_TRUE(PbTableWarning(K::Co2, PbTableSettings(K::Co2, 400), 180)
                    .contains("longer than your personal best, 03:00"));
    EXPECT_EQ(PbTableWarning(K::O2, PbTableSettings(K::O2, 240), std::nullopt), "");
}

// The test: countdown, "hold", a clock counting up with a mark every 30 s and the whole
// minutes spoken, ended by the user.
TEST(PersonalBestTest, CountsUpWithMarksAndMinutesUntilItIsEnded) {
    FakeWindow window;
    PersonalBestTest test(window);
    test.Start();
    EXPECT_TRUE(window.timerEnabled);
    QStringList heard;
    for (int tick = 1; tick <= 10 + 1 + 150; ++tick) {
        const qsizetype before = window.played.size();
        test.Tick();
        for (qsizetype i = before; i < window.played.size(); ++i) {
            heard.append(
                QStringLiteral("%1:%2").arg(tick).arg(QFileInfo(window.played[i]).fileName()));
        }
    }
    EXPECT_EQ(heard, QStringList({"1:10.wav", "6:5.wav", "7:4.wav", "8:3.wav", "9:2.wav",
                                  "10:1.wav", "11:hold.wav", "41:mark.wav", "71:1min.wav",
                                  "101:mark.wav", "131:2min.wav", "161:mark.wav"}));
    EXPECT_EQ(window.Caption(Control::SessionLbl), "PB test");
    EXPECT_EQ(window.Caption(Control::SequenceLbl), "Hold");
    EXPECT_EQ(window.Caption(Control::SequenceTimeLbl), "02:30");
    EXPECT_EQ(test.Stop(), 150);
    EXPECT_FALSE(window.timerEnabled);
    EXPECT_EQ(window.Caption(Control::SequenceLbl), "End!");
    EXPECT_EQ(test.Stop(), std::nullopt);  // ended once

    test.Start();
    test.Tick();
    EXPECT_EQ(test.Stop(), std::nullopt);          // ended in the countdown: no attempt
    EXPECT_EQ(window.fields[Field::HoldTbx], "");  // no settings field is touched
}

}  // namespace
}  // namespace vellorin::testing
