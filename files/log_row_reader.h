#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "csv_stream.h"
#include "log_columns.h"
#include "training_log.h"

namespace vellorin {

// Turns the log's CSV records into rows, or into the reason each is none: another column
// count, cut short, or a value no hold of the log can have. The first record may be the
// header, whose names say where each column is (see ParseLog). The rows of a session share
// its texts: they are read once, when a row's bytes differ from those of the row before.
class LogRowReader {
public:
    using RowSink = std::function<void(const LogRow&)>;
    using DamageSink = std::function<void(int line, const QString& reason)>;
    LogRowReader(RowSink onRow, DamageSink onDamaged);

    void Take(const CsvRecord& record);

private:
    // The session's start, its table, its six settings and its kind.
    static constexpr int kTextColumns = 9;

    // The layout a row of that many fields is read by; null when none.
    const LogLayout* LayoutOf(qsizetype fields) const;
    QString WrongCount(qsizetype fields) const;
    // Reads record into row_; returns why it is no hold of the log, or an empty text.
    QString Read(const CsvRecord& record, const LogLayout& layout);
    // The session's texts into row_ when they differ from the row before's.
    void ReadTexts(const CsvRecord& record, const LogLayout& layout);
    QString ReadRules(const CsvRecord& record, const LogLayout& layout);
    // The sensors' values into row_.hold.sensors, each in its range (see ParseLog).
    QString ReadSensors(const CsvRecord& record, const LogLayout& layout);

    RowSink onRow_;
    DamageSink onDamaged_;
    std::optional<LogLayout> header_;
    bool first_ = true;
    const LogLayout* lastLayout_ = nullptr;  // the texts were read by it
    std::array<QByteArray, kTextColumns> texts_;
    std::array<QString, 6> settings_;
    bool kindRead_ = false;         // kind_ is a kind, not a damaged text
    bool rulesInSettings_ = false;  // a table of rounds where a log without kind keeps it
    // The rules' texts of the row before and what they read as.
    QByteArray holdText_, restText_;
    std::optional<HoldRule> holdRule_;
    std::optional<RestRule> restRule_;
    LogRow row_;
};

}  // namespace vellorin
