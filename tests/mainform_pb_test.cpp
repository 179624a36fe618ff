// The personal-best test in the window: an attempt is kept however the test ends, closing
// included, without a box on the way out; good news comes as information; the attempts'
// damaged lines make one message; the attempts can be managed from the Training menu.
#include <gtest/gtest.h>

#include <QAction>
#include <QRegularExpression>
#include <QTest>

#include "file_helpers.h"
#include "test_mainform.h"

namespace vellorin::testing {
namespace {

class MainformPb : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(dir.path()).mkpath("sessions");
        QDir(dir.path()).mkpath("data");
        WriteBytes(dir.filePath("sessions/default.ses"), "30\r\n60\r\n0\r\n120\r\n15\r\n8\r\n");
    }
    // A shown window whose test has held for held seconds (from the "hold" cue on).
    std::unique_ptr<TestMainform> HoldingWindow(int held) {
        auto form = std::make_unique<TestMainform>(dir.path());
        form->userDataFolder = dir.filePath("data");
        form->Form_Load();
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        QTest::keyClick(form->Find<QWidget>("HoldTbx"), Qt::Key_T, Qt::ControlModifier);
        for (int tick = 0; tick < 10 + 1 + held; ++tick) {
            form->SecondsTimer_Timer();
        }
        EXPECT_EQ(form->Text("SessionLbl"), "PB test");
        return form;
    }
    QString Attempts() const { return dir.filePath("data/personal-bests.txt"); }

    QTemporaryDir dir;
};

// Closing mid-hold keeps the attempt as it stands: by Ctrl+Q and Yes (No leaves the test
// running), or the close a signal asks for; no message box stands in the way of the close.
TEST_F(MainformPb, ClosingMidHoldKeepsTheAttempt) {
    const auto quit = [](TestMainform& form) {
        QTest::keyClick(form.Find<QWidget>("HoldTbx"), Qt::Key_Q, Qt::ControlModifier);
    };
    const struct {
        const char* how;
        std::function<void(TestMainform&)> close;
        qsizetype questions;
    } cases[] = {
        {"Ctrl+Q, No, Ctrl+Q, Yes",
         [&](TestMainform& form) {
             form.confirmAnswer = false;
             quit(form);
             EXPECT_TRUE(form.SecondsTimer()->isActive());
             EXPECT_FALSE(QFileInfo::exists(form.userDataFolder + "/personal-bests.txt"));
             form.confirmAnswer = true;
             quit(form);
         },
         3},
        {"a signal", [](TestMainform& form) { form.CloseWithoutAsking(); }, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        QFile::remove(Attempts());
        const std::unique_ptr<TestMainform> form = HoldingWindow(15);
        c.close(*form);
        EXPECT_FALSE(form->isVisible());
        ASSERT_EQ(form->questions.size(), c.questions);
        EXPECT_TRUE(form->questions.constLast().contains(
            c.questions == 3 ? "A personal-best test is running" : "Start the test?"));
        EXPECT_EQ(form->messages, QStringList{});
        EXPECT_TRUE(ReadBytes(Attempts()).endsWith(" 15\n")) << ReadBytes(Attempts()).data();
    }
}

// Space ends the test: a hold kept without a fault is told with the information icon; one
// too short (nothing kept) or one whose file cannot be read is a warning.
TEST_F(MainformPb, TheEndOfATestSaysWhatWasKeptWithTheRightIcon) {
    const struct {
        int held;
        const char* said;
        bool information;
        QByteArray after;
    } cases[] = {
        {20, "for 0:20. A new personal best: it was 0:10.", true,
         "2026-12-01T07:00:00Z 10\n.* 20\n"},
        {0, "nothing was kept", false, "2026-12-01T07:00:00Z 10\n"},
        {20, "Whether it is a personal best is not known", false, ""},  // a folder there
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.said);
        QDir(Attempts()).removeRecursively();
        QFile::remove(Attempts());
        if (c.after.isEmpty()) {
            QDir().mkpath(Attempts());
        } else {
            WriteBytes(Attempts(), "2026-12-01T07:00:00Z 10\n");
        }
        const std::unique_ptr<TestMainform> form = HoldingWindow(c.held);
        QTest::keyClick(form->Find<QWidget>("SaveCmd"), Qt::Key_Space);
        ASSERT_EQ(form->messages.size(), 1);
        EXPECT_TRUE(form->messages[0].contains(c.said)) << form->messages[0].toStdString();
        EXPECT_EQ(form->information.size(), c.information ? 1 : 0);
        if (!c.after.isEmpty()) {
            EXPECT_TRUE(
                QRegularExpression("^" + c.after + "$").match(ReadBytes(Attempts())).hasMatch());
        }
    }
}

// Thirty damaged attempt lines make one message before the table dialog, not thirty.
TEST_F(MainformPb, ManyDamagedAttemptLinesMakeOneMessage) {
    const std::unique_ptr<TestMainform> form = HoldingWindow(1);
    QTest::keyClick(form->Find<QWidget>("SaveCmd"), Qt::Key_Space);
    form->messages.clear();
    QByteArray bytes;
    for (int line = 0; line < 30; ++line) {
        bytes += "2026-12-01T07:00:00Z -1\n";
    }
    WriteBytes(Attempts(), bytes + "2026-12-02T07:00:00Z 90\n");
    form->findChild<QAction*>("pbtable")->trigger();
    ASSERT_EQ(form->messages.size(), 1);
    EXPECT_TRUE(form->messages[0].startsWith("Left out 30 lines of \"" + Attempts() +
                                             "\": lines 1, 2, 3, 4, 5 and 25 more."))
        << form->messages[0].toStdString();
    EXPECT_EQ(form->recordedBest, 90);
}

// The attempts are managed from the Training menu, but not while a test runs.
TEST_F(MainformPb, PersonalBestsAreInTheTrainingMenuOutsideATest) {
    const std::unique_ptr<TestMainform> form = HoldingWindow(1);
    const QAction* bests = form->findChild<QAction*>("pbests");
    ASSERT_NE(bests, nullptr);
    EXPECT_EQ(bests->text(), "Personal &bests...");
    EXPECT_FALSE(bests->isEnabled());
    QTest::keyClick(form->Find<QWidget>("SaveCmd"), Qt::Key_Space);
    EXPECT_TRUE(bests->isEnabled());
}

}  // namespace
}  // namespace vellorin::testing
