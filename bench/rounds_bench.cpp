// Measures a table of 1,000 rounds in the real program: loading it (from the command line
// and with Load), its list built and drawn, Start by Space up to its labels drawn, the first
// tick; then the timing benchmark on the classic table and on the first minutes of the
// 1,000 rounds with their list shown, side by side.
//
//   vellorin_rounds_bench [REPETITIONS [TICKS]]    (default 5 and 141)
//   vellorin_rounds_bench --write FILE.vtable      writes the table, to load by hand
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <vector>

#include "child_process.h"
#include "rounds_window.h"
#include "thousand_rounds.h"
#include "vtable_file.h"

namespace {

using namespace vellorin;

constexpr double kGoalMs = 50;

struct Spread {
    double median = -1, max = -1;
};
Spread Of(std::vector<double> ms) {
    if (ms.empty()) {
        return {};
    }
    std::ranges::sort(ms);
    return {ms[ms.size() / 2], ms.back()};
}

// A moment that never came (-1) in any run leaves the figure out.
void PrintSpread(const char* name, const std::vector<double>& ms, bool goal, bool& met) {
    const bool missing = ms.empty() || std::ranges::any_of(ms, [](double m) { return m < 0; });
    const Spread spread = missing ? Spread{} : Of(ms);
    const bool under = !missing && spread.max < kGoalMs;
    if (missing) {
        std::printf("  %-58s %8s %8s", name, "n/a", "n/a");
    } else {
        std::printf("  %-58s %8.1f %8.1f", name, spread.median, spread.max);
    }
    std::printf("%s\n", !goal ? "" : under ? "   under 50 ms" : "   NOT under 50 ms");
    met = met && (!goal || under);
}

// `vellorin FILE` as a user starts it: from the window shown to the file loaded, its list
// built (the program's start-up log; SIGTERM then closes it).
double CommandLineLoad(const QString& root, const QString& file) {
    double shownMs = -1, loadedMs = -1;
    bench::RunChild(
        VELLORIN_PROGRAM, {QFile::encodeName(file)},
        bench::HomeIn(root) + QList<QByteArray>{"QT_LOGGING_RULES=vellorin.startup.info=true"},
        [&](const QByteArray& line, double ms) {
            if (line.contains("window shown")) {
                shownMs = ms;
            } else if (line.contains("session file loaded")) {
                loadedMs = ms;
                return true;
            } else if (line.contains("not loaded")) {
                std::printf("%s\n", line.constData());
                return true;
            }
            return false;
        },
        60000);
    return shownMs >= 0 && loadedMs >= 0 ? loadedMs - shownMs : -1;
}

// The timing benchmark in a home of its own; its figures by name, in its order.
using TimingFigures = std::vector<std::pair<QByteArray, QByteArray>>;
TimingFigures Timing(const QString& root, const QList<QByteArray>& arguments) {
    TimingFigures figures;
    bench::RunChild(
        VELLORIN_BENCH, arguments, bench::HomeIn(root),
        [&figures](const QByteArray& line, double) {
            if (line.startsWith("table ") || line.startsWith("message: ")) {
                std::printf("  %s\n", line.constData());
                std::fflush(stdout);
            } else if (const QByteArray value = line.mid(41).trimmed();
                       line.size() > 41 && line[40] == ' ' && !value.isEmpty() &&
                       (std::isdigit(static_cast<unsigned char>(value[0])) ||
                        value.startsWith("n/a"))) {
                figures.emplace_back(line.left(40).trimmed(), value);
            }
            return false;
        },
        3 * 3600 * 1000);
    return figures;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellorin"));
    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.size() == 3 && arguments[0] == "--in-window") {
        return bench::MeasureInWindow(arguments[1], arguments[2]);
    }
    if (arguments.size() == 2 && arguments[0] == "--write") {
        const QString problem = WriteTableFile(arguments[1], bench::ThousandRounds());
        std::fprintf(stderr, "%s", qPrintable(problem.isEmpty() ? problem : problem + '\n'));
        return problem.isEmpty() ? 0 : 1;
    }
    const int repetitions = std::max(1, arguments.value(0, QStringLiteral("5")).toInt());
    const int ticks = std::max(1, arguments.value(1, QStringLiteral("141")).toInt());

