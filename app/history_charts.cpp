#include "history_charts.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>

namespace vellorin {
namespace {

// The span of the points' dates and the largest value, for axes that show them all.
struct Span {
    qreal firstX = 0, lastX = 0, highest = 0;
    void Include(const QList<QPointF>& points) {
        for (const QPointF& point : points) {
            const bool first = firstX == 0 && lastX == 0;
            firstX = first ? point.x() : std::min(firstX, point.x());
            lastX = first ? point.x() : std::max(lastX, point.x());
            highest = std::max(highest, point.y());
        }
    }
};

// A chart over the sessions' dates with its series, from 0 to a little above the highest
// value, so that every series is seen whole.
QChartView* MakeChart(const QString& title, const QString& unit, const Span& span,
                      const QList<QAbstractSeries*>& series) {
    auto* chart = new QChart;
    chart->setTitle(title);
    auto* dates = new QDateTimeAxis;
    dates->setFormat(QStringLiteral("d MMM yyyy"));
    const qreal day = 24.0 * 3600 * 1000;
    dates->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(span.firstX - day / 2)),
                    QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(span.lastX + day / 2)));
    auto* values = new QValueAxis;
    values->setTitleText(unit);
    values->setLabelFormat(QStringLiteral("%d"));
    values->setRange(0, std::max<qreal>(10, span.highest * 1.1));
    values->applyNiceNumbers();
    chart->addAxis(dates, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    for (QAbstractSeries* one : series) {
        chart->addSeries(one);
        one->attachAxis(dates);
        one->attachAxis(values);
    }
    auto* view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(220);
    return view;
}

}  // namespace

QHash<QString, int> AddHistoryCharts(QSplitter& splitter, const QList<SessionSummary>& sessions,
                                     const QList<Attempt>& attempts) {
    auto* mean = new QLineSeries;
    mean->setName(QStringLiteral("Mean first contraction"));
    auto* low = new QLineSeries;
    auto* high = new QLineSeries;
    auto* held = new QLineSeries;
    held->setName(QStringLiteral("Total time held"));
    auto* bests = new QScatterSeries;
    bests->setName(QStringLiteral("Personal-best attempts"));
    bests->setMarkerSize(8);
    QList<QPointF> meanPoints, lowPoints, highPoints, heldPoints, bestPoints;
    for (const SessionSummary& s : sessions) {
        const auto x = static_cast<qreal>(s.start.toMSecsSinceEpoch());
        heldPoints.append({x, static_cast<qreal>(s.heldSeconds)});
        if (s.meanFirstContraction) {
            meanPoints.append({x, *s.meanFirstContraction});
            lowPoints.append({x, static_cast<qreal>(s.firstContractionLow)});
            highPoints.append({x, static_cast<qreal>(s.firstContractionHigh)});
        }
    }
    for (const Attempt& attempt : attempts) {
        bestPoints.append({static_cast<qreal>(attempt.when.toMSecsSinceEpoch()),
                           static_cast<qreal>(attempt.seconds)});
    }
    mean->replace(meanPoints);
    low->replace(lowPoints);
    high->replace(highPoints);
    held->replace(heldPoints);
    bests->replace(bestPoints);
    auto* range = new QAreaSeries(high, low);
    high->setParent(range);  // an area series leaves its edges to whoever made them
    low->setParent(range);
    range->setName(QStringLiteral("Range of first contractions"));
    range->setOpacity(0.3);
    const QHash<QString, int> counts = {{mean->name(), static_cast<int>(meanPoints.size())},
                                        {range->name(), static_cast<int>(lowPoints.size())},
                                        {held->name(), static_cast<int>(heldPoints.size())},
                                        {bests->name(), static_cast<int>(bestPoints.size())}};

    Span times;
    times.Include(heldPoints);
    times.Include(bestPoints);
    Span contractions = times;  // the same dates as the other chart
    contractions.highest = 0;
    for (const QPointF& point : highPoints) {
        contractions.highest = std::max(contractions.highest, point.y());
    }
    splitter.addWidget(MakeChart(QStringLiteral("First contraction in each hold"),
                                 QStringLiteral("s"), contractions, {range, mean}));
    splitter.addWidget(
        MakeChart(QStringLiteral("Time held in each session, and personal-best attempts"),
                  QStringLiteral("s"), times, {held, bests}));
    return counts;
}

}  // namespace vellorin
