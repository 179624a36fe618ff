// A session's holds recorded from outside the controller (a tick is a call), each handed over
// the moment it ends, so that a session cut off anywhere has kept every hold it finished; and
// the keeper that puts them into the training log, holding on to what a failing disk refused.
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <vector>

#include "file_helpers.h"
#include "log_keeper.h"
#include "session_fixture.h"
#include "session_recorder.h"
#include "training_log.h"

namespace vellorin::testing {
namespace {

const QDateTime kStart = QDateTime::fromString("2026-12-07T07:30:00+01:00", Qt::ISODate);

// A session on the fake window with a recorder watching it after every call, as the window
// does after every click, key and tick.
class Recorded : public SessionFixture {
protected:
    void Observe() {
        if (auto ended =
                recorder.Observe(controller.State(), controller.Ended(), "co2.ses", kStart)) {
            Keep(*ended);
        }
    }
    void Keep(const SessionRecord& record) {
        ASSERT_EQ(record.holds.size(), 1);
        EXPECT_EQ(record.table, "co2.ses");
        const HoldRecord& h = record.holds[0];
        kept.append(QStringLiteral("@%1 %2 %3 %4 %5 %6 %7")
                        .arg(ticks)
                        .arg(h.loop)
                        .arg(h.planned)
                        .arg(h.held)
                        .arg(h.firstContraction ? QString::number(*h.firstContraction) : "-")
                        .arg(h.contractions)
                        .arg(h.completed ? "yes" : "no"));
    }
    // Runs a script: "S" Start, "t5" five ticks (counted from 1 in "@tick"), "m" a mark taken, "x"
    // a mark refused, "p" Pause or Resume, "R" Reset, "C" the window closing.
    void Run(const QString& script) {
        for (const QString& step : script.split(' ')) {
            if (step == "S") {
                controller.ControlCmd_Click();
            } else if (step.startsWith('t')) {
                for (int i = 0; i < step.mid(1).toInt(); ++i) {
                    ++ticks;
                    Tick();
                    Observe();
                }
                continue;
            } else if (step == "m" || step == "x") {
                EXPECT_EQ(recorder.MarkContraction(controller.State()), step == "m") << ticks;
            } else if (step == "p") {
                controller.PauseCmd_Click();
            } else if (step == "R") {
                controller.ControlCmd_Click();
            } else if (step == "C") {
                if (auto closed = recorder.Close()) {
                    Keep(*closed);
                }
                continue;
            }
            Observe();
        }
    }

