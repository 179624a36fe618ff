// History's charts of what the sensors said: per session over time, and a hold second by second.
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

#include "history_chart_parts.h"
#include "history_charts.h"

namespace vellorin {
namespace {

// The lowest value of the points, for an axis of SpO2 that shows its dips, not 0 to 100.
qreal Lowest(const QList<QPointF>& points, qreal otherwise) {
    qreal lowest = otherwise;
    for (const QPointF& point : points) {
        lowest = std::min(lowest, point.y());
    }
    return lowest;
}

QLineSeries* Series(const QString& name, const QList<QPointF>& points) {
    auto* series = new QLineSeries;
    series->setName(name);
    series->replace(points);
    return series;
}

QChartView* HeartRateDropChart(const HistoryPoints& points) {
    Span span = Dates(points);
    span.highest = 0;
    span.Include(points.hrDrop);
    //: A series: per session, the heart rate at a hold's start less the lowest in it, the
    //: largest of the session's holds.
    QLineSeries* drop =
        Series(QCoreApplication::translate("History", "Largest heart-rate drop"), points.hrDrop);
    //: The unit of a chart's values: beats per minute.
    return MakeChart(QCoreApplication::translate("History",
                                                 "Largest heart-rate drop in a hold of each "
                                                 "session (heart rate at its start less the "
                                                 "lowest)"),
                     span, {drop}, QCoreApplication::translate("History", "bpm"), 0,
                     std::max<qreal>(10, span.highest * 1.1));
}

QChartView* Spo2Chart(const HistoryPoints& points) {
    QLineSeries* low =
        Series(QCoreApplication::translate("History", "Lowest SpO2"), points.spo2Low);
    //: The unit of a chart's values: percent.
    return MakeChart(QCoreApplication::translate("History", "Lowest SpO2 in each session"),
                     Dates(points), {low}, QCoreApplication::translate("History", "%"),
                     std::max<qreal>(0, Lowest(points.spo2Low, 100) - 5), 100);
}

}  // namespace

int SensorChartCount(const HistoryPoints& points) {
    return (points.hrDrop.isEmpty() ? 0 : 1) + (points.spo2Low.isEmpty() ? 0 : 1);
}

QWidget* MakeSensorChart(const HistoryPoints& points, int index) {
    return index == 0 && !points.hrDrop.isEmpty() ? HeartRateDropChart(points) : Spo2Chart(points);
}

QWidget* MakeHoldCurve(const QList<SensorSample>& samples, int loop) {
    QList<QPointF> hr, spo2;
    qreal longest = 1;
    for (const SensorSample& sample : samples) {
        if (sample.phase != Phase::Hold || sample.loop != loop) {
            continue;
        }
        const auto second = static_cast<qreal>(sample.phaseSecond);
        longest = std::max(longest, second);
        if (sample.hr) {
            hr.append({second, static_cast<qreal>(*sample.hr)});
        }
        if (sample.spo2) {
            spo2.append({second, static_cast<qreal>(*sample.spo2)});
        }
    }
    auto* chart = new QChart;
    //: The title of a chart of one hold; %1 is the hold's number.
    chart->setTitle(QCoreApplication::translate("History", "Hold %1, second by second").arg(loop));
    auto* seconds = new QValueAxis;
    //: The unit under a chart of one hold: seconds since it began.
    seconds->setTitleText(QCoreApplication::translate("History", "s"));
    seconds->setLabelFormat(QStringLiteral("%d"));
    seconds->setRange(0, longest);
    chart->addAxis(seconds, Qt::AlignBottom);
    const struct {
        QList<QPointF>& points;
        QString name, unit;
        Qt::Alignment side;
        qreal low, high;
    } curves[] = {
        {hr, QCoreApplication::translate("History", "Heart rate"),
         QCoreApplication::translate("History", "bpm"), Qt::AlignLeft, 0, 60},
        {spo2, QCoreApplication::translate("History", "SpO2"),
         QCoreApplication::translate("History", "%"), Qt::AlignRight,
         std::max<qreal>(0, Lowest(spo2, 100) - 5), 100},
    };
    for (const auto& c : curves) {
        auto* values = new QValueAxis;
        values->setTitleText(c.unit);
        values->setLabelFormat(QStringLiteral("%d"));
        qreal high = c.high;
        for (const QPointF& point : c.points) {
            high = std::max(high, point.y() * (c.side == Qt::AlignLeft ? 1.1 : 1.0));
        }
        values->setRange(c.low, high);
        values->applyNiceNumbers();
        chart->addAxis(values, c.side);
        QLineSeries* series = Series(c.name, c.points);
        chart->addSeries(series);
        series->attachAxis(seconds);
        series->attachAxis(values);
    }
    auto* view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(480, 300);
    return view;
}

}  // namespace vellorin
