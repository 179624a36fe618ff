// The window's settings file: one that is not a regular file never holds up a start and is
// told of once, a setting it cannot keep is told of, naming the file, and the log switch
// reads the words a user may write by hand.
#include <gtest/gtest.h>

#include <QAction>
#include <QFileInfo>
#include <QTest>

#include "file_helpers.h"
#include "test_mainform.h"
#include "unprivileged_files.h"

namespace vellorin::testing {
namespace {

// A folder for the window with its default session, so that its only messages are the
// settings file's.
void WithDefaultSession(const QTemporaryDir& folder) {
    QDir(folder.path()).mkpath("sessions");
    WriteBytes(folder.filePath("sessions/default.ses"), "30\r\n60\r\n0\r\n120\r\n15\r\n8\r\n");
}

TEST(WindowSettingsFile, OneThatIsNotARegularFileIsToldOfOnceAndLeftAlone) {
    const struct {
        const char* what;
        bool (*make)(const QString&);
        const char* left;  // what the path is afterwards
    } kinds[] = {
        {"a named pipe", MakeNamedPipe, "pipe"},
        {"a folder", [](const QString& path) { return QDir().mkpath(path); }, "folder"},
        {"a named pipe as its lock file",
         [](const QString& path) { return MakeNamedPipe(path + ".lock"); }, "pipe lock"},
    };
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.what);
        QTemporaryDir folder;
        WithDefaultSession(folder);
        TestMainform window(folder.path());
        const QString ini = folder.filePath("window.ini");
        ASSERT_TRUE(kind.make(ini));
        window.Form_Load();
        QTest::qWait(0);
        ASSERT_EQ(window.messages.size(), 1) << window.messages.join('\n').toStdString();
        EXPECT_TRUE(window.messages.constFirst().contains(ini)) << window.messages[0].toStdString();
        EXPECT_TRUE(window.findChild<QAction*>("log")->isChecked()) << "the log is kept";
        // Switched off, the log stays off until the window closes, and says it is not kept.
        window.findChild<QAction*>("log")->trigger();
        EXPECT_EQ(window.messages.size(), 2);
        EXPECT_TRUE(window.messages.value(1).contains("could not be kept"));
        window.close();
        const QString looked = QString::fromLatin1(kind.left) == "pipe lock" ? ini + ".lock" : ini;
        EXPECT_EQ(QFileInfo(looked).isDir(), QString::fromLatin1(kind.left) == "folder");
        EXPECT_FALSE(QFileInfo(looked).isFile());
    }
}

TEST(WindowSettingsFile, ASettingItCannotKeepIsToldOf) {
    SKIP_WITHOUT_POSIX_PERMISSIONS();
    const struct {
        const char* what;
        bool file;
        const char* reason;
    } cases[] = {
        {"a read-only file", true, "Permission denied"},
        {"a folder nobody may write, without the file", false, "its folder cannot be written"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        QTemporaryDir folder;
        WithDefaultSession(folder);
        TestMainform window(folder.path());
        const QString ini = folder.filePath("window.ini");
        if (test.file) {
            WriteBytes(ini, "[log]\nenabled=true\n");
            QFile::setPermissions(ini, QFile::ReadOwner | QFile::ReadOther);
        }
        QFile::setPermissions(
            folder.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        {
            UnprivilegedFiles asUser;
            window.Form_Load();
            QTest::qWait(0);
            ASSERT_TRUE(window.findChild<QAction*>("log")->isChecked());
            window.findChild<QAction*>("log")->trigger();
        }
        ASSERT_EQ(window.messages.size(), 1) << window.messages.join('\n').toStdString();
        EXPECT_TRUE(window.messages[0].contains("\"" + ini + "\""))
            << window.messages[0].toStdString();
        EXPECT_TRUE(window.messages[0].contains(test.reason)) << window.messages[0].toStdString();
        EXPECT_FALSE(window.findChild<QAction*>("log")->isChecked());
        if (test.file) {
            EXPECT_EQ(ReadBytes(ini), "[log]\nenabled=true\n");
        }
        QFile::setPermissions(folder.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

TEST(WindowSettingsFile, TheLogSwitchReadsWhatAUserWritesByHand) {
    const struct {
        const char* written;
        bool on;
    } values[] = {
        {"no", false},  {"NO", false}, {"false", false}, {"False", false}, {"off", false},
        {"Off", false}, {"0", false},  {" no ", false},  {"yes", true},    {"YES", true},
        {"true", true}, {"on", true},  {"1", true},      {"maybe", true},  {"", true},
    };
    for (const auto& value : values) {
        SCOPED_TRACE(value.written);
        QTemporaryDir folder;
        WithDefaultSession(folder);
        TestMainform window(folder.path());
        WriteBytes(folder.filePath("window.ini"),
                   QByteArray("[log]\nenabled=") + value.written + "\n");
        window.Form_Load();
        EXPECT_EQ(window.findChild<QAction*>("log")->isChecked(), value.on);
    }
}

}  // namespace
}  // namespace vellorin::testing
