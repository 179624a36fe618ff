#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QList>
#include <QString>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "damaged_lines.h"
#include "sensor_reading.h"

namespace vellorin {

// What the sensors said second by second in a session or a personal-best test, one CSV file
// each (as the training log: RFC 4180, CRLF, UTF-8, a header row) in "sensor-samples" in the
// user's own data folder, for other programs to read too (docs/sensor-samples.md). A row is
// one tick; a hold of the log is the rows of its session_start with phase "hold" and its loop.
inline constexpr char kSamplesHeader[] =
    "session_start,second,loop,phase,phase_second,heart_rate,heart_rate_age_ms,rr_ms,spo2,"
    "pulse_rate,spo2_age_ms,contact,finger";
// A larger samples file is refused from its size: a day of ticks takes less than a tenth.
inline constexpr qint64 kMaxSamplesBytes = qint64{256} << 20;

QString SensorSamplesFolder(const QString& userDataFolder);
// The file of the session (or the test) that began at sessionStart: its session_start as the
// log writes it, with "-" for the ":" that Windows refuses in a name, and "pb-" before it for
// a test (whose start is the attempt's in the attempts file): "2026-12-08T18-30-05+01-00.csv".
QString SensorSamplesPath(const QString& userDataFolder, const QDateTime& sessionStart,
                          bool pbTest);
// One sample as its row, ending with CR LF; in a test a sample of the hold is of phase "pb".
QByteArray SensorSampleRow(const QDateTime& sessionStart, const SensorSample& sample, bool pbTest);

// A samples file read back: its rows in order (the test's "pb" rows as phase Hold), the
// lines left out, and why it could not be read at all (empty when it could).
struct SensorSamplesRead {
    QDateTime sessionStart;  // of the first row
    bool pbTest = false;     // a row was of phase "pb"
    QList<SensorSample> samples;
    QList<DamagedLine> skipped;
    QString problem;
};
// Reads by the header's names (a column it does not know is left alone; second, loop, phase
// and phase_second must be there). A row with a value no sensor or tick gives, or cut short,
// is left out by line; a value left empty is nothing.
SensorSamplesRead ParseSensorSamples(const QByteArray& bytes);
SensorSamplesRead ReadSensorSamples(const QString& path);

// Writes a session's samples as they come, on a thread of its own, so that the clock's thread
// never waits on the disk: Add queues a row and returns at once, and what waits is written at
// least every kFlushMs and at Close, so that a crash loses no more than those seconds. The
// file is made at the first sample that holds anything (a value, an RR interval, a contact
// or finger flag): a session without a sensor leaves none. A write that fails (a full disk,
// a folder the user cannot write) is taken back whole, so the file keeps every row it held,
// and is tried again with the next; the rows wait, up to kMostWaitingBytes.
class SensorSamplesWriter {
public:
    static constexpr int kFlushMs = 2000;
    static constexpr qsizetype kMostWaitingBytes = 4 << 20;

    SensorSamplesWriter(const QString& userDataFolder, const QDateTime& sessionStart, bool pbTest);
    SensorSamplesWriter(const SensorSamplesWriter&) = delete;
    SensorSamplesWriter& operator=(const SensorSamplesWriter&) = delete;
    // Closes.
    ~SensorSamplesWriter();

    void Add(const SensorSample& sample);
    // Writes what waits, syncs it to the disk and ends the thread; later samples are dropped.
    void Close();
    // Why rows could not be written, naming the file: told once, the first time asked after
    // the first failure; empty otherwise.
    QString Problem();
    const QString& Path() const { return path_; }
    // Whether the file has been made (a sample held something).
    bool Opened() const;

private:
    void Write();
    // Writes waiting into the file, opening it first; an empty text, or why not.
    QString WriteOut(const QByteArray& waiting);

    const QString path_;
    const QDateTime start_;
    const bool pbTest_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    QByteArray waiting_;    // rows not yet written
    bool started_ = false;  // a sample held something: every one from it is written
    bool closing_ = false;
    bool opened_ = false;
    QString problem_;
    QFile file_;  // the writer thread's alone
    bool told_ = false;
    std::thread writer_;  // started with the first row
};

}  // namespace vellorin
