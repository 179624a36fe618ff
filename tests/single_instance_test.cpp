// One window per user: a second start hands its file to the running window and ends, whole
// whatever bytes its name holds, and waits for a window that is busy; the window reads no
// more than a request can be; a socket left by a window that crashed does not stop the next
// start, and a path that cannot be a socket is reported and left as it is.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

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

    // A second start given file; its standard error once it has ended.
    QByteArray StartSecond(const QString& file) {
        QProcess second;
        second.setProcessEnvironment(environment);
        second.start(VELLORIN_PROGRAM, {file});
        EXPECT_TRUE(second.waitForFinished(20000));
        EXPECT_EQ(second.exitCode(), 0);
        return second.readAllStandardError();
    }
    QString Socket() const { return runtime.filePath("vellorin.socket"); }

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

// A request is the name's length in four bytes, most significant first, then the name.
QByteArray Frame(const QByteArray& name) {
    QByteArray frame(4, '\0');
    qToBigEndian<quint32>(quint32(name.size()), frame.data());
    return frame + name;
}

QByteArray Table(int hold) {
    return "10\r\n" + QByteArray::number(hold) + "\r\n0\r\n120\r\n15\r\n8\r\n";
}

// Whatever bytes a file name holds, the window loads that file and no other: not the one
// named by the name's part before a line break.
TEST_F(OneWindow, ANameIsHandedOverWhole) {
    const struct {
        const char* name;
        const char* shown;  // as the start-up log prints it
    } names[] = {
        {"evil\n.ses", "evil\\x0a.ses"},
        {"tab\tin.ses", "tab\\x09in.ses"},
        {"ends in a line break.ses\n", "ends in a line break.ses\\x0a"},
        {" Ruhe f\xc3\xbcr \"\xc3\x84pfel\".ses", " Ruhe f\xc3\xbcr \"\xc3\x84pfel\".ses"},
    };
    ASSERT_TRUE(StartFirst("window shown").contains("window shown"));
    WriteBytes(runtime.filePath("evil"), Table(33));
    WriteBytes(runtime.filePath("ends in a line break.ses"), Table(33));
    int hold = 60;
    for (const auto& name : names) {
        SCOPED_TRACE(name.shown);
        const QString path = runtime.filePath(QString::fromUtf8(name.name));
        WriteBytes(path, Table(++hold));
        StartSecond(path);
        const QByteArray expected = "session file loaded: " + QFile::encodeName(runtime.path()) +
                                    "/" + name.shown + " fields: 10|" + QByteArray::number(hold) +
                                    "|0|120|15|8";
        EXPECT_TRUE(WaitFor(expected).contains(expected)) << log.toStdString();
    }
}

// A same-user client that sends more than any name can be is dropped before the window
// reads it, and the window goes on taking requests.
TEST_F(OneWindow, ARequestLongerThanANameIsDroppedUnread) {
    const struct {
        const char* what;
        QByteArray bytes;
    } requests[] = {
        {"a name without a frame", QByteArray(1024 * 1024, 'a') + '\n'},
        {"a frame announcing 100 MB", QByteArray("\x06\0\0\0", 4) + QByteArray(64 * 1024, 'a')},
    };
    ASSERT_TRUE(StartFirst("window shown").contains("window shown"));
    for (const auto& request : requests) {
        SCOPED_TRACE(request.what);
        QLocalSocket client;
        client.connectToServer(Socket());
        ASSERT_TRUE(client.waitForConnected(20000));
        client.write(request.bytes);
        EXPECT_TRUE(client.state() == QLocalSocket::UnconnectedState ||
                    client.waitForDisconnected(20000));
        EXPECT_FALSE(client.readAll().contains("ok"));
    }
    const QString table = runtime.filePath("after.ses");
    WriteBytes(table, Table(45));
    StartSecond(table);
    EXPECT_TRUE(WaitFor("fields: 10|45").contains("fields: 10|45")) << log.toStdString();
}

// A window too busy to answer at once (here a server of the test's own that answers after
// four seconds) still takes the file: the second start waits, shows no window of its own
// and leaves the window's socket where it is.
TEST_F(OneWindow, ASecondStartWaitsForABusyWindow) {
    QLocalServer busy;
    ASSERT_TRUE(busy.listen(Socket()));
    const QString table = runtime.filePath("co2.ses");
    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(VELLORIN_PROGRAM, {table});
    ASSERT_TRUE(busy.waitForNewConnection(20000));
    QLocalSocket* request = busy.nextPendingConnection();
    QByteArray received;
    while (received.size() < Frame(QFile::encodeName(table)).size() &&
           request->waitForReadyRead(20000)) {
        received += request->readAll();
    }
    EXPECT_EQ(received, Frame(QFile::encodeName(table)));
    QElapsedTimer busyFor;
    busyFor.start();
    while (busyFor.elapsed() < 4000) {
        EXPECT_FALSE(second.waitForFinished(200)) << second.readAllStandardError().toStdString();
    }
    EXPECT_TRUE(QFileInfo(Socket()).exists());
    request->write("ok\n");
    request->waitForBytesWritten(20000);
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_FALSE(second.readAllStandardError().contains("window shown"));
    QLocalSocket later;
    later.connectToServer(Socket());
    EXPECT_TRUE(later.waitForConnected(20000)) << "the busy window's socket was taken away";
}

// A socket path that cannot be used is told of once, the window runs alone, and what is at
// that path stays as it was.
TEST_F(OneWindow, APathThatCannotBeASocketIsReportedAndLeftAlone) {
    enum class Kind { File, Folder, TooLong, PipeAsLock };
    const struct {
        const char* what;
        Kind kind;
    } paths[] = {
        {"a regular file", Kind::File},
        {"a folder", Kind::Folder},
        {"a path over the 107 bytes a socket's path may have", Kind::TooLong},
        {"a named pipe where its lock file goes", Kind::PipeAsLock},
    };
    for (const auto& path : paths) {
        SCOPED_TRACE(path.what);
        QTemporaryDir folder;
        QString socket = folder.filePath("vellorin.socket");
        QString reported = socket;
        if (path.kind == Kind::PipeAsLock) {
            reported = socket + ".lock";
            ASSERT_TRUE(MakeNamedPipe(reported));
        } else if (path.kind == Kind::File) {
            WriteBytes(socket, "a file of the user's own");
        } else if (path.kind == Kind::Folder) {
            ASSERT_TRUE(QDir().mkpath(socket + "/inside"));
        } else {
            const QString runtime = folder.filePath(QString(110, 'r'));
            ASSERT_TRUE(QDir().mkpath(runtime));
            QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            socket = runtime + "/vellorin.socket";
            reported = socket;
        }
        environment.insert("XDG_RUNTIME_DIR", QFileInfo(socket).path());
        log.clear();
        const QByteArray shown = StartFirst("window shown");
        EXPECT_TRUE(shown.contains("window shown")) << shown.toStdString();
        EXPECT_EQ(shown.count(QFile::encodeName(reported) + "\" cannot be used"), 1)
            << shown.toStdString();
        if (path.kind == Kind::File) {
            EXPECT_EQ(ReadBytes(socket), "a file of the user's own");
        } else if (path.kind == Kind::Folder) {
            EXPECT_TRUE(QFileInfo(socket + "/inside").isDir());
        }
        first.kill();
        first.waitForFinished(10000);
    }
}

}  // namespace
}  // namespace vellorin::testing
