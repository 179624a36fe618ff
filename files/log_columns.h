#pragma once

#include <array>
#include <optional>

#include "csv_stream.h"
#include "session_recorder.h"

namespace vellorin {

// The header of a new training log, and those of logs begun by older versions: before the
// log kept what the sensors said (the first seventeen names), and before it kept how each
// hold and rest was to end (the first fourteen), in the same order.
inline constexpr char kLogHeader[] =
    "session_start,table,intro,hold,hold_increase,rest,rest_decrease,loops,loop,"
    "planned_seconds,held_seconds,first_contraction_seconds,contractions,completed,kind,"
    "hold_rule,rest_rule,hr_start,hr_lowest,spo2_lowest,spo2_lowest_second";
inline constexpr int kLogColumns = 21;
inline constexpr char kLogHeaderWithoutSensors[] =
    "session_start,table,intro,hold,hold_increase,rest,rest_decrease,loops,loop,"
    "planned_seconds,held_seconds,first_contraction_seconds,contractions,completed,kind,"
    "hold_rule,rest_rule";
inline constexpr int kLogColumnsWithoutSensors = 17;
inline constexpr char kLogHeaderWithoutRules[] =
    "session_start,table,intro,hold,hold_increase,rest,rest_decrease,loops,loop,"
    "planned_seconds,held_seconds,first_contraction_seconds,contractions,completed";
inline constexpr int kLogColumnsWithoutRules = 14;
// What a header of seventeen columns gains to keep the sensors' values.
inline constexpr char kLogSensorNames[] = ",hr_start,hr_lowest,spo2_lowest,spo2_lowest_second";

// The columns this version knows, in the order of kLogHeader.
enum class LogColumn {
    SessionStart,
    Table,
    Intro,
    Hold,
    HoldIncrease,
    Rest,
    RestDecrease,
    Loops,
    Loop,
    PlannedSeconds,
    HeldSeconds,
    FirstContractionSeconds,
    Contractions,
    Completed,
    Kind,
    HoldRule,
    RestRule,
    HrStart,
    HrLowest,
    Spo2Lowest,
    Spo2LowestSecond,
};

// Where each column stands in a row of a log, as its header names them: the reader and the
// writer go by names, so that a log whose columns come in another order, or with columns
// a later version added, is read and appended to as it is.
class LogLayout {
public:
    // The order of kLogHeader, of kLogHeaderWithoutSensors and of kLogHeaderWithoutRules.
    static const LogLayout& Current();
    static const LogLayout& WithoutSensors();
    static const LogLayout& WithoutRules();
    // The layout of a row of that many fields without a header of its count: 14, 17 or 21, as
    // this version and older ones write them; null for another count.
    static const LogLayout* OfCount(qsizetype fields);
    // The layout a header gives: it names each of the first fourteen columns once and every
    // later one of kLogHeader at most once; names it does not know are columns a later
    // version added, left as they are. Nothing when the record is no such header.
    static std::optional<LogLayout> FromHeader(const CsvRecord& record);

    int Fields() const { return fields_; }
    bool Has(LogColumn column) const { return at_[Index(column)] >= 0; }
    // The field the column is in; only for a column the layout has.
    int At(LogColumn column) const { return at_[Index(column)]; }

private:
    static constexpr int Index(LogColumn column) { return static_cast<int>(column); }

    int fields_ = 0;
    std::array<int, kLogColumns> at_{};
};

// The rows of a session in the layout's columns, each ending with CR LF; a column the layout
// does not know is left empty, and so is a sensor value that did not come. A log without a
// kind column still keeps a table of rounds whole: its rows leave the six settings (which it
// has none of) empty but for loops, which says "rounds", hold, which holds the hold's rule,
// and rest, which holds the rest's; no classic session can have such a loops text, since
// Start reads it as a number.
QByteArray LogRows(const SessionRecord& session, const LogLayout& layout = LogLayout::Current());
// A session's start as the log's session_start column writes it: ISO 8601 with its offset
// from UTC ("2026-12-08T18:30:05+01:00"), so that it names one moment anywhere.
QString SessionStartText(const QDateTime& start);
// Text as one CSV field: quoted when it holds a comma, a quote or a line break.
QByteArray CsvField(const QString& text);

}  // namespace vellorin
