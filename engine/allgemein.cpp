#include "allgemein.h"

#include <limits>

#include <QRegularExpression>
#include <cmath>

namespace vellorin {
namespace {

// Signed decimal with a blank where a plus sign would stand, and a "0" in front of every
// part below ten, negative ones included: 5 -> "0 5", 12 -> " 12", -1 -> "0-1".
QString ClockPart(qint32 part) {
    QString text = part < 0 ? QString::number(part) : QStringLiteral(" ") + QString::number(part);
    if (part < 10) {
        text.prepend(QLatin1Char('0'));
    }
    return text;
}

}  // namespace

double FloorValue(double x) {
    double whole = std::floor(x);
    if (whole > x) {
        whole -= 1;
    }
    return whole;
}

QString FormatHours(qint64 seconds) {
    const QLatin1Char zero('0');
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, zero)
        .arg(seconds % 60, 2, 10, zero);
}

QString FormatSeconds(qint32 seconds) {
    if (seconds >= 3600) {  // a count of an hour or more shows its hours: "1:46:00"
        return FormatHours(seconds);
    }
    const auto minutes = static_cast<qint32>(FloorValue(seconds / 60.0)) % 60;
    const auto secs = static_cast<qint32>(FloorValue(seconds)) % 60;
    const QString text = ClockPart(minutes) + QLatin1Char(':') + ClockPart(secs);
    return ReplaceText(text, QStringLiteral(" "), QString());
}

std::optional<qint32> ParseClockText(const QString& text) {
    // h:mm:ss too, as the clock shows a count from an hour on, so that a time shown reads back.
    static const QRegularExpression form(
        QStringLiteral("^\\s*(?:(?:(\\d{1,5}):([0-5]\\d)|(\\d{1,3})):([0-5]\\d)|(\\d{1,5}))\\s*$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return !match.captured(5).isEmpty() ? match.captured(5).toInt()
           : !match.captured(1).isEmpty()
               ? (match.captured(1).toInt() * 60 + match.captured(2).toInt()) * 60 +
                     match.captured(4).toInt()
               : match.captured(3).toInt() * 60 + match.captured(4).toInt();
}

QString ReplaceText(const QString& source, const QString& find, const QString& replacement) {
    if (find.isEmpty()) {
        return source;
    }
    QString result;
    qsizetype from = 0;
    while (from < source.size()) {
        const qsizetype found = source.indexOf(find, from, Qt::CaseSensitive);
        if (found < 0) {
            result += QStringView(source).mid(from);
            break;
        }
        result += QStringView(source).mid(from, found - from);
        result += replacement;
        from = found + find.size();
    }
    return result;
}

QString FormatTotal(qint64 seconds) {
    return seconds <= std::numeric_limits<qint32>::max()
               ? FormatSeconds(static_cast<qint32>(seconds))
               : FormatHours(seconds);
}

}  // namespace vellorin
