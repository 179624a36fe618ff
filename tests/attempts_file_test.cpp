// The personal-best attempts file: written whole, read back, damaged lines skipped by name
// and kept, and nothing lost when the disk refuses a write.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "attempts_file.h"
#include "file_helpers.h"

namespace vellorin::testing {
namespace {

const QDateTime kMorning = QDateTime::fromString("2026-12-07T07:30:00+01:00", Qt::ISODate);

TEST(AttemptsFile, KeepsEveryAttemptWithItsMomentAndReadsThemBack) {
    QTemporaryDir dir;
    const QString path = AttemptsPath(dir.filePath("data"));  // the folder is made on first use
    EXPECT_EQ(ReadAttemptsFile(path).attempts.size(), 0);
    ASSERT_EQ(AppendAttempt(path, {kMorning, 180}), "");
    ASSERT_EQ(AppendAttempt(path, {kMorning.addDays(1), 195}), "");
    const AttemptsRead read = ReadAttemptsFile(path);
    ASSERT_EQ(read.attempts.size(), 2);
    EXPECT_EQ(read.attempts[0].when, kMorning);
    EXPECT_EQ(read.attempts[0].when.offsetFromUtc(), 3600);
    EXPECT_EQ(BestSeconds(read.attempts), 195);
    EXPECT_TRUE(
        ReadBytes(path).endsWith("\n2026-12-07T07:30:00+01:00 180\n"
                                 "2026-12-08T07:30:00+01:00 195\n"));
    EXPECT_EQ(read.skipped, QStringList{});
}

TEST(AttemptsFile, SkipsDamagedLinesByNameAndKeepsThem) {
    QTemporaryDir dir;
    const QString path = dir.filePath("personal-bests.txt");
    const QByteArray damaged =
        "# comment\n2026-12-01T07:00:00Z 150\n2026-12-02T07:00:00 160\nnonsense\n"
        "2026-12-03T07:00:00+00:00 17x\n\n2026-12-04T07:00:00-05:00 170\n2026-12-05T07:0";
    WriteBytes(path, damaged);
    const AttemptsRead read = ReadAttemptsFile(path);
    EXPECT_EQ(read.attempts.size(), 2);
    ASSERT_EQ(read.skipped.size(), 4);
    for (const int line : {3, 4, 5, 8}) {
        EXPECT_TRUE(read.skipped.join('\n').contains(
            QStringLiteral("Skipped line %1 of \"%2\"").arg(line).arg(path)))
            << line;
    }
    ASSERT_EQ(AppendAttempt(path, {kMorning, 175}), "");
    EXPECT_EQ(ReadBytes(path), damaged + "\n2026-12-07T07:30:00+01:00 175\n");
    EXPECT_EQ(BestSeconds(ReadAttemptsFile(path).attempts), 175);
}

TEST(AttemptsFile, ThatIsNotAFileIsRefusedAndNotReplaced) {
    QTemporaryDir dir;
    const QString path = dir.filePath("personal-bests.txt");
    QDir().mkpath(path);
    EXPECT_TRUE(ReadAttemptsFile(path).problem.endsWith("it is not a file."));
    EXPECT_EQ(AppendAttempt(path, {kMorning, 100}), "it is not a file");
    EXPECT_TRUE(QFileInfo(path).isDir());
}

}  // namespace
}  // namespace vellorin::testing
