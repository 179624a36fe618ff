// Installs the built program into a temporary prefix and starts it from there, the way a
// packaged Vellorin runs.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <unistd.h>

#include "file_helpers.h"

namespace vellorin::testing {
namespace {

constexpr uid_t kNobody = 65534;

class InstalledProgram : public ::testing::Test {
protected:
    void SetUp() override {
        QProcess install;
        install.start(VELLORIN_CMAKE_COMMAND,
                      {"--install", VELLORIN_BINARY_DIR, "--prefix", prefix.path()});
        ASSERT_TRUE(install.waitForFinished(120000));
        ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();
    }
    QString Installed(const QString& path) const { return prefix.filePath(path); }

    QTemporaryDir prefix;
};

TEST_F(InstalledProgram, LaysOutASelfContainedApplicationFolder) {
    const QFileInfo command(Installed("bin/vellorin"));
    EXPECT_TRUE(command.isSymLink());
    EXPECT_EQ(command.canonicalFilePath(),
              QFileInfo(Installed("lib/vellorin/vellorin")).canonicalFilePath());
    EXPECT_TRUE(QFileInfo(Installed("lib/vellorin/vellorin")).isExecutable());
    EXPECT_EQ(QDir(Installed("lib/vellorin/snd")).entryList({"*.wav"}).size(), 91);
    EXPECT_EQ(ReadBytes(Installed("lib/vellorin/sessions/default.ses")),
              "30\r\n60\r\n0\r\n120\r\n15\r\n8\r\n");
    const QByteArray entry =
        ReadBytes(Installed("share/applications/org.vellorin.Vellorin.desktop"));
    EXPECT_TRUE(entry.contains("\nName=Vellorin\n"));
    EXPECT_TRUE(entry.contains("\nExec=vellorin %f\n"));
    EXPECT_TRUE(entry.contains("\nMimeType=application/x-vellorin-session;\n"));
    const QByteArray mime = ReadBytes(Installed("share/mime/packages/org.vellorin.Vellorin.xml"));
    EXPECT_TRUE(mime.contains("<mime-type type=\"application/x-vellorin-session\">"));
    EXPECT_TRUE(mime.contains("<glob pattern=\"*.ses\"/>"));
    for (const char* document :
         {"share/metainfo/org.vellorin.Vellorin.metainfo.xml", "share/man/man1/vellorin.1.gz",
          "share/man/de/man1/vellorin.1.gz", "share/doc/vellorin/copyright",
          "share/doc/vellorin/changelog.gz", "lib/vellorin/snd/de/hold.wav",
          "lib/vellorin/snd/ru/words.txt"}) {
        EXPECT_TRUE(QFileInfo::exists(Installed(document))) << document;
    }
    EXPECT_TRUE(entry.contains("\nIcon=org.vellorin.Vellorin\n"));
    EXPECT_TRUE(entry.contains("\nGenericName[de]=Timer für Atemanhalte-Tabellen\n"));
    EXPECT_TRUE(entry.contains("\nStartupWMClass=Vellorin\n"));
    for (const char* size :
         {"16x16", "22x22", "24x24", "32x32", "48x48", "64x64", "128x128", "256x256", "scalable"}) {
        const QString suffix = QLatin1String(size) == "scalable" ? ".svg" : ".png";
        const QString folder = Installed("share/icons/hicolor/") + size;
        EXPECT_TRUE(QFileInfo::exists(folder + "/apps/org.vellorin.Vellorin" + suffix)) << size;
        EXPECT_TRUE(
            QFileInfo::exists(folder + "/mimetypes/application-x-vellorin-session" + suffix))
            << size;
    }
}

// Starts the installed command offscreen and returns what it logged up to the line that
// marks the end of its start-up. With asNobody, it runs as the unprivileged user "nobody"
// with home as its home folder.
QByteArray StartInstalled(const QString& command, const QStringList& arguments, const QString& home,
                          const QByteArray& lastLine) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("QT_LOGGING_RULES", "vellorin.startup.info=true");
    // A runtime folder of its own: a Vellorin window the user has open would otherwise take
    // the start over, as one window per user should.
    QTemporaryDir runtime;
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    if (!home.isEmpty()) {
        if (geteuid() == 0) {
            (void)!chown(QFile::encodeName(runtime.path()).constData(), kNobody, kNobody);
        }
        environment.insert("HOME", home);
        environment.remove("XDG_DATA_HOME");
        program.setChildProcessModifier([] {
            if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
                _exit(127);
            }
        });
    }
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(QDir::tempPath());
    program.start(command, arguments);
    if (!program.waitForStarted(10000)) {
        return "did not start";
    }
    // A message box at start-up would hold the window back, and the last line never come.
    QByteArray log;
    const QDeadlineTimer deadline(60000);
    while (!log.contains(lastLine) && !deadline.hasExpired() &&
           program.state() == QProcess::Running) {
        program.waitForReadyRead(200);
        log += program.readAllStandardError();
    }
    program.kill();
    program.waitForFinished(10000);
    return log;
}

TEST_F(InstalledProgram, StartsThroughItsCommandWithCuesAndDefaultSession) {
    const QByteArray log =
        StartInstalled(Installed("bin/vellorin"), {}, {}, "the other profiles' cues found");
    const QString folder = QFileInfo(Installed("lib/vellorin")).canonicalFilePath();
    EXPECT_TRUE(log.contains("window shown")) << log.toStdString();
    EXPECT_TRUE(log.contains("application folder: \"" + folder.toUtf8() + "\""))
        << log.toStdString();
    EXPECT_TRUE(
        log.contains("default session: loaded " + folder.toUtf8() + "/sessions/default.ses"))
        << log.toStdString();
    EXPECT_TRUE(log.contains("cues found: 28 of 28")) << log.toStdString();
    EXPECT_TRUE(log.contains("the other profiles' cues found: 63 of 63")) << log.toStdString();
}

