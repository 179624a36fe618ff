#include "sensor_timing.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "child_process.h"

namespace vellorin::bench {
namespace {

const QByteArray kStrap = "C0:FF:EE:00:00:01";
const QByteArray kOximeter = "C0:FF:EE:00:00:02";

// The figures of one run: by name, in the order printed, and what the machine was doing.
struct TimingRun {
    QByteArray name;
    std::vector<std::pair<QByteArray, QByteArray>> figures;
    QByteArray load;  // the load average as the run began
    bool ok = false;

    QByteArray Figure(const QByteArray& prefix) const {
        for (const auto& [figure, value] : figures) {
            if (figure.startsWith(prefix)) {
                return value;
            }
        }
        return {};
    }
};

QByteArray LoadAverage() {
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly)) {
        return "n/a";
    }
    const QList<QByteArray> fields = file.readLine().split(' ');
    return fields.size() < 3 ? "n/a" : fields[0] + ' ' + fields[1] + ' ' + fields[2];
}

// The simulated BlueZ streaming a strap and an oximeter on a private system bus, for as long
// as it lives.
class StreamingSensors {
public:
    explicit StreamingSensors(const QString& oximeter) {
        fake_.start(QStringLiteral("/usr/bin/python3"),
                    {QStringLiteral(VELLORIN_FAKE_BLUEZ), QStringLiteral("--stream"),
                     QStringLiteral("--oximeter"), oximeter});
        QElapsedTimer waited;
        waited.start();
        while (!fake_.canReadLine() && waited.elapsed() < 20000 &&
               fake_.state() != QProcess::NotRunning) {
            fake_.waitForReadyRead(100);
        }
        const QByteArray line = fake_.readLine().trimmed();
        if (line.startsWith("DBUS_SYSTEM_BUS_ADDRESS=")) {
            bus_ = line;
        } else {
            std::printf("  the simulated BlueZ did not start: %s\n",
                        (line + fake_.readAllStandardError()).constData());
        }
    }
    ~StreamingSensors() {
        fake_.terminate();  // it ends its bus with it
        if (!fake_.waitForFinished(5000)) {
            fake_.kill();
            fake_.waitForFinished(2000);
        }
    }
    StreamingSensors(const StreamingSensors&) = delete;
    StreamingSensors& operator=(const StreamingSensors&) = delete;

    // DBUS_SYSTEM_BUS_ADDRESS=..., or empty if it did not start.
    const QByteArray& Bus() const { return bus_; }

private:
    QProcess fake_;
    QByteArray bus_;
};

// The timing benchmark with the given arguments and environment, its figures parsed from its
// lines ("name (40 columns) value unit").
TimingRun Timing(const QByteArray& name, const QList<QByteArray>& arguments,
                 const QList<QByteArray>& environment) {
    TimingRun run{name, {}, LoadAverage(), false};
    std::printf("%s (load average %s):\n", name.constData(), run.load.constData());
    std::fflush(stdout);
    QList<QByteArray> others;  // Qt's chatter, shown only if the run fails
    const ChildRun ran = RunChild(
        VELLORIN_BENCH, arguments, environment,
        [&run, &others](const QByteArray& line, double) {
            const QByteArray value = line.mid(41).trimmed();
            if (line.size() > 41 && line[40] == ' ' && !value.isEmpty() &&
                (std::isdigit(static_cast<unsigned char>(value[0])) || value.startsWith("n/a"))) {
                run.figures.emplace_back(line.left(40).trimmed(), value);
            } else if (line.startsWith("table ") || line.startsWith("message: ") ||
                       line.startsWith("sensors ")) {
                std::printf("  %s\n", line.constData());
                std::fflush(stdout);
            } else {
                others.append(line);
            }
            return false;
        },
        30 * 60 * 1000);
    run.ok = ran.status == 0 && !ran.timedOut;
    if (!run.ok) {
        for (const QByteArray& line : others.mid(std::max<qsizetype>(0, others.size() - 20))) {
            std::printf("  %s\n", line.constData());
        }
        std::printf("  the run failed (status %d%s)\n", ran.status,
                    ran.timedOut ? ", timed out" : "");
    }
    return run;
}

std::optional<double> Number(const QByteArray& value) {
    bool ok = false;
    const double number = value.split(' ').front().toDouble(&ok);
    return ok ? std::optional(number) : std::nullopt;
}

// The process's CPU time during the session beyond the plain run's, per notification taken.
QByteArray CpuPerNotification(const TimingRun& plain, const TimingRun& sensors) {
    const auto ticks = Number(sensors.Figure("ticks"));
    const auto plainTicks = Number(plain.Figure("ticks"));
    const auto perTick = Number(sensors.Figure("CPU time per tick"));
    const auto plainPerTick = Number(plain.Figure("CPU time per tick"));
    const auto notifications = Number(sensors.Figure("sensor notifications taken"));
    if (!ticks || !plainTicks || !perTick || !plainPerTick || !notifications ||
        *notifications <= 0) {
        return "n/a";
    }
    const double extraMs = *perTick * *ticks - *plainPerTick * *plainTicks;
    return QByteArray::number(extraMs * 1e3 / *notifications, 'f', 1) + " us";
}

}  // namespace

bool CompareSensorTiming(const QList<QByteArray>& table) {
    QTemporaryDir root;
    std::vector<TimingRun> runs;
    runs.push_back(Timing("no sensor", table, HomeIn(root.filePath(QStringLiteral("plain")))));
    for (const char* oximeter : {"berrymed", "plx"}) {
        const StreamingSensors sensors{QString::fromLatin1(oximeter)};
        const QByteArray name = QByteArray("strap + ") + (oximeter[0] == 'b' ? "BerryMed" : "PLX");
        if (sensors.Bus().isEmpty()) {
            runs.push_back({name, {}, LoadAverage(), false});
            continue;
        }
        runs.push_back(
            Timing(name, QList<QByteArray>{"--sensors", kStrap, kOximeter} + table,
                   HomeIn(root.filePath(QString::fromLatin1(oximeter))) +
                       QList<QByteArray>{sensors.Bus(), "BLUETOOTH_FORCE_DBUS_LE_VERSION=5.50"}));
    }

    std::printf("\n%-40s", "");
    for (const TimingRun& run : runs) {
        std::printf(" %20s", run.name.constData());
    }
    std::printf("\n");
    const auto row = [&runs](const char* name, const auto& value) {
        std::printf("%-40s", name);
        for (const TimingRun& run : runs) {
            const QByteArray text = value(run);
            std::printf(" %20s", text.isEmpty() ? "n/a" : text.constData());
        }
        std::printf("\n");
    };
    for (const auto& [name, value] : runs.front().figures) {
        row(name.constData(), [&name](const TimingRun& run) { return run.Figure(name); });
    }
    row("sensor notifications taken",
        [](const TimingRun& run) { return run.Figure("sensor notifications taken"); });
    row("process CPU per notification", [&runs](const TimingRun& run) {
        return &run == &runs.front() ? QByteArray() : CpuPerNotification(runs.front(), run);
    });
    row("load average at the run's start", [](const TimingRun& run) { return run.load; });
    bool ok = true;
    for (const TimingRun& run : runs) {
        ok = ok && run.ok;
    }
    return ok;
}

}  // namespace vellorin::bench
