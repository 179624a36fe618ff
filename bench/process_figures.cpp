#include "process_figures.h"

#include <QFile>
#include <QList>
#include <QtGlobal>
#include <ctime>

#if defined(Q_OS_LINUX)
#include <unistd.h>
#endif

namespace vellorin::bench {

#if defined(Q_OS_LINUX)

std::optional<double> MillisecondsSinceProcessStart() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    // The command name in brackets may hold blanks; the fields after it are plain numbers.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    constexpr int kStartTimeField = 22 - 3;  // field 22 of the line, counted after the name
    if (fields.size() <= kStartTimeField) {
        return std::nullopt;
    }
    const double startTicks = fields[kStartTimeField].toDouble();
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);  // the clock the start time is counted on
    const double nowMs =
        static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
    return nowMs - startTicks * 1e3 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

std::optional<double> ResidentMemoryMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;  // kB
        }
    }
    return std::nullopt;
}

#else

std::optional<double> MillisecondsSinceProcessStart() {
    return std::nullopt;
}
std::optional<double> ResidentMemoryMiB() {
    return std::nullopt;
}

#endif

double ProcessCpuMilliseconds() {
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return static_cast<double>(used.tv_sec) * 1e3 + static_cast<double>(used.tv_nsec) / 1e6;
}

}  // namespace vellorin::bench
