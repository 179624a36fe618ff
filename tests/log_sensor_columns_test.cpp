// What the sensors said in each hold goes into the log's last four columns and reads back;
// a value no sensor gives leaves its row out by line; logs begun by older versions read as
// before, and a log of seventeen columns gains the sensors' names with every byte after them
// kept, or, where that cannot be done, stays as it was and takes the rows in its own columns.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <latch>
#include <thread>
#include <vector>

#include "csv_stream.h"
#include "file_helpers.h"
#include "file_size_limit.h"
#include "training_log.h"
#include "unprivileged_files.h"

#ifdef __linux__
#include <sys/resource.h>

#include <csignal>
#endif

namespace vellorin::testing {
namespace {

const QDateTime kStart = QDateTime::fromString("2026-12-07T07:30:00+01:00", Qt::ISODate);
const QByteArray kOld17 = QByteArray(kLogHeaderWithoutSensors) + "\r\n";
const QByteArray kRow14 = "2026-12-01T07:30:00+01:00,t.ses,30,60,0,120,15,8,1,60,60,,0,yes";
const QByteArray kRow17 = kRow14 + ",classic,time:60,";

HoldSensors Sensors(std::optional<int> start, std::optional<int> lowest, std::optional<int> spo2,
                    std::optional<int> second) {
    return {start, lowest, spo2, second};
}

SessionRecord Session(const QList<HoldSensors>& sensors, int minutes = 0) {
    SessionRecord session{
        kStart.addSecs(60 * minutes), "co2.ses", {"30", "90", "0", "120", "15", "8"}};
    for (int i = 0; i < sensors.size(); ++i) {
        HoldRecord hold{static_cast<qint16>(i + 1), 90, 90, 40, 2, true, HoldRule::Timed(90)};
        hold.sensors = sensors[i];
        session.holds.append(hold);
    }
    return session;
}

QList<HoldSensors> SensorsRead(const LogRead& read) {
    QList<HoldSensors> sensors;
    for (const LogRow& row : read.rows) {
        sensors.append(row.hold.sensors);
    }
    return sensors;
}

QList<qsizetype> FieldCounts(const QByteArray& log) {
    QList<qsizetype> counts;
    CsvStream csv([&counts](const CsvRecord& record) { counts.append(record.fields); });
    csv.Feed(log);
    csv.Finish();
    return counts;
}

QStringList FilesIn(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
}

TEST(LogSensorColumns, ValuesRoundTripAndMissingOnesStayEmpty) {
    const struct {
        const char* name;
        QList<HoldSensors> holds;
        QByteArray rowEnd;  // the first row's last four fields
    } cases[] = {
        {"no sensor", {{}, {}}, ",,,,"},
        {"both", {Sensors(72, 51, 93, 88), Sensors(80, 49, 90, 90)}, ",72,51,93,88"},
        {"heart rate alone", {Sensors(65, 44, {}, {}), {}}, ",65,44,,"},
        {"oximeter alone", {Sensors({}, {}, 0, 0)}, ",,,0,0"},
        {"the edges", {Sensors(300, 1, 100, 90)}, ",300,1,100,90"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = TrainingLogPath(dir.path());
        ASSERT_EQ(AppendToLog(path, Session(c.holds)), "");
        const QByteArray bytes = ReadBytes(path);
        EXPECT_TRUE(bytes.startsWith(QByteArray(kLogHeader) + "\r\n"));
        EXPECT_EQ(bytes.split('\n').value(1),
                  "2026-12-07T07:30:00+01:00,co2.ses,30,90,0,120,15,8,"
                  "1,90,90,40,2,yes,classic,time:90," +
                      c.rowEnd + '\r');
        const LogRead read = ReadLog(path);
        EXPECT_TRUE(read.skipped.isEmpty()) << read.skipped.value(0).reason.toStdString();
        EXPECT_EQ(SensorsRead(read), c.holds);
    }
}

TEST(LogSensorColumns, AValueNoSensorGivesLeavesItsRowOutByLine) {
    const struct {
        QByteArray fields;  // hr_start,hr_lowest,spo2_lowest,spo2_lowest_second; held is 60
        QString reason;
    } cases[] = {
        {"0,50,,", "its hr_start is not a whole number from 1 to 300"},
        {"70,301,,", "its hr_lowest is not a whole number from 1 to 300"},
        {"70,-5,,", "its hr_lowest is not a whole number from 1 to 300"},
        {",,101,3", "its spo2_lowest is not a whole number from 0 to 100"},
        {",,9x,3", "its spo2_lowest is not a whole number from 0 to 100"},
        {",,95,61", "its spo2_lowest_second is not a whole number from 0 to 60"},
        {",,95, 3", "its spo2_lowest_second is not a whole number from 0 to 60"},
        {",,,3", "its spo2_lowest_second has no spo2_lowest"},
    };
    const QByteArray good = kRow17 + ",70,50,95,3\r\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason.toStdString());
        const LogRead read = ParseLog(QByteArray(kLogHeader) + "\r\n" + good + kRow17 + ',' +
                                      c.fields + "\r\n" + good);
        EXPECT_EQ(read.rows.size(), 2);
        ASSERT_EQ(read.skipped.size(), 1);
        EXPECT_EQ(read.skipped[0].line, 3);
        EXPECT_EQ(read.skipped[0].reason.toStdString(), c.reason.toStdString());
    }
}

// Rows of 14, 17 and 21 fields read under any of the three headers, or none.
TEST(LogSensorColumns, OldLogsAndRowsOfEveryCountStillRead) {
    const QByteArray row21 = kRow17 + ",70,50,95,3";
    const QByteArray headers[] = {kLogHeaderWithoutRules, kLogHeaderWithoutSensors, kLogHeader, ""};
    for (const QByteArray& header : headers) {
        SCOPED_TRACE(header.toStdString());
        const QByteArray top = header.isEmpty() ? QByteArray() : header + "\r\n";
        const LogRead read =
            ParseLog(top + kRow14 + "\r\n" + kRow17 + "\r\n" + row21 + "\r\nx,y\r\n");
        EXPECT_EQ(SensorsRead(read), QList<HoldSensors>({{}, {}, Sensors(70, 50, 95, 3)}));
        ASSERT_EQ(read.skipped.size(), 1);
        if (header.isEmpty()) {
            EXPECT_EQ(read.skipped[0].reason, "it has 2 columns, not 14, 17 or 21");
        }
    }
}

struct AppendCase {
    const char* name;
    QByteArray before;
    QList<HoldSensors> holds;
    QByteArray header;  // the file's first line after the appends
    qsizetype fields;   // of the rows appended
};

TEST(LogSensorColumns, AppendingToOldLogsKeepsEveryByteAndUpgradesOnlySeventeen) {
    const QByteArray bom = "\xEF\xBB\xBF";
    const QByteArray names17 = kLogHeaderWithoutSensors;
    const HoldSensors some = Sensors(75, 52, 91, 60);
    const AppendCase cases[] = {
        {"14 columns",
         QByteArray(kLogHeaderWithoutRules) + "\r\n" + kRow14 + "\r\n",
         {some},
         kLogHeaderWithoutRules,
         14},
        {"17 without values", kOld17 + kRow17 + "\r\n", {{}}, names17, 17},
        {"17 with values", kOld17 + kRow17 + "\r\n", {some, {}}, kLogHeader, 21},
        {"17 with a BOM and LF",
         bom + names17 + "\n" + kRow17 + "\n",
         {some},
         bom + kLogHeader,
         21},
        {"17 header alone, no line end", names17, {some}, kLogHeader, 21},
        {"17 with a cut row",
         kOld17 + kRow17 + "\r\n2026-12-01T07:30:00+01:00,\"cut",
         {some},
         kLogHeader,
         21},
        {"17 with a later column",
         names17 + ",notes\r\n" + kRow17 + ",x\r\n",
         {some},
         names17 + ",notes",
         18},
        {"21 already", QByteArray(kLogHeader) + "\r\n" + kRow17 + "\r\n", {some}, kLogHeader, 21},
    };
    for (const AppendCase& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = TrainingLogPath(dir.path());
        WriteBytes(path, c.before);
        ASSERT_EQ(AppendToLog(path, Session(c.holds)), "");
        const QByteArray after = ReadBytes(path);
        // The header's names alone change; every other byte there was stays.
        qsizetype namesEnd = c.before.indexOf('\r');
        namesEnd = namesEnd < 0 ? c.before.indexOf('\n') : namesEnd;
        namesEnd = namesEnd < 0 ? c.before.size() : namesEnd;
        EXPECT_TRUE(after.startsWith(c.header + c.before.mid(namesEnd))) << after.toStdString();
        EXPECT_EQ(FieldCounts(after).mid(FieldCounts(after).size() - c.holds.size()),
                  QList<qsizetype>(c.holds.size(), c.fields));
        const LogRead read = ReadLog(path);
        const QList<HoldSensors> appended =
            SensorsRead(read).mid(read.rows.size() - c.holds.size());
        EXPECT_EQ(appended, c.fields >= 21 ? c.holds : QList<HoldSensors>(c.holds.size()));
        EXPECT_EQ(read.rows.size(), c.holds.size() + (c.before.contains(kRow14) ? 1 : 0));
        EXPECT_EQ(FilesIn(dir), QStringList{"training-log.csv"});
    }
}

// Windows appending at once to a log of seventeen columns, each with sensor values: one of
// them gives it the new header, and the others' rows go into the file put in place, none
// into the one it replaced.
TEST(LogSensorColumns, WindowsAppendingAtOnceWhileTheHeaderIsUpgradedLoseNoRow) {
    constexpr int kWriters = 6;
    for (int round = 0; round < 15; ++round) {
        SCOPED_TRACE(round);
        QTemporaryDir dir;
        const QString path = TrainingLogPath(dir.path());
        WriteBytes(path, kOld17 + kRow17 + "\r\n");
        std::latch ready(kWriters);
        std::vector<QString> failures(kWriters);
        std::vector<std::thread> writers;
        for (int i = 0; i < kWriters; ++i) {
            writers.emplace_back([&, i] {
                ready.arrive_and_wait();
                failures[i] = AppendToLog(path, Session({Sensors(70 + i, 50, 95, 3)}, i));
            });
        }
        for (std::thread& writer : writers) {
            writer.join();
        }
        EXPECT_EQ(failures, std::vector<QString>(kWriters));
        const QByteArray bytes = ReadBytes(path);
        EXPECT_TRUE(bytes.startsWith(QByteArray(kLogHeader) + "\r\n" + kRow17 + "\r\n"));
        const LogRead read = ReadLog(path);
        EXPECT_EQ(read.rows.size(), kWriters + 1);
        EXPECT_TRUE(read.skipped.isEmpty());
        EXPECT_EQ(FilesIn(dir), QStringList{"training-log.csv"});
    }
}

#ifdef __linux__
// The new header cannot be written: the log stays as it was, and the rows go in in its own
// columns where they fit, or not at all.
TEST(LogSensorColumns, AnUpgradeThatFailsLeavesTheLogAsItWas) {
    const QByteArray before = kOld17 + kRow17 + "\r\n";
    const SessionRecord session = Session({Sensors(75, 52, 91, 60)});
    const qint64 oldRows = LogRows(session, LogLayout::WithoutSensors()).size();
    const struct {
        const char* name;
        qint64 limit;  // bytes a file may hold; 0 for none
        bool folderWritable;
        QString failure;
    } cases[] = {
        {"disk full for the copy", before.size() + oldRows, true, ""},
        {"disk full for all", before.size() + 10, true, "File too large"},
        {"folder not writable", 0, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = TrainingLogPath(dir.path());
        WriteBytes(path, before);
        QFile::setPermissions(
            path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::WriteOther);
        const auto others = QFile::ReadOther | QFile::ExeOther |
                            (c.folderWritable ? QFile::WriteOther : QFile::Permissions());
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner | others);
        QString failure;
        {
            std::optional<FileSizeLimit> full;
            if (c.limit > 0) {
                full.emplace(static_cast<rlim_t>(c.limit));
            }
            UnprivilegedFiles asUser;
            failure = AppendToLog(path, session);
        }
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(failure, c.failure);
        const QByteArray after = ReadBytes(path);
        EXPECT_EQ(after, c.failure.isEmpty()
                             ? before + LogRows(session, LogLayout::WithoutSensors())
                             : before);
        EXPECT_EQ(FilesIn(dir), QStringList{"training-log.csv"});
    }
}
#endif

}  // namespace
}  // namespace vellorin::testing
