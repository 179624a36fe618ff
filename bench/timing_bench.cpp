// Runs the real window offscreen with its real one-second timer through a whole session and
// prints how well it kept time, what it cost and how fast it started.
//
//   vellorin_bench [intro hold increase rest decrease loops]    (default 5 30 5 20 5 4)
//   vellorin_bench TABLE.vtable [TICKS]    a table file, loaded as the command line loads it,
//                                          for TICKS ticks (all of it by default)
//   vellorin_bench --sensors STRAP OXIMETER [...]
//                                          the same with a settings file of its own that
//                                          remembers these two sensors (Bluetooth addresses):
//                                          the session starts once both stream, and the
//                                          notifications the window took during it are printed
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <numeric>
#include <optional>
#include <utility>
#include <vector>

#include "cue_onsets.h"
#include "process_figures.h"
#include "sensor_settings.h"
#include "sensor_training.h"
#include "tick_statistics.h"
#include "trainer_mainform.h"

namespace {

using vellorin::Field;
using vellorin::kSettingsFields;
using vellorin::SensorKind;

// The six settings, or a table file and how many ticks of it to run (0: the whole session).
struct BenchTable {
    QStringList fields;
    QString file;
    int ticks = 0;
};

BenchTable TableFromArguments(const QStringList& arguments) {
    if (arguments.size() == 1 + static_cast<int>(std::size(kSettingsFields))) {
        return {arguments.mid(1), {}, 0};
    }
    if ((arguments.size() == 2 || arguments.size() == 3) &&
        arguments[1].endsWith(QLatin1String(".vtable"))) {
        return {{}, arguments[1], arguments.size() == 3 ? std::max(1, arguments[2].toInt()) : 0};
    }
    if (arguments.size() != 1) {
        std::fprintf(stderr,
                     "usage: vellorin_bench [intro hold increase rest decrease loops]\n"
                     "       vellorin_bench TABLE.vtable [TICKS]\n"
                     "       vellorin_bench --sensors STRAP OXIMETER [one of the above]\n");
        std::exit(2);
    }
    return {{QStringLiteral("5"), QStringLiteral("30"), QStringLiteral("5"), QStringLiteral("20"),
             QStringLiteral("5"), QStringLiteral("4")},
            {},
            0};
}

// The window as it is, with every cue it plays stamped on the benchmark's clock. Cues of one
// tick cut each other off at once, so a tick keeps only the stamp of its last one.
class TimedMainform : public vellorin::TrainerMainform {
public:
    explicit TimedMainform(const QElapsedTimer& clock) : clock_(clock) {}

    void PlayWave(const QString& path) override {
        const std::int64_t now = clock_.nsecsElapsed();
        if (!cueNs.empty() && now - cueNs.back() < 1'000'000) {
            cueNs.pop_back();
            cuePaths.pop_back();
        }
        cueNs.push_back(now);
        cuePaths.push_back(path);
        TrainerMainform::PlayWave(path);
    }

    // Empty: the user's own.
    QString settingsFile;

    // Printed, never a box that would wait for a click nobody gives.
    void ShowMessage(const QString& text) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }

    std::vector<std::int64_t> cueNs;
    QStringList cuePaths;

protected:
    QString WindowSettingsFile() const override {
        return settingsFile.isEmpty() ? TrainerMainform::WindowSettingsFile() : settingsFile;
    }

private:
    const QElapsedTimer& clock_;
};

// Stamps each tick's timer event before the window's handler sees it.
class TickArrival : public QObject {
public:
    TickArrival(QTimer* timer, const QElapsedTimer& clock) : clock_(clock) {
        timer->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Timer) {
            lastNs = clock_.nsecsElapsed();
        }
        return false;
    }
    std::int64_t lastNs = 0;

private:
    const QElapsedTimer& clock_;
};

