#include "history_charts.h"
#include "history_chart_parts.h"

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

Span Dates(const HistoryPoints& points) {
    Span span;
    span.Include(points.held);
    span.Include(points.bests);
    return span;
}

namespace {

// A chart of seconds from 0 to a little above the highest value, so that every series is seen
// whole.
QChartView* SecondsChart(const QString& title, const Span& span,
                         const QList<QAbstractSeries*>& series) {
    //: The unit of a chart's values: seconds.
    return MakeChart(title, span, series, QCoreApplication::translate("History", "s"), 0,
                     std::max<qreal>(10, span.highest * 1.1));
}

}  // namespace

QChartView* MakeChart(const QString& title, const Span& span, const QList<QAbstractSeries*>& series,
                      const QString& unit, qreal low, qreal high) {
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
    values->setTitleText(unit);
    values->setLabelFormat(QStringLiteral("%d"));
    values->setRange(low, high);
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

namespace {

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
    return SecondsChart(QCoreApplication::translate("History", "First contraction in each hold"),
                        span, {range, mean});
}

QChartView* TimesChart(const HistoryPoints& points) {
    auto* held = new QLineSeries;
    held->setName(QCoreApplication::translate("History", "Total time held"));
    held->replace(points.held);
    auto* bests = new QScatterSeries;
    bests->setName(QCoreApplication::translate("History", "Personal-best attempts"));
    bests->setMarkerSize(8);
    bests->replace(points.bests);
    return SecondsChart(QCoreApplication::translate(
                            "History", "Time held in each session, and personal-best attempts"),
                        Dates(points), {held, bests});
}

}  // namespace

int HistoryChartCount(const HistoryPoints& points) {
    return Dates(points).any ? 2 + SensorChartCount(points) : 0;
}

QWidget* MakeHistoryChart(const HistoryPoints& points, int index) {
    if (index >= 2) {
        return MakeSensorChart(points, index - 2);
    }
    return index == 0 ? ContractionsChart(points) : TimesChart(points);
}

}  // namespace vellorin
