// The real window: start-up, clicking its buttons, its timer, Load and Save.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMessageBox>
#include <QTest>

#include "file_helpers.h"
#include "session_commands.h"
#include "test_mainform.h"

namespace vellorin::testing {
namespace {

class Mainform : public ::testing::Test {
protected:
    void WriteDefaultSession(const QByteArray& bytes) {
        QDir(dir.path()).mkpath("sessions");
        WriteBytes(dir.filePath("sessions/default.ses"), bytes);
    }
    QStringList Fields() const {
        QStringList texts;
        for (const char* name :
             {"IntroTbx", "HoldTbx", "HoldIncTbx", "RestTbx", "RestDecTbx", "LoopsTbx"}) {
            texts.append(form.Text(name));
        }
        return texts;
    }
    QStringList Idle() const {
        QStringList texts;
        for (const char* name : {"ControlCmd", "PauseCmd", "LoadCmd", "SaveCmd", "SessionLbl",
                                 "SessionClock", "SequenceLbl", "SequenceTimeLbl"}) {
            texts.append(form.Text(name));
        }
        return texts;
    }
    void Click(const char* button) {
        QTest::mouseClick(form.Find<QPushButton>(button), Qt::LeftButton);
    }
    QString Labels() const {
        return QStringList{form.Text("SessionLbl"), form.Text("SequenceLbl"),
                           form.Text("SessionClock"), form.Text("SequenceTimeLbl")}
            .join('|');
    }

