#pragma once

#include <cstdint>
#include <vector>

namespace vellorin::bench {

// How closely a run of one-second ticks kept time.
struct TickStatistics {
    int ticks = 0;
    double driftMs = 0;          // last tick against start + ticks seconds
    double meanDeviationMs = 0;  // mean |interval - 1000 ms|
    double p99DeviationMs = 0;   // 99th percentile of |interval - 1000 ms|
    double maxDeviationMs = 0;   // largest |interval - 1000 ms|
};

// startNs is the moment the session was started; tickNs the moment of every tick after it,
// all on one monotonic clock.
TickStatistics MeasureTicks(std::int64_t startNs, const std::vector<std::int64_t>& tickNs);

}  // namespace vellorin::bench
