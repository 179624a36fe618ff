#include "damaged_lines.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>

namespace vellorin {
namespace {

// Lines named by number before the rest are only counted, and reasons given (each by the first
// line it was found on): a message stays a few lines long for one line or a hundred thousand.
constexpr qsizetype kLinesNamed = 5;
constexpr qsizetype kReasonsNamed = 3;

QString Count(qint64 count) {
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(count);
}

bool Named(const QList<DamagedLine>& reasons, const QString& reason) {
    return std::any_of(reasons.begin(), reasons.end(),
                       [&reason](const DamagedLine& named) { return named.reason == reason; });
}

}  // namespace

QString DamagedLinesMessage(const QString& path, const QList<DamagedLine>& lines) {
    return DamagedLinesMessage(path, lines, lines.size());
}

QString DamagedLinesMessage(const QString& path, const QList<DamagedLine>& first, qint64 total) {
    if (first.isEmpty() || total <= 0) {
        return {};
    }
    // One arg() for all: a file name holding "%1" is never taken for a place to fill.
    if (total == 1) {
        return QStringLiteral("Left out line %1 of \"%2\": %3.")
            .arg(QString::number(first.constFirst().line), path, first.constFirst().reason);
    }
    QStringList numbers;
    for (qsizetype i = 0; i < std::min(first.size(), kLinesNamed); ++i) {
        numbers.append(Count(first[i].line));
    }
    const qint64 more = total - numbers.size();
    const QString last = more > 0 ? QStringLiteral("%1 more").arg(Count(more)) : numbers.takeLast();
    QList<DamagedLine> reasons;
    for (const DamagedLine& line : first) {
        if (reasons.size() < kReasonsNamed && !Named(reasons, line.reason)) {
            reasons.append(line);
        }
    }
    QString why;
    for (const DamagedLine& reason : reasons) {
        why += QStringLiteral(" Line %1: %2.").arg(Count(reason.line), reason.reason);
    }
    return QStringLiteral("Left out %1 lines of \"%2\": lines %3 and %4.%5")
        .arg(Count(total), path, numbers.join(QStringLiteral(", ")), last, why);
}

void DamagedLines::Add(int line, const QString& reason) {
    ++count_;
    if (first_.size() < kLinesNamed ||
        (first_.size() < kLinesNamed + kReasonsNamed && !Named(first_, reason))) {
        first_.append({line, reason});
    }
}

QString DamagedLines::Message(const QString& path) const {
    return DamagedLinesMessage(path, first_, count_);
}

}  // namespace vellorin
