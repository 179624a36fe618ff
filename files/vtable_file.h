#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "rounds_table.h"

namespace vellorin {

// A table file (".vtable") keeps one table of rounds as UTF-8 JSON, open for other programs
// to read and write; docs/vtable.schema.json describes it for a schema validator:
//
//   {
//       "format": "vellorin-table",
//       "version": 1,
//       "name": "Wonka",                      optional, at most 200 characters
//       "intro": 30,                          seconds
//       "profile": "",                        optional cue-profile name, "" the default
//       "rounds": [
//           {"hold": {"end": "time", "seconds": 60},
//            "rest": {"end": "time", "seconds": 120}, "repeat": 8},
//           {"hold": {"end": "first-contraction", "margin": 30, "cap": 180, "minimum": 0},
//            "rest": {"end": "cycle", "cycle": 120, "floor": 15}},
//           {"hold": {"end": "contractions", "count": 5, "cap": 180},
//            "rest": {"end": "breath", "maximum": 10}}
//       ]
//   }
//
// Every time is a whole number of seconds written as a JSON number; "repeat" (1),
// "minimum" (0), "floor" (15) and "maximum" (10) may be left out. The reader is strict: a key
// it does not know, a value of the wrong type or out of range, a missing value, another
// "format" or a newer "version" refuses the whole file, so that a table is never run other
// than it was written.
inline constexpr char kTableFormat[] = "vellorin-table";
inline constexpr int kTableFormatVersion = 1;
inline constexpr qint64 kMaxTableFileBytes = 1024 * 1024;

// A table read from a file, or a sentence naming the file and why it cannot be loaded.
struct TableFileRead {
    std::optional<RoundsTable> table;
    QString problem;
};
// Opens path without waiting on it (a named pipe or a device never blocks), reads it only
// when it is a regular file of at most kMaxTableFileBytes, and parses it.
TableFileRead ReadTableFile(const QString& path);
// The same from bytes already read; path names the file in the problem.
TableFileRead ParseTableFile(const QByteArray& bytes, const QString& path);

// The file's bytes for a table: the same table always gives the same bytes, one round a
// line, keys in the order above, ending with a newline.
QByteArray TableFileBytes(const RoundsTable& table);
// Writes a table that passes TableProblems to path through a temporary file put in place
// once every byte is on the disk (a target that is not a regular file is never replaced).
// Empty, or why not: the table's first problem ("round 3: the cap must be at least the
// minimum"), or the system's reason.
QString WriteTableFile(const QString& path, const RoundsTable& table);

// A problem of a round as the table file's reader and writer tell it: "round 3: the cap must
// be at least the minimum".
QString RoundProblem(int round, const QString& reason);

}  // namespace vellorin
