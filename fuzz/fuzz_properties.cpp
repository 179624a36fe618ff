#include "fuzz_properties.h"

#include <QBuffer>
#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "attempts_file.h"
#include "cue_profile_file.h"
#include "cue_schedule.h"
#include "cue_sound.h"
#include "sensor_packets.h"
#include "session_error.h"
#include "session_file.h"
#include "session_plan.h"
#include "training_log.h"
#include "vtable_file.h"

namespace vellorin::fuzz {
namespace {

// Six field texts from arbitrary bytes: the parts between NUL bytes, decoded as the file
// format decodes. A CR cannot be part of a line, and a field holds at most kMaxLineLength
// characters (never cut inside a surrogate pair).
QStringList FieldTexts(const QByteArray& data) {
    QList<QByteArray> parts = data.split('\0');
    QStringList texts;
    for (qsizetype i = 0; i < kSessionLines; ++i) {
        QString text = i < parts.size() ? QString::fromLocal8Bit(parts[i]) : QString();
        text.remove(QLatin1Char('\r'));
        if (text.size() > kMaxLineLength) {
            const bool splitsPair = text.at(kMaxLineLength - 1).isHighSurrogate();
            text.truncate(kMaxLineLength - (splitsPair ? 1 : 0));
        }
        texts.append(text);
    }
    return texts;
}

SessionRead ReadBytes(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadSessionLines(buffer, QStringLiteral("fuzz.ses"));
}

// RoundToLong(x) refuses exactly the values whose nearest integer is not a 32-bit one, and
// otherwise returns that nearest integer, the even one of two. Of the two ties at the ends
// of the range, -2147483648.5 goes to the even -2147483648 and 2147483647.5 to the even
// 2147483648, one too many.
QString CheckRounding(double x) {
    const bool representable = std::isfinite(x) && x >= -2147483648.5 && x < 2147483647.5;
    qint32 rounded = 0;
    try {
        rounded = RoundToLong(x);
    } catch (const SessionError&) {
        return representable ? QStringLiteral("RoundToLong refused %1").arg(x, 0, 'g', 17)
                             : QString();
    }
    const double distance = std::fabs(static_cast<double>(rounded) - x);
    if (!representable || distance > 0.5 || (distance == 0.5 && rounded % 2 != 0)) {
        return QStringLiteral("RoundToLong(%1) gave %2").arg(x, 0, 'g', 17).arg(rounded);
    }
    return {};
}

class DefaultLocale {
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(previous_); }
    DefaultLocale(const DefaultLocale&) = delete;
    DefaultLocale& operator=(const DefaultLocale&) = delete;

private:
    QLocale previous_;
};

QLocale LocaleFor(unsigned char selector) {
    static const QLocale locales[] = {
        QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::French, QLocale::France),
        QLocale(QLocale::Arabic, QLocale::Egypt)};
    return locales[selector % std::size(locales)];
}

}  // namespace

QString CheckSessionFileInput(const QByteArray& data) {
    const SessionRead read = ReadBytes(data);
    if (read.problem.isEmpty() != (read.lines.size() == kSessionLines)) {
        return QStringLiteral("read %1 lines with the problem \"%2\"")
            .arg(read.lines.size())
            .arg(read.problem);
    }
    for (const QString& line : read.lines) {
        if (line.size() > kMaxLineLength) {
            return QStringLiteral("read a line of %1 characters").arg(line.size());
        }
    }

    const QStringList texts = FieldTexts(data);
    const SessionRead back = ReadBytes(SessionFileBytes(texts));
    if (!back.problem.isEmpty()) {
        return QStringLiteral("could not read back what was written: %1").arg(back.problem);
    }
    if (back.lines != texts) {
        return QStringLiteral("read back other texts than were written");
    }
    return {};
}

QString CheckFieldValueInput(const QByteArray& data) {
    if (data.size() >= qsizetype{sizeof(double)}) {
        double x = 0;
        std::memcpy(&x, data.constData(), sizeof x);
        if (QString problem = CheckRounding(x); !problem.isEmpty()) {
            return problem;
        }
    }
    const DefaultLocale locale(LocaleFor(data.isEmpty() ? 0 : static_cast<unsigned char>(data[0])));
    const QString text = QString::fromUtf8(data.mid(1));
    double value = 0;
    try {
        value = FieldValue(text);
    } catch (const SessionError&) {
        return {};
    }
    if (!std::isfinite(value)) {
        return QStringLiteral("FieldValue(\"%1\") gave %2").arg(text).arg(value);
    }
    return CheckRounding(value);
}

}  // namespace vellorin::fuzz

