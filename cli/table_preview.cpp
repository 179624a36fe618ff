#include "table_preview.h"

#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <optional>

#include "allgemein.h"
#include "headless_window.h"
#include "session_error.h"
#include "session_plan.h"

namespace vellorin {
namespace {

constexpr double kMostLoops = 32767;

template <typename Compute>
auto Try(Compute compute) -> std::optional<decltype(compute())> {
    try {
        return compute();
    } catch (const SessionError&) {
        return std::nullopt;
    }
}

}  // namespace

TablePreview PreviewTable(const QStringList& settings) {
    const HeadlessWindow window(QString(), QString(), settings);
    const SessionPlan plan(window);
    TablePreview preview{{}, plan.StartProblem()};
    QTextStream out(&preview.text);

    const std::optional<qint32> intro = Try([&] { return plan.IntroCount(); });
    if (!intro) {
        return preview;
    }
    out << "Intro " << FormatSeconds(*intro) << "\n";
    const std::optional<double> loops = Try([&] { return plan.Loops(); });
    const std::optional<qint32> total = Try([&] { return plan.SessionDuration(); });
    if (!loops || *loops < 1) {
        return preview;
    }
    out << " Loop   Hold   Rest  Session clock\n";
    const auto count = static_cast<int>(std::min(std::floor(*loops), kMostLoops));
    qint64 elapsed = *intro;
    for (int k = 1; k <= count; ++k) {
        const std::optional<qint32> hold = Try([&] { return RoundToLong(plan.LoopHoldTime(k)); });
        if (!hold) {
            return preview;
        }
        const bool restFollows = k < *loops;
        const std::optional<qint32> rest =
            restFollows ? Try([&] { return RoundToLong(plan.LoopRestTime(k)); }) : 0;
        const QString clock =
            total ? FormatSeconds(static_cast<qint32>(*total - elapsed)) : QStringLiteral("--:--");
        const QString restText = !restFollows ? QStringLiteral("")
                                 : rest       ? FormatSeconds(*rest)
                                              : QStringLiteral("--:--");
        out << QStringLiteral("%1  %2  %3  %4\n")
                   .arg(k, 5)
                   .arg(FormatSeconds(*hold), 5)
                   .arg(restText, 5)
                   .arg(clock);
        if (!rest) {
            return preview;
        }
        elapsed += qint64{*hold} + *rest;
    }
    if (total) {
        out << "Total " << FormatSeconds(*total) << " (" << *total << " s)\n";
    }
    return preview;
}

}  // namespace vellorin
