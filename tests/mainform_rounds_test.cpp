// The real window running tables of rounds by keys: a pyramid loaded from its file, a Wonka
// table made from the Tables menu, each shown in the rounds list and run to its end, each
// hold kept in the log with its rule.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "file_helpers.h"
#include "rounds_presets.h"
#include "test_mainform.h"
#include "vtable_file.h"

namespace vellorin::testing {
namespace {

class RoundsWindow : public ::testing::Test {
protected:
    void SetUp() override {
        form.userDataFolder = dir.filePath("data");
        form.Form_Load();
        form.resize(900, 500);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        form.messages.clear();  // no default session
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&form, static_cast<Qt::Key>(key), modifiers);
    }
    // Ticks to the end, pressing Enter at the given second of every hold; the ticks run.
    int RunToEnd(int markAt = 0) {
        int ticks = 0;
        int holdSecond = 0;
        while (form.SecondsTimer()->isActive() && ticks < 100000) {
            form.SecondsTimer_Timer();
            ++ticks;
            holdSecond = form.Text("SequenceLbl") == "Hold" ? holdSecond + 1 : 0;
            if (markAt > 0 && holdSecond == markAt) {
                Key(Qt::Key_Return);
            }
        }
        return ticks;
    }
    QStringList LogRows() const {
        QStringList rows = QString::fromUtf8(ReadBytes(form.userDataFolder + "/training-log.csv"))
                               .split("\r\n", Qt::SkipEmptyParts);
        rows.removeFirst();  // the header
        return rows;
    }
    QListWidget* List() const { return form.Find<QListWidget>("RoundsList"); }

