#include "window_title.h"

#include <QCoreApplication>
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
        //: In the window's title: the most the table can last, %1 a time like 40:30.
        parts.append(length.exact ? FormatTotal(length.seconds)
                                  : QCoreApplication::translate("WindowTitle", "up to %1")
                                        .arg(FormatTotal(length.seconds)));
    } else if (plan.StartProblem().isEmpty()) {
        parts.append(FormatSeconds(plan.SessionDuration()));
    }
    parts.append(QStringLiteral("Vellorin"));
    return parts.join(QStringLiteral(" - "));
}

}  // namespace vellorin