TEST_F(InstalledProgram, AUserWithoutWriteAccessGetsTheirOwnDefaultAndOpensAFileGiven) {
    QFile::setPermissions(prefix.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                             QFile::ReadOther | QFile::ExeOther);
    QTemporaryDir home;
    QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                           QFile::ReadOther | QFile::ExeOther | QFile::WriteOther);
    const QString own = home.filePath(".local/share/Vellorin/sessions");
    QDir().mkpath(own);
    WriteBytes(own + "/default.ses", "5\r\n20\r\n5\r\n10\r\n5\r\n3\r\n");
    WriteBytes(home.filePath("co2.ses"), "10\r\n90\r\n0\r\n120\r\n15\r\n8\r\n");
    const QString ownCues = home.filePath(".local/share/Vellorin/snd");
    QDir().mkpath(ownCues);
    QFile::copy(Installed("lib/vellorin/snd/hold.wav"), ownCues + "/hold.wav");

    const QByteArray log = StartInstalled(Installed("bin/vellorin"), {home.filePath("co2.ses")},
                                          home.path(), "session file loaded");
    EXPECT_TRUE(log.contains("default session: loaded " + own.toUtf8() + "/default.ses"))
        << log.toStdString();
    EXPECT_TRUE(log.contains("cues found: 28 of 28")) << log.toStdString();
    EXPECT_TRUE(log.contains("the user's own cues: hold.wav from " + ownCues.toUtf8()))
        << log.toStdString();
    EXPECT_TRUE(log.contains("session file loaded: " + home.filePath("co2.ses").toUtf8() +
                             " fields: 10|90|0|120|15|8"))
        << log.toStdString();
}

// The desktop's own validators, where this machine has them.
// Qt's own options reach Qt in window mode; after "--" every argument is a file, for Qt too.
TEST_F(InstalledProgram, TakesQtsOptionsButNoneAfterTheDoubleDash) {
    const QString command = Installed("bin/vellorin");
    const QByteArray qt = StartInstalled(command, {"-style", "Fusion", "-reverse"}, {}, "shown");
    EXPECT_TRUE(qt.contains("style: fusion layout: right to left")) << qt.toStdString();

    const QString file = QDir::temp().filePath("-reverse");
    WriteBytes(file, "5\r\n20\r\n5\r\n10\r\n5\r\n3\r\n");
    const QByteArray files = StartInstalled(command, {"--", "-reverse"}, {}, "fields:");
    QFile::remove(file);
    EXPECT_TRUE(files.contains("layout: left to right")) << files.toStdString();
    EXPECT_TRUE(files.contains("session file loaded: -reverse fields: 5|20|5|10|5|3"))
        << files.toStdString();
}

TEST_F(InstalledProgram, DesktopEntryAndMetainfoPassTheirValidators) {
    struct Check {
        const char* tool;
        QStringList arguments;
    };
    const Check checks[] = {
        {"desktop-file-validate", {Installed("share/applications/org.vellorin.Vellorin.desktop")}},
        {"appstreamcli",
         {"validate", "--no-net", Installed("share/metainfo/org.vellorin.Vellorin.metainfo.xml")}}};
    int ran = 0;
    for (const Check& check : checks) {
        if (QStandardPaths::findExecutable(check.tool).isEmpty()) {
            continue;
        }
        QProcess validator;
        validator.start(check.tool, check.arguments);
        ASSERT_TRUE(validator.waitForFinished(60000));
        const QByteArray output =
            validator.readAllStandardOutput() + validator.readAllStandardError();
        EXPECT_EQ(validator.exitCode(), 0) << check.tool << ": " << output.toStdString();
        // Hints and pedantic notes are fine; errors and warnings are not.
        EXPECT_FALSE(output.contains("error") || output.contains("warning") ||
                     output.contains("\nW:") || output.contains("\nE:") ||
                     output.startsWith("W:") || output.startsWith("E:"))
            << check.tool << ": " << output.toStdString();
        ++ran;
    }
    if (ran == 0) {
        GTEST_SKIP() << "neither desktop-file-validate nor appstreamcli is installed";
    }
}

TEST(Package, LintsCleanWithLintian) {
    if (QStandardPaths::findExecutable("lintian").isEmpty() ||
        QStandardPaths::findExecutable("dpkg-shlibdeps").isEmpty()) {
        GTEST_SKIP() << "needs lintian and dpkg-dev";
    }
    QTemporaryDir out;
    QProcess cpack;
    cpack.setWorkingDirectory(VELLORIN_BINARY_DIR);
    cpack.start(VELLORIN_CPACK_COMMAND, {"-B", out.path()});
    ASSERT_TRUE(cpack.waitForFinished(300000));
    ASSERT_EQ(cpack.exitCode(), 0) << cpack.readAllStandardOutput().toStdString();
    QProcess lintian;
    lintian.start("lintian", {out.filePath("vellorin_1.00_amd64.deb")});
    ASSERT_TRUE(lintian.waitForFinished(300000));
    const QByteArray tags = lintian.readAllStandardOutput();
    EXPECT_EQ(lintian.exitCode(), 0) << tags.toStdString();
    EXPECT_FALSE(tags.contains("E: ") || tags.contains("W: ")) << tags.toStdString();
}

}  // namespace
}  // namespace vellorin::testing
