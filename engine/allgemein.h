#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace vellorin {

// Clock text of a signed count of seconds: minutes and seconds, two digits each ("03:35");
// from an hour on, the hours before them ("1:02:05"). Negative parts keep their sign
// ("0-1:0-1").
QString FormatSeconds(qint32 seconds);
// Clock text of an hour or more, hours, minutes and seconds ("1:02:05"), of any count a
// 64-bit number holds, for totals past what 32 bits count.
QString FormatHours(qint64 seconds);
// A count of seconds as typed: "m:ss" ("3:05"), "h:mm:ss" ("1:02:05") or whole seconds
// ("185"), blanks around it allowed, so that what FormatSeconds shows reads back; nothing for
// anything else.
std::optional<qint32> ParseClockText(const QString& text);

// A total as clock text: FormatSeconds' text, and FormatHours' beyond what 32 bits count
// (a table of 32767 rounds of a day each).
QString FormatTotal(qint64 seconds);

// The largest whole number not greater than x.
double FloorValue(double x);

// source with every occurrence of find replaced by replacement, left to right, without
// overlaps; the replacement is never searched again. An empty find returns source unchanged.
QString ReplaceText(const QString& source, const QString& find, const QString& replacement);

}  // namespace vellorin
