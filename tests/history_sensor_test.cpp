// History draws what the sensors said for the sessions that have values (the largest
// heart-rate drop in a hold, the lowest SpO2), none for those without, and a hold's heart
// rate and SpO2 second by second from its samples file, read off the event thread.
#include <gtest/gtest.h>

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "file_helpers.h"
#include "history_window.h"
#include "sensor_samples_file.h"

namespace vellorin::testing {
namespace {

const QDateTime kStart = QDateTime::fromString("2026-11-02T07:30:00+01:00", Qt::ISODate);

// A session of two holds on day day with these sensors in each.
SessionRecord Session(int day, const HoldSensors& first, const HoldSensors& second = {}) {
    SessionRecord session{kStart.addDays(day), "co2.ses", {"30", "90", "0", "120", "15", "2"}};
    for (const HoldSensors& sensors : {first, second}) {
        HoldRecord hold{static_cast<qint16>(session.holds.size() + 1),
                        90,
                        90,
                        40,
                        2,
                        true,
                        HoldRule::Timed(90)};
        hold.sensors = sensors;
        session.holds.append(hold);
    }
    return session;
}

QStringList ChartTitles(const QWidget* window) {
    QStringList titles;
    for (const QChartView* view : window->findChildren<QChartView*>()) {
        titles.append(view->chart()->title());
    }
    return titles;
}

class HistorySensors : public ::testing::Test {
protected:
    QString LogPath() const { return TrainingLogPath(dir.path()); }
    // History from the log on disk, read on its worker thread.
    std::unique_ptr<HistoryWindow> OpenAndWait() {
        auto history = std::make_unique<HistoryWindow>(LogPath(), dir.filePath("none.txt"), true);
        EXPECT_TRUE(QTest::qWaitFor([&history] { return history->Filled(); }, 60000));
        return history;
    }

    QTemporaryDir dir;
};

TEST_F(HistorySensors, ChartsOfTheSessionsWithSensorValues) {
    const QString drop =
        "Largest heart-rate drop in a hold of each session (heart rate at its "
        "start less the lowest)";
    const QString spo2 = "Lowest SpO2 in each session";
    const struct {
        const char* name;
        QList<SessionRecord> sessions;
        int drops, lows;
        QStringList sensorCharts;
    } cases[] = {
        {"no sensor", {Session(0, {}), Session(1, {})}, 0, 0, {}},
        {"heart rate and oximeter",
         {Session(0, {72, 50, 93, 80}, {70, 44, 90, 85}), Session(1, {}),
          Session(2, {75, 60, 95, 70})},
         2,
         2,
         {drop, spo2}},
        {"heart rate alone", {Session(0, {72, 50, {}, {}}), Session(1, {})}, 1, 0, {drop}},
        {"oximeter alone", {Session(0, {{}, {}, 88, 60})}, 0, 1, {spo2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(LogPath());
        for (const SessionRecord& session : c.sessions) {
            ASSERT_EQ(AppendToLog(LogPath(), session), "");
        }
        const std::unique_ptr<HistoryWindow> history = OpenAndWait();
        EXPECT_EQ(history->PointCounts().value("Largest heart-rate drop"), c.drops);
        EXPECT_EQ(history->PointCounts().value("Lowest SpO2"), c.lows);
        const QStringList titles = ChartTitles(history.get());
        EXPECT_EQ(titles.size(), 2 + c.sensorCharts.size());
        for (const QString& title : c.sensorCharts) {
            EXPECT_TRUE(titles.contains(title)) << title.toStdString();
        }
    }
}

// The first session's holds were watched by both sensors; the second's by none.
class HoldCurves : public HistorySensors {
protected:
    void SetUp() override {
        ASSERT_EQ(AppendToLog(LogPath(), Session(0, {80, 60, 92, 40}, {82, 55, 90, 50})), "");
        ASSERT_EQ(AppendToLog(LogPath(), Session(1, {})), "");
    }
    // Samples of the first session: hold 1 of seconds, hold 2 of half as many with SpO2 alone.
    void WriteSamples(int seconds) {
        SensorSamplesWriter writer(dir.path(), kStart, false);
        for (int loop = 1; loop <= 2; ++loop) {
            for (int second = 1; second <= seconds / loop; ++second) {
                SensorSample sample;
                sample.second = second + 100 * loop;
                sample.loop = static_cast<qint16>(loop);
                sample.phase = Phase::Hold;
                sample.phaseSecond = second;
                sample.hr = loop == 1 ? std::optional<int>(80 - second % 20) : std::nullopt;
                sample.spo2 = 98 - second / 10;
                writer.Add(sample);
                sample.phase = Phase::Rest;  // a rest between, which no curve shows
                writer.Add(sample);
            }
        }
        writer.Close();
        ASSERT_EQ(writer.Problem(), "");
    }
};

TEST_F(HoldCurves, AHoldIsDrawnSecondBySecondFromItsSamples) {
    WriteSamples(90);
    const std::unique_ptr<HistoryWindow> history = OpenAndWait();
    auto* button = history->findChild<QPushButton*>("HoldCurve");
    auto* table = history->findChild<QTableView*>("Sessions");
    ASSERT_TRUE(button && table);
    EXPECT_FALSE(button->isEnabled());
    const struct {
        int row;
        bool offered;
    } rows[] = {{1, false}, {0, true}};
    for (const auto& r : rows) {
        table->setCurrentIndex(table->model()->index(r.row, 0));
        EXPECT_EQ(button->isEnabled(), r.offered) << r.row;
    }
    EXPECT_EQ(history->ShowHoldCurve(1), nullptr);
    HoldCurveWindow* curve = history->ShowHoldCurve(0);
    ASSERT_NE(curve, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([curve] { return curve->Filled(); }, 60000));
    EXPECT_EQ(curve->Status(), "");
    const struct { int loop, hr, spo2; } holds[] = {{1, 90, 90}, {2, 0, 45}};
    for (const auto& h : holds) {
        SCOPED_TRACE(h.loop);
        curve->ShowHold(h.loop);
        EXPECT_EQ(curve->Hold(), h.loop);
        EXPECT_EQ(curve->findChild<QComboBox*>("Holds")->currentText(),
                  "Hold " + QString::number(h.loop));
        EXPECT_EQ(curve->PointCounts().value("Heart rate"), h.hr);
        EXPECT_EQ(curve->PointCounts().value("SpO2"), h.spo2);
        EXPECT_EQ(ChartTitles(curve),
                  QStringList{QString("Hold %1, second by second").arg(h.loop)});
    }
}

TEST_F(HoldCurves, WithoutItsSamplesFileTheCurveSaysWhy) {
    const std::unique_ptr<HistoryWindow> history = OpenAndWait();
    HoldCurveWindow* curve = history->ShowHoldCurve(0);
    ASSERT_NE(curve, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([curve] { return curve->Filled(); }, 60000));
    EXPECT_TRUE(curve->Status().startsWith("Could not read the sensor samples \""))
        << curve->Status().toStdString();
    EXPECT_EQ(curve->Hold(), 0);
    EXPECT_TRUE(curve->findChildren<QChartView*>().isEmpty());
}

}  // namespace
}  // namespace vellorin::testing
