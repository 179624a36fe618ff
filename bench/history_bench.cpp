// Measures the training log at a scale of years: appending a session's rows, and opening
// History on 10,000 sessions (80,000 holds), with the time it takes and the memory it holds.
//
//   vellorin_history_bench [sessions]    (default 10000)
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <numeric>
#include <vector>

#include "history_window.h"
#include "process_figures.h"
#include "training_log.h"

namespace {

using namespace vellorin;

// A CO2 session of eight holds, with the first contraction coming later week by week.
SessionRecord GeneratedSession(int index, QRandomGenerator& random) {
    SessionRecord session{QDateTime::fromString("2020-01-01T07:00:00+01:00", Qt::ISODate)
                              .addSecs(qint64{index} * 6 * 3600),
                          QStringLiteral("co2 table, week %1.ses").arg(index / 28),
                          {"30", "90", "0", "120", "15", "8"},
                          {}};
    for (qint16 loop = 1; loop <= 8; ++loop) {
        const bool marked = random.bounded(10) > 0;
        session.holds.append({loop, 90, 90,
                              marked ? std::optional<qint32>(30 + index / 400 +
                                                             static_cast<qint32>(random.bounded(20)))
                                     : std::nullopt,
                              marked ? static_cast<int>(random.bounded(1, 8)) : 0, true});
    }
    return session;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int sessions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
    QTemporaryDir dir;
    const QString path = TrainingLogPath(dir.path());
    QRandomGenerator random(20261207);
    std::vector<double> appendMs;
    appendMs.reserve(static_cast<std::size_t>(sessions));
    for (int i = 0; i < sessions; ++i) {
        const SessionRecord session = GeneratedSession(i, random);
        QElapsedTimer clock;
        clock.start();
        if (const QString failure = AppendToLog(path, session); !failure.isEmpty()) {
            std::fprintf(stderr, "append failed: %s\n", qPrintable(failure));
            return 1;
        }
        appendMs.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(appendMs.begin(), appendMs.end());
    const double meanAppend =
        std::accumulate(appendMs.begin(), appendMs.end(), 0.0) / static_cast<double>(sessions);

    const double rssBefore = bench::ResidentMemoryMiB().value_or(0);
    QElapsedTimer clock;
    clock.start();
    const LogRead log = ReadLog(path);
    const double readMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    HistoryWindow history(path, log.rows, {});
    history.show();
    QTest::qWaitForWindowExposed(&history);
    QCoreApplication::processEvents();
    const double openMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    const double rssOpen = bench::ResidentMemoryMiB().value_or(0);

    std::printf("sessions in the log                    %d (%lld holds, %.1f MB)\n", sessions,
                static_cast<long long>(log.rows.size()),
                static_cast<double>(QFileInfo(path).size()) / 1e6);
    std::printf("append a session's rows, mean / p99 / max  %.3f / %.3f / %.3f ms\n", meanAppend,
                appendMs[appendMs.size() * 99 / 100], appendMs.back());
    std::printf("read the log                           %.0f ms\n", readMs);
    std::printf("open History (read, draw, shown)       %.0f ms\n", openMs);
    std::printf("resident memory before / with History  %.1f / %.1f MiB\n", rssBefore, rssOpen);
    return log.rows.size() == qsizetype{sessions} * 8 ? 0 : 1;
}
