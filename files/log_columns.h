#pragma once

#include <array>
#include <optional>

#include "csv_stream.h"

namespace vellorin {

// The header of a new training log, and of a log begun before the log kept how each hold
// and rest was to end: the first fourteen names, in the same order.
inline constexpr char kLogHeader[] =
    "session_start,table,intro,hold,hold_increase,rest,rest_decrease,loops,loop,"
    "planned_seconds,held_seconds,first_contraction_seconds,contractions,completed,kind,"
    "hold_rule,rest_rule";
inline constexpr int kLogColumns = 17;
inline constexpr char kLogHeaderWithoutRules[] =
    "session_start,table,intro,hold,hold_increase,rest,rest_decrease,loops,loop,"
    "planned_seconds,held_seconds,first_contraction_seconds,contractions,completed";
inline constexpr int kLogColumnsWithoutRules = 14;

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
};

// Where each column stands in a row of a log, as its header names them: the reader and the
// writer go by names, so that a log whose columns come in another order, or with columns
// a later version added, is read and appended to as it is.
class LogLayout {
public:
    // The order of kLogHeader, and of kLogHeaderWithoutRules.
    static const LogLayout& Current();
    static const LogLayout& WithoutRules();
    // The layout a header gives: it names each of the first fourteen columns once and kind,
    // hold_rule and rest_rule at most once; names it does not know are columns a later
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

}  // namespace vellorin