namespace vellorin::fuzz {

QString CheckCueFileInput(const QByteArray& data) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    const CueSound sound = DecodeWave(buffer);
    if (!sound.problem.isEmpty()) {
        return sound.samples.empty() ? QString() : QStringLiteral("samples kept with a refusal");
    }
    if (sound.samples.empty() || sound.sampleRate < kMinCueRate || sound.sampleRate > kMaxCueRate ||
        sound.samples.size() > std::size_t(sound.sampleRate) * kMaxCueSeconds) {
        return QStringLiteral("accepted a cue that is empty, too long or at a rate no cue has");
    }
    QBuffer copy;
    copy.setData(WaveBytes(sound.samples, sound.sampleRate));
    copy.open(QIODevice::ReadOnly);
    const CueSound again = DecodeWave(copy);
    if (again.samples != sound.samples || again.sampleRate != sound.sampleRate) {
        return QStringLiteral("a cue written as it is played does not read back the same");
    }
    return {};
}

}  // namespace vellorin::fuzz

namespace vellorin::fuzz {

QString CheckAttemptsInput(const QByteArray& data) {
    const AttemptsRead read = ParseAttempts(data);
    if (read.attempts.size() + read.skipped.size() > data.count('\n') + 1) {
        return QStringLiteral("more attempts and skipped lines than the input has lines");
    }
    QByteArray written;
    for (const Attempt& attempt : read.attempts) {
        if (!attempt.when.isValid() || attempt.seconds < 1) {
            return QStringLiteral("an attempt without a moment or a hold");
        }
        written += AttemptLine(attempt) + '\n';
    }
    const AttemptsRead again = ParseAttempts(written);
    if (!again.skipped.isEmpty() || again.attempts.size() != read.attempts.size()) {
        return QStringLiteral("attempts written as lines do not read back");
    }
    for (qsizetype i = 0; i < read.attempts.size(); ++i) {
        if (again.attempts[i].when != read.attempts[i].when ||
            again.attempts[i].seconds != read.attempts[i].seconds) {
            return QStringLiteral("an attempt read back as another");
        }
    }
    return {};
}

}  // namespace vellorin::fuzz

namespace vellorin::fuzz {

QString CheckTrainingLogInput(const QByteArray& data) {
    const LogRead read = ParseLog(data);
    for (const LogRow& row : read.rows) {
        const SessionRecord one{row.sessionStart, row.table, row.settings, {row.hold}, row.kind};
        const LogRead again = ParseLog(LogRows(one));
        if (again.rows.size() != 1 || !again.skipped.isEmpty()) {
            return QStringLiteral("a row written again does not read back as one row");
        }
        const LogRow& back = again.rows.constFirst();
        if (back.sessionStart != row.sessionStart || back.table != row.table ||
            back.settings != row.settings || back.hold.loop != row.hold.loop ||
            back.hold.held != row.hold.held || back.hold.planned != row.hold.planned ||
            back.hold.firstContraction != row.hold.firstContraction ||
            back.hold.contractions != row.hold.contractions ||
            back.hold.completed != row.hold.completed || back.kind != row.kind ||
            back.hold.rule != row.hold.rule || back.hold.rest != row.hold.rest) {
            return QStringLiteral("a row written again reads back as another");
        }
    }
    return {};
}

}  // namespace vellorin::fuzz

namespace vellorin::fuzz {

QString CheckTableFileInput(const QByteArray& data) {
    const TableFileRead read = ParseTableFile(data, QStringLiteral("fuzz.vtable"));
    if (read.table.has_value() == !read.problem.isEmpty()) {
        return QStringLiteral("a table together with a refusal, or neither");
    }
    if (!read.table) {
        return {};
    }
    if (!TableProblems(*read.table).isEmpty()) {
        return QStringLiteral("accepted a table that cannot be run: %1")
            .arg(TableProblems(*read.table).first().Sentence());
    }
    const QByteArray written = TableFileBytes(*read.table);
    const TableFileRead again = ParseTableFile(written, QStringLiteral("fuzz.vtable"));
    if (!again.table || !(*again.table == *read.table)) {
        return QStringLiteral("a table written again does not read back the same: %1")
            .arg(again.problem);
    }
    if (TableFileBytes(*again.table) != written) {
        return QStringLiteral("the same table written twice gives other bytes");
    }
    return {};
}

QString CheckProfileFileInput(const QByteArray& data) {
    const ProfileFileRead read = ParseProfileFile(data, QStringLiteral("fuzz.vcues"));
    if (read.profile.has_value() == !read.problem.isEmpty()) {
        return QStringLiteral("a profile together with a refusal, or neither");
    }
    if (!read.profile) {
        return read.problem.contains(QStringLiteral("\"fuzz.vcues\""))
                   ? QString()
                   : QStringLiteral("a refusal that does not name the file: %1").arg(read.problem);
    }
    if (!ProfileProblems(*read.profile).isEmpty()) {
        return QStringLiteral("accepted a profile that cannot be heard");
    }
    const QByteArray written = ProfileFileBytes(*read.profile);
    const ProfileFileRead again = ParseProfileFile(written, QStringLiteral("fuzz.vcues"));
    if (!again.profile || !(*again.profile == *read.profile)) {
        return QStringLiteral("a profile written again does not read back the same: %1")
            .arg(again.problem);
    }
    // Every second of a rest and a hold of ten minutes is scheduled without a fault.
    for (const auto phase : {CueMoment::Phase::Rest, CueMoment::Phase::Hold}) {
        for (qint32 left = 600; left >= 1; --left) {
            CuesOf(*read.profile, {phase, left, left == 600, true, 600 - left});
        }
    }
    return {};
}

}  // namespace vellorin::fuzz

