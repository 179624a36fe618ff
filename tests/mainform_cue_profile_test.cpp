// The real window's cue profiles: chosen from the menu and remembered, a table's own profile
// while that table is in use, the user's own profiles listed, and the editor that makes one.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTest>

#include "cue_profile_dialog.h"
#include "cue_profile_file.h"
#include "file_helpers.h"
#include "rounds_editor.h"
#include "rounds_presets.h"
#include "test_mainform.h"
#include "vtable_file.h"

namespace vellorin::testing {
namespace {

class CueProfileWindow : public ::testing::Test {
protected:
    CueProfileWindow() {
        QDir(dir.path()).mkpath("sessions");
        WriteBytes(dir.filePath("sessions/default.ses"), "10\r\n60\r\n10\r\n30\r\n5\r\n3\r\n");
        form->userDataFolder = dir.filePath("data");
        form->Form_Load();
    }
    QAction* Action(const QString& name) const { return form->findChild<QAction*>(name); }
    // The profiles the menu lists, the checked one marked "*".
    QStringList Listed() const {
        auto* menu = form->findChild<QMenu*>("CueProfileMenu");
        emit menu->aboutToShow();
        QStringList names;
        for (QAction* action : menu->actions()) {
            if (action->isCheckable()) {
                names.append((action->isChecked() ? "*" : "") + action->text());
            }
        }
        return names;
    }
    // The cue files a whole session plays, without the folder; "+" marks a follower.
    QStringList RunSession() {
        form->played.clear();
        QTest::keyClick(form.get(), Qt::Key_Space);
        for (int tick = 0; tick < 100000 && form->SecondsTimer()->isActive(); ++tick) {
            form->SecondsTimer_Timer();
        }
        QStringList files;
        for (QString path : form->played) {
            files.append(path.replace(dir.path() + "/snd/", ""));
        }
        return files;
    }

    QTemporaryDir dir;
    std::unique_ptr<TestMainform> form = std::make_unique<TestMainform>(dir.path());
};

TEST_F(CueProfileWindow, TheMenuChoosesTheProfileOfTheNextSessionAndRemembersIt) {
    EXPECT_EQ(Listed(), QStringList({"*Classic", "Guided", "Competition countdown", "Tones only"}));
    EXPECT_EQ(RunSession().first(), "10.wav");
    QTest::keyClick(form.get(), Qt::Key_R, Qt::ControlModifier);

    Action("profile:guided")->trigger();
    const QStringList guided = RunSession();
    EXPECT_EQ(guided.mid(0, 2), QStringList({"10s.wav", "lastbreath.wav"}));
    EXPECT_EQ(guided.mid(guided.size() - 5),
              QStringList({"sesend.wav", "+3.wav", "+holds.wav", "+totalheld.wav", "+2min30.wav"}));

    // A new window, as at the next start, comes with the profile chosen.
    form = std::make_unique<TestMainform>(dir.path());
    form->userDataFolder = dir.filePath("data");
    form->Form_Load();
    EXPECT_EQ(Listed().value(1), "*Guided");
    EXPECT_EQ(RunSession().first(), "10s.wav");
}

TEST_F(CueProfileWindow, ATablesOwnProfilePlaysWhileItIsInUseAndTheUsersOwnAreListed) {
    RoundsTable table = *MakePreset(RoundsPreset::Pyramid, 60).table;
    table.profile = "competition";
    const QString path = dir.filePath("pyramid.vtable");
    WriteBytes(path, TableFileBytes(table));
    form->LoadSessionFile(path);
    EXPECT_TRUE(RunSession().contains("top.wav"));
    QTest::keyClick(form.get(), Qt::Key_R, Qt::ControlModifier);
    Action("sixsettings")->trigger();
    EXPECT_EQ(RunSession().first(), "10.wav");  // the user's default again
    QTest::keyClick(form.get(), Qt::Key_R, Qt::ControlModifier);

    // A profile of the user's own, made in the editor: a call that cannot be spoken is
    // refused by the reader's words, then the profile is saved, listed and chosen.
    CueProfileDialog editor(form.get(), form->userDataFolder, *BuiltInProfile("tones"));
    editor.findChild<QLineEdit*>("ProfileName")->setText("Quiet");
    editor.findChild<QLineEdit*>("RestCalls")->setText("0:25 5");
    editor.Save();
    EXPECT_EQ(editor.findChild<QLabel*>("ProfileProblem")->text().toStdString(),
              "Calls before a hold: the call \"0:25\" cannot be spoken.");
    editor.findChild<QLineEdit*>("RestCalls")->setText("0:30 3 2 1");
    editor.findChild<QSpinBox*>("LastBreath")->setValue(6);
    editor.Save();
    ASSERT_EQ(editor.Saved(), "Quiet");
    const ProfileFileRead saved = ReadProfileFile(form->userDataFolder + "/profiles/Quiet.vcues");
    ASSERT_TRUE(saved.profile) << saved.problem.toStdString();
    EXPECT_EQ(saved.profile->lastBreath, 6);
    EXPECT_EQ(saved.profile->sound, CueVoice::Tones);
    // Two names kept in one file: the second never replaces the first.
    editor.findChild<QLineEdit*>("ProfileName")->setText("A/B");
    editor.Save();
    editor.findChild<QLineEdit*>("ProfileName")->setText("A:B");
    editor.Save();
    EXPECT_EQ(editor.findChild<QLabel*>("ProfileProblem")->text().toStdString(),
              "\"A:B\" is kept in the file of your profile \"A/B\": choose another name.");
    EXPECT_EQ(ReadProfileFile(form->userDataFolder + "/profiles/A_B.vcues").profile->name, "A/B");
    EXPECT_EQ(Listed().mid(4), QStringList({"A/B", "Quiet"}));
    ASSERT_TRUE(Action("profile:Quiet"));
    Action("profile:Quiet")->trigger();
    EXPECT_EQ(RunSession().mid(0, 3), QStringList({"tone-last.wav", "tick.wav", "tick.wav"}));

    // The table editor names a table's own profile, or none for the user's default; a name
    // this user has no profile of is kept and said to be missing.
    table.profile = "Gone";
    RoundsEditor rounds(table, path, std::nullopt, *form);
    auto* chooser = rounds.findChild<QComboBox*>("TableProfile");
    EXPECT_EQ(chooser->currentText(), "Gone (not found: your default plays)");
    EXPECT_EQ(chooser->itemText(6), "Quiet");
    chooser->setCurrentIndex(chooser->findData("guided"));
    emit chooser->activated(chooser->currentIndex());
    EXPECT_EQ(rounds.Table().profile, "guided");
    chooser->setCurrentIndex(0);
    emit chooser->activated(0);
    EXPECT_EQ(rounds.Table().profile, "");
}

}  // namespace
}  // namespace vellorin::testing
