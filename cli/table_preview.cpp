#include "table_preview.h"

#include <QCoreApplication>
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
    //: The first line of a table's preview: %1 is the intro's length, like 00:30.
    out << QCoreApplication::translate("CommandLine", "Intro %1").arg(FormatSeconds(*intro))
        << "\n";
    const std::optional<double> loops = Try([&] { return plan.Loops(); });
    const std::optional<qint32> total = Try([&] { return plan.SessionDuration(); });
    if (!loops || *loops < 1) {
        return preview;
    }
    // The columns are as wide as their headings, 5 at least.
    //: The heading of the column of the loops' numbers in a table's preview; best within 5
    //: letters.
    const QString loopHeading = QCoreApplication::translate("CommandLine", "Loop");
    //: The heading of the column of the holds' lengths in a table's preview (the noun: a breath
    //: hold); best within 5 letters.
    const QString holdHeading = QCoreApplication::translate("CommandLine", "Hold");
    //: The heading of the column of the rests' lengths in a table's preview (the noun); best
    //: within 5 letters.
    const QString restHeading = QCoreApplication::translate("CommandLine", "Rest");
    const int loopWidth = std::max(5, static_cast<int>(loopHeading.size()));
    const int holdWidth = std::max(5, static_cast<int>(holdHeading.size()));
    const int restWidth = std::max(5, static_cast<int>(restHeading.size()));
    //: The heading of the column of what the session clock shows as each hold begins.
    out << loopHeading.rightJustified(loopWidth) << "  " << holdHeading.rightJustified(holdWidth)
        << "  " << restHeading.rightJustified(restWidth) << "  "
        << QCoreApplication::translate("CommandLine", "Session clock") << "\n";
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
                   .arg(k, loopWidth)
                   .arg(FormatSeconds(*hold), holdWidth)
                   .arg(restText, restWidth)
                   .arg(clock);
        if (!rest) {
            return preview;
        }
        elapsed += qint64{*hold} + *rest;
    }
    if (total) {
        //: The last line of a table's preview: %1 is its length as the clock shows it, like
        //: 17:15, %2 the same in seconds.
        out << QCoreApplication::translate("CommandLine", "Total %1 (%2 s)")
                   .arg(FormatSeconds(*total), QString::number(*total))
            << "\n";
    }
    return preview;
}

}  // namespace vellorin