namespace vellorin::fuzz {
namespace {

QString CheckOximeter(const QList<OximeterReading>& readings) {
    for (const OximeterReading& reading : readings) {
        if (reading.spo2 && !(*reading.spo2 >= 0 && *reading.spo2 <= 100)) {
            return QStringLiteral("SpO2 %1").arg(*reading.spo2);
        }
        if (reading.pulse && !(*reading.pulse >= 0 && *reading.pulse <= 300)) {
            return QStringLiteral("pulse %1").arg(*reading.pulse);
        }
        if (reading.fingerOut && (reading.spo2 || reading.pulse)) {
            return QStringLiteral("values with the finger out");
        }
    }
    return {};
}

bool SameReadings(const QList<OximeterReading>& a, const QList<OximeterReading>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.spo2 == y.spo2 && x.pulse == y.pulse && x.fingerOut == y.fingerOut;
    });
}

}  // namespace

QString CheckSensorPacketInput(const QByteArray& data) {
    if (data.isEmpty()) {
        return {};
    }
    const auto protocol = static_cast<SensorProtocol>(quint8(data[0]) % 5);
    const QByteArrayView value = QByteArrayView(data).sliced(1);
    SensorPackets packets;
    const SensorPackets::Parsed parsed = packets.Take(protocol, value);
    const bool empty = !parsed.heartRate && parsed.oximeter.isEmpty() && !parsed.battery;
    if (packets.Packets() != 1 ||
        (protocol != SensorProtocol::BerryMed && packets.Malformed() != (empty ? 1 : 0))) {
        return QStringLiteral("counted %1 of %2 malformed, the value %3")
            .arg(packets.Malformed())
            .arg(packets.Packets())
            .arg(empty ? QStringLiteral("empty") : QStringLiteral("read"));
    }
    if (parsed.heartRate) {
        const quint8 flags = quint8(value[0]);
        const int bpm = (flags & 1) ? quint8(value[1]) | quint8(value[2]) << 8 : quint8(value[1]);
        if (parsed.heartRate->bpm != bpm) {
            return QStringLiteral("read %1 bpm where the bytes say %2")
                .arg(parsed.heartRate->bpm)
                .arg(bpm);
        }
    }
    if (parsed.battery && (*parsed.battery < 0 || *parsed.battery > 100)) {
        return QStringLiteral("battery at %1 %").arg(*parsed.battery);
    }
    if (QString problem = CheckOximeter(parsed.oximeter); !problem.isEmpty()) {
        return problem;
    }
    if (protocol == SensorProtocol::BerryMed) {
        // Fed byte by byte, the stream reads the same packets and drops the same bytes; every
        // byte is in a reading, dropped, or in the unfinished packet of at most four.
        BerryMedStream stream;
        QList<OximeterReading> readings;
        for (qsizetype i = 0; i < value.size(); ++i) {
            readings += stream.Feed(value.sliced(i, 1));
        }
        if (!SameReadings(readings, parsed.oximeter) ||
            packets.Malformed() != (stream.Dropped() > 0 ? 1 : 0)) {
            return QStringLiteral("fed byte by byte, the stream reads other packets");
        }
        const qint64 accounted = 5 * readings.size() + stream.Dropped();
        if (accounted > value.size() || accounted < value.size() - 4) {
            return QStringLiteral("%1 bytes in readings or dropped of %2")
                .arg(accounted)
                .arg(value.size());
        }
    }
    return {};
}

}  // namespace vellorin::fuzz
