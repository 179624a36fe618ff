// An installed program's folder belongs to root: a user keeps tables and a default of their
// own in their data folder. Checked as the unprivileged user "nobody".
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "fake_window.h"
#include "file_helpers.h"
#include "session_commands.h"
#include "unprivileged_files.h"

namespace vellorin::testing {
namespace {

constexpr auto kOpenToAll = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                            QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
constexpr auto kReadOnlyForOthers =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;

class UserSessions : public ::testing::Test {
protected:
    UserSessions() {
        QDir(app.path()).mkpath("sessions");
        WriteBytes(app.filePath("sessions/default.ses"), "30\r\n60\r\n0\r\n120\r\n15\r\n8\r\n");
        QFile::setPermissions(app.path(), kReadOnlyForOthers);
        QFile::setPermissions(app.filePath("sessions"), kReadOnlyForOthers);
        QFile::setPermissions(home.path(), kOpenToAll);
        window.applicationFolder = app.path();
        window.userDataFolder = home.filePath(".local/share/Vellorin");
    }
    QString Own(const QString& name) const { return window.userDataFolder + "/sessions/" + name; }
    void WriteOwnDefault(const QByteArray& bytes) {
        QDir().mkpath(window.userDataFolder + "/sessions");
        WriteBytes(Own("default.ses"), bytes);
    }
    QStringList Fields() const { return FieldTexts(window); }

    QTemporaryDir app;
    QTemporaryDir home;
    FakeWindow window;
    SessionFileCommands commands{window};
};

TEST_F(UserSessions, DialogsOpenInTheUsersFolderMadeOnFirstUseAndSaveWorksThere) {
    SKIP_WITHOUT_POSIX_PERMISSIONS();
    UnprivilegedFiles asUser;
    EXPECT_FALSE(QFileInfo::exists(window.userDataFolder + "/sessions"));
    window.SetSettings({"10", "60", "10", "30", "5", "3"});
    window.dialog.nextFileName = Own("default.ses");
    commands.SaveCmd_Click();
    EXPECT_EQ(window.dialog.InitDir, window.userDataFolder + "/sessions");
    EXPECT_TRUE(window.messages.isEmpty());
    EXPECT_EQ(ReadBytes(Own("default.ses")), "10\r\n60\r\n10\r\n30\r\n5\r\n3\r\n");

    window.dialog.nextFileName = "";
    commands.LoadCmd_Click();
    EXPECT_EQ(window.dialog.InitDir, window.userDataFolder + "/sessions");
}

TEST_F(UserSessions, TheUsersDefaultIsReadInsteadOfTheShippedOne) {
    SKIP_WITHOUT_POSIX_PERMISSIONS();
    WriteOwnDefault("5\r\n20\r\n5\r\n10\r\n5\r\n3\r\n");
    UnprivilegedFiles asUser;
    const DefaultSessionLoad load = commands.LoadDefaultSession();
    EXPECT_EQ(load.path, Own("default.ses"));
    EXPECT_EQ(load.problem, "");
    EXPECT_EQ(Fields(), QStringList({"5", "20", "5", "10", "5", "3"}));
    EXPECT_TRUE(window.messages.isEmpty());
}

TEST_F(UserSessions, TheShippedDefaultIsReadWhenTheUserHasNone) {
    SKIP_WITHOUT_POSIX_PERMISSIONS();
    UnprivilegedFiles asUser;
    const DefaultSessionLoad load = commands.LoadDefaultSession();
    EXPECT_EQ(load.path, app.filePath("sessions/default.ses"));
    EXPECT_EQ(Fields(), QStringList({"30", "60", "0", "120", "15", "8"}));
    EXPECT_FALSE(QFileInfo::exists(window.userDataFolder + "/sessions"));
}

TEST_F(UserSessions, AWritableApplicationFolderKeepsTheTablesBesideTheProgram) {
    QFile::setPermissions(app.filePath("sessions"), kOpenToAll);
    WriteOwnDefault("5\r\n20\r\n5\r\n10\r\n5\r\n3\r\n");
    UnprivilegedFiles asUser;
    EXPECT_EQ(commands.UserSessionsFolder(), "");
    EXPECT_EQ(QDir::fromNativeSeparators(commands.LoadDefaultSession().path),
              app.filePath("sessions/default.ses"));
    window.dialog.nextFileName = "";
    commands.LoadCmd_Click();
    EXPECT_EQ(window.dialog.InitDir, app.filePath("sessions"));
}

TEST_F(UserSessions, AUsersDefaultThatCannotBeLoadedShowsTheSameMessage) {
    SKIP_WITHOUT_POSIX_PERMISSIONS();
    WriteOwnDefault("1\r\n2\r\n");
    UnprivilegedFiles asUser;
    const DefaultSessionLoad load = commands.LoadDefaultSession();
    EXPECT_EQ(load.path, Own("default.ses"));
    EXPECT_EQ(window.messages, QStringList{kDefaultSessionMessage});
    EXPECT_EQ(Fields(), QStringList({"1", "2", "", "", "", ""}));
}

}  // namespace
}  // namespace vellorin::testing
