#include "tick_statistics.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace vellorin::bench {

namespace {

constexpr double kNsPerMs = 1e6;
constexpr double kIntervalMs = 1000.0;

}  // namespace

TickStatistics MeasureTicks(std::int64_t startNs, const std::vector<std::int64_t>& tickNs) {
    TickStatistics result;
    result.ticks = static_cast<int>(tickNs.size());
    if (tickNs.empty()) {
        return result;
    }
    result.driftMs = static_cast<double>(tickNs.back() - startNs) / kNsPerMs -
                     kIntervalMs * static_cast<double>(tickNs.size());

    std::vector<double> deviations;
    std::int64_t previous = startNs;
    for (const std::int64_t tick : tickNs) {
        deviations.push_back(
            std::abs(static_cast<double>(tick - previous) / kNsPerMs - kIntervalMs));
        previous = tick;
    }
    std::ranges::sort(deviations);
    result.meanDeviationMs = std::accumulate(deviations.begin(), deviations.end(), 0.0) /
                             static_cast<double>(deviations.size());
    // Nearest-rank percentile: the smallest deviation that 99 % of the intervals do not exceed.
    const auto rank =
        static_cast<std::size_t>(std::ceil(0.99 * static_cast<double>(deviations.size())));
    result.p99DeviationMs = deviations[std::max<std::size_t>(rank, 1) - 1];
    result.maxDeviationMs = deviations.back();
    return result;
}

}  // namespace vellorin::bench
