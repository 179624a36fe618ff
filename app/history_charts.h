#pragma once

#include <QHash>
#include <QList>
#include <QSplitter>
#include <QString>

#include "attempts_file.h"
#include "log_summary.h"

namespace vellorin {

// The most points a chart draws of a series: beyond it each point stands for a run of
// sessions one after another (or of attempts), so that years of training draw as fast as a
// week, and no faster than the screen has pixels to show them.
inline constexpr int kMostChartPoints = 1000;

// Puts the History window's charts above what splitter holds: per session over time, the
// first contraction of each hold (the mean and the range), and the total time held with the
// personal-best attempts. Without a session or an attempt there is nothing to draw and no
// chart. Returns the points drawn in each series, by the series' name.
QHash<QString, int> AddHistoryCharts(QSplitter& splitter, const QList<SessionSummary>& sessions,
                                     const QList<Attempt>& attempts);

}  // namespace vellorin
