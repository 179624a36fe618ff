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

struct Points {
    QList<QPointF> mean, low, high, held, bests;
};

// How many items one point stands for, so that count items give at most kMostChartPoints.
qsizetype PerPoint(qsizetype count) {
    return std::max<qsizetype>(1, (count + kMostChartPoints - 1) / kMostChartPoints);
}

// A point a run of sessions: their mean date and time held, the mean first contraction over
// all their marked holds, and the whole range of them. A run of one is the session itself.
void AddSessionPoints(const QList<SessionSummary>& sessions, Points& points) {
    const qsizetype per = PerPoint(sessions.size());
    for (qsizetype from = 0; from < sessions.size(); from += per) {
        const qsizetype to = std::min(sessions.size(), from + per);
        qreal x = 0, held = 0;
        qint64 firstSum = 0, marked = 0;
        qint32 low = 0, high = 0;
        for (qsizetype i = from; i < to; ++i) {
            const SessionSummary& s = sessions[i];
            x += static_cast<qreal>(s.startMs);
            held += static_cast<qreal>(s.heldSeconds);
            if (s.marked > 0) {
                low = marked == 0 ? s.firstContractionLow : std::min(low, s.firstContractionLow);
                high =
                    marked == 0 ? s.firstContractionHigh : std::max(high, s.firstContractionHigh);
                firstSum += s.firstContractionSum;
                marked += s.marked;
            }
        }
        const auto count = static_cast<qreal>(to - from);
        points.held.append({x / count, held / count});
        if (marked > 0) {
            points.mean.append({x / count, static_cast<qreal>(firstSum) / marked});
            points.low.append({x / count, static_cast<qreal>(low)});
            points.high.append({x / count, static_cast<qreal>(high)});
        }
    }
}

// A point a run of attempts: the best of them, when it was held.
void AddAttemptPoints(const QList<Attempt>& attempts, Points& points) {
    const qsizetype per = PerPoint(attempts.size());
    for (qsizetype from = 0; from < attempts.size(); from += per) {
        const auto best = std::max_element(
            attempts.begin() + from, attempts.begin() + std::min(attempts.size(), from + per),
            [](const Attempt& a, const Attempt& b) { return a.seconds < b.seconds; });
        points.bests.append({static_cast<qreal>(best->when.toMSecsSinceEpoch()),
                             static_cast<qreal>(best->seconds)});
    }
}

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
    Points points;
    AddSessionPoints(sessions, points);
    AddAttemptPoints(attempts, points);
    const QString names[] = {
        QStringLiteral("Mean first contraction"), QStringLiteral("Range of first contractions"),
        QStringLiteral("Total time held"), QStringLiteral("Personal-best attempts")};
    const QHash<QString, int> counts = {{names[0], static_cast<int>(points.mean.size())},
                                        {names[1], static_cast<int>(points.low.size())},
                                        {names[2], static_cast<int>(points.held.size())},
                                        {names[3], static_cast<int>(points.bests.size())}};
    Span times;
    times.Include(points.held);
    times.Include(points.bests);
    if (!times.any) {
        return counts;  // nothing to draw
    }
    auto* mean = new QLineSeries;
    mean->setName(names[0]);
    mean->replace(points.mean);
    auto* low = new QLineSeries;
    low->replace(points.low);
    auto* high = new QLineSeries;
    high->replace(points.high);
    auto* held = new QLineSeries;
    held->setName(names[2]);
    held->replace(points.held);
    auto* bests = new QScatterSeries;
    bests->setName(names[3]);
    bests->setMarkerSize(8);
    bests->replace(points.bests);
    auto* range = new QAreaSeries(high, low);
    high->setParent(range);  // an area series leaves its edges to whoever made them
    low->setParent(range);
    range->setName(names[1]);
    range->setOpacity(0.3);

    Span contractions = times;  // the same dates as the other chart
    contractions.highest = 0;
    for (const QPointF& point : points.high) {
        contractions.highest = std::max(contractions.highest, point.y());
    }
    splitter.insertWidget(0, MakeChart(QStringLiteral("First contraction in each hold"),
                                       QStringLiteral("s"), contractions, {range, mean}));
    splitter.insertWidget(
        1, MakeChart(QStringLiteral("Time held in each session, and personal-best attempts"),
                     QStringLiteral("s"), times, {held, bests}));
    return counts;
}

}  // namespace vellorin
