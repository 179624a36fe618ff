#pragma once

#include <QChartView>
#include <QList>
#include <QPointF>
#include <QString>
#include <algorithm>

#include "history_charts.h"

namespace vellorin {

// The span of the points' dates and the largest value, for axes that show them all.
struct Span {
    bool any = false;
    qreal firstX = 0, lastX = 0, highest = 0;
    void Include(const QList<QPointF>& points) {
        for (const QPointF& point : points) {
            firstX = any ? std::min(firstX, point.x()) : point.x();
            lastX = any ? std::max(lastX, point.x()) : point.x();
            highest = std::max(highest, point.y());
            any = true;
        }
    }
};

// Every chart over time spans the dates of every session and attempt.
Span Dates(const HistoryPoints& points);
// A chart over the span's dates with its series, its values in unit from about low to high.
QChartView* MakeChart(const QString& title, const Span& span, const QList<QAbstractSeries*>& series,
                      const QString& unit, qreal low, qreal high);

}  // namespace vellorin
