// A session's samples go into a file named by its start, row by row off the clock's thread,
// and read back; a session without a sensor leaves no file, a damaged row is left out by
// line, and a folder that cannot be written or a full disk is told once and loses no row
// already written.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <chrono>
#include <thread>
#include <tuple>

#include "file_helpers.h"
#include "sensor_samples_file.h"
#include "unprivileged_files.h"

#ifdef __linux__
#include <sys/resource.h>

#include <csignal>
#endif

namespace vellorin::testing {
namespace {

const QDateTime kStart = QDateTime::fromString("2026-12-08T18:30:05+01:00", Qt::ISODate);

SensorSample Sample(qint32 second, qint16 loop, Phase phase, std::optional<int> hr,
                    std::optional<int> spo2, QList<quint16> rr = {}) {
    SensorSample sample;
    sample.second = second;
    sample.loop = loop;
    sample.phase = phase;
    sample.phaseSecond = second;
    sample.hr = hr;
    sample.hrAgeMs = hr ? std::optional<int>(300) : std::nullopt;
    sample.spo2 = spo2;
    sample.pulse = spo2 ? std::optional<int>(*spo2 - 30) : std::nullopt;
    sample.spo2AgeMs = spo2 ? std::optional<int>(900) : std::nullopt;
    sample.rr = std::move(rr);
    return sample;
}

TEST(SensorSamplesFile, NamesAreTheStartsAsTheLogWritesThemWithoutColons) {
    const struct {
        QDateTime start;
        bool pb;
        QString name;
    } cases[] = {
        {kStart, false, "2026-12-08T18-30-05+01-00.csv"},
        {kStart, true, "pb-2026-12-08T18-30-05+01-00.csv"},
        {QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC), false, "2026-01-02T03-04-05Z.csv"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SensorSamplesPath("/data", c.start, c.pb).toStdString(),
                  QDir::toNativeSeparators("/data/sensor-samples/" + c.name).toStdString());
    }
}

TEST(SensorSamplesFile, RowsAreWrittenAndReadBack) {
    const SensorSample full = [] {
        SensorSample s = Sample(31, 2, Phase::Hold, 64, 97, {1024, 512});
        s.noContact = true;
        s.fingerOut = true;
        return s;
    }();
    const struct {
        const char* name;
        QList<SensorSample> samples;
        bool pb;
        int rows;  // written: those before the first that holds anything are not
    } cases[] = {
        {"nothing came",
         {Sample(1, 0, Phase::Intro, {}, {}), Sample(2, 1, Phase::Hold, {}, {})},
         false,
         0},
        {"from the first value",
         {Sample(1, 0, Phase::Intro, {}, {}), Sample(2, 0, Phase::Intro, 70, {}),
          Sample(3, 1, Phase::Hold, {}, {}), full},
         false,
         3},
        {"a test",
         {Sample(1, 0, Phase::Intro, {}, 98), Sample(2, 0, Phase::Hold, 80, 97)},
         true,
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        SensorSamplesWriter writer(dir.path(), kStart, c.pb);
        for (const SensorSample& sample : c.samples) {
            writer.Add(sample);
        }
        writer.Close();
        EXPECT_EQ(writer.Problem(), "");
        EXPECT_EQ(QFileInfo::exists(writer.Path()), c.rows > 0);
        if (c.rows == 0) {
            EXPECT_FALSE(QDir(dir.path()).exists("sensor-samples"));
            continue;
        }
        const SensorSamplesRead read = ReadSensorSamples(writer.Path());
        EXPECT_EQ(read.problem, "");
        EXPECT_TRUE(read.skipped.isEmpty()) << read.skipped.value(0).reason.toStdString();
        EXPECT_EQ(read.sessionStart, kStart);
        EXPECT_EQ(read.pbTest, c.pb);
        const QList<SensorSample> expected = c.samples.mid(c.samples.size() - c.rows);
        ASSERT_EQ(read.samples.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const SensorSample& a = read.samples[i];
            const SensorSample& b = expected[i];
            EXPECT_EQ(std::tie(a.second, a.loop, a.phase, a.phaseSecond, a.hr, a.hrAgeMs, a.spo2,
                               a.pulse, a.spo2AgeMs, a.noContact, a.fingerOut, a.rr),
                      std::tie(b.second, b.loop, b.phase, b.phaseSecond, b.hr, b.hrAgeMs, b.spo2,
                               b.pulse, b.spo2AgeMs, b.noContact, b.fingerOut, b.rr));
        }
    }
    EXPECT_EQ(
        SensorSampleRow(kStart, full, false),
        "2026-12-08T18:30:05+01:00,31,2,hold,31,64,300,1000 500,97,67,900,no-contact,out\r\n");
    EXPECT_TRUE(SensorSampleRow(kStart, full, true).contains(",2,pb,31,"));
}

TEST(SensorSamplesFile, DamagedRowsAreLeftOutByLineAndColumnsFoundByName) {
    const QByteArray header =
        "finger,second,loop,phase,phase_second,heart_rate,spo2,rr_ms,later\r\n";
    const struct {
        QByteArray row;
        QString reason;  // empty: read
    } cases[] = {
        {",5,1,hold,5,70,95,800 810,x", ""},
        {"out,5,1,rest,5,,,,", ""},
        {",5,1,breathe,5,70,95,,", "its phase holds no value a sensor gives"},
        {",5,1,hold,5,0,95,,", "its heart_rate holds no value a sensor gives"},
        {",5,1,hold,5,70,101,,", "its spo2 holds no value a sensor gives"},
        {",5,1,hold,5,70,95,800  810,", "its rr_ms holds no value a sensor gives"},
        {",,1,hold,5,70,95,,", "its second holds no value a sensor gives"},
        {",5,1,hold,5,70,95,", "it has 8 columns, not 9"},
        {"yes,5,1,hold,5,70,95,,", "its finger holds no value a sensor gives"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row.toStdString());
        const SensorSamplesRead read = ParseSensorSamples(header + c.row + "\r\n");
        EXPECT_EQ(read.samples.size(), c.reason.isEmpty() ? 1 : 0);
        EXPECT_EQ(read.skipped.value(0).reason.toStdString(), c.reason.toStdString());
        EXPECT_EQ(read.skipped.value(0).line, c.reason.isEmpty() ? 0 : 2);
    }
    EXPECT_EQ(ParseSensorSamples("second,loop,phase\r\n").problem,
              "its header has no phase_second");
}

TEST(SensorSamplesFile, AFolderThatCannotBeWrittenIsToldOnceAndLeavesNoFile) {
    SKIP_WITHOUT_POSIX_PERMISSIONS();
    QTemporaryDir dir;
    QFile::setPermissions(dir.path(),
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    QString first, second;
    {
        UnprivilegedFiles asUser;
        SensorSamplesWriter writer(dir.path(), kStart, false);
        writer.Add(Sample(1, 0, Phase::Intro, 70, {}));
        writer.Close();
        first = writer.Problem();
        second = writer.Problem();
        EXPECT_FALSE(writer.Opened());
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(first.startsWith("Could not keep the sensors' values in \""))
        << first.toStdString();
    EXPECT_EQ(second, "");
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

#ifdef __linux__
// A disk that fills after the first rows: those stay whole, the rest is told once.
TEST(SensorSamplesFile, AFullDiskKeepsTheRowsWrittenAndSaysSoOnce) {
    QTemporaryDir dir;
    SensorSamplesWriter writer(dir.path(), kStart, false);
    writer.Add(Sample(1, 0, Phase::Intro, 70, 97));
    // Waits for the first flush, then lets the file grow by no more than a few bytes.
    QByteArray written;
    for (int waited = 0; written.count('\n') < 2 && waited < 10000; waited += 20) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        written = QFileInfo::exists(writer.Path()) ? ReadBytes(writer.Path()) : QByteArray();
    }
    ASSERT_EQ(written.count('\n'), 2);
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit full{static_cast<rlim_t>(written.size() + 10), previous.rlim_max};
    setrlimit(RLIMIT_FSIZE, &full);
    for (int second = 2; second < 5; ++second) {
        writer.Add(Sample(second, 1, Phase::Hold, 60, 95));
    }
    writer.Close();
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, handler);
    EXPECT_EQ(ReadBytes(writer.Path()), written);
    EXPECT_TRUE(writer.Problem().endsWith(": File too large."));
    EXPECT_EQ(writer.Problem(), "");
    EXPECT_EQ(ReadSensorSamples(writer.Path()).samples.size(), 1);
}
#endif

}  // namespace
}  // namespace vellorin::testing
