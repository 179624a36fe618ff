// History reads the training log on a worker thread: the window shows at once and fills when
// the log has been read, the clock ticks on meanwhile, and closing it, or the main window,
// before stops the reading. Empty, it says why and draws no charts; a crafted log's totals
// show their hours; the start-up check of a log of many damaged rows says so once.
#include <gtest/gtest.h>

#include <QAction>
#include <QChartView>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QTableView>
#include <QTest>
#include <QThreadPool>
#include <QTimer>

#include "file_helpers.h"
#include "history_window.h"
#include "test_mainform.h"

namespace vellorin::testing {
namespace {

const QByteArray kHeader = QByteArray(kLogHeaderWithoutRules) + "\r\n";  // a log of 14 columns

// Sessions an hour apart from 1 January 2024, 07:00 at UTC+1 (written without the time zone
// arithmetic, which is slow under the sanitizers, for logs of many sessions).
QByteArray Start(int session) {
    return QDate(2024, 1, 1).addDays((session + 7) / 24).toString(Qt::ISODate).toLatin1() + 'T' +
           QByteArray::number((session + 7) % 24).rightJustified(2, '0') + ":00:00+01:00";
}

QByteArray Hold(const QByteArray& start, int loop, const QByteArray& seconds = "90,90,41,2") {
    return start + ",co2.ses,30,90,0,120,15,8," + QByteArray::number(loop) + ',' + seconds +
           ",yes\r\n";
}

class HistoryFromLog : public ::testing::Test {
protected:
    void SetUp() override {
        form.userDataFolder = dir.filePath("data");
        QDir().mkpath(form.userDataFolder);
    }
    QString LogPath() const { return TrainingLogPath(form.userDataFolder); }
    // History as Ctrl+H opens it.
    HistoryWindow* Open() {
        form.ShowHistory();
        const QList<HistoryWindow*> open = form.findChildren<HistoryWindow*>();
        return open.isEmpty() ? nullptr : open.constLast();
    }
    HistoryWindow* OpenAndWait() {
        HistoryWindow* history = Open();
        EXPECT_TRUE(history && QTest::qWaitFor([history] { return history->Filled(); }, 60000));
        return history;
    }
    // A log of sessions of eight holds, large enough to take a while to read.
    void WriteLog(int sessions) {
        QByteArray log = kHeader;
        log.reserve(qsizetype{sessions} * 8 * 70);
        QByteArray holds[8];  // each hold's row after the session's start
        for (int loop = 1; loop <= 8; ++loop) {
            holds[loop - 1] = Hold({}, loop);
        }
        for (int s = 0; s < sessions; ++s) {
            const QByteArray start = Start(s);
            for (const QByteArray& hold : holds) {
                log += start;
                log += hold;
            }
        }
        WriteBytes(LogPath(), log);
    }

