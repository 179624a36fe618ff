// Keys that cannot cost a session: while a session runs or is paused, and during a
// personal-best test, Enter and C mark a contraction in a hold and say "not now" anywhere
// else, whatever has the focus, never clicking a button or typing. Start's refusal puts the
// focus on the field to mend however Start was asked for, Ctrl+Z undoes a Load, and the
// question whether to close goes once the session it was about has ended under it.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include "file_helpers.h"
#include "test_mainform.h"

namespace vellorin::testing {
namespace {

const char* const kFocusable[] = {"IntroTbx", "HoldTbx",    "HoldIncTbx", "RestTbx", "RestDecTbx",
                                  "LoopsTbx", "ControlCmd", "PauseCmd",   "LoadCmd", "SaveCmd"};

class SessionKeysWindow : public ::testing::Test {
protected:
    void SetUp() override {
        form.userDataFolder = dir.filePath("data");
        form.Form_Load();
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    void Table(const QStringList& texts) {
        for (int i = 0; i < texts.size(); ++i) {
            form.SetFieldText(kSettingsFields[i], texts[i]);
        }
    }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) {
            form.SecondsTimer_Timer();
        }
    }
    QStringList Fields() const { return FieldTexts(form); }

    QTemporaryDir dir;
    TestMainform form{dir.path()};
};

// Every phase of a session and of a test, every control focused, each of the three keys.
TEST_F(SessionKeysWindow, EnterAndCNeverClickOrTypeWhileASessionOrTestIsUnderWay) {
    const struct {
        const char* phase;
        int ticks;  // into the table "1 5 0 3 0 2": intro 1, holds of 5, a rest of 3
        bool pause;
        bool test;  // a personal-best test instead of the session
        const char* heard;
    } phases[] = {
        {"intro", 0, false, false, "notnow.wav"},
        {"hold", 3, false, false, "click.wav"},
        {"rest", 7, false, false, "notnow.wav"},
        {"paused in a hold", 3, true, false, "click.wav"},
        {"paused in a rest", 7, true, false, "notnow.wav"},
        {"test countdown", 2, false, true, "notnow.wav"},
        {"test hold", 12, false, true, "notnow.wav"},
    };
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } keys[] = {{Qt::Key_Return, Qt::NoModifier},
                {Qt::Key_Enter, Qt::KeypadModifier},
                {Qt::Key_C, Qt::NoModifier},
                {Qt::Key_C, Qt::ShiftModifier}};
    for (const auto& phase : phases) {
        for (const char* name : kFocusable) {
            SCOPED_TRACE(std::string(phase.phase) + ", " + name);
            Table({"1", "5", "0", "3", "0", "2"});
            if (phase.test) {
                QTest::keyClick(&form, Qt::Key_T, Qt::ControlModifier);
            } else {
                form.ControlCmd_Click();
            }
            form.SecondsTimer()->stop();  // the test ticks
            Ticks(phase.ticks);
            if (phase.pause) {
                form.PauseCmd_Click();
            }
            const QStringList fields = Fields();
            const qint16 mode = form.State().Mode;
            QWidget* control = form.Find<QWidget>(name);
            control->setFocus();
            for (const auto& key : keys) {
                form.played.clear();
                QTest::keyClick(control, key.key, key.modifiers);
                EXPECT_EQ(form.played.join(' ').section('/', -1), phase.heard);
            }
            EXPECT_EQ(Fields(), fields);
            EXPECT_EQ(form.State().Mode, mode) << "a button was clicked";
            EXPECT_EQ(form.dialog.shown, QStringList{}) << "Load or Save was clicked";
            // Back to idle: the test ends by Space, the session by Ctrl+R.
            QTest::keyClick(&form, phase.test ? Qt::Key_Space : Qt::Key_R,
                            phase.test ? Qt::NoModifier : Qt::ControlModifier);
            form.messages.clear();
            ASSERT_EQ(form.State().Mode, 0);
        }
    }
}

