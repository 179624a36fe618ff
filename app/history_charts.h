#pragma once

#include <QHash>
#include <QList>
#include <QSplitter>
#include <QString>

#include "attempts_file.h"
#include "history_window.h"

namespace vellorin {

// Adds the History window's charts to splitter: per session over time, the first contraction
// of each hold (the mean and the range), and the total time held with the personal-best
// attempts. Returns the points drawn in each series, by the series' name.
QHash<QString, int> AddHistoryCharts(QSplitter& splitter, const QList<SessionSummary>& sessions,
                                     const QList<Attempt>& attempts);

}  // namespace vellorin
