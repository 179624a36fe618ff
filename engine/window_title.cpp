#include "window_title.h"

#include <QFileInfo>
#include <QStringList>

#include "allgemein.h"

namespace vellorin {

QString WindowTitle(const QString& tableFile, bool edited, const SessionPlan& plan) {
    QStringList parts;
    if (!tableFile.isEmpty()) {
        parts.append((edited ? QStringLiteral("*") : QString()) + QFileInfo(tableFile).fileName());
    }
    if (plan.StartProblem().isEmpty()) {
        parts.append(FormatSeconds(plan.SessionDuration()));
    }
    parts.append(QStringLiteral("Vellorin"));
    return parts.join(QStringLiteral(" - "));
}

}  // namespace vellorin
