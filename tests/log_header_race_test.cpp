// Windows that create the training log at once write one header between them, and every
// hold each of them kept is there, whole.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <latch>
#include <thread>
#include <vector>

#include "file_helpers.h"
#include "training_log.h"

namespace vellorin::testing {
namespace {

TEST(LogHeaderRace, WindowsCreatingTheLogAtOnceWriteOneHeader) {
    constexpr int kWriters = 8;
    const QDateTime start = QDateTime::fromString("2026-12-07T07:30:00+01:00", Qt::ISODate);
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        QTemporaryDir dir;
        const QString path = TrainingLogPath(dir.filePath("data"));
        std::latch ready(kWriters);
        std::vector<QString> failures(kWriters);
        std::vector<std::thread> writers;
        for (int i = 0; i < kWriters; ++i) {
            writers.emplace_back([&, i] {
                const SessionRecord hold{start.addSecs(i),
                                         "t.ses",
                                         {"1", "2", "3", "4", "5", "6"},
                                         {{1, 9, 9, 2, 1, true}}};
                ready.arrive_and_wait();  // all at once, each as a window of its own
                failures[i] = AppendToLog(path, hold);
            });
        }
        for (std::thread& writer : writers) {
            writer.join();
        }
        EXPECT_EQ(failures, std::vector<QString>(kWriters));
        const QByteArray bytes = ReadBytes(path);
        EXPECT_TRUE(bytes.startsWith(QByteArray(kLogHeader) + "\r\n"));
        EXPECT_EQ(bytes.count(kLogHeader), 1);
        const LogRead read = ReadLog(path);
        EXPECT_EQ(read.rows.size(), kWriters);
        EXPECT_TRUE(read.skipped.isEmpty());
    }
}

}  // namespace
}  // namespace vellorin::testing
