#pragma once

#include <optional>

namespace vellorin::bench {

// Milliseconds since the kernel started this process (to within the kernel's clock tick,
// usually 10 ms), if the system tells.
std::optional<double> MillisecondsSinceProcessStart();

// Resident memory of this process in MiB, if the system tells.
std::optional<double> ResidentMemoryMiB();

// CPU time (user and system) this process has used so far, in milliseconds.
double ProcessCpuMilliseconds();

}  // namespace vellorin::bench
