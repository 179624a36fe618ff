// The personal-best attempts file: written whole, read back, damaged lines left out by line
// and kept, attempts removed with every other line kept, and nothing lost when the disk
// refuses a write.
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
    EXPECT_TRUE(read.skipped.isEmpty());
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
    const int lines[] = {3, 4, 5, 8};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(read.skipped[i].line, lines[i]);
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

// Every hold a test can count is one the reader takes back: past a day, up to the largest.
TEST(AttemptsFile, EveryHoldATestCanCountReadsBack) {
    for (const int seconds : {1, 86400, 86401, 94946, 2147483647}) {
        SCOPED_TRACE(seconds);
        QTemporaryDir dir;
        const QString path = AttemptsPath(dir.path());
        ASSERT_EQ(AppendAttempt(path, {kMorning, seconds}), "");
        const AttemptsRead read = ReadAttemptsFile(path);
        ASSERT_EQ(read.attempts.size(), 1);
        EXPECT_EQ(read.attempts[0].seconds, seconds);
        EXPECT_TRUE(read.skipped.isEmpty());
    }
}

// Crafted lines are left out by line: a NUL cuts no number short, a byte-order mark before
// the header is no damage, and no hold is negative, zero or beyond what a count holds.
TEST(AttemptsFile, CraftedLinesAreLeftOutByLine) {
    const QByteArray when = "2026-12-01T07:00:00Z ";
    const struct {
        QByteArray bytes;
        QList<int> seconds;
        QList<int> skipped;
    } cases[] = {
        {when + QByteArray("3\0", 2) + "\n" + when + "50\n", {50}, {1}},
        {when +
             QByteArray("3\0"
                        "10",
                        4) +
             "\n",
         {},
         {1}},
        {when.chopped(1) + QByteArray("\0", 1) + " 30\n", {}, {1}},
        {"\xEF\xBB\xBF# Vellorin personal-best attempts\n" + when + "40\n", {40}, {}},
        {"\xEF\xBB\xBF" + when + "45\n", {45}, {}},
        {when + "-5\n" + when + "0\n" + when + "+5\n" + when + "2147483648\n", {}, {1, 2, 3, 4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.toPercentEncoding().toStdString());
        const AttemptsRead read = ParseAttempts(c.bytes);
        QList<int> seconds;
        for (const Attempt& attempt : read.attempts) {
            seconds.append(attempt.seconds);
        }
        QList<int> skipped;
        for (const DamagedLine& line : read.skipped) {
            skipped.append(line.line);
        }
        EXPECT_EQ(seconds, c.seconds);
        EXPECT_EQ(skipped, c.skipped);
    }
}

// An attempt removed takes its own line with it and nothing else: comments, damaged lines
// and the byte-order mark stay as they were, and a file changed since it was read is left
// alone.
TEST(AttemptsFile, RemovingAnAttemptKeepsEveryOtherLineAsItWas) {
    QTemporaryDir dir;
    const QString path = AttemptsPath(dir.path());
    const QByteArray before =
        "\xEF\xBB\xBF# attempts\r\n2026-12-01T07:00:00Z 150\r\nnonsense\n"
        "2026-12-02T07:00:00Z 9999\n# a note\n2026-12-03T07:00:00Z 170";
    WriteBytes(path, before);
    const AttemptsRead read = ReadAttemptsFile(path);
    ASSERT_EQ(read.attempts.size(), 3);
    EXPECT_EQ(read.attempts[1].line, 4);
    ASSERT_EQ(RemoveAttempt(path, read.attempts[1]), "");
    const QByteArray after =
        "\xEF\xBB\xBF# attempts\r\n2026-12-01T07:00:00Z 150\r\nnonsense\n"
        "# a note\n2026-12-03T07:00:00Z 170";
    EXPECT_EQ(ReadBytes(path), after);
    EXPECT_NE(RemoveAttempt(path, read.attempts[2]), "");  // its line is now another's
    EXPECT_EQ(ReadBytes(path), after);
    EXPECT_EQ(RemoveAttempt(path, ReadAttemptsFile(path).attempts[1]), "");
    ASSERT_EQ(AppendAttempt(path, {kMorning, 200}), "");
    EXPECT_EQ(ReadBytes(path),
              "\xEF\xBB\xBF# attempts\r\n2026-12-01T07:00:00Z 150\r\nnonsense\n"
              "# a note\n2026-12-07T07:30:00+01:00 200\n");
}

}  // namespace
}  // namespace vellorin::testing