    QTemporaryDir dir;
    TestMainform form{dir.path()};
};

TEST_F(RoundsWindow, APyramidIsLoadedShownAndRunByKeys) {
    const QString path = dir.filePath("pyramid.vtable");
    WriteBytes(path, TableFileBytes(*MakePreset(RoundsPreset::Pyramid, 100).table));
    form.dialog.nextFileName = path;
    Key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(form.messages.isEmpty()) << form.messages.join('\n').toStdString();
    EXPECT_EQ(form.windowTitle(), "pyramid.vtable - 12:10 - Vellorin");
    EXPECT_FALSE(form.Find<QLineEdit>("HoldTbx")->isEnabled());
    EXPECT_TRUE(form.Find<QWidget>("RoundsPanel")->isVisible());
    EXPECT_EQ(form.Text("RoundsSummary"), "7 rounds, 12:10");
    ASSERT_EQ(List()->count(), 7);
    EXPECT_EQ(List()->item(3)->text(), "4. Hold 01:10, rest 01:10");

    Key(Qt::Key_Space);
    form.SecondsTimer_Timer();
    EXPECT_EQ(form.Text("RoundsPosition"), "Round 1 of 7. Next: hold 00:40.");
    for (int i = 0; i < 30 + 40 + 50 + 1; ++i) {  // into the second hold
        form.SecondsTimer_Timer();
    }
    EXPECT_EQ(form.Text("SessionLbl"), "Loop 2");
    EXPECT_EQ(form.Text("RoundsPosition"), "Round 2 of 7. Next: rest 00:50.");
    EXPECT_EQ(List()->currentRow(), 1);
    EXPECT_EQ(RunToEnd() + 30 + 40 + 50 + 2, 731);  // 12:10 and the end tick
    EXPECT_EQ(form.Text("SequenceLbl"), "End!");
    const QStringList rows = LogRows();
    ASSERT_EQ(rows.size(), 7);
    EXPECT_TRUE(rows[3].endsWith(",4,70,70,,0,yes,rounds,time:70,time:70,,,,"))
        << rows[3].toStdString();
    EXPECT_TRUE(rows[0].contains(",pyramid.vtable,,,,,,,1,"));
}

TEST_F(RoundsWindow, AWonkaTableFromTheMenuEndsEachHoldItsMarginAfterTheMark) {
    form.personalBest = 90;
    form.findChild<QAction*>("preset-wonka")->trigger();
    EXPECT_EQ(form.windowTitle(), "up to 26:30 - Vellorin");
    ASSERT_EQ(List()->count(), 8);
    EXPECT_EQ(List()->item(0)->text(),
              "1. Hold first contraction + 00:30, up to 01:30, rest 02:00");

    Key(Qt::Key_Space);
    for (int i = 0; i < 30 + 3; ++i) {
        form.SecondsTimer_Timer();
    }
    EXPECT_EQ(form.Text("SequenceTimeLbl"), "00:03");  // counting up: no contraction yet
    EXPECT_EQ(form.Text("SessionClock"), "25:58");     // the most that is left
    Key(Qt::Key_Return);                               // the first contraction, at 0:03
    form.SecondsTimer_Timer();
    EXPECT_EQ(form.Text("SequenceTimeLbl"), "00:30");  // now counting down to 0:33
    EXPECT_EQ(form.Text("SessionClock"), "25:00");
    RunToEnd(10);
    const QStringList rows = LogRows();
    ASSERT_EQ(rows.size(), 8);
    EXPECT_TRUE(
        rows[0].endsWith(",1,90,33,3,2,yes,rounds,first-contraction:30/cap:90/min:0,"
                         "time:120,,,,"))
        << rows[0].toStdString();
    EXPECT_TRUE(rows[7].endsWith(",8,90,40,10,1,yes,rounds,first-contraction:30/cap:90/min:0,,,,,"))
        << rows[7].toStdString();
}

RoundsTable Table(qint32 intro, const QList<Round>& rounds) {
    return RoundsTable{QStringLiteral("t"), intro, rounds, {}};
}

// A breath taken by Enter starts the next hold at the next tick, and that hold is logged
// whole: every second it ran, as long as it was to run.
TEST_F(RoundsWindow, AHoldAfterABreathIsLoggedWhole) {
    const QString path = dir.filePath("breath.vtable");
    WriteBytes(path, TableFileBytes(Table(2, {{HoldRule::Timed(4), RestRule::OneBreath(10), 1},
                                              {HoldRule::Timed(4), RestRule::Timed(3), 1}})));
    form.dialog.nextFileName = path;
    Key(Qt::Key_O, Qt::ControlModifier);
    Key(Qt::Key_Space);
    for (int i = 0; i < 2 + 4 + 2; ++i) {  // two seconds into the rest
        form.SecondsTimer_Timer();
    }
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(RunToEnd(), 4 + 1);
    const QStringList rows = LogRows();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(rows[1].endsWith(",2,4,4,,0,yes,rounds,time:4,,,,,")) << rows[1].toStdString();
}

// At every tick the list names the round the displays show and the phase after the one they
// show, also on the last second of a phase, when the session has already moved on.
TEST_F(RoundsWindow, TheListSaysWhereTheDisplaysAre) {
    const struct {
        const char* name;
        RoundsTable table;
    } cases[] = {
        {"a second of everything", Table(1, {{HoldRule::Timed(1), RestRule::Timed(1), 4}})},
        {"every kind of phase",
         Table(2, {{HoldRule::AtFirstContraction(2, 9), RestRule::OnCycle(12, 2), 1},
                   {HoldRule::AtContraction(2, 9), RestRule::OneBreath(5), 2},
                   {HoldRule::Timed(2), RestRule::Timed(2), 1}})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath("where.vtable");
        WriteBytes(path, TableFileBytes(c.table));
        form.dialog.nextFileName = path;
        Key(Qt::Key_R, Qt::ControlModifier);
        Key(Qt::Key_O, Qt::ControlModifier);
        Key(Qt::Key_Space);
        const QString rounds = QString::number(RunOrder(c.table).size());
        for (int tick = 1; form.SecondsTimer()->isActive() && tick < 200; ++tick) {
            form.SecondsTimer_Timer();
            const QString phase = form.Text("SequenceLbl");
            if (phase == "End!") {
                break;
            }
            const QString next = phase == "Hold" ? "Next: (rest|the end)" : "Next: hold";
            const QString expected =
                "^Round " + form.Text("SessionLbl").mid(5) + " of " + rounds + ". " + next;
            EXPECT_TRUE(form.Text("RoundsPosition").contains(QRegularExpression(expected)))
                << "tick " << tick << ": " << phase.toStdString() << ", "
                << form.Text("RoundsPosition").toStdString();
            if (tick % 3 == 0) {
                Key(Qt::Key_Return);  // contractions, and breaths
            }
        }
    }
}

// A classic session under way goes on being listed as what it is when a table of rounds is
// loaded for the next Start.
TEST_F(RoundsWindow, AClassicSessionKeepsItsListWhenATableOfRoundsIsLoaded) {
    const QStringList settings = {"3", "5", "0", "4", "0", "3"};
    for (int i = 0; i < settings.size(); ++i) {
        form.SetFieldText(kSettingsFields[i], settings[i]);
    }
    Key(Qt::Key_Space);
    form.SecondsTimer_Timer();
    const QString path = dir.filePath("pyramid.vtable");
    WriteBytes(path, TableFileBytes(*MakePreset(RoundsPreset::Pyramid, 100).table));
    form.dialog.nextFileName = path;
    Key(Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(form.windowTitle(), "pyramid.vtable - 12:10 - Vellorin");
    form.SecondsTimer_Timer();
    EXPECT_EQ(form.Text("RoundsSummary"), "3 rounds, 00:26");
    EXPECT_EQ(form.Text("RoundsPosition"), "Round 1 of 3. Next: hold 00:05.");
    EXPECT_EQ(List()->count(), 3);
    Key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(form.Text("RoundsSummary"), "7 rounds, 12:10");
}

// The editor opened on the six settings starts from their table: nothing is changed yet, so
// Escape closes it without a question, and the six settings stay in use.
TEST_F(RoundsWindow, TheEditorOnTheSixSettingsClosesWithoutAQuestion) {
    const QStringList settings = {"3", "5", "0", "4", "0", "3"};
    for (int i = 0; i < settings.size(); ++i) {
        form.SetFieldText(kSettingsFields[i], settings[i]);
    }
    QStringList asked;
    QTimer driver;
    driver.setInterval(20);
    QObject::connect(&driver, &QTimer::timeout, [&asked] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            asked.append(box->text());
            box->button(QMessageBox::Yes)->click();
        } else if (modal != nullptr && modal->windowTitle() == "Table of rounds") {
            // Posted, so that a question it asks is answered by the next round of the timer.
            QCoreApplication::postEvent(
                modal, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
        }
    });
    driver.start();
    Key(Qt::Key_B, Qt::ControlModifier);
    driver.stop();
    EXPECT_EQ(asked, QStringList());
    EXPECT_TRUE(form.Find<QLineEdit>("HoldTbx")->isEnabled());
}

// A table changed in the editor and put in use without being saved is told edited in the
// title; so is the table in use once the editor saved another one to its file and was
// cancelled. Saved and used, it is its file's.
TEST_F(RoundsWindow, ATableEditedButNotSavedIsToldEdited) {
    const struct {
        const char* name;
        QStringList buttons;  // clicked after the name is changed
        QString title;
    } cases[] = {
        {"used", {"UseTable"}, "*wonka.vtable - up to 26:30 - Vellorin"},
        {"saved, then cancelled",
         {"SaveTable", "CancelTable"},
         "*wonka.vtable - up to 26:30 - Vellorin"},
        {"saved and used", {"SaveTable", "UseTable"}, "wonka.vtable - up to 26:30 - Vellorin"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath("wonka.vtable");
        WriteBytes(path, TableFileBytes(*MakePreset(RoundsPreset::Wonka, 90).table));
        form.dialog.nextFileName = path;
        form.LoadCmd_Click();
        ASSERT_EQ(form.windowTitle(), "wonka.vtable - up to 26:30 - Vellorin");
        QTimer::singleShot(0, [&c] {
            QWidget* editor = QApplication::activeModalWidget();
            ASSERT_NE(editor, nullptr);
            QTest::keyClicks(editor->findChild<QLineEdit*>("TableName"), "x");
            for (const QString& button : c.buttons) {
                editor->findChild<QPushButton*>(button)->click();
            }
        });
        form.EditRoundsCmd();
        EXPECT_EQ(form.windowTitle(), c.title);
    }
}

}  // namespace
}  // namespace vellorin::testing
