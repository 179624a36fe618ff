#include "damaged_lines.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <algorithm>

#include "message_text.h"

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
        //: %1 is the line's number, %2 the file's name, %3 why the line was left out.
        return QCoreApplication::translate("DamagedLines", "Left out line %1 of \"%2\": %3.")
            .arg(QString::number(first.constFirst().line), path, first.constFirst().reason);
    }
    QStringList numbers;
    for (qsizetype i = 0; i < std::min(first.size(), kLinesNamed); ++i) {
        numbers.append(Count(first[i].line));
    }
    const qint64 more = total - numbers.size();
    const int plural = PluralCount(total);
    QString text;
    if (more > 0) {
        //: %n is how many lines were left out, %1 the file's name, %2 the first of the lines'
        //: numbers, as a list ("3, 4, 5, 6, 7"), %3 how many more lines there are.
        text = QCoreApplication::translate(
            "DamagedLines", "Left out %n lines of \"%1\": lines %2 and %3 more.", nullptr, plural);
    } else {
        //: %n is how many lines were left out, %1 the file's name, %2 all but the last of the
        //: lines' numbers, as a list ("3, 4, 5"), %3 the last one.
        text = QCoreApplication::translate(
            "DamagedLines", "Left out %n lines of \"%1\": lines %2 and %3.", nullptr, plural);
    }
    const QString last = more > 0 ? Count(more) : numbers.takeLast();
    text =
        ShownCount(text, total, Count(total)).arg(path, numbers.join(QStringLiteral(", ")), last);
    QList<DamagedLine> reasons;
    for (const DamagedLine& line : first) {
        if (reasons.size() < kReasonsNamed && !Named(reasons, line.reason)) {
            reasons.append(line);
        }
    }
    for (const DamagedLine& reason : reasons) {
        //: %1 is a line's number, %2 why it was left out.
        text += QStringLiteral(" ") + QCoreApplication::translate("DamagedLines", "Line %1: %2.")
                                          .arg(Count(reason.line), reason.reason);
    }
    return text;
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
