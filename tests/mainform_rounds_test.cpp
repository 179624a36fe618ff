// The real window running tables of rounds by keys: a pyramid loaded from its file, a Wonka
// table made from the Tables menu, each shown in the rounds list and run to its end, each
// hold kept in the log with its rule.
#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QTest>

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
    EXPECT_TRUE(rows[3].endsWith(",4,70,70,,0,yes,rounds,time:70,time:70"))
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
                         "time:120"))
        << rows[0].toStdString();
    EXPECT_TRUE(rows[7].endsWith(",8,90,40,10,1,yes,rounds,first-contraction:30/cap:90/min:0,"))
        << rows[7].toStdString();
}

}  // namespace
}  // namespace vellorin::testing
