// Load and Save keep to tables: a file that is plainly not one, or a file the program keeps
// for itself, is refused by name with nothing changed; a Load can be undone, and the table
// knows whether its fields still hold what its file does.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

#include "fake_window.h"
#include "file_helpers.h"
#include "session_commands.h"

namespace vellorin::testing {
namespace {

#ifdef Q_OS_WIN
const char kPictureLine[] = "it is not a table (line 2 is not text)";
#else
const char kPictureLine[] = "it is not a table (line 1 is not text)";
#endif

const QStringList kTable = {"30", "60", "0", "120", "15", "8"};
const QByteArray kTableBytes = "30\r\n60\r\n0\r\n120\r\n15\r\n8\r\n";

class LoadGuard : public ::testing::Test {
protected:
    LoadGuard() {
        window.applicationFolder = dir.path();
        window.userDataFolder = dir.filePath("data");
        window.SetSettings({"1", "2", "3", "4", "5", "6"});
        QDir().mkpath(window.userDataFolder);
        commands.SetProgramFiles([this] {
            return QStringList{Own("training-log.csv"), Own("personal-bests.txt"),
                               dir.filePath("window.ini")};
        });
    }
    QString Own(const QString& name) const { return window.userDataFolder + "/" + name; }
    QStringList Fields() const { return FieldTexts(window); }
    void Load(const QString& path) {
        window.dialog.nextFileName = path;
        commands.LoadCmd_Click();
    }

    QTemporaryDir dir;
    FakeWindow window;
    SessionFileCommands commands{window};
};

TEST_F(LoadGuard, RefusesWhatIsNotATableAndTheProgramsOwnFilesByName) {
    const QByteArray log =
        "session_start,table,intro,hold,hold_increase,rest,rest_decrease,loops,loop\r\n";
    const struct {
        const char* name;
        QString path;
        QByteArray bytes;
        const char* why;
    } cases[] = {
        // Windows' code page has a character for every byte: there the picture's NUL refuses it.
        {"a picture", dir.filePath("photo.png"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),
         kPictureLine},
        {"a NUL in a line", dir.filePath("zero.ses"), QByteArray("30\r\n6\0\r\n", 8),
         "it is not a table (line 2 is not text)"},
        {"the training log", Own("training-log.csv"), log,
         "it is the training log Vellorin keeps, not a table"},
        {"the attempts", Own("personal-bests.txt"), "# attempts\n",
         "it is the personal-best attempts Vellorin keeps, not a table"},
        {"the window's settings", dir.filePath("window.ini"), "[window]\r\nsize=1\r\n",
         "it is the window's settings Vellorin keeps, not a table"},
        {"the log by another spelling", window.userDataFolder + "/../data/training-log.csv", log,
         "it is the training log Vellorin keeps, not a table"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(c.path, c.bytes);
        window.messages.clear();
        Load(c.path);
        EXPECT_EQ(window.messages.join('|').toStdString(),
                  QStringLiteral("Could not load \"%1\": %2.").arg(c.path, c.why).toStdString());
        EXPECT_EQ(Fields(), QStringList({"1", "2", "3", "4", "5", "6"}));
        EXPECT_EQ(commands.TableFile(), "");
        EXPECT_FALSE(commands.CanUndoLoad());

        // Save refuses the program's own files too, and keeps every byte they hold.
        if (QString(c.why).contains("Vellorin keeps")) {
            window.messages.clear();
            window.dialog.nextFileName = c.path;
            commands.SaveCmd_Click();
            EXPECT_EQ(ReadBytes(c.path), c.bytes);
            EXPECT_EQ(window.messages.size(), 1);
            EXPECT_TRUE(window.messages.value(0).contains("which a table must not replace"));
        }
    }
}

#ifndef Q_OS_WIN
// The program's files reached by another name (links as POSIX makes them): a hard link is the
// same file under a name of its own, and a link to a file not there yet leads where a save
// through it would write.
TEST_F(LoadGuard, KnowsTheProgramsOwnFilesThroughHardAndSymbolicLinks) {
    QByteArray log = "session_start,table,intro,hold\r\n";
    for (int i = 1; i <= 6; ++i) {
        log += "2026-12-08T04:38:53Z,t.ses,2,5\r\n";  // enough lines to fill six fields
    }
    WriteBytes(Own("training-log.csv"), log);
    WriteBytes(dir.filePath("window.ini"), "[window]\r\nsize=1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n");
    const struct {
        const char* name;
        QString own;
        bool hard;
        const char* what;
    } cases[] = {
        {"a hard link of the log", Own("training-log.csv"), true, "the training log"},
        {"a hard link of the settings", dir.filePath("window.ini"), true, "the window's settings"},
        {"a link to attempts not made yet", Own("personal-bests.txt"), false,
         "the personal-best attempts"},
        {"a link to a link to the log", dir.filePath("log-link"), false, "the training log"},
    };
    ASSERT_TRUE(QFile::link(Own("training-log.csv"), dir.filePath("log-link")));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QString::fromLatin1(c.name).replace(' ', '-') + ".ses");
        ASSERT_TRUE(c.hard ? ::link(QFile::encodeName(c.own), QFile::encodeName(path)) == 0
                           : QFile::link(c.own, path));
        const QByteArray before = ReadBytes(c.own);
        window.messages.clear();
        Load(path);
        EXPECT_EQ(Fields(), QStringList({"1", "2", "3", "4", "5", "6"}));
        EXPECT_EQ(window.messages.value(0),
                  QStringLiteral("Could not load \"%1\": it is %2 Vellorin keeps, not a table.")
                      .arg(path, c.what));
        window.messages.clear();
        window.dialog.nextFileName = path;
        commands.SaveCmd_Click();
        EXPECT_TRUE(window.messages.value(0).contains("which a table must not replace"));
        EXPECT_EQ(ReadBytes(c.own), before);
        EXPECT_EQ(QFileInfo(path).isSymLink(), !c.hard) << "the name was replaced";
    }
}
#endif

// Ctrl+Z puts back the fields and the table as they were, one Load at a time; the table is
// edited while its fields differ from its file.
TEST_F(LoadGuard, ALoadCanBeUndoneAndEditsAreKnown) {
    WriteBytes(dir.filePath("a.ses"), kTableBytes);
    WriteBytes(dir.filePath("b.ses"), "1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n");
    EXPECT_FALSE(commands.UndoLoad());
    Load(dir.filePath("a.ses"));
    EXPECT_FALSE(commands.Edited());
    window.SetFieldText(Field::LoopsTbx, "9");
    EXPECT_TRUE(commands.Edited());
    Load(dir.filePath("b.ses"));
    EXPECT_EQ(Fields(), QStringList({"1", "1", "1", "1", "1", "1"}));
    ASSERT_TRUE(commands.UndoLoad());
    EXPECT_EQ(Fields(), QStringList({"30", "60", "0", "120", "15", "9"}));  // with the edit
    EXPECT_EQ(commands.TableFile(), dir.filePath("a.ses"));
    EXPECT_TRUE(commands.Edited());
    window.SetFieldText(Field::LoopsTbx, "8");
    EXPECT_FALSE(commands.Edited());    // back to what the file holds
    EXPECT_FALSE(commands.UndoLoad());  // one step back, not a history of every Load
    window.SetFieldText(Field::LoopsTbx, "7");
    window.dialog.nextFileName = dir.filePath("c.ses");
    commands.SaveCmd_Click();
    EXPECT_FALSE(commands.Edited());
    EXPECT_EQ(commands.TableFile(), dir.filePath("c.ses"));
}

}  // namespace
}  // namespace vellorin::testing
