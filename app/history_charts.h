#pragma once

#include <QHash>
#include <QList>
#include <QPointF>
#include <QString>
#include <QWidget>

#include "attempts_file.h"
#include "log_summary.h"

namespace vellorin {

// The most points a chart draws of a series: beyond it each point stands for a run of
// sessions one after another (or of attempts), so that years of training draw as fast as a
// few weeks, and no more finely than the chart has pixels to show.
inline constexpr int kMostChartPoints = 300;

// What History's charts draw: per session over time (or per run of sessions), the mean first
// contraction of the holds and their range, and the total time held; the personal-best
// attempts (the best of each run).
struct HistoryPoints {
    QList<QPointF> mean, low, high, held, bests;
};
HistoryPoints PointsToDraw(const QList<SessionSummary>& sessions, const QList<Attempt>& attempts);
// The points drawn in each series, by the series' name.
QHash<QString, int> PointCounts(const HistoryPoints& points);

// How many charts there are of these points: none without a point, where the dates would
// span nothing but 1970.
int HistoryChartCount(const HistoryPoints& points);
// Makes chart index of them: the first contraction in each hold, then the time held in each
// session with the personal-best attempts. Each is made on its own, so that the window can
// put them in one at a time and the clock's tick finds the event thread free between them.
QWidget* MakeHistoryChart(const HistoryPoints& points, int index);

}  // namespace vellorin
