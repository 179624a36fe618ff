// The bytes of a session file and the rules for reading its lines.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QTemporaryDir>

#include "file_helpers.h"
#include "session_file.h"

namespace vellorin::testing {
namespace {

QStringList ReadLines(const QByteArray& bytes, SessionLineReader::Status* status = nullptr) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    SessionLineReader reader(buffer);
    QStringList lines;
    while (std::optional<QString> line = reader.NextLine()) {
        lines.append(*line);
    }
    if (status) {
        *status = reader.status();
    }
    return lines;
}

TEST(SessionFileBytes, AreTheTextsEachFollowedByCrLf) {
    EXPECT_EQ(SessionFileBytes({"10", "60", "10", "30", "5", "3"}),
              QByteArray("10\r\n60\r\n10\r\n30\r\n5\r\n3\r\n"));
    EXPECT_EQ(SessionFileBytes({"", "", "", "", "", ""}), QByteArray("\r\n\r\n\r\n\r\n\r\n\r\n"));
    EXPECT_EQ(SessionFileBytes({" 1 ", "x"}), QByteArray(" 1 \r\nx\r\n"));
}

struct ReadingCase {
    const char* name;
    QByteArray bytes;
    QStringList lines;
};

void PrintTo(const ReadingCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadingRules : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(ReadingRules, SplitLinesAtCarriageReturns) {
    EXPECT_EQ(ReadLines(GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Bytes, ReadingRules,
                         ::testing::Values(ReadingCase{"CrLf", "1\r\n2\r\n", {"1", "2"}},
                                           ReadingCase{"LoneCr", "1\r2\r", {"1", "2"}},
                                           ReadingCase{"LoneLfIsText", "1\n2\r\n3", {"1\n2", "3"}},
                                           ReadingCase{
                                               "LastLineWithoutEnding", "1\r\n2", {"1", "2"}},
                                           ReadingCase{"EmptyLines", "\r\n\r\n", {"", ""}},
                                           ReadingCase{"CrCrLf", "1\r\r\n", {"1", ""}},
                                           ReadingCase{"LfAfterCrLf", "1\r\n\n2\r\n", {"1", "\n2"}},
                                           ReadingCase{"EmptyFile", "", {}}),
                         [](const auto& info) { return info.param.name; });

TEST(SessionLineReader, RefusesALineLongerThanAFieldHolds) {
    SessionLineReader::Status status;
    EXPECT_EQ(ReadLines(QByteArray(32767, 'x') + "\r\n", &status).size(), 1);
    EXPECT_EQ(status, SessionLineReader::Status::EndOfFile);
    EXPECT_TRUE(ReadLines("1\r\n" + QByteArray(32768, 'x'), &status) == QStringList{"1"});
    EXPECT_EQ(status, SessionLineReader::Status::TooLong);
    EXPECT_TRUE(ReadLines(QByteArray(10'000'000, '7'), &status).isEmpty());
    EXPECT_EQ(status, SessionLineReader::Status::TooLong);
}

class SessionFileOnDisk : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(SessionFileOnDisk, RoundTripKeepsEveryTextUnchanged) {
    const QStringList texts = {" 10 ", "sixty", "2,5", "", kBeyondAscii, "-3"};
    ASSERT_EQ(WriteSessionFile(Path("a.ses"), texts), "");
    const SessionRead read = ReadSessionFile(Path("a.ses"));
    EXPECT_EQ(read.problem, "");
    EXPECT_EQ(read.lines, texts);
    EXPECT_EQ(ReadBytes(Path("a.ses")), SessionFileBytes(texts));
}

TEST_F(SessionFileOnDisk, ReadsOnlyTheFirstSixLines) {
    WriteBytes(Path("long.ses"), "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\nrest of the file\r\n");
    EXPECT_EQ(ReadSessionFile(Path("long.ses")).lines, QStringList({"1", "2", "3", "4", "5", "6"}));
    // Whatever follows the sixth line is never read, however long it is.
    WriteBytes(Path("tail.ses"), "1\r2\r3\r4\r5\r6\r" + QByteArray(200000, 'x'));
    EXPECT_EQ(ReadSessionFile(Path("tail.ses")).problem, "");
}

TEST_F(SessionFileOnDisk, ReplacingAFileLeavesNoTemporaryBehind) {
    WriteBytes(Path("a.ses"), "old");
    ASSERT_EQ(WriteSessionFile(Path("a.ses"), {"1", "2", "3", "4", "5", "6"}), "");
    EXPECT_EQ(ReadBytes(Path("a.ses")), "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.ses"});
}

}  // namespace
}  // namespace vellorin::testing
