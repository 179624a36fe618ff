#include "log_columns.h"

#include <QByteArray>
#include <QList>
#include <algorithm>

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

}  // namespace

const LogLayout& LogLayout::Current() {
    static const LogLayout layout = Layout(kLogHeader);
    return layout;
}

const LogLayout& LogLayout::WithoutRules() {
    static const LogLayout layout = Layout(kLogHeaderWithoutRules);
    return layout;
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

}  // namespace vellorin
