#include "history_charts.h"

namespace vellorin {

// Built without Qt Charts: the History window shows its table of sessions alone.
int HistoryChartCount(const HistoryPoints&) {
    return 0;
}

QWidget* MakeHistoryChart(const HistoryPoints&, int) {
    return nullptr;
}

int SensorChartCount(const HistoryPoints&) {
    return 0;
}

QWidget* MakeSensorChart(const HistoryPoints&, int) {
    return nullptr;
}

QWidget* MakeHoldCurve(const QList<SensorSample>&, int) {
    return nullptr;
}

}  // namespace vellorin
