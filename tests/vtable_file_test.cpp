// The table file: its bytes, reading back what was written, and every damaged file refused.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "damaged_vtables.h"
#include "file_helpers.h"
#include "random_rounds.h"
#include "vtable_file.h"

namespace vellorin::testing {
namespace {

constexpr std::uint32_t kSeed = 20260214;
constexpr int kTables = 3000;

TEST(TableFileBytes, AreOneRoundALineInAFixedOrder) {
    RoundsTable table;
    table.name = QStringLiteral("Wonka \"ä\"");
    table.intro = 20;
    table.rounds = {{HoldRule::Timed(60), RestRule::Timed(120), 8},
                    {HoldRule::AtFirstContraction(30, 180), RestRule::OnCycle(120), 1},
                    {HoldRule::AtContraction(5, 200, 90), RestRule::OneBreath(), 2}};
    EXPECT_EQ(
        TableFileBytes(table).toStdString(),
        "{\n"
        "    \"format\": \"vellorin-table\",\n"
        "    \"version\": 1,\n"
        "    \"name\": \"Wonka \\\"\xc3\xa4\\\"\",\n"
        "    \"intro\": 20,\n"
        "    \"profile\": \"\",\n"
        "    \"rounds\": [\n"
        "        {\"hold\": {\"end\": \"time\", \"seconds\": 60}, \"rest\": {\"end\": \"time\", "
        "\"seconds\": 120}, \"repeat\": 8},\n"
        "        {\"hold\": {\"end\": \"first-contraction\", \"margin\": 30, \"cap\": 180, "
        "\"minimum\": 0}, \"rest\": {\"end\": \"cycle\", \"cycle\": 120, \"floor\": 15}, "
        "\"repeat\": 1},\n"
        "        {\"hold\": {\"end\": \"contractions\", \"count\": 5, \"cap\": 200, \"minimum\": "
        "90}, \"rest\": {\"end\": \"breath\", \"maximum\": 10}, \"repeat\": 2}\n"
        "    ]\n"
        "}\n");
}

TEST(TableFile, EveryRandomTableReadsBackAsWritten) {
    RandomRounds random(kSeed);
    for (int i = 0; i < kTables; ++i) {
        const RoundsTable table = random.Next();
        ASSERT_TRUE(TableProblems(table).isEmpty()) << i;
        const QByteArray bytes = TableFileBytes(table);
        const TableFileRead read = ParseTableFile(bytes, QStringLiteral("t.vtable"));
        ASSERT_EQ(read.problem.toStdString(), "") << bytes.toStdString();
        ASSERT_TRUE(read.table == table) << bytes.toStdString();
        ASSERT_EQ(TableFileBytes(*read.table), bytes);
    }
}

TEST(TableFile, LeftOutValuesTakeTheirDefaultsAndWholeDecimalsAreWholeNumbers) {
    const QByteArray bytes = R"({"format": "vellorin-table", "version": 1.0, "intro": 3e1,
      "rounds": [{"hold": {"end": "contractions", "count": 2, "cap": 90},
                  "rest": {"end": "cycle", "cycle": 100}},
                 {"hold": {"end": "time", "seconds": 60.0}, "rest": {"end": "breath"}}]})";
    const TableFileRead read = ParseTableFile(bytes, QStringLiteral("t.vtable"));
    ASSERT_EQ(read.problem.toStdString(), "");
    RoundsTable expected;
    expected.intro = 30;
    expected.rounds = {{HoldRule::AtContraction(2, 90, 0), RestRule::OnCycle(100, 15), 1},
                       {HoldRule::Timed(60), RestRule::OneBreath(10), 1}};
    EXPECT_TRUE(*read.table == expected);
}

class DamagedTableFile : public ::testing::TestWithParam<DamagedTable> {};

TEST_P(DamagedTableFile, IsRefusedByNameAndReason) {
    const TableFileRead read = ParseTableFile(GetParam().bytes, QStringLiteral("/t/w.vtable"));
    EXPECT_FALSE(read.table.has_value());
    const QString start = QStringLiteral("Could not load \"/t/w.vtable\": ") + GetParam().reason;
    if (GetParam().reason.endsWith('(') || GetParam().reason.endsWith(QLatin1String(": "))) {
        EXPECT_TRUE(read.problem.startsWith(start) && read.problem.endsWith(")."))
            << read.problem.toStdString();
    } else {
        EXPECT_EQ(read.problem.toStdString(), (start + '.').toStdString());
    }
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedTableFile, ::testing::ValuesIn(DamagedTables()),
                         [](const auto& info) { return info.param.label; });

class TableFileOnDisk : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(name); }
    QString Refusal(const char* name, const QString& reason) const {
        return QStringLiteral("Could not load \"%1\": %2.").arg(Path(name), reason);
    }
    QTemporaryDir dir;
};

TEST_F(TableFileOnDisk, WrittenReadsBackUpToTheSizeLimit) {
    RandomRounds random(kSeed + 1);
    const RoundsTable table = random.Next();
    ASSERT_EQ(WriteTableFile(Path("a.vtable"), table).toStdString(), "");
    const TableFileRead read = ReadTableFile(Path("a.vtable"));
    ASSERT_TRUE(read.table.has_value()) << read.problem.toStdString();
    EXPECT_TRUE(*read.table == table);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files) == QStringList{"a.vtable"});

    QByteArray largest = TableFileBytes(table);
    largest.insert(1, QByteArray(kMaxTableFileBytes - largest.size(), ' '));
    WriteBytes(Path("largest.vtable"), largest);
    EXPECT_TRUE(ReadTableFile(Path("largest.vtable")).table.has_value());
    WriteBytes(Path("over.vtable"), largest + ' ');
    EXPECT_EQ(ReadTableFile(Path("over.vtable")).problem,
              Refusal("over.vtable", "it is larger than 1048576 bytes"));
}

TEST_F(TableFileOnDisk, WhatIsNoRegularFileIsRefusedWithoutWaiting) {
    ASSERT_TRUE(MakeNamedPipe(Path("pipe.vtable")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.vtable"));
    for (const char* name : {"pipe.vtable", "folder.vtable", "missing.vtable"}) {
        const TableFileRead read = ReadTableFile(Path(name));
        EXPECT_FALSE(read.table.has_value()) << name;
        EXPECT_TRUE(read.problem.startsWith(Refusal(name, "").chopped(1)))
            << read.problem.toStdString();
        EXPECT_GT(read.problem.size(), Refusal(name, "").size()) << name;
    }
}

TEST_F(TableFileOnDisk, ATableThatCannotRunIsNeverWrittenAndTheFileKeepsItsBytes) {
    WriteBytes(Path("kept.vtable"), "old");
    RoundsTable table;
    table.rounds = {{HoldRule::Timed(60), RestRule::Timed(60), 1},
                    {HoldRule::AtFirstContraction(30, 100, 120), RestRule::Timed(60), 1}};
    EXPECT_EQ(WriteTableFile(Path("kept.vtable"), table).toStdString(),
              "round 2: the cap must be at least the minimum");
    EXPECT_EQ(ReadBytes(Path("kept.vtable")), QByteArray("old"));
}

}  // namespace
}  // namespace vellorin::testing
