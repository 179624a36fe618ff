#include "window_title.h"

#include <QFileInfo>
#include <QStringList>

#include "allgemein.h"

namespace vellorin {

QString WindowTitle(const QString& tableFile, bool edited, const SessionPlan& plan,
                    const RoundsTable* rounds) {
    QStringList parts;
    if (!tableFile.isEmpty()) {
        parts.append((edited ? QStringLiteral("*") : QString()) + QFileInfo(tableFile).fileName());
    }
    if (rounds != nullptr) {
        const TableLength length = Length(*rounds);
        parts.append((length.exact ? QString() : QStringLiteral("up to ")) +
                     FormatTotal(length.seconds));
    } else if (plan.StartProblem().isEmpty()) {
        parts.append(FormatSeconds(plan.SessionDuration()));
    }
    parts.append(QStringLiteral("Vellorin"));
    return parts.join(QStringLiteral(" - "));
}

}  // namespace vellorin
