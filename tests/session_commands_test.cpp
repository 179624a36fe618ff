// The default session at start-up, and Load and Save through the shared dialog.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string_view>

#include "fake_window.h"
#include "file_helpers.h"
#include "session_commands.h"
#include "session_controller.h"
#include "unprivileged_files.h"

namespace vellorin::testing {
namespace {

#ifdef Q_OS_WIN
const char kNoSuchFile[] = "File not found";
#else
const char kNoSuchFile[] = "No such file";
#endif

const QStringList kStartupFields = {"", "", "", "", "", "8"};

class SessionFiles : public ::testing::Test {
protected:
    SessionFiles() {
        // Open to everyone, so that only the permissions a test sets can refuse access.
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadOther | QFile::ExeOther);
        window.applicationFolder = dir.path();
        window.SetSettings(kStartupFields);
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
    QString SessionsPath(const QString& name) const { return dir.filePath("sessions/" + name); }
    void MakeSessionsFolder() { QDir(dir.path()).mkpath("sessions"); }
    QStringList Fields() const { return FieldTexts(window); }
    void Load(const QString& path) {
        window.dialog.nextFileName = path;
        commands.LoadCmd_Click();
    }
    void Save(const QString& path) {
        window.dialog.nextFileName = path;
        commands.SaveCmd_Click();
    }

