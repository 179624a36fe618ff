#pragma once

#include <QByteArray>
#include <QList>

namespace vellorin::bench {

// Runs the timing benchmark (vellorin_bench with table as its arguments) three times, each in
// a home of its own: with no sensor, then with a strap and a BerryMed oximeter, then with a
// strap and a PLX oximeter streaming from the simulated BlueZ through the real Bluetooth
// path; prints their figures side by side with the process's CPU time per notification (its
// CPU time over the session beyond the run without sensors, over the notifications the
// window took). False when a run failed.
bool CompareSensorTiming(const QList<QByteArray>& table);

}  // namespace vellorin::bench
