#include "log_row_reader.h"

#include <QByteArrayView>
#include <QLocale>
#include <limits>
#include <optional>

namespace vellorin {
namespace {

constexpr qint64 kMostSeconds = std::numeric_limits<qint32>::max();

// A whole number of digits alone, from low to high: no sign, no blank, no NUL.
std::optional<qint64> Whole(QByteArrayView text, qint64 low, qint64 high) {
    if (text.isEmpty() || text.size() > 10) {
        return std::nullopt;
    }
    qint64 value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value >= low && value <= high ? std::optional<qint64>(value) : std::nullopt;
}

QString NotWhole(const char* column, qint64 low, qint64 high) {
    return QStringLiteral("its %1 is not a whole number from %2 to %3")
        .arg(QLatin1String(column))
        .arg(low)
        .arg(high);
}

}  // namespace

LogRowReader::LogRowReader(RowSink onRow, DamageSink onDamaged)
    : onRow_(std::move(onRow)),
      onDamaged_(std::move(onDamaged)),
      header_(QByteArray(kLogHeader).split(',')) {}

void LogRowReader::Take(const CsvRecord& record) {
    const bool first = std::exchange(first_, false);
    if (record.cutShort) {
        return onDamaged_(record.line, QStringLiteral("the row was cut short"));
    }
    if (record.tooLong) {
        return onDamaged_(
            record.line,
            QStringLiteral("it is longer than %1 bytes").arg(CsvStream::kMaxRecordBytes));
    }
    if (record.fields == 1 && record.bytes.isEmpty()) {
        return;  // an empty line
    }
    if (record.fields != kLogColumns) {
        return onDamaged_(record.line, QStringLiteral("it has %1 %2, not %3")
                                           .arg(record.fields)
                                           .arg(record.fields == 1 ? "column" : "columns")
                                           .arg(kLogColumns));
    }
    if (first && IsHeader(record)) {
        return;
    }
    if (const QString reason = Read(record); !reason.isEmpty()) {
        return onDamaged_(record.line, reason);
    }
    if (onRow_) {
        onRow_(row_);
    }
}

bool LogRowReader::IsHeader(const CsvRecord& record) const {
    for (int i = 0; i < kLogColumns; ++i) {
        if (record.Field(i) != header_[i]) {
            return false;
        }
    }
    return true;
}

QString LogRowReader::Read(const CsvRecord& record) {
    bool settingsChanged = false;
    for (int i = 0; i < kTextColumns; ++i) {
        if (textsRead_ && record.Field(i) == texts_[i]) {
            continue;
        }
        texts_[i] = record.Field(i).toByteArray();
        const QString text = QString::fromUtf8(texts_[i]);
        if (i == 0) {
            row_.sessionStart = QDateTime::fromString(text, Qt::ISODate);
        } else if (i == 1) {
            row_.table = text;
        } else {
            settingsChanged = true;
            settings_[i - 2] = text;
        }
    }
    textsRead_ = true;
    if (settingsChanged) {
        row_.settings = QStringList(settings_.begin(), settings_.end());
    }
    if (!row_.sessionStart.isValid()) {
        return QStringLiteral("its session_start is not a date and time");
    }
    const std::optional<qint64> loop = Whole(record.Field(8), 1, 32767);
    if (!loop) {
        return NotWhole("loop", 1, 32767);
    }
    const char* const counts[] = {"planned_seconds", "held_seconds", "first_contraction_seconds",
                                  "contractions"};
    std::optional<qint64> values[4];
    for (int i = 0; i < 4; ++i) {
        const QByteArrayView field = record.Field(9 + i);
        values[i] = Whole(field, 0, kMostSeconds);
        if (!values[i] && !(i == 2 && field.isEmpty())) {  // a hold without a mark has none
            return NotWhole(counts[i], 0, kMostSeconds);
        }
    }
    const QByteArrayView completed = record.Field(13);
    if (completed != "yes" && completed != "no") {
        return QStringLiteral("its completed is neither yes nor no");
    }
    row_.hold.loop = static_cast<qint16>(*loop);
    row_.hold.planned = static_cast<qint32>(*values[0]);
    row_.hold.held = static_cast<qint32>(*values[1]);
    row_.hold.firstContraction =
        values[2] ? std::optional<qint32>(static_cast<qint32>(*values[2])) : std::nullopt;
    row_.hold.contractions = static_cast<int>(*values[3]);
    row_.hold.completed = completed == "yes";
    return {};
}

}  // namespace vellorin
