#include <algorithm>

#include "history_charts.h"

namespace vellorin {
namespace {

// How many items one point stands for, so that count items give at most kMostChartPoints.
qsizetype PerPoint(qsizetype count) {
    return std::max<qsizetype>(1, (count + kMostChartPoints - 1) / kMostChartPoints);
}

// A point a run of sessions: their mean date and time held, the mean first contraction over
// all their marked holds, and the whole range of them. A run of one is the session itself.
void AddSessionPoints(const QList<SessionSummary>& sessions, HistoryPoints& points) {
    const qsizetype per = PerPoint(sessions.size());
    for (qsizetype from = 0; from < sessions.size(); from += per) {
        const qsizetype to = std::min(sessions.size(), from + per);
        qreal x = 0, held = 0;
        qint64 firstSum = 0, marked = 0;
        qreal dropSum = 0, spo2Sum = 0;
        int drops = 0, spo2s = 0;
        qint32 low = 0, high = 0;
        for (qsizetype i = from; i < to; ++i) {
            const SessionSummary& s = sessions[i];
            x += static_cast<qreal>(s.startMs);
            held += static_cast<qreal>(s.heldSeconds);
            if (s.hrDrop >= 0) {
                dropSum += s.hrDrop;
                ++drops;
            }
            if (s.spo2Lowest >= 0) {
                spo2Sum += s.spo2Lowest;
                ++spo2s;
            }
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
        if (drops > 0) {
            points.hrDrop.append({x / count, dropSum / drops});
        }
        if (spo2s > 0) {
            points.spo2Low.append({x / count, spo2Sum / spo2s});
        }
        if (marked > 0) {
            points.mean.append({x / count, static_cast<qreal>(firstSum) / marked});
            points.low.append({x / count, static_cast<qreal>(low)});
            points.high.append({x / count, static_cast<qreal>(high)});
        }
    }
}

// A point a run of attempts: the best of them, when it was held.
void AddAttemptPoints(const QList<Attempt>& attempts, HistoryPoints& points) {
    const qsizetype per = PerPoint(attempts.size());
    for (qsizetype from = 0; from < attempts.size(); from += per) {
        const auto best = std::max_element(
            attempts.begin() + from, attempts.begin() + std::min(attempts.size(), from + per),
            [](const Attempt& a, const Attempt& b) { return a.seconds < b.seconds; });
        points.bests.append({static_cast<qreal>(best->when.toMSecsSinceEpoch()),
                             static_cast<qreal>(best->seconds)});
    }
}

}  // namespace

HistoryPoints PointsToDraw(const QList<SessionSummary>& sessions, const QList<Attempt>& attempts) {
    HistoryPoints points;
    AddSessionPoints(sessions, points);
    AddAttemptPoints(attempts, points);
    return points;
}

QHash<QString, int> PointCounts(const HistoryPoints& points) {
    return {{QStringLiteral("Mean first contraction"), static_cast<int>(points.mean.size())},
            {QStringLiteral("Range of first contractions"), static_cast<int>(points.low.size())},
            {QStringLiteral("Total time held"), static_cast<int>(points.held.size())},
            {QStringLiteral("Personal-best attempts"), static_cast<int>(points.bests.size())},
            {QStringLiteral("Largest heart-rate drop"), static_cast<int>(points.hrDrop.size())},
            {QStringLiteral("Lowest SpO2"), static_cast<int>(points.spo2Low.size())}};
}

}  // namespace vellorin
