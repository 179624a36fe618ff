// The window from the keyboard, eyes closed: Space starts, pauses and resumes whatever
// control has the focus and never resets; Ctrl+R does.
#include <gtest/gtest.h>

#include <QTest>

#include "test_mainform.h"

namespace vellorin::testing {
namespace {

const char* const kFocusable[] = {"IntroTbx", "HoldTbx",    "HoldIncTbx", "RestTbx", "RestDecTbx",
                                  "LoopsTbx", "ControlCmd", "PauseCmd",   "LoadCmd", "SaveCmd"};

enum class Before { Idle, Running, Paused, Ended };

struct SpaceCase {
    const char* name;
    Before before;
    const char* after;  // "ControlCmd|PauseCmd|SequenceLbl|timer" once Space was pressed
    const char* heard;  // the cue that confirms it, if any
};

void PrintTo(const SpaceCase& c, std::ostream* os) {
    *os << c.name;
}

class SpaceKey : public ::testing::TestWithParam<SpaceCase> {
protected:
    void SetUp() override {
        form.Form_Load();
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
    }
    void Bring(Before before) {
        const QStringList table = {"1", "1", "0", "1", "0", "1"};  // intro, one hold, end
        for (int i = 0; i < table.size(); ++i) {
            form.SetFieldText(kSettingsFields[i], table[i]);
        }
        if (before != Before::Idle) {
            form.ControlCmd_Click();
        }
        if (before == Before::Paused) {
            form.PauseCmd_Click();
        }
        if (before == Before::Ended) {
            for (int tick = 0; tick < 3; ++tick) {
                form.SecondsTimer_Timer();
            }
        }
    }
    QString State() const {
        return QStringList{form.Text("ControlCmd"), form.Text("PauseCmd"), form.Text("SequenceLbl"),
                           form.SecondsTimer()->isActive() ? "timer on" : "timer off"}
            .join('|');
    }

    QTemporaryDir dir;
    TestMainform form{dir.path()};
};

TEST_P(SpaceKey, WithEveryControlFocusedDoesTheSameAndNeverResets) {
    for (const char* name : kFocusable) {
        SCOPED_TRACE(name);
        if (form.State().Mode == 1) {
            form.ControlCmd_Click();  // back to idle from what the last round left
        }
        Bring(GetParam().before);
        QWidget* control = form.Find<QWidget>(name);
        control->setFocus();
        const QString before = form.Text(name);
        form.played.clear();
        QTest::keyClick(control, Qt::Key_Space);
        EXPECT_EQ(State().toStdString(), GetParam().after);
        EXPECT_EQ(form.played.join(' ').section('/', -1).toStdString(), GetParam().heard);
        if (qobject_cast<QLineEdit*>(control) != nullptr) {
            EXPECT_EQ(form.Text(name), before) << "Space typed into the field";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    States, SpaceKey,
    ::testing::Values(
        SpaceCase{"IdleStarts", Before::Idle, "Reset|Pause|Intro|timer on", ""},
        SpaceCase{"RunningPauses", Before::Running, "Reset|Resume|Intro|timer on", "pause.wav"},
        SpaceCase{"PausedResumes", Before::Paused, "Reset|Pause|Intro|timer on", "resume.wav"},
        SpaceCase{"EndedStartsAnew", Before::Ended, "Reset|Pause|Intro|timer on", ""}),
    [](const auto& info) { return info.param.name; });

TEST(ResetKey, ResetsARunningSessionAndNeverStartsOne) {
    QTemporaryDir dir;
    TestMainform form(dir.path());
    form.Form_Load();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    for (int i = 0; i < 6; ++i) {
        form.SetFieldText(kSettingsFields[i], "5");
    }
    QTest::keyClick(form.Find<QWidget>("HoldTbx"), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(form.State().Mode, 0);
    form.ControlCmd_Click();
    form.SecondsTimer_Timer();
    QTest::keyClick(form.Find<QWidget>("PauseCmd"), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(form.State().Mode, 0);
    EXPECT_EQ(form.Text("ControlCmd"), "Start");
    EXPECT_FALSE(form.SecondsTimer()->isActive());
}

}  // namespace
}  // namespace vellorin::testing