// Start refused, by its button or by Space: the field to mend has the focus, and the box
// names it and the reason below the refusal's own words.
TEST_F(SessionKeysWindow, StartsRefusalFocusesTheFieldToMendAndNamesIt) {
    const struct {
        QStringList table;
        const char* field;
        const char* detail;
    } cases[] = {
        {{"1", "5", "0", "3", "0", "x"},
         "LoopsTbx",
         "The field to mend: \"Loops\". The reason: the field \"Loops\" is not a number: \"x\"."},
        {{"0", "5", "0", "3", "0", "2"},
         "IntroTbx",
         "The field to mend: \"Intro\". The reason: the intro must last at least 1 second."},
        {{"1", "5", "0", "3", "3", "3"},
         "RestDecTbx",
         "The field to mend: \"Decrease rest by\". The reason: every rest must last at least 1 "
         "second."},
    };
    for (const auto& c : cases) {
        for (const bool bySpace : {false, true}) {
            SCOPED_TRACE(std::string(c.field) + (bySpace ? " by Space" : " by the button"));
            Table(c.table);
            form.Find<QWidget>("ControlCmd")->setFocus();
            form.messages.clear();
            if (bySpace) {
                QTest::keyClick(form.Find<QWidget>("ControlCmd"), Qt::Key_Space);
            } else {
                QTest::mouseClick(form.Find<QWidget>("ControlCmd"), Qt::LeftButton);
            }
            EXPECT_EQ(form.State().Mode, 0);
            EXPECT_EQ(form.messages, QStringList{kStartErrorMessage});
            EXPECT_EQ(form.focusWidget(), form.Find<QWidget>(c.field));
        }
        QString detail;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            detail = box->informativeText();
            EXPECT_EQ(box->text(), kStartErrorMessage);
            box->accept();
        });
        form.TrainerMainform::ShowMessage(kStartErrorMessage);
        EXPECT_EQ(detail, c.detail);
    }
}

// Ctrl+Z undoes typing in the focused field first, and then the Load; the title marks the
// table while its fields differ from its file.
TEST_F(SessionKeysWindow, CtrlZUndoesTheLoadOnceAFieldHasNoTypingToUndo) {
    WriteBytes(dir.filePath("b.ses"), "1\r\n2\r\n0\r\n4\r\n0\r\n6\r\n");
    Table({"10", "60", "0", "30", "0", "2"});
    const QStringList before = Fields();
    form.dialog.nextFileName = dir.filePath("b.ses");
    form.LoadCmd_Click();
    EXPECT_EQ(form.windowTitle(), "b.ses - 00:33 - Vellorin");
    auto* loops = form.Find<QLineEdit>("LoopsTbx");
    loops->setFocus();
    QTest::keyClicks(loops, "7");
    EXPECT_EQ(form.windowTitle().left(7), "*b.ses ");
    QTest::keyClick(loops, Qt::Key_Z, Qt::ControlModifier);  // the typing
    EXPECT_EQ(form.FieldText(Field::LoopsTbx), "6");
    EXPECT_EQ(form.windowTitle(), "b.ses - 00:33 - Vellorin");
    QTest::keyClick(loops, Qt::Key_Z, Qt::ControlModifier);  // the Load
    EXPECT_EQ(Fields(), before);
    QTest::keyClick(form.Find<QWidget>("ControlCmd"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Fields(), before);  // nothing more to undo
    EXPECT_FALSE(form.findChild<QAction*>("undoload")->isEnabled());
}

// The real question, left unanswered while the session runs to its end under it.
class AskingMainform : public TestMainform {
public:
    using TestMainform::TestMainform;
    bool Confirm(const QString& question) override {
        questions.append(question);
        return TrainerMainform::Confirm(question);
    }
};

TEST(CloseQuestion, GoesWhenTheSessionEndsUnderItAndTheWindowCloses) {
    QTemporaryDir dir;
    AskingMainform form(dir.path());
    form.userDataFolder = dir.filePath("data");
    form.Form_Load();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QStringList table = {"1", "2", "0", "1", "0", "1"};  // intro, one hold of 2, the end
    for (int i = 0; i < 6; ++i) {
        form.SetFieldText(kSettingsFields[i], table[i]);
    }
    form.ControlCmd_Click();  // its timer's first tick is a second away: the test ticks first
    form.SecondsTimer_Timer();
    bool askedWhileRunning = false;
    QTimer::singleShot(0, [&] {
        askedWhileRunning = QApplication::activeModalWidget() != nullptr;
        form.SecondsTimer_Timer();
        form.SecondsTimer_Timer();
        form.SecondsTimer_Timer();  // the end tick, under the question
    });
    QTimer guard;  // should the question stay up, the test fails instead of waiting forever
    guard.callOnTimeout([] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->done(QMessageBox::No);
        }
    });
    guard.start(5000);
    form.close();
    EXPECT_TRUE(askedWhileRunning);
    EXPECT_EQ(form.questions.size(), 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(ReadBytes(form.userDataFolder + "/training-log.csv").endsWith(",1,2,2,,0,yes,classic,time:2,,,,,\r\n"));
}

}  // namespace
}  // namespace vellorin::testing
