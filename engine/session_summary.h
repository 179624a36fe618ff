#pragma once

#include <QList>
#include <optional>

#include "session_recorder.h"

namespace vellorin {

// One hold as the end of a session sums it up.
struct HoldSummary {
    qint16 loop = 0;
    qint32 held = 0;  // seconds it ran
    int contractions = 0;
    std::optional<qint32> firstContraction;  // the second of the hold of the first mark
    bool completed = false;

    bool operator==(const HoldSummary&) const = default;
};

// What a session came to, from the holds it began: shown when it ends, values only (the
// window turns them into words).
struct EndSummary {
    int holds = 0;      // holds begun
    int completed = 0;  // of them, those that ran to their end (or ended by their rule)
    qint64 totalHeld = 0;
    int totalContractions = 0;
    std::optional<qint32> longestHold;
    // The first contraction's second, averaged over the holds that had one (rounded to the
    // nearest second, half up); nothing when no hold had one.
    std::optional<qint32> averageFirstContraction;
    QList<HoldSummary> perHold;  // in the order the holds were held

    bool operator==(const EndSummary&) const = default;
};

EndSummary SummarizeSession(const QList<HoldRecord>& holds);

}  // namespace vellorin
