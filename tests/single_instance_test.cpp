// One window per user: a second start hands its file to the running window and ends, and a
// socket left by a window that crashed does not stop the next start.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QProcess>
#include <QTemporaryDir>

#include "file_helpers.h"

namespace vellorin::testing {
namespace {

class OneWindow : public ::testing::Test {
protected:
    OneWindow() {
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("QT_LOGGING_RULES", "vellorin.startup.info=true");
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        environment.insert("XDG_DATA_HOME", runtime.filePath("data"));
    }
    ~OneWindow() override {
        first.kill();
        first.waitForFinished(10000);
    }
    // Starts the window and waits until its log holds line; returns the log so far.
    QByteArray StartFirst(const QByteArray& line) {
        first.setProcessEnvironment(environment);
        first.start(VELLORIN_PROGRAM, {});
        return WaitFor(line);
    }
    QByteArray WaitFor(const QByteArray& line) {
        const QDeadlineTimer deadline(60000);
        while (!log.contains(line) && !deadline.hasExpired() &&
               first.state() != QProcess::NotRunning) {
            first.waitForReadyRead(200);
            log += first.readAllStandardError();
        }
        return log;
    }

    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QProcess first;
    QByteArray log;
};

TEST_F(OneWindow, ASecondStartHandsItsFileOverAndEnds) {
    ASSERT_TRUE(StartFirst("window shown").contains("window shown"));
    const QString table = runtime.filePath("co2.ses");
    WriteBytes(table, "10\r\n90\r\n0\r\n120\r\n15\r\n8\r\n");
    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(VELLORIN_PROGRAM, {table});
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_FALSE(second.readAllStandardError().contains("window shown"));
    EXPECT_TRUE(WaitFor("fields:").contains("session file loaded: " + table.toUtf8() +
                                            " fields: 10|90|0|120|15|8"))
        << log.toStdString();
}

TEST_F(OneWindow, AStaleSocketDoesNotStopAStart) {
    // A socket file nobody listens on, as a window that crashed leaves it.
    const QByteArray path = QFile::encodeName(runtime.filePath("vellorin.socket"));
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    close(fd);
    EXPECT_TRUE(StartFirst("window shown").contains("window shown")) << log.toStdString();
}

}  // namespace
}  // namespace vellorin::testing
