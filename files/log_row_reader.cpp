#include "log_row_reader.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QLocale>
#include <limits>
#include <optional>
#include <utility>

#include "log_rules.h"

namespace vellorin {
namespace {

constexpr qint64 kMostSeconds = std::numeric_limits<qint32>::max();

QString NotWholeField(const char* column, qint64 low, qint64 high) {
    //: Why a row of the training log is left out; %1 is a column's name in the file, such as
    //: held_seconds, kept as it is.
    return QCoreApplication::translate("TrainingLog", "its %1 is not a whole number from %2 to %3")
        .arg(QLatin1String(column), QString::number(low), QString::number(high));
}

constexpr LogColumn kTexts[] = {LogColumn::SessionStart, LogColumn::Table,        LogColumn::Intro,
                                LogColumn::Hold,         LogColumn::HoldIncrease, LogColumn::Rest,
                                LogColumn::RestDecrease, LogColumn::Loops,        LogColumn::Kind};
constexpr int kLoopsText = 7;
constexpr int kKindText = 8;

// The field of the column; empty when the layout has no such column.
QByteArrayView FieldOf(const CsvRecord& record, const LogLayout& layout, LogColumn column) {
    return layout.Has(column) ? record.Field(layout.At(column)) : QByteArrayView();
}

}  // namespace

LogRowReader::LogRowReader(RowSink onRow, DamageSink onDamaged)
    : onRow_(std::move(onRow)), onDamaged_(std::move(onDamaged)) {}

void LogRowReader::Take(const CsvRecord& record) {
    const bool first = std::exchange(first_, false);
    if (record.cutShort) {
        return onDamaged_(record.line,
                          //: Why a row of the training log is left out.
                          QCoreApplication::translate("TrainingLog", "the row was cut short"));
    }
    if (record.tooLong) {
        return onDamaged_(record.line,
                          //: Why a row ("it") of the training log is left out.
                          QCoreApplication::translate("TrainingLog", "it is longer than %1 bytes")
                              .arg(CsvStream::kMaxRecordBytes));
    }
    if (record.fields == 1 && record.bytes.isEmpty()) {
        return;  // an empty line
    }
    if (first && (header_ = LogLayout::FromHeader(record))) {
        return;
    }
    const LogLayout* layout = LayoutOf(record.fields);
    if (!layout) {
        return onDamaged_(record.line, WrongCount(record.fields));
    }
    if (const QString reason = Read(record, *layout); !reason.isEmpty()) {
        return onDamaged_(record.line, reason);
    }
    if (onRow_) {
        onRow_(row_);
    }
}

const LogLayout* LogRowReader::LayoutOf(qsizetype fields) const {
    if (header_ && fields == header_->Fields()) {
        return &*header_;
    }
    // What this version writes where there is no header, and what an older one appends.
    return LogLayout::OfCount(fields);
}

QString LogRowReader::WrongCount(qsizetype fields) const {
    QString expected;
    if (header_) {
        expected = QString::number(header_->Fields());
    } else {
        //: Three numbers of columns a row of the training log may have.
        expected =
            QCoreApplication::translate("TrainingLog", "%1, %2 or %3")
                .arg(QString::number(kLogColumnsWithoutRules),
                     QString::number(kLogColumnsWithoutSensors), QString::number(kLogColumns));
    }
    const int count = static_cast<int>(fields);
    //: %n is how many columns the row has, %1 how many the log expects: a number, or three as
    //: "14, 17 or 21".
    return QCoreApplication::translate("TrainingLog", "it has %n columns, not %1", nullptr, count)
        .arg(expected);
}

void LogRowReader::ReadTexts(const CsvRecord& record, const LogLayout& layout) {
    const bool fresh = std::exchange(lastLayout_, &layout) != &layout;
    bool settingsChanged = false;
    for (int i = 0; i < kTextColumns; ++i) {
        const QByteArrayView field = FieldOf(record, layout, kTexts[i]);
        if (!fresh && field == texts_[i]) {
            continue;
        }
        texts_[i] = field.toByteArray();
        const QString text = QString::fromUtf8(texts_[i]);
        if (i == 0) {
            row_.sessionStart = QDateTime::fromString(text, Qt::ISODate);
        } else if (i == 1) {
            row_.table = text;
        } else {
            settingsChanged = true;
            if (i < kKindText) {
                settings_[i - 2] = text;
            }
        }
    }
    if (!settingsChanged) {
        return;
    }
    const bool hasKind = layout.Has(LogColumn::Kind);
    rulesInSettings_ = !hasKind && texts_[kLoopsText] == KindText(TableKind::Rounds);
    const std::optional<TableKind> kind =
        hasKind ? ParseKind(texts_[kKindText])
                : (rulesInSettings_ ? TableKind::Rounds : TableKind::Classic);
    kindRead_ = kind.has_value();
    row_.kind = kind.value_or(TableKind::Classic);
    row_.settings = row_.kind == TableKind::Rounds
                        ? QStringList()
                        : QStringList(settings_.begin(), settings_.end());
}

QString LogRowReader::Read(const CsvRecord& record, const LogLayout& layout) {
    ReadTexts(record, layout);
    if (!row_.sessionStart.isValid()) {
        //: session_start is a column's name in the file, kept as it is.
        return QCoreApplication::translate("TrainingLog",
                                           "its session_start is not a date and time");
    }
    const std::optional<qint64> loop =
        WholeField(FieldOf(record, layout, LogColumn::Loop), 1, 32767);
    if (!loop) {
        return NotWholeField("loop", 1, 32767);
    }
    const char* const counts[] = {"planned_seconds", "held_seconds", "first_contraction_seconds",
                                  "contractions"};
    std::optional<qint64> values[4];
    for (int i = 0; i < 4; ++i) {
        const QByteArrayView field =
            FieldOf(record, layout,
                    static_cast<LogColumn>(static_cast<int>(LogColumn::PlannedSeconds) + i));
        values[i] = WholeField(field, 0, kMostSeconds);
        if (!values[i] && !(i == 2 && field.isEmpty())) {  // a hold without a mark has none
            return NotWholeField(counts[i], 0, kMostSeconds);
        }
    }
    const QByteArrayView completed = FieldOf(record, layout, LogColumn::Completed);
    if (completed != "yes" && completed != "no") {
        //: completed is a column's name in the file, yes and no the words it holds, all kept
        //: as they are.
        return QCoreApplication::translate("TrainingLog", "its completed is neither yes nor no");
    }
    if (!kindRead_) {
        //: kind is a column's name in the file, classic and rounds the words it holds, all kept
        //: as they are.
        return QCoreApplication::translate("TrainingLog", "its kind is neither classic nor rounds");
    }
    row_.hold.loop = static_cast<qint16>(*loop);
    row_.hold.planned = static_cast<qint32>(*values[0]);
    row_.hold.held = static_cast<qint32>(*values[1]);
    row_.hold.firstContraction =
        values[2] ? std::optional<qint32>(static_cast<qint32>(*values[2])) : std::nullopt;
    row_.hold.contractions = static_cast<int>(*values[3]);
    row_.hold.completed = completed == "yes";
    if (const QString reason = ReadRules(record, layout); !reason.isEmpty()) {
        return reason;
    }
    return ReadSensors(record, layout);
}

QString LogRowReader::ReadSensors(const CsvRecord& record, const LogLayout& layout) {
    const struct {
        LogColumn column;
        const char* name;
        qint64 low, high;
        std::optional<int> HoldSensors::*value;
    } columns[] = {
        {LogColumn::HrStart, "hr_start", 1, 300, &HoldSensors::hrStart},
        {LogColumn::HrLowest, "hr_lowest", 1, 300, &HoldSensors::hrLowest},
        {LogColumn::Spo2Lowest, "spo2_lowest", 0, 100, &HoldSensors::spo2Lowest},
        {LogColumn::Spo2LowestSecond, "spo2_lowest_second", 0, row_.hold.held,
         &HoldSensors::spo2LowestSecond},
    };
    HoldSensors& sensors = row_.hold.sensors;
    sensors = {};
    for (const auto& c : columns) {
        const QByteArrayView field = FieldOf(record, layout, c.column);
        if (field.isEmpty()) {
            continue;  // no valid value came, or a log without the column
        }
        const std::optional<qint64> value = WholeField(field, c.low, c.high);
        if (!value) {
            return NotWholeField(c.name, c.low, c.high);
        }
        sensors.*c.value = static_cast<int>(*value);
    }
    if (sensors.spo2LowestSecond && !sensors.spo2Lowest) {
        //: spo2_lowest_second and spo2_lowest are columns' names in the file, kept as they are.
        return QCoreApplication::translate("TrainingLog",
                                           "its spo2_lowest_second has no spo2_lowest");
    }
    return {};
}

QString LogRowReader::ReadRules(const CsvRecord& record, const LogLayout& layout) {
    const LogColumn holdColumn = rulesInSettings_ ? LogColumn::Hold : LogColumn::HoldRule;
    const LogColumn restColumn = rulesInSettings_ ? LogColumn::Rest : LogColumn::RestRule;
    // A log without the rule columns: the hold was timed by its plan, its rest is not told.
    row_.hold.rule = HoldRule::Timed(row_.hold.planned);
    row_.hold.rest.reset();
    if (layout.Has(holdColumn)) {
        // Parsed again only when it differs from the row before's (the empty text is no rule).
        const QByteArrayView hold = FieldOf(record, layout, holdColumn);
        if (hold != holdText_) {
            holdText_ = hold.toByteArray();
            holdRule_ = ParseHoldRule(hold);
        }
        if (!holdRule_) {
            //: %1 is a column's name in the file, hold or hold_rule, kept as it is.
            return QCoreApplication::translate("TrainingLog",
                                               "its %1 is not a rule of how a hold ends")
                .arg(QLatin1String(rulesInSettings_ ? "hold" : "hold_rule"));
        }
        row_.hold.rule = *holdRule_;
    }
    const QByteArrayView rest = FieldOf(record, layout, restColumn);
    if (rest.isEmpty()) {
        return {};  // no rest followed: the last hold
    }
    if (rest != restText_) {
        restText_ = rest.toByteArray();
        restRule_ = ParseRestRule(rest);
    }
    if (!restRule_) {
        //: %1 is a column's name in the file, rest or rest_rule, kept as it is.
        return QCoreApplication::translate("TrainingLog", "its %1 is not a rule of how a rest ends")
            .arg(QLatin1String(rulesInSettings_ ? "rest" : "rest_rule"));
    }
    row_.hold.rest = restRule_;
    return {};
}

}  // namespace vellorin
