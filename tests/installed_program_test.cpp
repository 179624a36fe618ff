// Installs the built program into a temporary prefix and starts it from there, the way a
// packaged Vellorin runs.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "file_helpers.h"

namespace vellorin::testing {
namespace {

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
    EXPECT_EQ(QDir(Installed("lib/vellorin/snd")).entryList({"*.wav"}).size(), 10);
    EXPECT_EQ(ReadBytes(Installed("lib/vellorin/sessions/default.ses")),
              "30\r\n60\r\n0\r\n120\r\n15\r\n8\r\n");
    const QByteArray entry =
        ReadBytes(Installed("share/applications/org.vellorin.Vellorin.desktop"));
    EXPECT_TRUE(entry.contains("\nName=Vellorin\n"));
    EXPECT_TRUE(entry.contains("\nExec=vellorin\n"));
    EXPECT_TRUE(entry.contains("\nIcon=org.vellorin.Vellorin\n"));
    EXPECT_TRUE(
        QFileInfo::exists(Installed("share/icons/hicolor/32x32/apps/org.vellorin.Vellorin.png")));
}

TEST_F(InstalledProgram, StartsThroughItsCommandWithCuesAndDefaultSession) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("QT_LOGGING_RULES", "vellorin.startup.info=true");
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(QDir::tempPath());
    program.start(Installed("bin/vellorin"), {});
    ASSERT_TRUE(program.waitForStarted(10000));

    // A message box at start-up would hold the window back, and "window shown" never come.
    QByteArray log;
    const QDeadlineTimer deadline(60000);
    while (!log.contains("window shown") && !deadline.hasExpired() &&
           program.state() == QProcess::Running) {
        program.waitForReadyRead(200);
        log += program.readAllStandardError();
    }
    program.kill();
    program.waitForFinished(10000);

    const QString folder = QFileInfo(Installed("lib/vellorin")).canonicalFilePath();
    EXPECT_TRUE(log.contains("window shown")) << log.toStdString();
    EXPECT_TRUE(log.contains("application folder: \"" + folder.toUtf8() + "\""))
        << log.toStdString();
    EXPECT_TRUE(log.contains("default session: loaded")) << log.toStdString();
    EXPECT_TRUE(log.contains("cues found: 10 of 10")) << log.toStdString();
}

}  // namespace
}  // namespace vellorin::testing
