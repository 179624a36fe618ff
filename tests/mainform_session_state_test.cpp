// The real window showing what the four captions do not say, in lights-out and in the
// window: a pause (the word, the clocks dimmed), a contraction's mark acknowledged and counted
// for its hold, and the session's summary at the end, which the first key only puts away.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include "file_helpers.h"
#include "session_state_view.h"
#include "test_mainform.h"

namespace vellorin::testing {
namespace {

// Holds of 3 and 4 s after a 2 s intro, a rest of 3 between: the end tick is the 13th.
constexpr int kEndTick = 13;
const char kSummary[] =
    "Session over: 2 holds done, 00:07 held\n"
    "2 contractions, the first at 00:02 on average\n"
    "Hold 1: 00:03, 2 contractions, the first at 00:02\n"
    "Hold 2: 00:04, no contractions";

class SessionState : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(dir.path()).mkpath("sessions");
        WriteBytes(dir.filePath("sessions/default.ses"), "2\r\n4\r\n1\r\n3\r\n0\r\n2\r\n");
        form.Form_Load();
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(form.LightsOut() ? View() : static_cast<QWidget*>(&form),
                        static_cast<Qt::Key>(key), modifiers);
    }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) {
            form.SecondsTimer_Timer();
        }
    }
    // Space, two marks in the first hold's second second, on to the end tick.
    void RunToEnd() {
        Key(Qt::Key_Space);
        Ticks(4);
        Key(Qt::Key_Return);
        Key(Qt::Key_C);
        Ticks(kEndTick - 4);
        ASSERT_EQ(form.Text("SequenceLbl"), "End!");
    }
    QWidget* View() const { return form.Find<QWidget>("LightsOutView"); }
    QLabel* Label(const char* name) const { return form.Find<QLabel>(name); }
    // The label's text, or "-" while it is hidden.
    QString Shown(const char* name) const {
        QLabel* label = Label(name);
        return label->isHidden() ? "-" : label->text();
    }
    QColor Colour(const char* name) const {
        return Label(name)->palette().color(QPalette::WindowText);
    }

    QTemporaryDir dir;
    TestMainform form{dir.path()};
};

TEST_F(SessionState, APauseShowsTheWordAndDimsTheClocksTheCaptionsUnchanged) {
    Key(Qt::Key_Space);
    Ticks(3);
    Key(Qt::Key_F11);
    const QColor bright = Colour("LightsOutPhase");
    const QColor windowText = Colour("SequenceLbl");
    const struct {
        const char* step;
        bool paused;
    } steps[] = {
        {"space", true}, {"tick", true}, {"space", false}, {"button", true}, {"button", false}};
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        if (QLatin1String(s.step) == "space") {
            Key(Qt::Key_Space);
        } else if (QLatin1String(s.step) == "tick") {
            Ticks(1);
        } else {
            form.PauseCmd_Click();
        }
        EXPECT_EQ(form.State().PauseMode, s.paused ? 1 : 0);
        EXPECT_EQ(Shown("LightsOutState"), s.paused ? "Paused" : "-");
        for (const char* clock : {"LightsOutSessionClock", "LightsOutPhaseClock"}) {
            EXPECT_EQ(Colour(clock) != bright, s.paused) << clock;
        }
        for (const char* clock : {"SessionClock", "SequenceTimeLbl"}) {
            EXPECT_EQ(Colour(clock) != windowText, s.paused) << clock;
        }
        EXPECT_EQ(Colour("LightsOutPhase"), bright);
        // The captions say what they always said.
        EXPECT_EQ(form.Text("SequenceLbl"), "Hold");
        EXPECT_EQ(form.Text("SessionLbl"), "Loop 1");
        EXPECT_EQ(Shown("LightsOutPhase"), "Hold");
        EXPECT_EQ(form.Text("PauseCmd"), s.paused ? "Resume" : "Pause");
    }
}