std::optional<double> Mean(const std::vector<double>& values) {
    if (values.empty()) {
        return std::nullopt;
    }
    return std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

std::optional<double> Max(const std::vector<double>& values) {
    if (values.empty()) {
        return std::nullopt;
    }
    return *std::ranges::max_element(values);
}

void PrintFigure(const char* name, std::optional<double> value, const char* unit) {
    if (value) {
        std::printf("%-40s %10.2f %s\n", name, *value, unit);
    } else {
        std::printf("%-40s %10s\n", name, "n/a");
    }
}

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellorin"));
    QStringList arguments = QApplication::arguments();
    QStringList sensors;  // the strap's and the oximeter's addresses
    if (arguments.size() >= 4 && arguments[1] == QLatin1String("--sensors")) {
        sensors = arguments.mid(2, 2);
        arguments.remove(1, 3);
    }
    const BenchTable table = TableFromArguments(arguments);
    const QTemporaryDir settingsFolder;

    // Start-up as the program does it, up to the first paint of the window.
    QElapsedTimer clock;
    TimedMainform form(clock);
    if (!sensors.isEmpty()) {
        form.settingsFile = settingsFolder.filePath(QStringLiteral("window.ini"));
        vellorin::WindowSettings settings(form.settingsFile);
        const QString problem =
            SaveSensorChoice(settings, SensorKind::HeartRate, {sensors[0], {}}) +
            SaveSensorChoice(settings, SensorKind::Oximeter, {sensors[1], {}});
        if (!problem.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(problem));
            return 1;
        }
    }
    form.Form_Load();
    form.PreloadCues();
    form.show();
    while (!form.isVisible() || !form.windowHandle() || !form.windowHandle()->isExposed()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    QApplication::processEvents();
    const double mainToShownMs = static_cast<double>(sinceMain.nsecsElapsed()) / 1e6;
    const std::optional<double> startToShownMs = vellorin::bench::MillisecondsSinceProcessStart();
    const std::optional<double> startupRssMiB = vellorin::bench::ResidentMemoryMiB();

    // The session starts with both sensors' notifications on, as a diver would start it.
    const vellorin::SensorFeed& feed = form.Sensors().Session().Feed();
    if (!sensors.isEmpty()) {
        const auto streaming = [&feed] {
            return feed.Link(SensorKind::HeartRate) == vellorin::LinkState::Connected &&
                   feed.Link(SensorKind::Oximeter) == vellorin::LinkState::Connected;
        };
        QElapsedTimer linking;
        linking.start();
        while (!streaming() && linking.elapsed() < 30000) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        if (!streaming()) {
            std::fprintf(stderr, "the sensors were not streaming 30 s after the window showed\n");
            return 1;
        }
        std::printf("sensors streaming %.1f s after the window showed\n",
                    static_cast<double>(linking.elapsed()) / 1e3);
    }

    if (!table.file.isEmpty()) {
        form.LoadSessionFile(table.file);  // as `vellorin TABLE.vtable` does
    }
    for (qsizetype i = 0; i < table.fields.size(); ++i) {
        form.SetFieldText(kSettingsFields[i], table.fields[i]);
    }
    QApplication::processEvents();  // the list laid out as it is shown
    const auto* list = form.findChild<QListWidget*>(QStringLiteral("RoundsList"));
    const QString listed = form.findChild<QLabel*>(QStringLiteral("RoundsSummary"))->text();
    const QString tableName = table.file.isEmpty() ? table.fields.join(' ') : table.file;

    // Every tick is stamped once the window has handled it, cues played and labels written.
    auto* secondsTimer = form.findChild<QTimer*>(QStringLiteral("SecondsTimer"));
    auto* startButton = form.findChild<QPushButton*>(QStringLiteral("ControlCmd"));
    std::vector<std::int64_t> tickNs;
    std::vector<double> handlingMs;  // from the timer event to the window done with the tick
    const TickArrival arrival(secondsTimer, clock);
    QObject::connect(secondsTimer, &QTimer::timeout, &app, [&] {
        tickNs.push_back(clock.nsecsElapsed());
        handlingMs.push_back(static_cast<double>(tickNs.back() - arrival.lastNs) / 1e6);
        if (!secondsTimer->isActive()) {
            QTimer::singleShot(1500, &app, &QApplication::quit);  // the end cue is still heard
        } else if (std::cmp_equal(tickNs.size(), table.ticks)) {
            QApplication::exit(0);  // not quit(): the window would ask whether to end the session
        }
    });

    clock.start();
    // The listener needs a moment before it hears anything; the session waits for it.
    const vellorin::bench::CueOnsetListener listener(clock);
    QElapsedTimer settling;
    settling.start();
    while (listener.Listening() && !listener.Settled() && settling.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    const double cpuBeforeMs = vellorin::bench::ProcessCpuMilliseconds();
    const qint64 notificationsBefore = feed.Notifications();
    const qint64 malformedBefore = feed.Malformed();
    const std::int64_t startNs = clock.nsecsElapsed();
    startButton->click();
    if (!secondsTimer->isActive()) {
        std::fprintf(stderr, "the table was refused: %s\n", qPrintable(tableName));
        return 1;
    }
    std::printf("table %s (%s), %s", qPrintable(tableName), qPrintable(listed),
                table.ticks > 0 ? qPrintable(QStringLiteral("its first %1 s").arg(table.ticks))
                                : "the whole session");
    std::printf(" in real time, the list of rounds %s...\n",
                list->isVisible() ? qPrintable(QStringLiteral("shown (%1 rows)").arg(list->count()))
                                  : "hidden");
    std::fflush(stdout);
    QApplication::exec();
    const double cpuMs = vellorin::bench::ProcessCpuMilliseconds() - cpuBeforeMs;
    const qint64 notifications = feed.Notifications() - notificationsBefore;

    const vellorin::bench::TickStatistics ticks = vellorin::bench::MeasureTicks(startNs, tickNs);
    std::printf("%-40s %10d\n", "ticks", ticks.ticks);
    PrintFigure("cumulative drift at the last tick", ticks.driftMs, "ms");
    PrintFigure("mean |interval - 1000 ms|", ticks.meanDeviationMs, "ms");
    PrintFigure("p99 |interval - 1000 ms|", ticks.p99DeviationMs, "ms");
    PrintFigure("max |interval - 1000 ms|", ticks.maxDeviationMs, "ms");
    PrintFigure(
        listener.Listening() ? "CPU time per tick (listener included)" : "CPU time per tick",
        ticks.ticks ? cpuMs / ticks.ticks : 0.0, "ms");
    PrintFigure("mean handling of a tick", Mean(handlingMs), "ms");
    PrintFigure("longest handling of a tick", Max(handlingMs), "ms");
    if (!sensors.isEmpty()) {
        std::printf("%-40s %10lld (%lld malformed)\n", "sensor notifications taken",
                    static_cast<long long>(notifications),
                    static_cast<long long>(feed.Malformed() - malformedBefore));
    }
    if (listener.Listening()) {
        const vellorin::bench::CueLatencies cues =
            vellorin::bench::MatchCues(form.cueNs, listener.OnsetNs());
        std::printf("%-40s %10zu (%zu not heard)\n", "cues played", form.cueNs.size(),
                    cues.missed.size());
        for (const std::size_t cue : cues.missed) {
            std::printf("  not heard: %s at %.3f s\n",
                        qPrintable(QFileInfo(form.cuePaths[cue]).fileName()),
                        static_cast<double>(form.cueNs[cue] - startNs) / 1e9);
        }
        PrintFigure("mean delay play() to sound heard", Mean(cues.delaysMs), "ms");
        PrintFigure("max delay play() to sound heard", Max(cues.delaysMs), "ms");
    } else {
        std::printf("%-40s %10s\n", "cue delays (no audio input to hear)", "n/a");
    }
    PrintFigure("process start to window shown", startToShownMs, "ms (+-10)");
    PrintFigure("main() to window shown", mainToShownMs, "ms");
    PrintFigure("resident memory after start-up", startupRssMiB, "MiB");
    PrintFigure("resident memory at the end", vellorin::bench::ResidentMemoryMiB(), "MiB");
    return 0;
}
