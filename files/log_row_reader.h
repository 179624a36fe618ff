#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <functional>

#include "csv_stream.h"
#include "training_log.h"

namespace vellorin {

// Turns the log's CSV records into rows, or into the reason each is none: another column
// count, cut short, or a value no hold of the log can have. The first record may be the
// header. The rows of a session share its texts: they are read once, when a row's bytes
// differ from those of the row before.
class LogRowReader {
public:
    using RowSink = std::function<void(const LogRow&)>;
    using DamageSink = std::function<void(int line, const QString& reason)>;
    LogRowReader(RowSink onRow, DamageSink onDamaged);

    void Take(const CsvRecord& record);

private:
    static constexpr int kTextColumns = 8;  // the session's start, its table, its settings

    bool IsHeader(const CsvRecord& record) const;
    // Reads record into row_; returns why it is no hold of the log, or an empty text.
    QString Read(const CsvRecord& record);

    RowSink onRow_;
    DamageSink onDamaged_;
    QList<QByteArray> header_;
    bool first_ = true;
    std::array<QByteArray, kTextColumns> texts_;
    bool textsRead_ = false;
    std::array<QString, 6> settings_;
    LogRow row_;
};

}  // namespace vellorin