    QTemporaryDir dir;
    TestMainform form{dir.path()};
};

const QStringList kIdleTexts = {"Start",  "Pause", "Load",  "Save",
                                "Loop 1", "00:00", "Intro", "00:00"};

TEST_F(Mainform, StartsWithTheDefaultSessionAndNoMessage) {
    WriteDefaultSession("30\r\n60\r\n0\r\n120\r\n15\r\n8\r\n");
    form.Form_Load();
    EXPECT_EQ(Fields(), QStringList({"30", "60", "0", "120", "15", "8"}));
    EXPECT_EQ(Idle(), kIdleTexts);
    EXPECT_TRUE(form.messages.isEmpty());
}

TEST_F(Mainform, StartsWithTheMessageWhenTheDefaultSessionIsMissing) {
    form.Form_Load();
    EXPECT_EQ(Fields(), QStringList({"", "", "", "", "", "8"}));
    EXPECT_EQ(Idle(), kIdleTexts);
    EXPECT_EQ(form.messages, QStringList{kDefaultSessionMessage});
}

TEST_F(Mainform, ShippedDefaultSessionIsTheBeginnersTable) {
    const QString shipped = QStringLiteral(VELLORIN_SOURCE_DIR "/sessions/default.ses");
    WriteDefaultSession(ReadBytes(shipped));
    form.Form_Load();
    EXPECT_EQ(Fields(), QStringList({"30", "60", "0", "120", "15", "8"}));
    Click("ControlCmd");
    EXPECT_EQ(form.State().SessionTime, 17 * 60 + 15);
}

TEST_F(Mainform, ButtonsRunPauseAndResetASession) {
    WriteDefaultSession("10\r\n60\r\n10\r\n30\r\n5\r\n3\r\n");
    form.Form_Load();
    Click("ControlCmd");
    EXPECT_TRUE(form.SecondsTimer()->isActive());
    EXPECT_EQ(form.Text("ControlCmd"), "Reset");
    EXPECT_EQ(form.Text("SequenceTimeLbl"), "00:10");

    form.SecondsTimer_Timer();
    EXPECT_EQ(Labels(), "Loop 1|Intro|03:35|00:10");
    EXPECT_EQ(form.played, QStringList{dir.path() + "/snd/10.wav"});

    Click("PauseCmd");
    EXPECT_EQ(form.Text("PauseCmd"), "Resume");
    form.SecondsTimer_Timer();
    EXPECT_EQ(Labels(), "Loop 1|Intro|03:35|00:10");
    EXPECT_TRUE(form.SecondsTimer()->isActive());
    Click("PauseCmd");
    form.SecondsTimer_Timer();
    EXPECT_EQ(Labels(), "Loop 1|Intro|03:34|00:09");

    Click("ControlCmd");
    EXPECT_FALSE(form.SecondsTimer()->isActive());
    EXPECT_EQ(Idle(), kIdleTexts);
}

TEST_F(Mainform, SessionRunsToItsEndThroughTheTimer) {
    WriteDefaultSession("1\r\n2\r\n0\r\n1\r\n0\r\n2\r\n");
    form.Form_Load();
    Click("ControlCmd");
    for (int tick = 0; tick < 7; ++tick) {
        form.SecondsTimer_Timer();
    }
    EXPECT_EQ(Labels(), "Loop 2|End!|00:00|00:00");
    EXPECT_FALSE(form.SecondsTimer()->isActive());
    EXPECT_EQ(form.Text("ControlCmd"), "Reset");
    EXPECT_EQ(form.played.last(), dir.path() + "/snd/sesend.wav");
}

TEST_F(Mainform, BadSettingsShowTheStartErrorAndStayIdle) {
    form.Form_Load();
    Click("ControlCmd");
    EXPECT_EQ(form.messages.last(),
              "An error occured. Please check the values in the input fields.");
    EXPECT_FALSE(form.SecondsTimer()->isActive());
    EXPECT_EQ(form.Text("ControlCmd"), "Start");
}

TEST_F(Mainform, SaveAndLoadGoThroughTheDialog) {
    WriteDefaultSession("10\r\n60\r\n10\r\n30\r\n5\r\n3\r\n");
    form.Form_Load();
    form.dialog.nextFileName = dir.filePath("mine.ses");
    Click("SaveCmd");
    EXPECT_EQ(ReadBytes(dir.filePath("mine.ses")), "10\r\n60\r\n10\r\n30\r\n5\r\n3\r\n");
    EXPECT_EQ(form.dialog.InitDir, dir.path() + "/sessions");
    EXPECT_EQ(form.dialog.Filter, "Session files|*.ses");

    form.Find<QLineEdit>("RestTbx")->setText("99");
    form.dialog.nextFileName = "";
    Click("LoadCmd");  // cancelled
    EXPECT_EQ(form.Text("RestTbx"), "99");
    form.dialog.nextFileName = dir.filePath("mine.ses");
    Click("LoadCmd");
    EXPECT_EQ(form.Text("RestTbx"), "30");
    EXPECT_EQ(form.dialog.shown, QStringList({"save", "open", "open"}));
    EXPECT_TRUE(form.messages.isEmpty());
}

TEST_F(Mainform, TypedFieldsAreWhatTheSessionReads) {
    WriteDefaultSession("10\r\n60\r\n10\r\n30\r\n5\r\n3\r\n");
    form.Form_Load();
    QLineEdit* intro = form.Find<QLineEdit>("IntroTbx");
    intro->clear();
    QTest::keyClicks(intro, "4");
    Click("ControlCmd");
    EXPECT_EQ(form.Text("SequenceTimeLbl"), "00:04");
}

TEST_F(Mainform, LineBreaksPastedIntoAFieldAreDroppedSoTheTableSavesAsSixLines) {
    WriteDefaultSession("10\r\n60\r\n10\r\n30\r\n5\r\n3\r\n");
    form.Form_Load();
    QLineEdit* rest = form.Find<QLineEdit>("RestTbx");
    rest->selectAll();
    QGuiApplication::clipboard()->setText("4\r\n5\r\n");
    rest->paste();
    EXPECT_EQ(rest->text(), "45");
    EXPECT_EQ(rest->cursorPosition(), 2);
    QTest::keyClick(rest, Qt::Key_Left);
    QGuiApplication::clipboard()->setText("\n");
    rest->paste();
    EXPECT_EQ(rest->text(), "45");

    form.dialog.nextFileName = dir.filePath("pasted.ses");
    Click("SaveCmd");
    EXPECT_EQ(ReadBytes(dir.filePath("pasted.ses")), "10\r\n60\r\n10\r\n45\r\n5\r\n3\r\n");
    EXPECT_TRUE(form.messages.isEmpty());
}

TEST_F(Mainform, ALineFeedLoadedFromAFileStaysInItsField) {
    WriteDefaultSession("1\n0\r\n60\r\n10\r\n30\r\n5\r\n3\r\n");
    form.Form_Load();
    EXPECT_EQ(form.Text("IntroTbx"), "1\n0");
}

TEST_F(Mainform, MessagesShowTheirTextAsPlainText) {
    const QString text = "Could not load \"<h1><font color=green>Table loaded.<br>.ses\": gone.";
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = box->text();
        format = box->textFormat();
        box->accept();
    });
    form.TrainerMainform::ShowMessage(text);
    EXPECT_EQ(shown, text);
    EXPECT_EQ(format, Qt::PlainText);
}

}  // namespace
}  // namespace vellorin::testing
