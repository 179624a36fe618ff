// The training log: every hold of a session recorded from outside the controller (a tick is
// a call), contractions marked by key, and the rows kept as CSV that reads back, quoting and
// all, with damaged rows left out by line.
#include <QDir>
#include <QTemporaryDir>

#include "attempts_file.h"
#include "file_helpers.h"
#include "session_fixture.h"
#include "session_recorder.h"
#include "training_log.h"
#include "unprivileged_files.h"

namespace vellorin::testing {
namespace {

const QDateTime kStart = QDateTime::fromString("2026-12-07T07:30:00+01:00", Qt::ISODate);

TEST(TrainingLog, QuotesWhatNeedsQuotingAndReadsItBack) {
    SessionRecord session{kStart,
                          "my \"best\", table\nv2.ses",
                          {"30", "60", "0", "1,5", "", "8"},
                          {{1, 60, 60, 41, 3, true}, {2, 60, 12, std::nullopt, 0, false}}};
    QTemporaryDir dir;
    const QString path = TrainingLogPath(dir.filePath("data"));
    ASSERT_EQ(AppendToLog(path, session), "");
    ASSERT_EQ(AppendToLog(path, session), "");
    const QByteArray bytes = ReadBytes(path);
    EXPECT_TRUE(bytes.startsWith(QByteArray(kLogHeader) + "\r\n"));
    EXPECT_EQ(bytes.count(kLogHeader), 1);
    EXPECT_TRUE(
        bytes.contains(",\"my \"\"best\"\", table\nv2.ses\",30,60,0,\"1,5\",,8,1,60,60,41,3,"
                       "yes,classic,time:60,,,,,\r\n"));
    const LogRead read = ReadLog(path);
    ASSERT_EQ(read.rows.size(), 4);
    EXPECT_TRUE(read.skipped.isEmpty());
    EXPECT_EQ(read.rows[0].table, session.table);
    EXPECT_EQ(read.rows[0].settings, session.settings);
    EXPECT_EQ(read.rows[0].sessionStart, kStart);
    EXPECT_EQ(read.rows[1].hold.firstContraction, std::nullopt);
    EXPECT_FALSE(read.rows[1].hold.completed);
}

TEST(TrainingLog, LeavesOutDamagedRowsByLineAndReadsTheRest) {
    QTemporaryDir dir;
    const QString path = dir.filePath("training-log.csv");
    const QByteArray row = "2026-12-07T07:30:00+01:00,t.ses,30,60,0,120,15,8,1,60,60,,0,yes\r\n";
    WriteBytes(path, QByteArray(kLogHeaderWithoutRules) + "\r\n" + row +
                         "2026-12-07T07:30:00+01:00,t,1\r\n" + row +
                         "2026-12-07T07:30:00+01:00,\"cut");
    const LogRead read = ReadLog(path);
    EXPECT_EQ(read.rows.size(), 2);
    EXPECT_EQ(DamagedLinesMessage(path, read.skipped),
              QStringLiteral("Left out 2 lines of \"%1\": lines 3 and 5. Line 3: it has 3 columns, "
                             "not 14. Line 5: the row was cut short.")
                  .arg(path));
    // The next session starts on a line of its own; nothing that was there is lost.
    ASSERT_EQ(AppendToLog(
                  path, {kStart, "t.ses", {"1", "2", "3", "4", "5", "6"}, {{1, 9, 9, 2, 1, true}}}),
              "");
    EXPECT_EQ(ReadLog(path).rows.size(), 3);
    EXPECT_EQ(ReadLog(path).skipped.size(), 2);
}

// A user who may not write the data folder is told why, for the log and the attempts alike,
// and the folder is left as it was.
TEST(TrainingLog, AnUnwritableFolderSaysWhyAndKeepsWhatItHeld) {
    SKIP_WITHOUT_POSIX_PERMISSIONS();
    QTemporaryDir dir;
    const QByteArray old = "2026-12-01T07:00:00Z 150\n";
    WriteBytes(AttemptsPath(dir.path()), old);
    QFile::setPermissions(dir.path(),
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    QString log;
    QString attempt;
    {
        UnprivilegedFiles asUser;
        log =
            AppendToLog(TrainingLogPath(dir.path()),
                        {kStart, "t.ses", {"1", "2", "3", "4", "5", "6"}, {{1, 9, 9, 2, 1, true}}});
        attempt = AppendAttempt(AttemptsPath(dir.path()), {kStart, 200});
    }
    EXPECT_TRUE(log.contains("Permission denied")) << log.toStdString();
    EXPECT_TRUE(attempt.contains("Permission denied")) << attempt.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"personal-bests.txt"});
    EXPECT_EQ(ReadBytes(AttemptsPath(dir.path())), old);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace
}  // namespace vellorin::testing
