// Measures the training log at a scale of years, with logs of 10,000, 100,000 and 1,000,000
// generated sessions (eight holds each): the real program's start-up with the log in place
// (time to the window, time until its check of the log is done, peak memory), History opened
// on it in the real window (time until it shows the sessions, the longest the event thread
// went without delivering a 1 ms timer, peak memory), and appending a session's rows.
//
//   vellorin_history_bench [sessions...]    (default 10000 100000 1000000)
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <numeric>
#include <vector>

#include "bench_mainform.h"
#include "child_process.h"
#include "history_window.h"
#include "log_generator.h"
#include "training_log.h"

namespace {

using namespace vellorin;

using bench::BenchMainform;

// In a process of its own, for a peak memory of its own: opens History on the log in data
// with Ctrl+H's action and prints when it showed the sessions and the longest gap between
// ticks of a 1 ms timer from the action until half a second after (its drawing included).
int MeasureHistory(const QString& data) {
    BenchMainform form(data);
    form.Form_Load();
    form.show();
    QElapsedTimer clock;
    clock.start();
    qint64 last = clock.nsecsElapsed(), longest = 0;
    QTimer ticks;
    ticks.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    ticks.start(1);
    QEventLoop settle;
    QTimer::singleShot(300, &settle, &QEventLoop::quit);
    settle.exec();  // the window drawn and idle
    longest = 0;
    last = clock.nsecsElapsed();
    const qint64 asked = last;
    form.findChild<QAction*>(QStringLiteral("history"))->trigger();
    auto* history = form.findChild<HistoryWindow*>();
    QEventLoop reading;
    QObject::connect(history, &HistoryWindow::Shown, &reading, &QEventLoop::quit);
    if (!history->Filled()) {
        reading.exec();
    }
    const double shownMs = static_cast<double>(clock.nsecsElapsed() - asked) / 1e6;
    QEventLoop drawing;
    QTimer::singleShot(500, &drawing, &QEventLoop::quit);
    drawing.exec();
    std::printf("history %.0f %.1f %d\n", shownMs, static_cast<double>(longest) / 1e6,
                history->SessionCount());
    return 0;
}

struct Figures {
    double shownMs = -1, checkedMs = -1, startPeakMiB = 0;
    double historyMs = -1, stallMs = -1, historyPeakMiB = 0;
    int historySessions = 0;
    QByteArray messages;
};

// The program as a user starts it, with home folders of its own under root.
void MeasureStartup(const QString& root, Figures& figures) {
    QDir().mkpath(root + "/run");
    QFile::setPermissions(root + "/run", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray r = QFile::encodeName(root);
    const bench::ChildRun run = bench::RunChild(
        VELLORIN_PROGRAM, {},
        {"HOME=" + r + "/home", "XDG_DATA_HOME=" + r + "/data", "XDG_CONFIG_HOME=" + r + "/config",
         "XDG_RUNTIME_DIR=" + r + "/run", "QT_QPA_PLATFORM=offscreen",
         "QT_LOGGING_RULES=vellorin.startup.info=true"},
        [&figures](const QByteArray& line, double ms) {
            if (line.contains("window shown")) {
                figures.shownMs = ms;
            } else if (line.contains("training log checked")) {
                figures.checkedMs = ms;
                return true;
            }
            return false;
        },
        120000);
    figures.startPeakMiB = run.peakMiB;
}

void MeasureHistoryProcess(const QString& data, Figures& figures) {
    const bench::ChildRun run = bench::RunChild(
        QFile::encodeName(QCoreApplication::applicationFilePath()),
        {"--history", QFile::encodeName(data)}, {"QT_QPA_PLATFORM=offscreen"},
        [&figures](const QByteArray& line, double) {
            const QList<QByteArray> words = line.split(' ');
            if (words.size() == 4 && words[0] == "history") {
                figures.historyMs = words[1].toDouble();
                figures.stallMs = words[2].toDouble();
                figures.historySessions = words[3].toInt();
            } else if (line.startsWith("message: ")) {
                figures.messages += line + '\n';
            }
            return false;
        },
        300000);
    figures.historyPeakMiB = run.peakMiB;
}

// Appends count more sessions to the log, synced each, and prints the time each took.
void MeasureAppends(const QString& log, int first, int count) {
    QRandomGenerator random(7);
    std::vector<double> ms;
    for (int i = 0; i < count; ++i) {
        QElapsedTimer clock;
        clock.start();
        if (!AppendToLog(log, bench::GeneratedSession(first + i, random)).isEmpty()) {
            return;
        }
        ms.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("  appending a session's rows (synced), mean / p99 / max: %.3f / %.3f / %.3f ms\n",
                std::accumulate(ms.begin(), ms.end(), 0.0) / count, ms[ms.size() * 99 / 100],
                ms.back());
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellorin"));
    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.size() == 2 && arguments[0] == "--history") {
        return MeasureHistory(arguments[1]);
    }
    QList<int> sizes;
    for (const QString& argument : arguments) {
        sizes.append(std::max(1, argument.toInt()));
    }
    if (sizes.isEmpty()) {
        sizes = {10000, 100000, 1000000};
    }
    const QLocale english(QLocale::English);
    bool met = true;
    for (const int sessions : sizes) {
        QTemporaryDir root;
        const QString data = root.filePath("data/Vellorin");
        const QString log = TrainingLogPath(data);
        if (!bench::WriteGeneratedLog(log, sessions)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(log));
            return 1;
        }
        std::printf("%s sessions (%s holds, a %.1f MB log)\n",
                    qPrintable(english.toString(sessions)),
                    qPrintable(english.toString(qint64{sessions} * 8)),
                    static_cast<double>(QFileInfo(log).size()) / 1e6);
        std::fflush(stdout);
        Figures figures;
        MeasureStartup(root.path(), figures);
        MeasureHistoryProcess(data, figures);
        std::printf(
            "  start-up: window shown %.0f ms after the start, the log checked at %.0f ms, "
            "peak memory %.1f MiB\n",
            figures.shownMs, figures.checkedMs, figures.startPeakMiB);
        std::printf(
            "  History: %s sessions shown %.0f ms after Ctrl+H, longest event-thread stall "
            "%.1f ms, peak memory %.1f MiB\n",
            qPrintable(english.toString(figures.historySessions)), figures.historyMs,
            figures.stallMs, figures.historyPeakMiB);
        std::printf("%s", figures.messages.constData());
        MeasureAppends(log, sessions, 1000);
        met = met && figures.shownMs >= 0 && figures.shownMs < 300 && figures.startPeakMiB < 100 &&
              figures.stallMs >= 0 && figures.stallMs < 50 && figures.historySessions == sessions;
        std::fflush(stdout);
    }
    std::printf(
        "goals (start-up under 300 ms and 100 MiB, History's longest stall under 50 ms): "
        "%s\n",
        met ? "met" : "NOT met");
    return met ? 0 : 1;
}
