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

// A session on the fake window with a recorder watching it after every call, as the window
// does after every click, key and tick.
class Recorded : public SessionFixture {
protected:
    void Observe() {
        if (auto finished =
                recorder.Observe(controller.State(), controller.Ended(), "co2.ses", kStart)) {
            sessions.append(*finished);
        }
    }
    void StartSession(const QStringList& settings) {
        Settings(settings);
        Start();
        Observe();
    }
    void Ticks(int count) {
        for (int i = 0; i < count; ++i) {
            Tick();
            Observe();
        }
    }
    void Mark() { EXPECT_TRUE(recorder.MarkContraction(controller.State())); }
    // Each hold as "loop planned held first contractions completed".
    static QStringList Holds(const SessionRecord& session) {
        QStringList holds;
        for (const HoldRecord& h : session.holds) {
            holds.append(QStringLiteral("%1 %2 %3 %4 %5 %6")
                             .arg(h.loop)
                             .arg(h.planned)
                             .arg(h.held)
                             .arg(h.firstContraction ? QString::number(*h.firstContraction) : "-")
                             .arg(h.contractions)
                             .arg(h.completed ? "yes" : "no"));
        }
        return holds;
    }

    SessionRecorder recorder{window};
    QList<SessionRecord> sessions;
};

TEST_F(Recorded, ASessionWithMarksInSeveralHoldsGivesARowPerHold) {
    StartSession({"2", "6", "1", "3", "0", "3"});  // holds 4, 5, 6 with rests of 3
    Ticks(2);
    EXPECT_FALSE(recorder.MarkContraction(controller.State()));  // not yet in the hold
    Ticks(3);                                                    // three seconds of the first hold
    Mark();
    Mark();
    Ticks(1 + 3 + 2);  // its last second, the rest, two seconds of the second hold
    EXPECT_FALSE(sessions.size());
    Mark();
    Ticks(3 + 3);  // the rest of the second hold and the rest
    EXPECT_FALSE(recorder.MarkContraction(controller.State()));  // in a rest
    Ticks(6 + 1);                                                // the final hold and the end tick
    ASSERT_EQ(sessions.size(), 1);
    EXPECT_EQ(Holds(sessions[0]), QStringList({"1 4 4 3 2 yes", "2 5 5 2 1 yes", "3 6 6 - 0 yes"}));
    EXPECT_EQ(sessions[0].settings, QStringList({"2", "6", "1", "3", "0", "3"}));
    EXPECT_EQ(window.played.filter("click").size(), 0);  // marks never play or change a cue
}

TEST_F(Recorded, ResetAndClosingMidHoldKeepTheHoldsSoFar) {
    StartSession({"1", "10", "0", "5", "0", "2"});
    Ticks(1 + 4);
    controller.PauseCmd_Click();
    Ticks(5);                       // paused: nothing counts
    controller.ControlCmd_Click();  // Reset
    Observe();
    ASSERT_EQ(sessions.size(), 1);
    EXPECT_EQ(Holds(sessions[0]), QStringList{"1 10 4 - 0 no"});

    StartSession({"1", "10", "0", "5", "0", "2"});
    Ticks(1 + 10 + 5 + 3);
    Mark();
    const std::optional<SessionRecord> closed = recorder.Close();
    ASSERT_TRUE(closed);
    EXPECT_EQ(Holds(*closed), QStringList({"1 10 10 - 0 yes", "2 10 3 3 1 no"}));

    StartSession({"5", "10", "0", "5", "0", "2"});
    Ticks(3);
    controller.ControlCmd_Click();  // reset in the intro: no hold, no rows
    Observe();
    EXPECT_EQ(sessions.size(), 1);
}

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
                       "yes\r\n"));
    const LogRead read = ReadLog(path);
    ASSERT_EQ(read.rows.size(), 4);
    EXPECT_EQ(read.skipped, QStringList{});
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
    WriteBytes(path, QByteArray(kLogHeader) + "\r\n" + row + "2026-12-07T07:30:00+01:00,t,1\r\n" +
                         row + "2026-12-07T07:30:00+01:00,\"cut");
    const LogRead read = ReadLog(path);
    EXPECT_EQ(read.rows.size(), 2);
    EXPECT_EQ(read.skipped,
              QStringList(
                  {QStringLiteral("Left out line 3 of \"%1\": it has 3 columns, not 14.").arg(path),
                   QStringLiteral("Left out line 5 of \"%1\": the row was cut short.").arg(path)}));
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
