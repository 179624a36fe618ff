// What a screen reader learns about the window's controls.
#include <gtest/gtest.h>

#include <QAccessible>

#include "test_mainform.h"

namespace vellorin::testing {
namespace {

class Accessibility : public ::testing::Test {
protected:
    Accessibility() { form.Form_Load(); }
    QString Read(const char* control, QAccessible::Text text) const {
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(form.Find<QWidget>(control));
        return accessible ? accessible->text(text) : "<not accessible>";
    }

    QTemporaryDir dir;
    TestMainform form{dir.path()};
};

TEST_F(Accessibility, EveryFieldIsNamedByItsLabel) {
    const std::pair<const char*, const char*> fields[] = {
        {"IntroTbx", "Intro:"},
        {"HoldTbx", "Breath hold(max):"},
        {"HoldIncTbx", "Increase hold time by:"},
        {"RestTbx", "Initial rest time:"},
        {"RestDecTbx", "Decrease rest by:"},
        {"LoopsTbx", "Loops"},
    };
    for (const auto& [field, name] : fields) {
        EXPECT_EQ(Read(field, QAccessible::Name), name) << field;
    }
}

TEST_F(Accessibility, DisplaysReadTheirTextAndTellWhatItIs) {
    const std::tuple<const char*, const char*, const char*> displays[] = {
        {"SessionLbl", "Loop 1", "Current loop"},
        {"SessionClock", "00:00", "Session time left"},
        {"SequenceLbl", "Intro", "Current phase"},
        {"SequenceTimeLbl", "00:00", "Phase time left"},
    };
    for (const auto& [label, name, description] : displays) {
        EXPECT_EQ(Read(label, QAccessible::Name), name) << label;
        EXPECT_EQ(Read(label, QAccessible::Description), description) << label;
    }
}

TEST_F(Accessibility, DisplaysFollowTheSessionAndButtonsTheirCaptions) {
    form.Find<QLineEdit>("IntroTbx")->setText("10");
    form.Find<QLineEdit>("HoldTbx")->setText("60");
    form.Find<QLineEdit>("HoldIncTbx")->setText("10");
    form.Find<QLineEdit>("RestTbx")->setText("30");
    form.Find<QLineEdit>("RestDecTbx")->setText("5");
    form.Find<QLineEdit>("LoopsTbx")->setText("3");
    form.Find<QPushButton>("ControlCmd")->click();
    for (int tick = 0; tick < 81; ++tick) {
        form.SecondsTimer_Timer();
    }
    EXPECT_EQ(Read("SessionLbl", QAccessible::Name), "Loop 2");
    EXPECT_EQ(Read("SequenceLbl", QAccessible::Name), "Hold");
    EXPECT_EQ(Read("ControlCmd", QAccessible::Name), "Reset");
    EXPECT_EQ(Read("PauseCmd", QAccessible::Name), "Pause");
}

}  // namespace
}  // namespace vellorin::testing
