#include "log_columns.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QList>
#include <algorithm>

#include "log_rules.h"

namespace vellorin {
namespace {

const QList<QByteArray>& Names() {
    static const QList<QByteArray> names = QByteArray(kLogHeader).split(',');
    return names;
}

LogLayout Layout(const QByteArray& header) {
    CsvRecord record;
    for (const QByteArray& name : header.split(',')) {
        record.bytes += name;
        record.ends.append(record.bytes.size());
    }
    record.fields = record.ends.size();
    return *LogLayout::FromHeader(record);
}

QByteArray Optional(const std::optional<int>& value) {
    return value ? QByteArray::number(*value) : QByteArray();
}

}  // namespace

const LogLayout& LogLayout::Current() {
    static const LogLayout layout = Layout(kLogHeader);
    return layout;
}

const LogLayout& LogLayout::WithoutSensors() {
    static const LogLayout layout = Layout(kLogHeaderWithoutSensors);
    return layout;
}

const LogLayout& LogLayout::WithoutRules() {
    static const LogLayout layout = Layout(kLogHeaderWithoutRules);
    return layout;
}

const LogLayout* LogLayout::OfCount(qsizetype fields) {
    switch (fields) {
        case kLogColumnsWithoutRules:
            return &WithoutRules();
        case kLogColumnsWithoutSensors:
            return &WithoutSensors();
        case kLogColumns:
            return &Current();
        default:
            return nullptr;
    }
}

std::optional<LogLayout> LogLayout::FromHeader(const CsvRecord& record) {
    LogLayout layout;
    layout.fields_ = static_cast<int>(record.fields);
    layout.at_.fill(-1);
    // Only the fields a record keeps the ends of can be looked at.
    const qsizetype named = std::min(record.fields, record.ends.size());
    for (qsizetype field = 0; field < named; ++field) {
        const qsizetype column = Names().indexOf(record.Field(field));
        if (column < 0) {
            continue;  // a column of a later version
        }
        if (layout.at_[column] >= 0) {
            return std::nullopt;  // named twice: which one holds it cannot be told
        }
        layout.at_[column] = static_cast<int>(field);
    }
    for (int column = 0; column < kLogColumnsWithoutRules; ++column) {
        if (layout.at_[column] < 0) {
            return std::nullopt;
        }
    }
    return layout;
}

QString SessionStartText(const QDateTime& start) {
    return start.toOffsetFromUtc(start.offsetFromUtc()).toString(Qt::ISODate);
}

QByteArray CsvField(const QString& text) {
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') ||
        bytes.contains('\r')) {
        bytes.replace("\"", "\"\"");
        bytes = '"' + bytes + '"';
    }
    return bytes;
}

QByteArray LogRows(const SessionRecord& session, const LogLayout& layout) {
    QByteArrayList fields(layout.Fields());
    const auto put = [&fields, &layout](LogColumn column, const QByteArray& text) {
        if (layout.Has(column)) {
            fields[layout.At(column)] = text;
        }
    };
    put(LogColumn::SessionStart, CsvField(SessionStartText(session.start)));
    put(LogColumn::Table, CsvField(session.table));
    const bool rounds = session.kind == TableKind::Rounds;
    for (int i = 0; i < 6; ++i) {
        put(static_cast<LogColumn>(static_cast<int>(LogColumn::Intro) + i),
            rounds ? QByteArray() : CsvField(session.settings.value(i)));
    }
    put(LogColumn::Kind, KindText(session.kind));
    // In a log without a kind column, a table of rounds says so where its settings would be.
    const bool inSettings = rounds && !layout.Has(LogColumn::Kind);
    if (inSettings) {
        put(LogColumn::Loops, KindText(session.kind));
    }
    QByteArray rows;
    for (const HoldRecord& hold : session.holds) {
        put(LogColumn::Loop, QByteArray::number(hold.loop));
        put(LogColumn::PlannedSeconds, QByteArray::number(hold.planned));
        put(LogColumn::HeldSeconds, QByteArray::number(hold.held));
        put(LogColumn::FirstContractionSeconds,
            hold.firstContraction ? QByteArray::number(*hold.firstContraction) : QByteArray());
        put(LogColumn::Contractions, QByteArray::number(hold.contractions));
        put(LogColumn::Completed, hold.completed ? "yes" : "no");
        put(inSettings ? LogColumn::Hold : LogColumn::HoldRule, HoldRuleText(hold.rule));
        put(inSettings ? LogColumn::Rest : LogColumn::RestRule,
            hold.rest ? RestRuleText(*hold.rest) : QByteArray());
        const HoldSensors& sensors = hold.sensors;
        put(LogColumn::HrStart, Optional(sensors.hrStart));
        put(LogColumn::HrLowest, Optional(sensors.hrLowest));
        put(LogColumn::Spo2Lowest, Optional(sensors.spo2Lowest));
        put(LogColumn::Spo2LowestSecond, Optional(sensors.spo2LowestSecond));
        rows += fields.join(',');
        rows += "\r\n";
    }
    return rows;
}

}  // namespace vellorin