TEST_F(SessionState, AMarkIsAcknowledgedForAMomentAndCountedForItsHold) {
    Key(Qt::Key_F11);
    Key(Qt::Key_Space);
    Ticks(3);  // the first second of the first hold
    auto* moment = form.Find<QTimer>("LightsOutMarkTimer");
    const struct {
        const char* step;
        const char* mark;
        const char* count;
    } steps[] = {
        {"enter", "Contraction 1", "Contractions: 1"},
        {"c", "Contraction 2", "Contractions: 2"},
        {"moment over", "-", "Contractions: 2"},
        {"tick", "-", "Contractions: 2"},
        {"enter", "Contraction 3", "Contractions: 3"},
        {"tick", "Contraction 3", "-"},  // into the rest: the next hold counts anew
        {"moment over", "-", "-"},
        {"enter", "-", "-"},  // "not now" in a rest: nothing marked
        {"tick", "-", "-"},
        {"tick", "-", "-"},
        {"tick", "-", "-"},  // the rest's last second
        {"enter", "-", "-"},
        {"tick", "-", "-"},  // the second hold's first second
        {"enter", "Contraction 1", "Contractions: 1"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        const QLatin1String step(s.step);
        if (step == "enter") {
            Key(Qt::Key_Return);
        } else if (step == "c") {
            Key(Qt::Key_C);
        } else if (step == "tick") {
            Ticks(1);
        } else {
            ASSERT_TRUE(moment->isActive());
            EXPECT_EQ(moment->interval(), 1500);
            QMetaObject::invokeMethod(moment, "timeout");
        }
        EXPECT_EQ(Shown("LightsOutMark"), s.mark);
        EXPECT_EQ(Shown("LightsOutCount"), s.count);
        EXPECT_EQ(form.Text("SequenceLbl"), Shown("LightsOutPhase"));
    }
    // Below the displays, never over them.
    const int bottom = std::max(Label("LightsOutPhase")->geometry().bottom(),
                                Label("LightsOutPhaseClock")->geometry().bottom());
    EXPECT_GT(Label("LightsOutMark")->geometry().top(), bottom);
    EXPECT_GT(Label("LightsOutCount")->geometry().top(), bottom);
}

// In lights-out the summary stands in the displays' place until a key, which does nothing
// else: no new session, no pause, lights-out stays on; a key with Ctrl still works.
TEST_F(SessionState, TheSummaryAtTheEndGoesAtTheFirstKeyWhichStartsNothing) {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool reset;  // the key did what it always does
    } cases[] = {
        {Qt::Key_Space, Qt::NoModifier, false},  {Qt::Key_Return, Qt::NoModifier, false},
        {Qt::Key_Escape, Qt::NoModifier, false}, {Qt::Key_F11, Qt::NoModifier, false},
        {Qt::Key_C, Qt::ShiftModifier, false},   {Qt::Key_R, Qt::ControlModifier, true},
    };
    Key(Qt::Key_F11);
    for (const auto& c : cases) {
        SCOPED_TRACE(QKeySequence(c.key | c.modifiers).toString().toStdString());
        RunToEnd();
        EXPECT_EQ(form.Find<QLabel>("LightsOutSummary")->text(),
                  QString(kSummary) + "\n\nAny key: back to the displays");
        EXPECT_EQ(Shown("LightsOutPhase"), "-");  // the summary in the displays' place
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        const qsizetype played = form.played.size();
        Key(Qt::Key_Shift);  // a modifier alone means nothing
        Key(c.key, c.modifiers);
        EXPECT_EQ(Shown("LightsOutSummary"), "-");
        EXPECT_EQ(Shown("LightsOutPhase"), c.reset ? "Intro" : "End!");
        EXPECT_TRUE(form.LightsOut());
        EXPECT_EQ(form.State().Mode, c.reset ? 0 : 1);
        EXPECT_FALSE(form.SecondsTimer()->isActive());
        EXPECT_EQ(form.State().PauseMode, 0);
        EXPECT_EQ(form.played.size(), played);
        if (!c.reset) {
            Key(Qt::Key_Space);  // the next key is the session's again: a new one
            EXPECT_TRUE(form.SecondsTimer()->isActive());
            Key(Qt::Key_R, Qt::ControlModifier);
        }
    }
}

// In the window the summary has a box of its own, which holds up neither the clock nor
// closing, and goes when a session starts again or the window closes.
TEST_F(SessionState, TheWindowShowsTheSummaryInABoxThatHoldsNothingUp) {
    for (const char* then : {"start", "close"}) {
        SCOPED_TRACE(then);
        form.show();
        RunToEnd();
        QList<QMessageBox*> boxes;
        for (QMessageBox* box : form.findChildren<QMessageBox*>("SessionSummaryBox")) {
            if (box->isVisible()) {
                boxes.append(box);
            }
        }
        ASSERT_EQ(boxes.size(), 1);
        QMessageBox* box = boxes[0];
        EXPECT_EQ(box->text(), kSummary);
        EXPECT_FALSE(box->isModal());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        const QPointer<QMessageBox> shown = box;
        if (QLatin1String(then) == "start") {
            Key(Qt::Key_Space);
            EXPECT_TRUE(form.SecondsTimer()->isActive());
            Key(Qt::Key_R, Qt::ControlModifier);
        } else {
            EXPECT_TRUE(form.close());
        }
        EXPECT_TRUE(shown.isNull() || !shown->isVisible());
    }
}

TEST(SummaryText, ALongTableSumsUpItsLaterHoldsInOneLine) {
    EndSummary summary{20, 20, 20 * 90, 20, 90, 45, {}};
    for (qint16 loop = 1; loop <= 20; ++loop) {
        summary.perHold.append({loop, 90, 1, 45, true});
    }
    const QStringList lines = SummaryText(summary).split('\n');
    ASSERT_EQ(lines.size(), 2 + kSummaryHolds);
    EXPECT_EQ(lines[0], "Session over: 20 holds done, 30:00 held");
    EXPECT_EQ(lines[2 + 14], "Hold 15: 01:30, 1 contraction, the first at 00:45");
    EXPECT_EQ(lines.constLast(), "Holds 16 to 20: 07:30 held, 5 contractions");
    summary.completed = 19;
    summary.perHold[19].completed = false;
    summary.perHold.resize(3);
    EXPECT_EQ(SummaryText(summary).split('\n').constFirst(),
              "Session over: 19 holds done of 20 begun, 30:00 held");
    EXPECT_EQ(SummaryText(summary).split('\n').size(), 5);
}

}  // namespace
}  // namespace vellorin::testing
