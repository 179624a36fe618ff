#include "sensor_samples_file.h"

#include <QByteArrayList>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <optional>
#include <utility>

#include "csv_stream.h"
#include "file_access.h"
#include "log_columns.h"
#include "message_text.h"

namespace vellorin {
namespace {

constexpr qint64 kMost32 = std::numeric_limits<qint32>::max();
constexpr qsizetype kChunkBytes = 256 * 1024;
const char* const kPhases[] = {"intro", "hold", "rest"};

QByteArray Number(const std::optional<int>& value) {
    return value ? QByteArray::number(*value) : QByteArray();
}

// What a row's field may hold: empty for nothing, or a whole number in range. False when
// it holds anything else.
bool Optional(QByteArrayView text, qint64 low, qint64 high, std::optional<int>& value) {
    value.reset();
    if (text.isEmpty()) {
        return true;
    }
    const std::optional<qint64> number = WholeField(text, low, high);
    if (number) {
        value = static_cast<int>(*number);
    }
    return number.has_value();
}

QString NotAValue(const char* column) {
    //: Why a row of a sensor samples file is left out; %1 is a column's name in the file.
    return QCoreApplication::translate("SensorSamples", "its %1 holds no value a sensor gives")
        .arg(QLatin1String(column));
}

// Turns a samples file's records into samples by its header's names.
class SamplesReader {
public:
    explicit SamplesReader(SensorSamplesRead& read) : read_(read) {}

    void Take(const CsvRecord& record) {
        if (record.fields == 1 && record.bytes.isEmpty() && !record.cutShort) {
            return;  // an empty line
        }
        if (record.cutShort || record.tooLong) {
            //: Why a row of a sensor samples file is left out.
            return Skip(record, QCoreApplication::translate("SensorSamples", "it was cut short"));
        }
        if (columns_.isEmpty()) {
            for (qsizetype i = 0; i < std::min(record.fields, record.ends.size()); ++i) {
                columns_.insert(record.Field(i).toByteArray(), static_cast<int>(i));
            }
            fields_ = record.fields;
            for (const char* needed : {"second", "loop", "phase", "phase_second"}) {
                if (!columns_.contains(needed)) {
                    read_.problem =
                        //: %1 is a column's name a sensor samples file must have.
                        QCoreApplication::translate("SensorSamples", "its header has no %1")
                            .arg(QLatin1String(needed));
                }
            }
            return;
        }
        if (!read_.problem.isEmpty()) {
            return;
        }
        if (record.fields != fields_) {
            //: %1 and %2 are counts of columns.
            return Skip(record,
                        QCoreApplication::translate("SensorSamples", "it has %1 columns, not %2")
                            .arg(record.fields)
                            .arg(fields_));
        }
        if (const QString reason = Read(record); !reason.isEmpty()) {
            return Skip(record, reason);
        }
        read_.samples.append(sample_);
    }

private:
    QByteArrayView Field(const CsvRecord& record, const char* name) const {
        const int at = columns_.value(name, -1);
        return at >= 0 && at < record.ends.size() ? record.Field(at) : QByteArrayView();
    }
    void Skip(const CsvRecord& record, const QString& reason) {
        read_.skipped.append({record.line, reason});
    }

    QString Read(const CsvRecord& record) {
        sample_ = {};
        const QByteArrayView start = Field(record, "session_start");
        if (!start.isEmpty() && read_.sessionStart.isNull()) {
            read_.sessionStart =
                QDateTime::fromString(QString::fromUtf8(start.toByteArray()), Qt::ISODate);
        }
        const QByteArrayView phase = Field(record, "phase");
        const qsizetype known =
            std::find(std::begin(kPhases), std::end(kPhases), phase) - std::begin(kPhases);
        if (known < 3) {
            sample_.phase = static_cast<Phase>(known);
        } else if (phase == "pb") {
            sample_.phase = Phase::Hold;
            read_.pbTest = true;
        } else {
            return NotAValue("phase");
        }
        const struct {
            const char* name;
            qint64 low, high;
            bool needed;
            std::optional<int>* value;
        } numbers[] = {
            {"second", 0, kMost32, true, &second_},
            {"loop", 0, 32767, true, &loop_},
            {"phase_second", 0, kMost32, true, &phaseSecond_},
            {"heart_rate", 1, 300, false, &sample_.hr},
            {"heart_rate_age_ms", 0, kMost32, false, &sample_.hrAgeMs},
            {"spo2", 0, 100, false, &sample_.spo2},
            {"pulse_rate", 0, 300, false, &sample_.pulse},
            {"spo2_age_ms", 0, kMost32, false, &sample_.spo2AgeMs},
        };
        for (const auto& n : numbers) {
            if (!Optional(Field(record, n.name), n.low, n.high, *n.value) ||
                (n.needed && !n.value->has_value())) {
                return NotAValue(n.name);
            }
        }
        sample_.second = *second_;
        sample_.loop = static_cast<qint16>(*loop_);
        sample_.phaseSecond = *phaseSecond_;
        const QByteArrayView rr = Field(record, "rr_ms");
        for (const QByteArrayView ms :
             rr.isEmpty() ? QByteArrayList() : rr.toByteArray().split(' ')) {
            const std::optional<qint64> interval = WholeField(ms, 1, 63999);
            if (!interval) {
                return NotAValue("rr_ms");
            }
            sample_.rr.append(static_cast<quint16>(std::lround(*interval * 1024.0 / 1000.0)));
        }
        const QByteArrayView contact = Field(record, "contact");
        const QByteArrayView finger = Field(record, "finger");
        if (!contact.isEmpty() && contact != "no-contact") {
            return NotAValue("contact");
        }
        if (!finger.isEmpty() && finger != "out") {
            return NotAValue("finger");
        }
        sample_.noContact = !contact.isEmpty();
        sample_.fingerOut = !finger.isEmpty();
        return {};
    }

