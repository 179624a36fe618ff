// Runs the real window offscreen with its real one-second timer through a whole session and
// prints how well it kept time, what it cost and how fast it started.
//
//   vellorin_bench [intro hold increase rest decrease loops]    (default 5 30 5 20 5 4)
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <vector>

#include "process_figures.h"
#include "session_plan.h"
#include "tick_statistics.h"
#include "trainer_mainform.h"

namespace {

using vellorin::Field;
using vellorin::kSettingsFields;

QStringList TableFromArguments(const QStringList& arguments) {
    if (arguments.size() == 1 + static_cast<int>(std::size(kSettingsFields))) {
        return arguments.mid(1);
    }
    if (arguments.size() != 1) {
        std::fprintf(stderr, "usage: vellorin_bench [intro hold increase rest decrease loops]\n");
        std::exit(2);
    }
    return {QStringLiteral("5"),  QStringLiteral("30"), QStringLiteral("5"),
            QStringLiteral("20"), QStringLiteral("5"),  QStringLiteral("4")};
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
    const QStringList table = TableFromArguments(QApplication::arguments());

    // Start-up as the program does it, up to the first paint of the window.
    vellorin::TrainerMainform form;
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

    for (std::size_t i = 0; i < std::size(kSettingsFields); ++i) {
        form.SetFieldText(kSettingsFields[i], table[static_cast<int>(i)]);
    }

    // Every tick is stamped once the window has handled it, cues played and labels written.
    auto* secondsTimer = form.findChild<QTimer*>(QStringLiteral("SecondsTimer"));
    auto* startButton = form.findChild<QPushButton*>(QStringLiteral("ControlCmd"));
    QElapsedTimer clock;
    std::vector<std::int64_t> tickNs;
    QObject::connect(secondsTimer, &QTimer::timeout, &app, [&] {
        tickNs.push_back(clock.nsecsElapsed());
        if (!secondsTimer->isActive()) {
            QApplication::quit();
        }
    });

    const double cpuBeforeMs = vellorin::bench::ProcessCpuMilliseconds();
    clock.start();
    startButton->click();
    if (!secondsTimer->isActive()) {
        std::fprintf(stderr, "the table was refused: %s\n", qPrintable(table.join(' ')));
        return 1;
    }
    std::printf("table %s: %d s of session in real time...\n", qPrintable(table.join(' ')),
                vellorin::SessionPlan(form).SessionDuration());
    std::fflush(stdout);
    QApplication::exec();
    const double cpuMs = vellorin::bench::ProcessCpuMilliseconds() - cpuBeforeMs;

    const vellorin::bench::TickStatistics ticks = vellorin::bench::MeasureTicks(0, tickNs);
    std::printf("%-40s %10d\n", "ticks", ticks.ticks);
    PrintFigure("cumulative drift at the last tick", ticks.driftMs, "ms");
    PrintFigure("mean |interval - 1000 ms|", ticks.meanDeviationMs, "ms");
    PrintFigure("p99 |interval - 1000 ms|", ticks.p99DeviationMs, "ms");
    PrintFigure("max |interval - 1000 ms|", ticks.maxDeviationMs, "ms");
    PrintFigure("CPU time per tick", ticks.ticks ? cpuMs / ticks.ticks : 0.0, "ms");
    PrintFigure("process start to window shown", startToShownMs, "ms (+-10)");
    PrintFigure("main() to window shown", mainToShownMs, "ms");
    PrintFigure("resident memory after start-up", startupRssMiB, "MiB");
    PrintFigure("resident memory at the end", vellorin::bench::ResidentMemoryMiB(), "MiB");
    return 0;
}
