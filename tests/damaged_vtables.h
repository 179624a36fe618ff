#pragma once

#include <QByteArray>
#include <QString>
#include <ostream>
#include <vector>

namespace vellorin::testing {

// A table file with one of each kind of hold and rest, as another program might write it.
inline QByteArray TableFileText() {
    return R"({"format": "vellorin-table", "version": 1, "name": "Base", "intro": 30, "profile": "",
 "rounds": [
  {"hold": {"end": "time", "seconds": 60}, "rest": {"end": "time", "seconds": 120}, "repeat": 8},
  {"hold": {"end": "first-contraction", "margin": 30, "cap": 180, "minimum": 0},
   "rest": {"end": "cycle", "cycle": 120, "floor": 15}},
  {"hold": {"end": "contractions", "count": 5, "cap": 180}, "rest": {"end": "breath", "maximum": 10}}
 ]}
)";
}

inline QByteArray Edited(const char* from, const QByteArray& to) {
    QByteArray text = TableFileText();
    const qsizetype at = text.indexOf(from);
    return at < 0 ? QByteArray("<not in the file>") : text.replace(at, qstrlen(from), to);
}

// A file the reader refuses, and the reason it gives after "Could not load "FILE": ".
struct DamagedTable {
    const char* label;
    QByteArray bytes;
    QString reason;           // the whole reason, or its beginning when it ends with "("
    bool schemaTells = true;  // false: a rule across values, which a schema cannot state
};

inline void PrintTo(const DamagedTable& damaged, std::ostream* os) {
    *os << damaged.label;
}

