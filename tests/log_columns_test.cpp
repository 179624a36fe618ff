// The log is read by its header's names: columns in another order or added by a later
// version change nothing, a row with a damaged kind or rule is left out by line with its
// reason, and appending goes in the file's own columns, so that a log an older version began
// keeps its header and every old and new row reads back, in this version and in the older.
#include <gtest/gtest.h>

#include <QHash>
#include <QTemporaryDir>
#include <algorithm>

#include "csv_stream.h"
#include "file_helpers.h"
#include "log_rules.h"
#include "training_log.h"

namespace vellorin::testing {
namespace {

const QDateTime kStart = QDateTime::fromString("2026-12-07T07:30:00+01:00", Qt::ISODate);

// A row in the order of names, from each column's value by name (a name it has none for is
// empty).
QByteArray Row(const QByteArrayList& names, const QHash<QByteArray, QByteArray>& values) {
    QByteArrayList fields;
    for (const QByteArray& name : names) {
        fields.append(values.value(name));
    }
    return fields.join(',') + "\r\n";
}

// A Wonka hold's values by column name, with its kind and rules.
QHash<QByteArray, QByteArray> WonkaHold(const QByteArray& holdRule, const QByteArray& restRule,
                                        const QByteArray& kind = "rounds") {
    QHash<QByteArray, QByteArray> values{
        {"kind", kind}, {"hold_rule", holdRule}, {"rest_rule", restRule}};
    for (const QByteArray& value :
         QByteArray("session_start=2026-12-07T07:30:00+01:00 table=wonka.vtable loop=2 "
                    "planned_seconds=180 held_seconds=75 first_contraction_seconds=45 "
                    "contractions=3 completed=yes notes=later")
             .split(' ')) {
        values.insert(value.split('=')[0], value.split('=')[1]);
    }
    return values;
}

// What a row holds: "kind table settings loop held first-contraction hold-rule rest-rule".
QString Described(const LogRow& row) {
    return QStringList{row.kind == TableKind::Rounds ? "rounds" : "classic",
                       row.table,
                       row.settings.join('/'),
                       QString::number(row.hold.loop),
                       QString::number(row.hold.held),
                       row.hold.firstContraction ? QString::number(*row.hold.firstContraction) : "",
                       HoldRuleText(row.hold.rule),
                       row.hold.rest ? RestRuleText(*row.hold.rest) : ""}
        .join(' ');
}

const QByteArray kWonkaRule = "first-contraction:30/cap:180/min:0";

TEST(LogColumns, ColumnsAreFoundByTheirNames) {
    const QByteArrayList current = QByteArray(kLogHeader).split(',');
    QByteArrayList reversed = current;
    std::reverse(reversed.begin(), reversed.end());
    QByteArrayList added = current;
    added.insert(3, "notes");  // a column of a later version
    for (const QByteArrayList& names : {current, reversed, added}) {
        SCOPED_TRACE(names.join(',').toStdString());
        const LogRead read =
            ParseLog(names.join(',') + "\r\n" + Row(names, WonkaHold(kWonkaRule, "breath:10")));
        ASSERT_EQ(read.rows.size(), 1);
        EXPECT_TRUE(read.skipped.isEmpty()) << read.skipped.value(0).reason.toStdString();
        EXPECT_EQ(Described(read.rows.value(0)),
                  "rounds wonka.vtable  2 75 45 first-contraction:30/cap:180/min:0 breath:10");
    }
    // A row an older version appended to a log this version began reads as that version's.
    const LogRead older =
        ParseLog(QByteArray(kLogHeader) + "\r\n" +
                 "2026-12-07T07:30:00+01:00,t.ses,30,60,0,120,15,8,1,60,60,,0,yes\r\n");
    EXPECT_EQ(Described(older.rows.value(0)), "classic t.ses 30/60/0/120/15/8 1 60  time:60 ");
}

TEST(LogColumns, ADamagedKindOrRuleLeavesItsRowOutByLine) {
    const QByteArrayList names = QByteArray(kLogHeader).split(',');
    const struct {
        QByteArray kind, hold, rest;
        QString reason;
    } cases[] = {
        {"rounds", "first-contraction:30/cap:180", "",
         "its hold_rule is not a rule of how a hold ends"},
        {"rounds", "", "", "its hold_rule is not a rule of how a hold ends"},
        {"classic", "time:060", "time:120", "its hold_rule is not a rule of how a hold ends"},
        {"rounds", "time:60", "cycle:120", "its rest_rule is not a rule of how a rest ends"},
        {"rounds", "time:60", "breath:10/cap:1", "its rest_rule is not a rule of how a rest ends"},
        {"round", "time:60", "", "its kind is neither classic nor rounds"},
        {"", "time:60", "", "its kind is neither classic nor rounds"},
    };
    const QByteArray good = Row(names, WonkaHold(kWonkaRule, ""));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason.toStdString());
        const LogRead read = ParseLog(names.join(',') + "\r\n" + good +
                                      Row(names, WonkaHold(c.hold, c.rest, c.kind)) + good);
        EXPECT_EQ(read.rows.size(), 2);
        ASSERT_EQ(read.skipped.size(), 1);
        EXPECT_EQ(read.skipped[0].line, 3);
        EXPECT_EQ(read.skipped[0].reason, c.reason);
    }
    // A table of rounds kept in a log of 14 columns, its rule damaged.
    const LogRead old = ParseLog(QByteArray(kLogHeaderWithoutRules) + "\r\n" +
                                 "2026-12-07T07:30:00+01:00,w,,90,,,,rounds,1,90,90,,0,yes\r\n");
    ASSERT_EQ(old.skipped.size(), 1);
    EXPECT_EQ(old.skipped[0].reason, "its hold is not a rule of how a hold ends");
    EXPECT_EQ(ParseLog("x,y\r\n").skipped.value(0).reason, "it has 2 columns, not 14, 17 or 21");
}