    QTemporaryDir dir;
    TestMainform form{dir.path()};
};

TEST_F(HistoryFromLog, AnEmptyHistorySaysWhyAndDrawsNoDates) {
    const struct {
        const char* name;
        std::function<void(const QString&)> make;
        bool logOn;
        QString status;
    } cases[] = {
        {"no log yet", [](const QString&) {}, true,
         "No sessions yet: every session you train is kept in the training log \"%1\"."},
        {"switched off", [](const QString&) {}, false,
         "No sessions: the training log is switched off (Training > Keep a training log)."},
        {"a header alone", [](const QString& path) { WriteBytes(path, kHeader); }, true,
         "The training log \"%1\" holds no sessions yet."},
        {"a folder", [](const QString& path) { QDir().mkpath(path); }, true,
         "Could not read the training log \"%1\": it is not a file."},
        {"too large",
         [](const QString& path) {
             QFile file(path);
             file.open(QIODevice::WriteOnly);
             file.resize(kMaxLogBytes + 1);
         },
         true,
         "Could not read the training log \"%1\": it holds 1,073,741,825 bytes, more than the "
         "1,073,741,824 a training log may hold."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(LogPath()).removeRecursively();
        QFile::remove(LogPath());
        c.make(LogPath());
        if (form.findChild<QAction*>("log")->isChecked() != c.logOn) {
            form.findChild<QAction*>("log")->trigger();
        }
        HistoryWindow* history = OpenAndWait();
        ASSERT_TRUE(history);
        EXPECT_EQ(history->Status(), c.status.arg(LogPath()));
        EXPECT_EQ(history->SessionCount(), 0);
        EXPECT_TRUE(history->findChildren<QChartView*>().isEmpty());  // no 1970 on an axis
        delete history;
    }
}

// The event loop goes on delivering a 1 ms timer while History reads a large log: many of its
// ticks come between Ctrl+H and the sessions shown, none of which could come while the
// event thread read the log itself.
// A first session is seen: its points are drawn, and the dates name its hour.
TEST_F(HistoryFromLog, OneSessionIsDrawnAsPointsOnAnAxisOfHours) {
    WriteBytes(LogPath(), kHeader + Hold(Start(0), 1) + Hold(Start(0), 2));
    HistoryWindow* history = OpenAndWait();
    ASSERT_NE(history, nullptr);
    const QList<QChartView*> charts = history->findChildren<QChartView*>();
    ASSERT_EQ(charts.size(), 2);
    for (const QChartView* chart : charts) {
        for (const QAbstractSeries* series : chart->chart()->series()) {
            if (const auto* line = qobject_cast<const QLineSeries*>(series)) {
                EXPECT_TRUE(line->pointsVisible()) << line->name().toStdString();
            }
        }
        const auto* dates =
            qobject_cast<const QDateTimeAxis*>(chart->chart()->axes(Qt::Horizontal).value(0));
        ASSERT_NE(dates, nullptr);
        EXPECT_EQ(dates->format(), "d MMM hh:mm");
    }
}

TEST_F(HistoryFromLog, TheClockTicksWhileHistoryReadsALargeLog) {
    WriteLog(40000);  // 320,000 holds, 23 MB
    int ticks = 0;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(1);
    HistoryWindow* history = Open();
    ASSERT_TRUE(history);
    EXPECT_FALSE(history->Filled());
    EXPECT_EQ(history->Status(), "Reading the training log\u2026");
    int ticksWhenShown = -1;
    QObject::connect(history, &HistoryWindow::Shown, [&] { ticksWhenShown = ticks; });
    ASSERT_TRUE(QTest::qWaitFor([history] { return history->Filled(); }, 120000));
    EXPECT_GE(ticksWhenShown, 20);
    EXPECT_EQ(history->SessionCount(), 40000);
    EXPECT_EQ(history->findChild<QTableView*>("Sessions")->model()->rowCount(), 40000);
    // A point a run of sessions: as many as the chart can show, not 40,000.
    EXPECT_LE(history->PointCounts().value("Total time held"), kMostChartPoints);
    EXPECT_GT(history->PointCounts().value("Total time held"), kMostChartPoints / 2);
    EXPECT_EQ(history->Status(), "");
}

// Closed while it reads, History stops the reading, and so does the main window closing: no
// widget is touched after it has gone.
TEST_F(HistoryFromLog, ClosingWhileTheLogIsReadStopsTheReading) {
    WriteLog(20000);
    HistoryWindow* history = Open();
    ASSERT_TRUE(history && !history->Filled());
    history->close();  // deletes itself
    QTest::qWait(1);
    EXPECT_TRUE(form.findChildren<HistoryWindow*>().isEmpty());

    auto* other = new TestMainform(dir.path());
    other->userDataFolder = form.userDataFolder;
    other->ShowHistory();
    other->CheckTrainingLog();
    delete other;
    QThreadPool::globalInstance()->waitForDone();
    QTest::qWait(1);  // what the workers finished with goes nowhere
}

TEST_F(HistoryFromLog, TotalsOfACraftedLogShowTheirHours) {
    WriteBytes(LogPath(), kHeader + Hold(Start(0), 1, "2147483647,2147483647,,0") +
                              Hold(Start(0), 2, "2147483647,2147483647,,0"));
    HistoryWindow* history = OpenAndWait();
    ASSERT_TRUE(history);
    const QAbstractItemModel* table = history->findChild<QTableView*>("Sessions")->model();
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ(table->index(0, 3).data().toString(), "1193046:28:14");  // not 02:58
    const QString copy = dir.filePath("copy.csv");
    EXPECT_EQ(history->ExportLog(copy), "");
    EXPECT_EQ(ReadBytes(copy), ReadBytes(LogPath()));
}

// A log of 5,000 damaged rows gives one message at start-up, a few lines long.
TEST_F(HistoryFromLog, TheStartUpCheckReportsManyDamagedRowsOnce) {
    QByteArray log = kHeader;
    for (int i = 0; i < 5000; ++i) {
        log += "x\r\n";
    }
    WriteBytes(LogPath(), log + Hold(Start(0), 1));
    form.CheckTrainingLog();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !form.messages.isEmpty(); }, 60000));
    QThreadPool::globalInstance()->waitForDone();
    QTest::qWait(1);
    EXPECT_EQ(form.messages,
              QStringList(QStringLiteral("Left out 5,000 lines of \"%1\": lines 2, 3, 4, 5, 6 and "
                                         "4,995 more. Line 2: it has 1 column, not 14.")
                              .arg(LogPath())));
}

}  // namespace
}  // namespace vellorin::testing