inline std::vector<DamagedTable> DamagedTables() {
    const QString notJson = QStringLiteral("it is not a table file (not JSON: ");
    const QString seconds = QStringLiteral("must be a whole number of seconds from 1 to 86400");
    const QString text = QStringLiteral(
        "\"name\" must be a text of at most 200 characters, without "
        "control characters");
    QByteArray manyRounds =
        R"({"format": "vellorin-table", "version": 1, "intro": 30, "rounds": [)";
    for (int i = 0; i < 33; ++i) {
        manyRounds +=
            QByteArray(i ? "," : "") +
            R"({"hold": {"end": "time", "seconds": 1}, "rest": {"end": "time", "seconds": 1}, "repeat": 1000})";
    }
    manyRounds += "]}";
    return {
        {"NotJson", "vellorin", notJson},
        {"Truncated", TableFileText().left(120), notJson},
        {"TrailingText", TableFileText() + "x", notJson},
        {"NotANumber", Edited("\"intro\": 30", "\"intro\": NaN"), notJson},
        {"HugeNumber", Edited("\"intro\": 30", "\"intro\": 1e400"), notJson},
        {"NulByte", TableFileText() + '\0', "it is not a table file (it holds a NUL byte)"},
        {"InvalidUtf8",
         Edited("Base",
                "B\xff"
                "ase"),
         "it is not a table file (it is not UTF-8 text)"},
        {"ByteOrderMark", "\xef\xbb\xbf" + TableFileText(),
         "it is not a table file (it begins with a byte-order mark)"},
        {"Array", "[1, 2]", "it must be a JSON object"},
        {"OtherFormat", Edited("vellorin-table", "vellorin-session"),
         "it is not a Vellorin table file (its \"format\" is not \"vellorin-table\")"},
        {"NoFormat", Edited("\"format\": \"vellorin-table\",", ""),
         "it is not a Vellorin table file (its \"format\" is not \"vellorin-table\")"},
        {"NewerVersion", Edited("\"version\": 1", "\"version\": 2"),
         "it was written by a newer Vellorin (table format version 2; this one reads version 1)"},
        {"VersionText", Edited("\"version\": 1", "\"version\": \"1\""), "\"version\" must be 1"},
        {"VersionZero", Edited("\"version\": 1", "\"version\": 0"), "\"version\" must be 1"},
        {"VersionFraction", Edited("\"version\": 1", "\"version\": 1.5"), "\"version\" must be 1"},
        {"NoVersion", Edited("\"version\": 1,", ""), "\"version\" is missing"},
        {"UnknownKey", Edited("\"profile\"", "\"colour\": 1, \"profile\""),
         "\"colour\" is not a value a table file holds"},
        {"NameNumber", Edited("\"Base\"", "5"), text},
        {"NameTooLong", Edited("Base", QByteArray(201, 'x')), text},
        {"NameTab", Edited("Base", "Ba\\tse"), text},
        {"NameRawTab", Edited("Base", "Ba\tse"), text},
        {"NameNul", Edited("Base", "Ba\\u0000se"), text},
        {"NameLoneSurrogate", Edited("Base", "Ba\\ud800se"), text},
        {"IntroZero", Edited("\"intro\": 30", "\"intro\": 0"), "\"intro\" " + seconds},
        {"IntroFraction", Edited("\"intro\": 30", "\"intro\": 1.5"), "\"intro\" " + seconds},
        {"IntroText", Edited("\"intro\": 30", "\"intro\": \"0:30\""), "\"intro\" " + seconds},
        {"IntroOverADay", Edited("\"intro\": 30", "\"intro\": 86401"), "\"intro\" " + seconds},
        {"NoIntro", Edited("\"intro\": 30,", ""), "\"intro\" is missing"},
        {"NoRounds", R"({"format": "vellorin-table", "version": 1, "intro": 30, "rounds": []})",
         "\"rounds\" must be a list of 1 to 32767 rounds"},
        {"RoundsObject", R"({"format": "vellorin-table", "version": 1, "intro": 30, "rounds": {}})",
         "\"rounds\" must be a list of 1 to 32767 rounds"},
        {"RoundNumber", R"({"format": "vellorin-table", "version": 1, "intro": 30, "rounds": [5]})",
         "round 1: it must be a JSON object"},
        {"NoHold", Edited("\"hold\": {\"end\": \"time\", \"seconds\": 60},", ""),
         "round 1: \"hold\" is missing"},
        {"HoldEnd", Edited("\"end\": \"time\"", "\"end\": \"timed\""),
         "round 1, hold: \"end\" must be \"time\", \"first-contraction\" or \"contractions\""},
        {"HoldZero", Edited("\"seconds\": 60", "\"seconds\": 0"),
         "round 1, hold: \"seconds\" " + seconds},
        {"HoldFraction", Edited("\"seconds\": 60", "\"seconds\": 60.5"),
         "round 1, hold: \"seconds\" " + seconds},
        {"HoldTrue", Edited("\"seconds\": 60", "\"seconds\": true"),
         "round 1, hold: \"seconds\" " + seconds},
        {"TimedHoldCap", Edited("\"seconds\": 60", "\"seconds\": 60, \"cap\": 90"),
         "round 1, hold: \"cap\" is not a value a table file holds"},
        {"MarginOver", Edited("\"margin\": 30", "\"margin\": 601"),
         "round 2, hold: \"margin\" must be a whole number of seconds from 0 to 600"},
        {"NoCap", Edited("\"cap\": 180, \"minimum\"", "\"minimum\""),
         "round 2, hold: \"cap\" is missing"},
        {"CapZero", Edited("\"cap\": 180, \"minimum\"", "\"cap\": 0, \"minimum\""),
         "round 2, hold: \"cap\" " + seconds},
        {"MinimumNegative", Edited("\"minimum\": 0", "\"minimum\": -1"),
         "round 2, hold: \"minimum\" must be a whole number of seconds from 0 to 86400"},
        {"MinimumAboveCap", Edited("\"minimum\": 0", "\"minimum\": 181"),
         "round 2: the cap must be at least the minimum", false},
        {"CountZero", Edited("\"count\": 5", "\"count\": 0"),
         "round 3, hold: \"count\" must be a whole number from 1 to 50"},
        {"CountOver", Edited("\"count\": 5", "\"count\": 51"),
         "round 3, hold: \"count\" must be a whole number from 1 to 50"},
        {"RestEnd", Edited("\"end\": \"cycle\"", "\"end\": \"interval\""),
         "round 2, rest: \"end\" must be \"time\", \"cycle\" or \"breath\""},
        {"RestZero", Edited("\"seconds\": 120", "\"seconds\": 0"),
         "round 1, rest: \"seconds\" " + seconds},
        {"CycleZero", Edited("\"cycle\": 120", "\"cycle\": 0"),
         "round 2, rest: \"cycle\" " + seconds},
        {"FloorZero", Edited("\"floor\": 15", "\"floor\": 0"),
         "round 2, rest: \"floor\" " + seconds},
        {"BreathOver", Edited("\"maximum\": 10", "\"maximum\": 61"),
         "round 3, rest: \"maximum\" must be a whole number of seconds from 1 to 60"},
        {"RepeatZero", Edited("\"repeat\": 8", "\"repeat\": 0"),
         "round 1: \"repeat\" must be a whole number from 1 to 1000"},
        {"RepeatOver", Edited("\"repeat\": 8", "\"repeat\": 1001"),
         "round 1: \"repeat\" must be a whole number from 1 to 1000"},
        {"RepeatFraction", Edited("\"repeat\": 8", "\"repeat\": 2.5"),
         "round 1: \"repeat\" must be a whole number from 1 to 1000"},
        {"RoundKey", Edited("\"repeat\": 8", "\"repeat\": 8, \"note\": \"x\""),
         "round 1: \"note\" is not a value a table file holds"},
        {"TooManyRounds", manyRounds,
         "the table runs 33000 rounds with its repeats, more than 32767", false},
    };
}

}  // namespace vellorin::testing
