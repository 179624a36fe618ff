#include "history_charts.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
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

// Both charts span the dates of every session and attempt.
Span Dates(const HistoryPoints& points) {
    Span span;
    span.Include(points.held);
    span.Include(points.bests);
    return span;
}

// A chart over the sessions' dates with its series, from 0 to a little above the highest
// value, so that every series is seen whole.
QChartView* MakeChart(const QString& title, const Span& span,
                      const QList<QAbstractSeries*>& series) {
    auto* chart = new QChart;
    chart->setTitle(title);
    auto* dates = new QDateTimeAxis;
    const qreal day = 24.0 * 3600 * 1000;
    // Sessions of a few days apart: the labels name the hour, or they would all say one day.
    if (span.lastX - span.firstX < 3 * day) {
        //: The dates under a chart of sessions a few days apart, as a Qt date format: d the
        //: day, MMM the month's short name, hh:mm the time of day.
        dates->setFormat(QCoreApplication::translate("History", "d MMM hh:mm"));
    } else {
        //: The dates under a chart, as a Qt date format: d the day, MMM the month's short
        //: name, yyyy the year.
        dates->setFormat(QCoreApplication::translate("History", "d MMM yyyy"));
    }
    dates->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(span.firstX - day / 2)),
                    QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(span.lastX + day / 2)));
    auto* values = new QValueAxis;
    //: The unit of a chart's values: seconds.
    values->setTitleText(QCoreApplication::translate("History", "s"));
    values->setLabelFormat(QStringLiteral("%d"));
    values->setRange(0, std::max<qreal>(10, span.highest * 1.1));
    values->applyNiceNumbers();
    chart->addAxis(dates, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    for (QAbstractSeries* one : series) {
        if (auto* line = qobject_cast<QLineSeries*>(one)) {
            line->setPointsVisible(true);  // a single session is a point, not a line
        }
        chart->addSeries(one);
        one->attachAxis(dates);
        one->attachAxis(values);
    }
    auto* view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(220);
    return view;
}

QChartView* ContractionsChart(const HistoryPoints& points) {
    auto* mean = new QLineSeries;
    mean->setName(QCoreApplication::translate("History", "Mean first contraction"));
    mean->replace(points.mean);
    auto* low = new QLineSeries;
    low->replace(points.low);
    auto* high = new QLineSeries;
    high->replace(points.high);
    auto* range = new QAreaSeries(high, low);
    high->setParent(range);  // an area series leaves its edges to whoever made them
    low->setParent(range);
    range->setName(QCoreApplication::translate("History", "Range of first contractions"));
    range->setOpacity(0.3);
    Span span = Dates(points);
    span.highest = 0;
    for (const QPointF& point : points.high) {
        span.highest = std::max(span.highest, point.y());
    }
    return MakeChart(QCoreApplication::translate("History", "First contraction in each hold"), span,
                     {range, mean});
}

QChartView* TimesChart(const HistoryPoints& points) {
    auto* held = new QLineSeries;
    held->setName(QCoreApplication::translate("History", "Total time held"));
    held->replace(points.held);
    auto* bests = new QScatterSeries;
    bests->setName(QCoreApplication::translate("History", "Personal-best attempts"));
    bests->setMarkerSize(8);
    bests->replace(points.bests);
    return MakeChart(QCoreApplication::translate(
                         "History", "Time held in each session, and personal-best attempts"),
                     Dates(points), {held, bests});
}

}  // namespace

int HistoryChartCount(const HistoryPoints& points) {
    return Dates(points).any ? 2 : 0;
}

QWidget* MakeHistoryChart(const HistoryPoints& points, int index) {
    return index == 0 ? ContractionsChart(points) : TimesChart(points);
}

}  // namespace vellorin
