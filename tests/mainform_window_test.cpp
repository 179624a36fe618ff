// The window as a desktop program: it grows with its size, shows the displays alone in the
// dark, names its table and length, remembers its size, asks before ending a session, sends
// the focus where a refused table needs mending and exports audio from its menu.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialogButtonBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "file_helpers.h"
#include "history_window.h"
#include "pb_table_dialog.h"
#include "test_mainform.h"

namespace vellorin::testing {
namespace {

QDateTime kStart() {
    return QDateTime::fromString("2026-11-16T07:30:00+01:00", Qt::ISODate);
}

const char* const kDisplays[] = {"SessionLbl", "SessionClock", "SequenceLbl", "SequenceTimeLbl"};

class MainformWindow : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(dir.path()).mkpath("sessions");
        WriteBytes(dir.filePath("sessions/default.ses"), "30\r\n60\r\n0\r\n120\r\n15\r\n8\r\n");
        form.Form_Load();
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    void Trigger(const char* action) { form.findChild<QAction*>(action)->trigger(); }
    QStringList DisplayTexts(const QString& prefix = {}) const {
        QStringList texts;
        for (const char* name : kDisplays) {
            texts.append(form.Text(name));
        }
        return texts;
    }

    QTemporaryDir dir;
    TestMainform form{dir.path()};
};

// The whole layout grows with the window, centred, and nothing overlaps or is cut off.
TEST_F(MainformWindow, TheLayoutGrowsWithTheWindowWithoutOverlapOrClipping) {
    const int menu = form.Find<QMenuBar>("MenuBar")->height();
    for (const QSize size : {QSize(249, 359 + menu), QSize(560, 900), QSize(1200, 700 + menu)}) {
        SCOPED_TRACE(size.width());
        form.resize(size);
        QTest::qWait(20);
        const qreal scale = std::min(size.width() / 249.0, (size.height() - menu) / 359.0);
        EXPECT_NEAR(form.LayoutScale(), scale, 0.01);
        const QRect area = form.Find<QWidget>("DesignArea")->geometry();
        // The rounds list stands beside the design area once there is room for it, the two
        // centred together.
        auto* panel = form.Find<QWidget>("RoundsPanel");
        const QRect group = panel->isVisible() ? area.united(panel->geometry()) : area;
        EXPECT_EQ(panel->isVisible(), size.width() == 1200) << size.width();
        EXPECT_NEAR(group.center().x(), size.width() / 2, 1);
        EXPECT_TRUE(form.rect().contains(group));
        EXPECT_FALSE(panel->isVisible() && panel->geometry().intersects(area));
        for (QWidget* parent : {form.Find<QWidget>("DesignArea"), form.Find<QWidget>("InputFrame"),
                                form.Find<QWidget>("Frame1"), form.Find<QWidget>("Frame2")}) {
            const QList<QWidget*> children =
                parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
            for (qsizetype i = 0; i < children.size(); ++i) {
                EXPECT_TRUE(parent->rect().contains(children[i]->geometry()))
                    << children[i]->objectName().toStdString();
                for (qsizetype j = i + 1; j < children.size(); ++j) {
                    EXPECT_FALSE(children[i]->geometry().intersects(children[j]->geometry()))
                        << children[i]->objectName().toStdString() << " and "
                        << children[j]->objectName().toStdString();
                }
            }
        }
        for (const char* name : kDisplays) {
            auto* label = form.Find<QLabel>(name);
            EXPECT_NEAR(label->font().pointSizeF(), 24 * scale, 24 * scale * 0.25) << name;
            EXPECT_LE(QFontMetricsF(label->font()).horizontalAdvance(label->text()),
                      label->contentsRect().width())
                << name;
        }
    }
}

// F11 or a double-click shows the four displays alone; every key still works there.
TEST_F(MainformWindow, LightsOutShowsTheDisplaysAndKeepsTheKeys) {
    form.ControlCmd_Click();
    form.SecondsTimer_Timer();
    QTest::keyClick(form.Find<QWidget>("HoldTbx"), Qt::Key_F11);
    ASSERT_TRUE(form.LightsOut());
    QTest::qWait(20);
    auto* view = form.Find<QWidget>("LightsOutView");
    EXPECT_TRUE(view->isVisible());
    EXPECT_FALSE(form.Find<QWidget>("DesignArea")->isVisible());
    EXPECT_FALSE(form.Find<QWidget>("RoundsPanel")->isVisible());  // never over the displays
    QStringList shown;
    for (QLabel* label : view->findChildren<QLabel*>()) {
        if (label->isHidden()) {
            continue;  // shown only now and then: a pause, a mark, the summary
        }
        if (label->objectName() == "LightsOutNext") {
            EXPECT_EQ(label->text(), "Next: hold 01:00");  // under the displays, small
            EXPECT_LT(label->font().pixelSize(), 60);
            continue;
        }
        shown.append(label->text());
        EXPECT_GT(label->font().pixelSize(), 60) << label->text().toStdString();
    }
    EXPECT_EQ(shown, DisplayTexts());
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_EQ(form.State().PauseMode, 1);
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_FALSE(form.LightsOut());
    QTest::mouseDClick(form.Find<QWidget>("SequenceTimeLbl"), Qt::LeftButton);
    EXPECT_TRUE(form.LightsOut());
    QTest::keyClick(view, Qt::Key_F11);
    EXPECT_FALSE(form.LightsOut());
}

TEST_F(MainformWindow, TheTitleNamesTheTableAndItsLength) {
    EXPECT_EQ(form.windowTitle(), "default.ses - 17:15 - Vellorin");
    form.SetFieldText(Field::LoopsTbx, "2.5");  // a table Start refuses has no length
    EXPECT_EQ(form.windowTitle(), "*default.ses - Vellorin");  // edited since it was loaded
    form.SetFieldText(Field::LoopsTbx, "4");
    EXPECT_EQ(form.windowTitle(), "*default.ses - 09:45 - Vellorin");
    form.dialog.nextFileName = dir.filePath("long.ses");
    form.SaveCmd_Click();
    EXPECT_EQ(form.windowTitle(), "long.ses - 09:45 - Vellorin");
    form.SaveCmd_Click();
    EXPECT_EQ(form.dialog.ProposedFile, dir.filePath("long.ses"));  // Save proposes its name
}

TEST_F(MainformWindow, ClosingDuringASessionAsksFirstAndTheSizeIsKept) {
    form.resize(400, 700);
    form.ControlCmd_Click();
    form.confirmAnswer = false;
    EXPECT_FALSE(form.close());
    EXPECT_EQ(form.questions.size(), 1);
    form.confirmAnswer = true;
    EXPECT_TRUE(form.close());
    TestMainform again(dir.path());
    again.Form_Load();
    EXPECT_EQ(again.size(), QSize(400, 700));
}

// After Start's message (its text unchanged) the field to mend has the focus.
TEST_F(MainformWindow, ARefusedStartSendsTheFocusToTheFieldToMend) {
    const struct {
        Field field;
        const char* text;
        const char* focused;
    } cases[] = {{Field::LoopsTbx, "2.5", "LoopsTbx"},
                 {Field::RestDecTbx, "40", "RestDecTbx"},
                 {Field::HoldTbx, "sixty", "HoldTbx"},
                 {Field::IntroTbx, "0", "IntroTbx"}};
    for (const auto& c : cases) {
        form.Find<QWidget>("ControlCmd")->setFocus();
        const QString before = form.FieldText(c.field);
        form.SetFieldText(c.field, c.text);
        form.ControlCmd_Click();
        EXPECT_EQ(form.messages.constLast(),
                  "An error occured. Please check the values in the input fields.");
        EXPECT_EQ(form.focusWidget()->objectName(), c.focused);
        form.SetFieldText(c.field, before);
    }
}

TEST_F(MainformWindow, ExportAudioWritesTheSessionFromTheFields) {
    QDir(dir.path()).mkpath("snd");
    for (const QString& cue : QDir(VELLORIN_SOURCE_DIR "/snd").entryList({"*.wav"})) {
        QFile::copy(VELLORIN_SOURCE_DIR "/snd/" + cue, dir.filePath("snd/" + cue));
    }
    form.SetFieldText(Field::IntroTbx, "5");
    form.SetFieldText(Field::LoopsTbx, "1");
    form.exportFile = dir.filePath("session.flac");
    Trigger("export");
    // Made on a worker thread: the menu's handler returns at once, and the clock goes on.
    EXPECT_NE(form.findChild<QProgressDialog*>(), nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(form.findChild<QProgressDialog*>() == nullptr, 30000);
    EXPECT_EQ(form.proposedExport.section('/', -1), "default.mp3");
    EXPECT_EQ(form.messages.join('\n').toStdString(), "");
    EXPECT_GT(QFileInfo(form.exportFile).size(), 1000);
}

// The personal-best test from the Training menu: Space ends it whatever has the focus, the
// attempt is kept and the fields are untouched.
TEST_F(MainformWindow, APersonalBestTestEndsWithSpaceAndKeepsTheAttempt) {
    form.userDataFolder = dir.filePath("data");
    const QStringList before = {form.FieldText(Field::IntroTbx), form.FieldText(Field::HoldTbx)};
    Trigger("pbtest");
    ASSERT_EQ(form.questions.size(), 1);
    EXPECT_TRUE(form.questions[0].contains("never in or near water"));
    for (int tick = 0; tick < 10 + 1 + 95; ++tick) {
        form.SecondsTimer_Timer();
    }
    EXPECT_EQ(form.Text("SessionLbl"), "PB test");
    form.ControlCmd_Click();  // a session never starts during a test
    EXPECT_EQ(form.State().Mode, 0);
    QTest::keyClick(form.Find<QWidget>("SaveCmd"), Qt::Key_Space);
    ASSERT_FALSE(form.messages.isEmpty());
    EXPECT_TRUE(
        form.messages.constLast().startsWith("You held your breath for 1:35. It is your "
                                             "personal best."))
        << form.messages.constLast().toStdString();
    EXPECT_TRUE(ReadBytes(form.userDataFolder + "/personal-bests.txt").endsWith(" 95\n"));
    EXPECT_EQ(QStringList({form.FieldText(Field::IntroTbx), form.FieldText(Field::HoldTbx)}),
              before);
    EXPECT_FALSE(form.SecondsTimer()->isActive());
}

// A table from a PB fills the five fields after the intro, and one beyond the best on record
// is warned of first.
TEST_F(MainformWindow, ANewTableFromAPersonalBestFillsTheFieldsButTheIntro) {
    form.userDataFolder = dir.filePath("data");
    QDir().mkpath(form.userDataFolder);
    WriteBytes(form.userDataFolder + "/personal-bests.txt", "2026-12-01T07:00:00Z 180\nbad\n");
    form.pbTableRequest = {PbTableKind::O2, 180};
    Trigger("pbtable");
    EXPECT_EQ(form.recordedBest, 180);
    EXPECT_TRUE(form.messages.join(' ').contains("Left out line 2 of"));
    EXPECT_EQ(form.questions, QStringList{});
    EXPECT_EQ(FieldTexts(form), QStringList({"30", "144", "15", "120", "0", "8"}));

    form.pbTableRequest = {PbTableKind::O2, 240};  // its last hold, 3:12, beyond the best
    form.confirmAnswer = false;
    Trigger("pbtable");
    ASSERT_EQ(form.questions.size(), 1);
    EXPECT_TRUE(form.questions[0].contains("longer than your personal best"));
    EXPECT_EQ(form.FieldText(Field::HoldTbx), "144");
}

// Contractions marked by key during a hold go to the training log with the session's holds;
// outside a hold the keys do what they always did, and a log switched off gets nothing.
TEST_F(MainformWindow, MarkedHoldsGoToTheLogUnlessItIsSwitchedOff) {
    form.userDataFolder = dir.filePath("data");
    const QString log = form.userDataFolder + "/training-log.csv";
    for (const bool logging : {true, false}) {
        SCOPED_TRACE(logging);
        if (form.findChild<QAction*>("log")->isChecked() != logging) {
            Trigger("log");
        }
        const QStringList table = {"1", "5", "0", "2", "0", "1"};
        for (int i = 0; i < 6; ++i) {
            form.SetFieldText(kSettingsFields[i], table[i]);
        }
        QTest::keyClick(form.Find<QWidget>("HoldTbx"), Qt::Key_C);  // not in a hold: typed
        EXPECT_EQ(form.FieldText(Field::HoldTbx), "5c");
        form.SetFieldText(Field::HoldTbx, "5");
        form.ControlCmd_Click();
        form.SecondsTimer_Timer();  // the intro
        form.SecondsTimer_Timer();
        form.SecondsTimer_Timer();  // two seconds of the hold
        form.played.clear();
        QTest::keyClick(form.Find<QWidget>("HoldTbx"), Qt::Key_C);
        QTest::keyClick(form.Find<QWidget>("ControlCmd"), Qt::Key_Return);  // marks, not Reset
        EXPECT_EQ(form.State().Mode, 1);
        EXPECT_EQ(form.played.join(' ').count("click.wav"), 2);
        EXPECT_EQ(form.FieldText(Field::HoldTbx), "5");
        for (int tick = 0; tick < 4; ++tick) {
            form.SecondsTimer_Timer();
        }
        EXPECT_EQ(form.Text("SequenceLbl"), "End!");
        form.ControlCmd_Click();
    }
    // One session, kept while the log was on.
    EXPECT_TRUE(
        ReadBytes(log).endsWith(",default.ses,1,5,0,2,0,1,1,5,5,2,2,yes,classic,time:5,,,,,\r\n"))
        << ReadBytes(log).toStdString();
    EXPECT_EQ(ReadBytes(log).count("\r\n"), 2);
}

// History draws a point per session, and one per attempt, from a few weeks of training.
TEST_F(MainformWindow, HistoryDrawsEverySessionAndAttempt) {
    QList<LogRow> rows;
    for (int day = 0; day < 21; ++day) {
        for (int loop = 1; loop <= 8; ++loop) {
            rows.append({kStart().addDays(day), "co2.ses", {"30", "90", "0", "120", "15", "8"},
                         {qint16(loop), 90, 90,
                          day % 3 == 0 ? std::nullopt : std::optional<qint32>(40 + day + loop),
                          day % 3 == 0 ? 0 : 2, true}});
        }
    }
    const QList<Attempt> attempts = {{kStart(), 180}, {kStart().addDays(14), 192}};
    HistoryWindow history(dir.filePath("none.csv"), rows, attempts);
    history.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&history));
    EXPECT_EQ(history.SessionCount(), 21);
    const QHash<QString, int> points = history.PointCounts();
    EXPECT_EQ(points.value("Total time held"), 21);
    EXPECT_EQ(points.value("Mean first contraction"), 14);  // the sessions with marks
    EXPECT_EQ(points.value("Range of first contractions"), 14);
    EXPECT_EQ(points.value("Personal-best attempts"), 2);
    EXPECT_EQ(history.findChild<QTableView*>("Sessions")->model()->rowCount(), 21);
    const QString csv = dir.filePath("sessions.csv");
    ASSERT_EQ(history.ExportSessions(csv), "");
    EXPECT_TRUE(ReadBytes(csv).contains(",co2.ses,8,720,45.5,42,49,16\r\n"))
        << ReadBytes(csv).left(400).toStdString();
}

TEST(PbTableDialog, ShowsTheTableItGivesAndTakesOnlyAPersonalBest) {
    PbTableDialog dialog(nullptr, "30", 156);
    EXPECT_TRUE(dialog.PreviewText().contains("    8  01:18         01:18\n"));  // CO2
    EXPECT_TRUE(dialog.PreviewText().endsWith("Total 19:39 (1179 s)\n"))
        << dialog.PreviewText().toStdString();
    dialog.findChild<QLineEdit*>("PersonalBest")->setText("2:3");
    EXPECT_FALSE(dialog.PersonalBest());
    EXPECT_FALSE(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled());
}

}  // namespace
}  // namespace vellorin::testing
