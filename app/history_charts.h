#pragma once

#include <QHash>
#include <QList>
#include <QPointF>
#include <QString>
#include <QWidget>

#include "attempts_file.h"
#include "log_summary.h"
#include "sensor_reading.h"

namespace vellorin {

// The most points a chart draws of a series: beyond it each point stands for a run of
// sessions one after another (or of attempts), so that years of training draw as fast as a
// few weeks, and no more finely than the chart has pixels to show.
inline constexpr int kMostChartPoints = 300;

// What History's charts draw: per session over time (or per run of sessions), the mean first
// contraction of the holds and their range, and the total time held; the personal-best
// attempts (the best of each run). For the sessions with sensor values (a run's point the
// mean of those of its sessions that have one): the largest heart-rate drop in a hold, and
// the lowest SpO2.
struct HistoryPoints {
    QList<QPointF> mean, low, high, held, bests;
    QList<QPointF> hrDrop, spo2Low;
};
HistoryPoints PointsToDraw(const QList<SessionSummary>& sessions, const QList<Attempt>& attempts);
// The points drawn in each series, by the series' name.
QHash<QString, int> PointCounts(const HistoryPoints& points);

// How many charts there are of these points: none without a point, where the dates would
// span nothing but 1970.
int HistoryChartCount(const HistoryPoints& points);
// Makes chart index of them: the first contraction in each hold, then the time held in each
// session with the personal-best attempts, then, where sessions have sensor values, the
// heart-rate drop and the lowest SpO2. Each is made on its own, so that the window can put
// them in one at a time and the clock's tick finds the event thread free between them.
QWidget* MakeHistoryChart(const HistoryPoints& points, int index);

// The charts of the sensors' values (history_sensor_charts.cpp): how many, and chart index
// of them, after the two above.
int SensorChartCount(const HistoryPoints& points);
QWidget* MakeSensorChart(const HistoryPoints& points, int index);
// The heart rate and SpO2 second by second in the hold of that loop, from its samples; null
// where the program is built without charts.
QWidget* MakeHoldCurve(const QList<SensorSample>& samples, int loop);

}  // namespace vellorin