    SessionRecorder recorder{window};
    QStringList kept;  // "@tick loop planned held first contractions completed"
    int ticks = 0;
};

// Each hold is handed over at the tick that ends it, and a hold under way when the session is
// reset or the window closes is handed over then, as not completed; no hold twice.
TEST_F(Recorded, EveryHoldIsHandedOverOnceTheMomentItEnds) {
    const struct {
        const char* name;
        QStringList settings;
        const char* script;
        QStringList kept;
    } cases[] = {
        // Holds of 4, 5 and 6 s with rests of 3; the end tick adds nothing.
        {"to its end with marks",
         {"2", "6", "1", "3", "0", "3"},
         "S t2 x t3 m m t1 t3 t2 m t3 t3 x t6 t1 C",
         {"@6 1 4 4 3 2 yes", "@14 2 5 5 2 1 yes", "@23 3 6 6 - 0 yes"}},
        {"reset while paused in a hold",
         {"1", "10", "0", "5", "0", "2"},
         "S t5 p t5 R t3",
         {"@10 1 10 4 - 0 no"}},
        {"closed in the second hold, then again",
         {"1", "10", "0", "5", "0", "2"},
         "S t19 m C C",
         {"@11 1 10 10 - 0 yes", "@19 2 10 3 3 1 no"}},
        {"reset in a rest", {"1", "10", "0", "5", "0", "2"}, "S t13 R C", {"@11 1 10 10 - 0 yes"}},
        {"reset in the intro", {"5", "10", "0", "5", "0", "2"}, "S t3 R C", {}},
        {"closed after the end",
         {"1", "10", "0", "5", "0", "2"},
         "S t27 C",
         {"@11 1 10 10 - 0 yes", "@26 2 10 10 - 0 yes"}},
        {"a new session by Start after the end",
         {"1", "2", "0", "1", "0", "1"},
         "S t4 R S t2 C",
         {"@3 1 2 2 - 0 yes", "@6 1 2 1 - 0 no"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        controller.ResetSession();
        Observe();
        kept.clear();
        ticks = 0;
        Settings(c.settings);
        Run(c.script);
        EXPECT_EQ(kept, c.kept);
    }
}

// A hold the disk refused waits and goes in, in order, with the next one; why is told once.
// Holds queued faster than the disk takes them all arrive, in order, also when the keeper
// is destroyed straight after.
TEST(TrainingLogKeeper, KeepsWhatAFailedWriteRefusedForTheNextHold) {
    QTemporaryDir dir;
    const QString path = TrainingLogPath(dir.path());
    const auto hold = [](qint16 loop) {
        return SessionRecord{
            kStart, "t.ses", {"1", "9", "0", "5", "0", "2"}, {{loop, 9, 9, std::nullopt, 0, true}}};
    };
    ASSERT_TRUE(QDir().mkpath(path));  // a folder where the log should be: every write fails
    TrainingLogKeeper keeper;
    keeper.Keep(path, hold(1));
    keeper.Flush();
    const QString problem = keeper.TakeProblem();
    EXPECT_TRUE(problem.startsWith("Could not keep the session in the training log \"" + path))
        << problem.toStdString();
    EXPECT_EQ(keeper.TakeProblem(), "");  // told once
    ASSERT_TRUE(QDir(path).removeRecursively());
    keeper.Keep(path, hold(2));
    keeper.Flush();
    EXPECT_EQ(keeper.TakeProblem(), "");
    const LogRead read = ReadLog(path);
    ASSERT_EQ(read.rows.size(), 2);
    EXPECT_EQ(read.rows[0].hold.loop, 1);
    EXPECT_EQ(read.rows[1].hold.loop, 2);

    const QString many = TrainingLogPath(dir.filePath("many"));
    {
        TrainingLogKeeper burst;
        for (qint16 loop = 1; loop <= 50; ++loop) {
            burst.Keep(many, hold(loop));
        }
    }
    const LogRead all = ReadLog(many);
    ASSERT_EQ(all.rows.size(), 50);
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(all.rows[i].hold.loop, i + 1);
    }
}

// What is told at the end of a session is what was lost: a disk that refused holds and then
// took them all says nothing, one that still refuses the last of them says why.
TEST(TrainingLogKeeper, TellsOfAFailureOnlyWhileHoldsStillWait) {
    const struct {
        const char* name;
        std::vector<bool> blocked;  // hold by hold: whether the log's place is a folder then
        int rows;
        bool told;
    } cases[] = {
        {"refused, then every hold taken", {true, false, false}, 3, false},
        {"refused twice, then taken", {true, true, false}, 3, false},
        {"taken, then refused at the end", {false, false, true}, 2, true},
        {"refused throughout", {true, true}, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = TrainingLogPath(dir.path());
        TrainingLogKeeper keeper;
        for (std::size_t i = 0; i < c.blocked.size(); ++i) {
            if (c.blocked[i]) {
                if (QFileInfo(path).isFile()) {
                    QFile::rename(path, path + ".aside");
                }
                ASSERT_TRUE(QDir().mkpath(path));
            } else {
                QDir(path).removeRecursively();
                if (QFileInfo::exists(path + ".aside")) {
                    QFile::rename(path + ".aside", path);
                }
            }
            const qint16 loop = qint16(i + 1);
            keeper.Keep(path, SessionRecord{kStart,
                                            "t.ses",
                                            {"1", "9", "0", "5", "0", "2"},
                                            {{loop, 9, 9, std::nullopt, 0, true}}});
            keeper.Flush();
        }
        EXPECT_EQ(!keeper.TakeProblem().isEmpty(), c.told);
        QDir(path).removeRecursively();
        QFile::rename(path + ".aside", path);
        EXPECT_EQ(ReadLog(path).rows.size(), c.rows);
    }
}

}  // namespace
}  // namespace vellorin::testing
