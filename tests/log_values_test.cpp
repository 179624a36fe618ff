// Values no hold of the training log can have are left out by line as damaged rows are, and
// what is read is summed without overflow; the log is read in chunks however they cut it,
// refused from its size when too large, and a byte-order mark is no damage.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "csv_stream.h"
#include "file_helpers.h"
#include "log_summary.h"
#include "training_log.h"

namespace vellorin::testing {
namespace {

const QByteArray kHeader = QByteArray(kLogHeaderWithoutRules) + "\r\n";  // a log of 14 columns
const QByteArray kSession = "2026-12-07T07:30:00+01:00,t.ses,30,60,0,120,15,8,";

QString Reason(const char* column, const char* range = "0 to 2147483647") {
    return QStringLiteral("its %1 is not a whole number from %2").arg(column, range);
}

TEST(LogValues, ValuesNoHoldCanHaveAreLeftOutByLine) {
    const struct {
        QByteArray hold;  // loop, planned, held, first contraction, contractions, completed
        QString reason;   // empty: the row is read
    } cases[] = {
        {"1,60,60,,0,yes", ""},
        {"32767,2147483647,2147483647,2147483647,2147483647,no", ""},
        {"1,-60,60,,0,yes", Reason("planned_seconds")},
        {"1,60,-1,,0,yes", Reason("held_seconds")},
        {"1,60,60,-5,1,yes", Reason("first_contraction_seconds")},
        {"1,60,60,,-2,yes", Reason("contractions")},
        {"65537,60,60,,0,yes", Reason("loop", "1 to 32767")},  // not loop 1
        {"32768,60,60,,0,yes", Reason("loop", "1 to 32767")},
        {"0,60,60,,0,yes", Reason("loop", "1 to 32767")},
        {"1,2147483648,60,,0,yes", Reason("planned_seconds")},
        {QByteArray("1,6\0"
                    "0,60,,0,yes",
                    15),
         Reason("planned_seconds")},  // NUL in a number
        {QByteArray("1,60,60,3\0,1,yes", 16), Reason("first_contraction_seconds")},
        {"1,60,60,,+3,yes", Reason("contractions")},
        {"1,60,60,, 3,yes", Reason("contractions")},
        {"1,60,60,,0,maybe", "its completed is neither yes nor no"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hold.toStdString());
        const LogRead read = ParseLog(kHeader + kSession + c.hold + "\r\n");
        EXPECT_EQ(read.rows.size(), c.reason.isEmpty() ? 1 : 0);
        ASSERT_EQ(read.skipped.size(), c.reason.isEmpty() ? 0 : 1);
        if (!c.reason.isEmpty()) {
            EXPECT_EQ(read.skipped[0].line, 2);
            EXPECT_EQ(read.skipped[0].reason, c.reason);
        }
    }
}

TEST(LogValues, AByteOrderMarkBeforeTheHeaderIsNoDamage) {
    QTemporaryDir dir;
    const QString path = dir.filePath("training-log.csv");
    WriteBytes(path, "\xEF\xBB\xBF" + kHeader + kSession + "1,60,60,,0,yes\r\n");
    for (const LogRead& read : {ReadLog(path), ParseLog(ReadBytes(path))}) {
        EXPECT_EQ(read.rows.size(), 1);
        EXPECT_TRUE(read.skipped.isEmpty())
            << DamagedLinesMessage(path, read.skipped).toStdString();
    }
}

// Two holds of 2147483647 s are 4294967294 s together, not 02:58.
TEST(LogValues, TotalsAreSummedPastWhat32BitsHold) {
    const LogRead read =
        ParseLog(kHeader + kSession + "1,2147483647,2147483647,2147483647,3,yes\r\n" + kSession +
                 "2,2147483647,2147483647,2147483647,2147483647,yes\r\n");
    const LogSummary summary = SummarizeRows(read.rows);
    ASSERT_EQ(summary.sessions.size(), 1);
    EXPECT_EQ(summary.sessions[0].heldSeconds, 4294967294);
    EXPECT_EQ(summary.sessions[0].contractions, 2147483650);
    EXPECT_EQ(summary.sessions[0].MeanFirstContraction(), 2147483647.0);
}

// The records a text gives, as "line:fields|...", with "!" for one cut short.
QStringList Records(const QByteArray& text, qsizetype piece) {
    QStringList records;
    CsvStream csv([&records](const CsvRecord& record) {
        QStringList fields;
        for (qsizetype i = 0; i < record.fields; ++i) {
            fields.append(QString::fromUtf8(record.Field(i).toByteArray()));
        }
        records.append(QStringLiteral("%1:%2%3")
                           .arg(record.line)
                           .arg(fields.join('|'), record.cutShort ? "!" : ""));
    });
    for (qsizetype at = 0; at < text.size(); at += piece) {
        csv.Feed(QByteArrayView(text).sliced(at, std::min(piece, text.size() - at)));
    }
    csv.Finish();
    return records;
}

TEST(LogValues, RecordsAreTheSameHoweverTheChunksCutThem) {
    const struct {
        QByteArray text;
        QStringList records;
    } cases[] = {
        {"a,\"b\"\"c\",d\r\ne,f\r\n", {"1:a|b\"c|d", "2:e|f"}},
        {"\"x\r\ny\",z\rw\n\nv", {"1:x\r\ny|z", "3:w", "4:", "5:v!"}},
        {"a\"b,\"c\"d\r\n\"open", {"1:a\"b|cd", "2:open!"}},
        {"\"\"\"\"\r\n\"\"\r\n", {"1:\"", "2:"}},
    };
    for (const auto& c : cases) {
        for (const qsizetype piece : {1, 2, 3, 1000}) {
            EXPECT_EQ(Records(c.text, piece), c.records) << c.text.toStdString() << " by " << piece;
        }
    }
}

TEST(LogValues, ALogOverTheLimitIsRefusedFromItsSize) {
    QTemporaryDir dir;
    const QString path = dir.filePath("training-log.csv");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(kMaxLogBytes + 1));  // sparse: nothing to read but its size
    file.close();
    int rows = 0;
    const LogScan scan = ScanLog(path, [&rows](const LogRow&) { ++rows; });
    EXPECT_TRUE(scan.exists);
    EXPECT_EQ(scan.problem, QStringLiteral("Could not read the training log \"%1\": it holds "
                                           "1,073,741,825 bytes, more than the 1,073,741,824 a "
                                           "training log may hold.")
                                .arg(path));
    EXPECT_EQ(rows, 0);
}

// A reader that has been told to stop reads no further, and many damaged rows are counted in
// full and named in one message.
TEST(LogValues, ManyDamagedRowsAreCountedAndAReadCanBeStopped) {
    QTemporaryDir dir;
    const QString path = dir.filePath("training-log.csv");
    QByteArray text = kHeader;
    for (int i = 0; i < 5000; ++i) {
        text += "x\r\n" + kSession + "1,60,60,,0,yes\r\n";
    }
    WriteBytes(path, text);
    const LogSummary summary = SummarizeLog(path);
    EXPECT_EQ(summary.holds, 5000);
    EXPECT_EQ(summary.scan.damaged.Count(), 5000);
    EXPECT_EQ(summary.scan.damaged.Message(path),
              QStringLiteral("Left out 5,000 lines of \"%1\": lines 2, 4, 6, 8, 10 and 4,995 more. "
                             "Line 2: it has 1 column, not 14.")
                  .arg(path));
    const LogSummary stopped = SummarizeLog(path, [] { return true; });
    EXPECT_TRUE(stopped.scan.cancelled);
    EXPECT_EQ(stopped.holds, 0);
}

}  // namespace
}  // namespace vellorin::testing
