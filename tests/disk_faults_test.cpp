// The faults a real disk has: a write that cannot complete, and a read error in mid-line.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "attempts_file.h"
#include "cue_sound.h"
#include "failing_device.h"
#include "file_access.h"
#include "file_helpers.h"
#include "file_size_limit.h"
#include "session_file.h"
#include "training_log.h"

#ifdef __linux__
#include <sys/resource.h>

#include <csignal>
#endif

namespace vellorin::testing {
namespace {

const QStringList kTable = {"30", "60", "0", "120", "15", "8"};
const QByteArray kOldTable = "10\r\n60\r\n10\r\n30\r\n5\r\n3\r\n";

#ifdef __linux__
struct WriteFault {
    const char* name;
    rlim_t limit;  // bytes the disk takes before it fails
    bool fileExisted;
};

void PrintTo(const WriteFault& c, std::ostream* os) {
    *os << c.name;
}

class FailingWrite : public ::testing::TestWithParam<WriteFault> {};

TEST_P(FailingWrite, SaysSoAndKeepsWhatWasThere) {
    const WriteFault& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath("table.ses");
    if (c.fileExisted) {
        WriteBytes(path, kOldTable);
    }
    QString failure;
    {
        FileSizeLimit full(c.limit);
        failure = WriteSessionFile(path, kTable);
    }
    EXPECT_EQ(failure, "File too large");
    if (c.fileExisted) {
        EXPECT_EQ(ReadBytes(path), kOldTable);
    }
    const QStringList expected = c.fileExisted ? QStringList{"table.ses"} : QStringList{};
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), expected);
}

INSTANTIATE_TEST_SUITE_P(Disk, FailingWrite,
                         ::testing::Values(WriteFault{"NothingFitsOverAnOldTable", 0, true},
                                           WriteFault{"HalfFitsOverAnOldTable", 10, true},
                                           WriteFault{"AllButOneByteFitsOverAnOldTable", 22, true},
                                           WriteFault{"NothingFitsForANewTable", 0, false},
                                           WriteFault{"HalfFitsForANewTable", 10, false}),
                         [](const auto& info) { return info.param.name; });

TEST(FailingWrite, AWriteThatJustFitsSucceeds) {
    QTemporaryDir dir;
    const QString path = dir.filePath("table.ses");
    {
        FileSizeLimit full(SessionFileBytes(kTable).size());
        EXPECT_EQ(WriteSessionFile(path, kTable), "");
    }
    EXPECT_EQ(ReadBytes(path), SessionFileBytes(kTable));
}

// An attempt is kept completely or not at all: a full disk leaves the attempts as they were.
TEST(FailingWrite, AnAttemptThatDoesNotFitLeavesTheAttemptsAsTheyWere) {
    QTemporaryDir dir;
    const QString path = AttemptsPath(dir.path());
    const QByteArray old = "2026-12-01T07:00:00+01:00 150\n";
    WriteBytes(path, old);
    QString failure;
    {
        FileSizeLimit full(old.size() + 5);
        failure = AppendAttempt(path, {QDateTime::currentDateTime(), 200});
    }
    EXPECT_EQ(failure, "File too large");
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"personal-bests.txt"});
}

// A session's rows are appended whole or not at all: a full disk leaves the log as it was.
TEST(FailingWrite, ASessionThatDoesNotFitLeavesTheLogAsItWas) {
    QTemporaryDir dir;
    const QString path = TrainingLogPath(dir.path());
    const SessionRecord session{QDateTime::currentDateTime(),
                                "t.ses",
                                kTable,
                                {{1, 60, 60, 30, 2, true}, {2, 60, 60, 35, 1, true}}};
    ASSERT_EQ(AppendToLog(path, session), "");
    const QByteArray old = ReadBytes(path);
    QString failure;
    {
        FileSizeLimit full(old.size() + 40);
        failure = AppendToLog(path, session);
    }
    EXPECT_EQ(failure, "File too large");
    EXPECT_EQ(ReadBytes(path), old);
}

// A file-size limit ends a process that has not ignored SIGXFSZ at its first write past it;
// the program ignores it, so Save says why instead of vanishing. The child starts from the
// signal's default, as a process does.
TEST(FailingWrite, AFileSizeLimitIsAWriteErrorNotTheProgramsEnd) {
    QTemporaryDir dir;
    const QString path = dir.filePath("table.ses");
    const auto saveAtTheLimit = [&] {
        std::signal(SIGXFSZ, SIG_DFL);
        IgnoreFileSizeSignal();
        const rlimit limit{10, 10};
        setrlimit(RLIMIT_FSIZE, &limit);
        const bool told = WriteSessionFile(path, kTable) == "File too large";
        std::_Exit(told && QDir(dir.path()).isEmpty() ? 0 : 1);
    };
    EXPECT_EXIT(saveAtTheLimit(), ::testing::ExitedWithCode(0), "");
}
#endif

TEST(FailingRead, InTheMiddleOfALineIsAReadErrorAndNoLine) {
    const QByteArray bytes = "1\r\n" + QByteArray(20000, '2') + "\r\n3\r\n4\r\n5\r\n6\r\n";
    for (const qint64 failAt : {0, 1, 3, 10000, 16384, 20002}) {
        FailingDevice device(bytes, failAt);
        const SessionRead read = ReadSessionLines(device, QStringLiteral("t.ses"));
        EXPECT_EQ(read.problem, "Could not load \"t.ses\": Input/output error.") << failAt;
        EXPECT_EQ(read.lines, QStringList{}) << failAt;
        EXPECT_FALSE(read.endedEarly);
    }
    FailingDevice whole(bytes, bytes.size());
    EXPECT_EQ(ReadSessionLines(whole, QStringLiteral("t.ses")).problem, "");
}

TEST(FailingRead, InACueIsAReadErrorAndNoSound) {
    QFile shipped(QStringLiteral(VELLORIN_SOURCE_DIR "/snd/hold.wav"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray bytes = shipped.readAll();
    for (const qint64 failAt : {0, 20, 44, 1000, 30000}) {
        FailingDevice device(bytes, failAt);
        const CueSound sound = DecodeWave(device);
        EXPECT_EQ(sound.problem, "it cannot be read: Input/output error") << failAt;
        EXPECT_TRUE(sound.samples.empty()) << failAt;
    }
}

}  // namespace
}  // namespace vellorin::testing