// How many fields each line of a log has, from the second line on.
QList<qsizetype> FieldCounts(const QByteArray& log) {
    QList<qsizetype> counts;
    CsvStream csv([&counts](const CsvRecord& record) { counts.append(record.fields); });
    csv.Feed(log);
    csv.Finish();
    return counts.mid(1);
}

TEST(LogColumns, AppendingGoesInTheColumnsOfTheFilesOwnHeader) {
    const SessionRecord classic{
        kStart,
        "co2.ses",
        {"30", "90", "0", "120", "15", "2"},
        {{1, 90, 90, 41, 2, true, HoldRule::Timed(90), RestRule::Timed(120)},
         {2, 90, 90, 44, 3, true, HoldRule::Timed(90), std::nullopt}}};
    const SessionRecord rounds{
        kStart.addDays(1),
        "mix.vtable",
        {},
        {{1, 180, 75, 45, 3, true, HoldRule::AtFirstContraction(30, 180),
          RestRule::OnCycle(120, 15)},
         {2, 180, 80, 50, 2, true, HoldRule::AtContraction(3, 180, 20), RestRule::OneBreath(10)},
         {3, 60, 20, std::nullopt, 0, false, HoldRule::Timed(60), std::nullopt}},
        TableKind::Rounds};
    const QByteArray oldRow = "2026-12-01T07:30:00+01:00,t.ses,30,60,0,120,15,8,1,60,60,,0,yes\r\n";
    QByteArrayList reordered = QByteArray(kLogHeader).split(',');
    std::reverse(reordered.begin(), reordered.end());
    reordered.append("notes");
    const struct {
        QByteArray header;
        bool rulesKept;  // the header has the rule columns
    } cases[] = {
        {kLogHeaderWithoutRules, false},
        {kLogHeader, true},
        {reordered.join(','), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.header.toStdString());
        QTemporaryDir dir;
        const QString path = dir.filePath("training-log.csv");
        const QByteArray before =
            c.header + "\r\n" +
            (c.rulesKept ? Row(c.header.split(','), WonkaHold("time:60", "")) : oldRow);
        WriteBytes(path, before);
        ASSERT_EQ(AppendToLog(path, classic), "");
        ASSERT_EQ(AppendToLog(path, rounds), "");
        const QByteArray after = ReadBytes(path);
        EXPECT_TRUE(after.startsWith(before));  // nothing that was there is written again
        // Every row in the header's columns: an older version reads every one of them.
        EXPECT_EQ(FieldCounts(after), QList<qsizetype>(6, c.header.count(',') + 1));
        const LogRead read = ReadLog(path);
        EXPECT_TRUE(read.skipped.isEmpty()) << read.skipped.value(0).reason.toStdString();
        QStringList rows;
        for (const LogRow& row : read.rows) {
            rows.append(Described(row));
        }
        // A log without the rule columns cannot tell a classic rest; its settings do.
        const QString rest = c.rulesKept ? "time:120" : "";
        EXPECT_EQ(rows.mid(1), QStringList({
                                   "classic co2.ses 30/90/0/120/15/2 1 90 41 time:90 " + rest,
                                   "classic co2.ses 30/90/0/120/15/2 2 90 44 time:90 ",
                                   "rounds mix.vtable  1 75 45 first-contraction:30/cap:180/min:0 "
                                   "cycle:120/floor:15",
                                   "rounds mix.vtable  2 80 50 contractions:3/cap:180/min:20 "
                                   "breath:10",
                                   "rounds mix.vtable  3 20  time:60 ",
                               }));
    }
}

}  // namespace
}  // namespace vellorin::testing
