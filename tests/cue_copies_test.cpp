// The cues are played from copies in a folder of the window's own in the user's runtime
// folder, named with its process: the folder goes with the player, and one a killed window
// left is removed by the next start, while anything else there stays.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include "cue_player.h"
#include "cue_set.h"
#include "file_helpers.h"

namespace vellorin::testing {
namespace {

// The number of a process that has ended.
qint64 EndedProcess() {
    const pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    waitpid(child, nullptr, 0);
    return child;
}

TEST(CueCopies, LiveInAFolderOfTheProcessThatTheNextStartClearsIfItWasKilled) {
    QTemporaryDir runtime;
    const QByteArray before = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    const QString killed = QStringLiteral("vellorin-cues-%1-aBc123").arg(EndedProcess());
    const QStringList others = {
        "vellorin-cues-1-xYz789",                                      // a process that runs
        "vellorin-cues-none",                                          // no process's number
        "vellorin-cues-" + QString::number(EndedProcess()) + "-file",  // a file, not a folder
        "vellorin.socket",
    };
    QDir(runtime.path()).mkpath(killed + "/inside");
    WriteBytes(runtime.filePath(killed + "/inside/hold.wav"), "RIFF");
    QDir(runtime.path()).mkpath(others[0]);
    QDir(runtime.path()).mkpath(others[1]);
    WriteBytes(runtime.filePath(others[2]), "a file");
    WriteBytes(runtime.filePath(others[3]), "");
    const auto entries = [&runtime] {
        return QDir(runtime.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    };
    {
        CuePlayer player;
        const CuePlayer::Readied readied = player.Preload(CueSet(VELLORIN_SOURCE_DIR, QString()));
        EXPECT_GT(readied.found, 0);
        QStringList now = entries();
        for (const QString& other : others) {
            EXPECT_TRUE(now.removeOne(other)) << other.toStdString();
        }
        ASSERT_EQ(now.size(), 1) << now.join(' ').toStdString();
        EXPECT_TRUE(now[0].startsWith(
            QStringLiteral("vellorin-cues-%1-").arg(QCoreApplication::applicationPid())))
            << now[0].toStdString();
        EXPECT_TRUE(QFile::exists(runtime.filePath(now[0] + "/hold.wav")));
    }
    QStringList expected = others;
    expected.sort();
    EXPECT_EQ(entries(), expected);
    if (before.isEmpty()) {
        qunsetenv("XDG_RUNTIME_DIR");
    } else {
        qputenv("XDG_RUNTIME_DIR", before);
    }
}

}  // namespace
}  // namespace vellorin::testing
