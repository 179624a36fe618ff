#include "session_summary.h"

#include <algorithm>

namespace vellorin {

EndSummary SummarizeSession(const QList<HoldRecord>& holds) {
    EndSummary summary;
    qint64 firstSum = 0;
    qint64 withFirst = 0;
    for (const HoldRecord& hold : holds) {
        summary.perHold.append(
            {hold.loop, hold.held, hold.contractions, hold.firstContraction, hold.completed});
        summary.holds += 1;
        summary.completed += hold.completed ? 1 : 0;
        summary.totalHeld += hold.held;
        summary.totalContractions += hold.contractions;
        summary.longestHold = std::max(summary.longestHold.value_or(0), hold.held);
        if (hold.firstContraction) {
            firstSum += *hold.firstContraction;
            withFirst += 1;
        }
    }
    if (withFirst > 0) {
        summary.averageFirstContraction =
            static_cast<qint32>((2 * firstSum + withFirst) / (2 * withFirst));
    }
    return summary;
}

}  // namespace vellorin