    SensorSamplesRead& read_;
    QHash<QByteArray, int> columns_;
    qsizetype fields_ = 0;
    SensorSample sample_;
    std::optional<int> second_, loop_, phaseSecond_;
};

}  // namespace

QString SensorSamplesFolder(const QString& userDataFolder) {
    return userDataFolder + QDir::separator() + "sensor-samples";
}

QString SensorSamplesPath(const QString& userDataFolder, const QDateTime& sessionStart,
                          bool pbTest) {
    const QString name = SessionStartText(sessionStart).replace(QLatin1Char(':'), QLatin1Char('-'));
    return SensorSamplesFolder(userDataFolder) + QDir::separator() +
           (pbTest ? QStringLiteral("pb-") : QString()) + name + QStringLiteral(".csv");
}

QByteArray SensorSampleRow(const QDateTime& sessionStart, const SensorSample& sample, bool pbTest) {
    QByteArrayList rr;
    for (const quint16 interval : sample.rr) {
        rr.append(QByteArray::number(std::lround(interval * 1000.0 / 1024.0)));
    }
    const bool pb = pbTest && sample.phase == Phase::Hold;
    const QByteArrayList fields = {
        CsvField(SessionStartText(sessionStart)),
        QByteArray::number(sample.second),
        QByteArray::number(sample.loop),
        pb ? "pb" : kPhases[static_cast<int>(sample.phase)],
        QByteArray::number(sample.phaseSecond),
        Number(sample.hr),
        Number(sample.hrAgeMs),
        rr.join(' '),
        Number(sample.spo2),
        Number(sample.pulse),
        Number(sample.spo2AgeMs),
        sample.noContact ? "no-contact" : "",
        sample.fingerOut ? "out" : "",
    };
    return fields.join(',') + "\r\n";
}

SensorSamplesRead ParseSensorSamples(const QByteArray& bytes) {
    SensorSamplesRead read;
    SamplesReader rows(read);
    CsvStream csv([&rows](const CsvRecord& record) { rows.Take(record); });
    csv.Feed(bytes);
    csv.Finish();
    return read;
}

SensorSamplesRead ReadSensorSamples(const QString& path) {
    SensorSamplesRead read;
    QFile file;
    QString problem = OpenRegularFile(path, file);
    if (problem.isEmpty() && file.size() > kMaxSamplesBytes) {
        //: Why a sensor samples file is not read; %1 is the most bytes it may hold.
        problem = QCoreApplication::translate("SensorSamples", "it holds more than %1 bytes")
                      .arg(kMaxSamplesBytes);
    }
    SamplesReader rows(read);
    CsvStream csv([&rows](const CsvRecord& record) { rows.Take(record); });
    QByteArray chunk(kChunkBytes, Qt::Uninitialized);
    for (qint64 done = 0; problem.isEmpty() && done <= kMaxSamplesBytes;) {
        const qint64 got = file.read(chunk.data(), kChunkBytes);
        if (got < 0) {
            problem = WithoutFullStop(file.errorString());
        }
        if (got <= 0) {
            break;
        }
        csv.Feed(QByteArrayView(chunk.constData(), got));
        done += got;
    }
    csv.Finish();
    if (!problem.isEmpty()) {
        //: %1 is a sensor samples file's name, %2 why it cannot be read.
        read.problem = QCoreApplication::translate("SensorSamples",
                                                   "Could not read the sensor samples \"%1\": %2.")
                           .arg(path, problem);
    }
    return read;
}

}  // namespace vellorin
