// Qt's own options that name a file for Qt to read (the style sheet, the window icon): a
// named pipe or a folder there is told of and left out, and the window opens, instead of a
// start that hangs inside Qt waiting for the pipe's writer.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QProcess>
#include <QTemporaryDir>

#include "file_helpers.h"

namespace vellorin::testing {
namespace {

TEST(QtFileArguments, AFileThatIsNotARegularOneIsLeftOut) {
    QTemporaryDir folder;
    const QString pipe = folder.filePath("style.qss");
    ASSERT_TRUE(MakeNamedPipe(pipe));
    const QString directory = folder.filePath("icons");
    ASSERT_TRUE(QDir().mkpath(directory));
    const QString sheet = folder.filePath("fine.qss");
    WriteBytes(sheet, "QPushButton { color: #123456; }");
    const struct {
        QStringList arguments;
        QString leftOut;  // empty: nothing is
    } cases[] = {
        {{"-stylesheet", pipe}, pipe},           {{"-stylesheet=" + pipe}, pipe},
        {{"--stylesheet", pipe}, pipe},          {{"-qwindowicon", pipe}, pipe},
        {{"-stylesheet", directory}, directory}, {{"-stylesheet", sheet}, {}},
    };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("QT_LOGGING_RULES", "vellorin.startup.info=true");
    environment.insert("XDG_RUNTIME_DIR", folder.path());
    environment.insert("XDG_DATA_HOME", folder.filePath("data"));
    environment.insert("XDG_CONFIG_HOME", folder.filePath("config"));
    for (const auto& test : cases) {
        SCOPED_TRACE(test.arguments.join(' ').toStdString());
        QProcess window;
        window.setProcessEnvironment(environment);
        window.start(VELLORIN_PROGRAM, test.arguments);
        QByteArray log;
        const QDeadlineTimer deadline(60000);
        while (!log.contains("window shown") && !deadline.hasExpired() &&
               window.state() != QProcess::NotRunning) {
            window.waitForReadyRead(200);
            log += window.readAllStandardError();
        }
        EXPECT_TRUE(log.contains("window shown")) << log.toStdString();
        const QByteArray told = "\"" + QFile::encodeName(test.leftOut) + "\" given to -";
        EXPECT_EQ(log.count(told), test.leftOut.isEmpty() ? 0 : 1) << log.toStdString();
        window.kill();
        window.waitForFinished(10000);
    }
}

}  // namespace
}  // namespace vellorin::testing