    QTemporaryDir root;
    const QString file = root.filePath(QStringLiteral("1000-rounds.vtable"));
    const QString classic = root.filePath(QStringLiteral("classic.ses"));
    if (const QString problem = WriteTableFile(file, bench::ThousandRounds()); !problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return 1;
    }
    QFile ses(classic);
    if (!ses.open(QIODevice::WriteOnly) || ses.write("5\r\n30\r\n5\r\n20\r\n5\r\n4\r\n") < 0) {
        return 1;
    }
    ses.close();
    std::printf("a table of 1,000 rounds (%.1f kB), %d runs each, milliseconds:  median      max\n",
                static_cast<double>(QFileInfo(file).size()) / 1e3, repetitions);
    std::fflush(stdout);

    std::vector<double> commandSes, commandTable, built, listShown, started, startShown,
        tickHandled, tickShown;
    qint64 rows = -1;
    bool listVisible = true;
    QByteArray messages;
    for (int run = 0; run < repetitions; ++run) {
        const QString home = root.filePath(QStringLiteral("home%1").arg(run));
        commandSes.push_back(CommandLineLoad(home + "-ses", classic));
        commandTable.push_back(CommandLineLoad(home + "-cmd", file));
        const QList<QByteArray> in = bench::HomeIn(home);
        bench::RunChild(
            QFile::encodeName(QCoreApplication::applicationFilePath()),
            {"--in-window", QFile::encodeName(home + "/data/Vellorin"), QFile::encodeName(file)},
            in,
            [&](const QByteArray& line, double) {
                const QList<QByteArray> words = line.split(' ');
                if (words.size() == 9 && words[0] == "window") {
                    built.push_back(words[1].toDouble());
                    listShown.push_back(words[2].toDouble());
                    rows = words[3].toLongLong();
                    listVisible = listVisible && words[4] == "1";
                    started.push_back(words[5].toDouble());
                    startShown.push_back(words[6].toDouble());
                    tickHandled.push_back(words[7].toDouble());
                    tickShown.push_back(words[8].toDouble());
                } else if (line.startsWith("message: ")) {
                    messages += line + '\n';
                }
                return false;
            },
            60000);
    }
    bool met = rows == 1000 && listVisible;
    PrintSpread("vellorin FILE.ses: window shown to the file loaded", commandSes, false, met);
    PrintSpread("vellorin FILE.vtable: window shown to loaded, list built", commandTable, true,
                met);
    PrintSpread("Load (Ctrl+O): to the list built", built, true, met);
    PrintSpread("Load (Ctrl+O): to the list drawn", listShown, true, met);
    PrintSpread("Start (Space): to Start done", started, true, met);
    PrintSpread("Start (Space): to its labels drawn", startShown, true, met);
    PrintSpread("first tick: handled", tickHandled, true, met);
    PrintSpread("first tick: to its labels drawn", tickShown, true, met);
    std::printf("  the list: %lld rows, %s\n%s", static_cast<long long>(rows),
                listVisible ? "shown beside the design area" : "NOT shown", messages.constData());
    std::printf("goal (load, list and Start of 1,000 rounds under 50 ms): %s\n\n",
                met ? "met" : "NOT met");
    std::fflush(stdout);

    // The session's timing: the classic table against as long a stretch of the 1,000 rounds.
    const TimingFigures classicTiming = Timing(root.filePath("timing-classic"), {});
    const TimingFigures roundsTiming = Timing(root.filePath("timing-rounds"),
                                              {QFile::encodeName(file), QByteArray::number(ticks)});
    std::map<QByteArray, QByteArray> rounds(roundsTiming.begin(), roundsTiming.end());
    std::printf("%-40s %16s %16s\n", "", "classic", "1,000 rounds");
    for (const auto& [name, value] : classicTiming) {
        std::printf("%-40s %16s %16s\n", name.constData(), value.constData(),
                    rounds.contains(name) ? rounds[name].constData() : "n/a");
    }
    return met ? 0 : 1;
}
