#include "pb_tables.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "allgemein.h"

namespace vellorin {
namespace {

int Percent(int pbSeconds, int percent) {
    return static_cast<int>(std::lround(pbSeconds * percent / 100.0));
}

}  // namespace

QStringList PbTableSettings(PbTableKind kind, int pbSeconds) {
    const auto text = [](int value) { return QString::number(value); };
    if (kind == PbTableKind::Co2) {
        return {text(Percent(pbSeconds, 50)), text(0), text(kPbTableRest), text(kPbTableStep),
                text(kPbTableLoops)};
    }
    const int last = Percent(pbSeconds, 80);
    // As many loops as keep the first hold, last - 15 * (loops - 1), at 20 s or more.
    const int loops = std::clamp((last - kShortestO2Hold) / kPbTableStep + 1, 1, kPbTableLoops);
    return {text(last), text(kPbTableStep), text(kPbTableRest), text(0), text(loops)};
}

QString BreathHoldSafety() {
    return QCoreApplication::translate("PersonalBest", kBreathHoldSafety);
}

std::optional<int> ParsePersonalBest(const QString& text) {
    const std::optional<qint32> seconds = ParseClockText(text);
    return seconds && *seconds >= 1 ? std::optional<int>(*seconds) : std::nullopt;
}

QString PbTableWarning(PbTableKind kind, const QStringList& settings,
                       std::optional<int> recordedBest) {
    if (!recordedBest || settings.isEmpty()) {
        return {};
    }
    const int longest = settings[0].toInt();  // the last hold is the longest in both tables
    if (QString warning = LongestHoldWarning(longest, recordedBest); !warning.isEmpty()) {
        return warning;
    }
    if (kind == PbTableKind::O2 && longest > Percent(*recordedBest, 80)) {
        //: %1 is the table's last hold and %2 the personal best, each a time like 03:05.
        return QCoreApplication::translate(
                   "PersonalBest", "Its last hold, %1, is over 80 % of your personal best, %2.")
            .arg(FormatSeconds(longest), FormatSeconds(*recordedBest));
    }
    return {};
}

QString LongestHoldWarning(int longest, std::optional<int> recordedBest) {
    if (!recordedBest || longest <= *recordedBest) {
        return {};
    }
    //: %1 is the table's longest hold and %2 the personal best, each a time like 03:05.
    return QCoreApplication::translate(
               "PersonalBest", "Its longest hold, %1, is longer than your personal best, %2.")
        .arg(FormatSeconds(longest), FormatSeconds(*recordedBest));
}

}  // namespace vellorin
