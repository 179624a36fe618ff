// Save replaces only a regular file: a pipe, a folder or a link to one is refused by name and
// left as it was, and a link to a table is written through and stays a link. Run as an
// unprivileged user, since root may write where a user may not.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "fake_window.h"
#include "file_helpers.h"
#include "session_commands.h"
#include "session_file.h"
#include "unprivileged_files.h"

namespace vellorin::testing {
namespace {

const QStringList kTable = {"30", "60", "0", "120", "15", "8"};

enum class Kind { Pipe, Folder, LinkToPipe, LinkToFolder, LinkToTable };

struct Target {
    const char* name;
    Kind kind;
};

void PrintTo(const Target& c, std::ostream* os) {
    *os << c.name;
}

class SaveTarget : public ::testing::TestWithParam<Target> {
protected:
    SaveTarget() {
        QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777));  // rwx for all
        mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0666);
        QDir(dir.path()).mkdir("folder");
        WriteBytes(dir.filePath("table.ses"), "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n");
        QFile::setPermissions(dir.filePath("table.ses"), QFileDevice::Permissions(0x6666));
        window.applicationFolder = dir.path();
        window.SetSettings(kTable);
    }
    QString Make(Kind kind) {
        const QString target = dir.filePath("target.ses");
        const char* linked = kind == Kind::LinkToPipe     ? "pipe"
                             : kind == Kind::LinkToFolder ? "folder"
                                                          : "table.ses";
        switch (kind) {
            case Kind::Pipe:
                return dir.filePath("pipe");
            case Kind::Folder:
                return dir.filePath("folder");
            default:
                QFile::link(QString::fromLatin1(linked), target);
                return target;
        }
    }

    QTemporaryDir dir;
    FakeWindow window;
    SessionFileCommands commands{window};
};

TEST_P(SaveTarget, IsRefusedByNameUnlessItIsATable) {
    const QString target = Make(GetParam().kind);
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System);
    window.dialog.nextFileName = target;
    {
        UnprivilegedFiles asUser;
        commands.SaveCmd_Click();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System), before);
    if (GetParam().kind == Kind::LinkToTable) {
        EXPECT_EQ(window.messages, QStringList{});
        EXPECT_TRUE(QFileInfo(target).isSymLink());
        EXPECT_EQ(ReadBytes(dir.filePath("table.ses")), SessionFileBytes(kTable));
        return;
    }
    EXPECT_EQ(window.messages, QStringList{QStringLiteral("Could not save the session to \"%1\": "
                                                          "it is not a file.")
                                               .arg(target)});
    struct stat status {};
    ASSERT_EQ(stat(QFile::encodeName(target).constData(), &status), 0);
    EXPECT_EQ(S_ISFIFO(status.st_mode),
              GetParam().kind == Kind::Pipe || GetParam().kind == Kind::LinkToPipe);
}

INSTANTIATE_TEST_SUITE_P(Targets, SaveTarget,
                         ::testing::Values(Target{"Pipe", Kind::Pipe},
                                           Target{"Folder", Kind::Folder},
                                           Target{"LinkToPipe", Kind::LinkToPipe},
                                           Target{"LinkToFolder", Kind::LinkToFolder},
                                           Target{"LinkToTable", Kind::LinkToTable}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace vellorin::testing