    QTemporaryDir dir;
    FakeWindow window;
    SessionFileCommands commands{window};
};

TEST_F(SessionFiles, DefaultSessionFillsTheSixFields) {
    MakeSessionsFolder();
    WriteBytes(SessionsPath("default.ses"), "30\r\n60\r\n0\r\n120\r\n15\r\n8\r\n");
    commands.LoadDefaultSession();
    EXPECT_EQ(Fields(), QStringList({"30", "60", "0", "120", "15", "8"}));
    EXPECT_TRUE(window.messages.isEmpty());
}

TEST_F(SessionFiles, MissingDefaultSessionShowsTheMessage) {
    MakeSessionsFolder();
    commands.LoadDefaultSession();
    EXPECT_EQ(window.messages, QStringList{kDefaultSessionMessage});
    EXPECT_EQ(Fields(), kStartupFields);
}

TEST_F(SessionFiles, MissingSessionsFolderShowsTheMessage) {
    commands.LoadDefaultSession();
    EXPECT_EQ(window.messages, QStringList{kDefaultSessionMessage});
    EXPECT_EQ(Fields(), kStartupFields);
}

TEST_F(SessionFiles, ShortDefaultSessionFillsWhatItHoldsThenShowsTheMessage) {
    MakeSessionsFolder();
    WriteBytes(SessionsPath("default.ses"), "1\r\n2\r\n3\r\n");
    commands.LoadDefaultSession();
    EXPECT_EQ(Fields(), QStringList({"1", "2", "3", "", "", "8"}));
    EXPECT_EQ(window.messages, QStringList{kDefaultSessionMessage});
}

// Whatever stands where the default session should be, the window opens: a file it cannot
// read as a session is treated as missing, and nothing waits on a pipe or a device.
struct HostileDefault {
    const char* name;
    void (*make)(const QString& path);
};

void PrintTo(const HostileDefault& c, std::ostream* os) {
    *os << c.name;
}

class HostileDefaultSession : public SessionFiles,
                              public ::testing::WithParamInterface<HostileDefault> {};

TEST_P(HostileDefaultSession, IsTreatedAsMissing) {
#ifdef Q_OS_WIN
    if (std::string_view(GetParam().name) == "Device") {
        GTEST_SKIP() << "Windows keeps no devices in its folders";
    }
#endif
    MakeSessionsFolder();
    GetParam().make(SessionsPath("default.ses"));
    const DefaultSessionLoad load = commands.LoadDefaultSession();
    EXPECT_EQ(window.messages, QStringList{kDefaultSessionMessage});
    EXPECT_EQ(Fields(), kStartupFields);
    EXPECT_EQ(QDir::fromNativeSeparators(load.path), SessionsPath("default.ses"));
    EXPECT_FALSE(load.problem.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileDefaultSession,
    ::testing::Values(
        HostileDefault{"NamedPipe", [](const QString& path) { ASSERT_TRUE(MakeNamedPipe(path)); }},
        HostileDefault{"Device", [](const QString& path) { QFile::link("/dev/urandom", path); }},
        HostileDefault{"Folder", [](const QString& path) { QDir().mkpath(path); }},
        HostileDefault{"OverlongLine",
                       [](const QString& path) {
                           WriteBytes(path, "1\r\n2\r\n" + QByteArray(32768, '3') + "\r\n4\r\n");
                       }}),
    [](const auto& info) { return info.param.name; });

TEST_F(SessionFiles, LoadRefusesANamedPipeWithoutWaitingForAWriter) {
    ASSERT_TRUE(MakeNamedPipe(Path("pipe.ses")));
    window.SetSettings({"1", "2", "3", "4", "5", "6"});
    Load(Path("pipe.ses"));
    EXPECT_EQ(window.messages,
              QStringList{"Could not load \"" + Path("pipe.ses") + "\": it is not a file."});
    EXPECT_EQ(Fields(), QStringList({"1", "2", "3", "4", "5", "6"}));
}

// A text a session file cannot keep as it is refuses the save, before the dialog and with
// the field named: a line break would load back shifted, and characters the system's
// encoding has no bytes for (Windows' code page has few) would load back as others.
TEST_F(SessionFiles, SaveRefusesAFieldItCannotKeepAndWritesNothing) {
    const struct {
        QString text;
        const char* says;
    } cases[] = {{"120\r\n", "holds a line break, which a session file cannot keep."},
                 {QString("12") + QChar(0), "holds a NUL character, which a session file cannot "
                                           "keep."},
                 {QString(QChar(0xD800)),
                  "holds characters this system's encoding cannot keep in a session file."}};
    for (const auto& c : cases) {
        window.messages.clear();
        window.SetSettings({"30", "60", "0", c.text, "15", "8"});
        Save(Path("broken.ses"));
        EXPECT_EQ(window.messages,
                  QStringList{QStringLiteral("Could not save the session: the field \"Initial "
                                             "rest time\" ") +
                              c.says});
        EXPECT_FALSE(QFile::exists(Path("broken.ses")));
        EXPECT_TRUE(window.dialog.shown.isEmpty());
    }
}

TEST_F(SessionFiles, ALoneLineFeedLoadsAndSavesAsPartOfItsLine) {
    WriteBytes(Path("lf.ses"), "1\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n");
    Load(Path("lf.ses"));
    EXPECT_EQ(Fields(), QStringList({"1\n2", "3", "4", "5", "6", "7"}));
    Save(Path("again.ses"));
    EXPECT_EQ(ReadBytes(Path("again.ses")), "1\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n");
    EXPECT_TRUE(window.messages.isEmpty());
}

TEST_F(SessionFiles, DialogIsSetUpForSessionFilesInTheSessionsFolder) {
    Load("");
    // Load offers both kinds of table, Save the kind in use.
    EXPECT_EQ(window.dialog.Filter,
              "Tables|*.ses *.vtable|Session files|*.ses|Vellorin tables|*.vtable");
    EXPECT_FALSE(window.dialog.CancelError);
    EXPECT_EQ(window.dialog.InitDir, "");  // no sessions folder yet
    MakeSessionsFolder();
    Save("");
    EXPECT_EQ(window.dialog.Filter, "Session files|*.ses");
    EXPECT_EQ(window.dialog.InitDir, dir.path() + "/sessions");
    EXPECT_EQ(window.dialog.shown, QStringList({"open", "save"}));
}

TEST_F(SessionFiles, CancelledDialogsChangeNothing) {
    window.SetSettings({"1", "2", "3", "4", "5", "6"});
    Load("");
    Save("");
    EXPECT_EQ(Fields(), QStringList({"1", "2", "3", "4", "5", "6"}));
    EXPECT_TRUE(window.messages.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{});
}

TEST_F(SessionFiles, SavedTableLoadsBackUnchanged) {
    const QStringList table = {" 10", "60 ", "x", "2,5", kBeyondAscii, ""};
    window.SetSettings(table);
    Save(Path("mine.ses"));
    EXPECT_EQ(ReadBytes(Path("mine.ses")),
              " 10\r\n60 \r\nx\r\n2,5\r\n" + QString(kBeyondAscii).toLocal8Bit() + "\r\n\r\n");
    window.SetSettings({"a", "b", "c", "d", "e", "f"});
    Load(Path("mine.ses"));
    EXPECT_EQ(Fields(), table);
    EXPECT_TRUE(window.messages.isEmpty());
}

TEST_F(SessionFiles, EmptyFieldsSaveAsSixEmptyLinesAndLoadBackEmpty) {
    window.SetSettings({"", "", "", "", "", ""});
    Save(Path("empty.ses"));
    EXPECT_EQ(ReadBytes(Path("empty.ses")), "\r\n\r\n\r\n\r\n\r\n\r\n");
    window.SetSettings({"1", "2", "3", "4", "5", "6"});
    Load(Path("empty.ses"));
    EXPECT_EQ(Fields(), QStringList({"", "", "", "", "", ""}));
}

struct UnloadableFile {
    const char* name;
    const char* file;
    QByteArray bytes;  // written when file names a file to create
    const char* says;  // part of the message
};

void PrintTo(const UnloadableFile& c, std::ostream* os) {
    *os << c.name;
}

class UnloadableFiles : public SessionFiles,
                        public ::testing::WithParamInterface<UnloadableFile> {};

TEST_P(UnloadableFiles, ShowAMessageAndChangeNoField) {
    const UnloadableFile& c = GetParam();
    if (!c.bytes.isNull()) {
        WriteBytes(Path(c.file), c.bytes);
    }
    QDir(dir.path()).mkdir("a folder.ses");
    window.SetSettings({"1", "2", "3", "4", "5", "6"});
    Load(Path(c.file));
    ASSERT_EQ(window.messages.size(), 1);
    EXPECT_TRUE(window.messages[0].contains(Path(c.file))) << window.messages[0].toStdString();
    EXPECT_TRUE(window.messages[0].contains(c.says)) << window.messages[0].toStdString();
    EXPECT_FALSE(window.messages[0].endsWith("..")) << window.messages[0].toStdString();
    EXPECT_EQ(Fields(), QStringList({"1", "2", "3", "4", "5", "6"}));
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnloadableFiles,
    ::testing::Values(UnloadableFile{"Missing", "gone.ses", QByteArray(), kNoSuchFile},
                      UnloadableFile{"Folder", "a folder.ses", QByteArray(), "not a file"},
                      UnloadableFile{"ThreeLines", "short.ses", "7\r\n8\r\n9\r\n",
                                     "only 3 of the 6 lines"},
                      UnloadableFile{"Empty", "empty.ses", "", "only 0 of the 6 lines"},
                      UnloadableFile{"OverlongLine", "huge.ses", "1\r\n" + QByteArray(40000, 'x'),
                                     "line 2 is longer than 32767 characters"}),
    [](const auto& info) { return info.param.name; });

TEST_F(SessionFiles, UnreadableFileIsRefused) {
    SKIP_WITHOUT_POSIX_PERMISSIONS();
    WriteBytes(Path("locked.ses"), "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n");
    QFile::setPermissions(Path("locked.ses"), QFile::Permissions());
    {
        UnprivilegedFiles asUser;
        Load(Path("locked.ses"));
    }
    ASSERT_EQ(window.messages.size(), 1);
    EXPECT_TRUE(window.messages[0].contains("locked.ses"));
    EXPECT_EQ(Fields(), kStartupFields);
}

TEST_F(SessionFiles, SavingIntoAMissingFolderSaysSo) {
    window.SetSettings({"1", "2", "3", "4", "5", "6"});
    Save(Path("no such folder/table.ses"));
    ASSERT_EQ(window.messages.size(), 1);
    EXPECT_TRUE(window.messages[0].startsWith("Could not save the session to \"" +
                                              Path("no such folder/table.ses") + "\": "));
    EXPECT_FALSE(QFile::exists(Path("no such folder/table.ses")));
}

TEST_F(SessionFiles, FailedSaveKeepsTheOldFileByteForByte) {
    SKIP_WITHOUT_POSIX_PERMISSIONS();
    QDir(dir.path()).mkdir("kept");
    const QByteArray old = "30\r\n60\r\n0\r\n120\r\n15\r\n8\r\n";
    WriteBytes(Path("kept/table.ses"), old);
    QFile::setPermissions(Path("kept/table.ses"), QFile::ReadOwner | QFile::WriteOwner |
                                                      QFile::ReadOther | QFile::WriteOther);
    QFile::setPermissions(Path("kept"),
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    window.SetSettings({"1", "2", "3", "4", "5", "6"});
    {
        UnprivilegedFiles asUser;
        Save(Path("kept/table.ses"));
    }
    ASSERT_EQ(window.messages.size(), 1);
    EXPECT_TRUE(window.messages[0].contains(Path("kept/table.ses")));
    EXPECT_EQ(ReadBytes(Path("kept/table.ses")), old);
    EXPECT_EQ(QDir(Path("kept")).entryList(QDir::Files), QStringList{"table.ses"});
    QFile::setPermissions(Path("kept"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(SessionFiles, FileLoadedDuringASessionChangesTheNextRest) {
    SessionController controller(window);
    controller.ResetSession();
    window.SetSettings({"10", "60", "10", "30", "5", "3"});
    controller.ControlCmd_Click();
    for (int tick = 0; tick < 20; ++tick) {
        controller.SecondsTimer_Timer();
    }
    WriteBytes(Path("other.ses"), "10\r\n60\r\n10\r\n42\r\n5\r\n3\r\n");
    Load(Path("other.ses"));
    for (int tick = 20; tick < 51; ++tick) {
        controller.SecondsTimer_Timer();
    }
    EXPECT_EQ(window.Caption(Control::SequenceTimeLbl), "00:42");
    EXPECT_EQ(window.Caption(Control::SequenceLbl), "Rest");
}

}  // namespace
}  // namespace vellorin::testing
