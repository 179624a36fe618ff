#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <chrono>
#include <utility>

#include "append_lock.h"
#include "file_access.h"
#include "message_text.h"
#include "sensor_samples_file.h"

namespace vellorin {

SensorSamplesWriter::SensorSamplesWriter(const QString& userDataFolder,
                                         const QDateTime& sessionStart, bool pbTest)
    : path_(SensorSamplesPath(userDataFolder, sessionStart, pbTest)),
      start_(sessionStart),
      pbTest_(pbTest) {}

SensorSamplesWriter::~SensorSamplesWriter() {
    Close();
}

void SensorSamplesWriter::Add(const SensorSample& sample) {
    const bool holds = sample.hr || sample.spo2 || sample.pulse || !sample.rr.isEmpty() ||
                       sample.noContact || sample.fingerOut;
    if (!holds && !started_) {  // read unlocked: only this thread sets it
        return;
    }
    const QByteArray row = SensorSampleRow(start_, sample, pbTest_);
    const std::lock_guard lock(mutex_);
    if (closing_) {
        return;
    }
    started_ = true;
    // Rows a failing disk holds back wait, but no more than this: the newest are dropped.
    if (waiting_.size() + row.size() <= kMostWaitingBytes) {
        waiting_ += row;
    }
    if (!writer_.joinable()) {
        writer_ = std::thread(&SensorSamplesWriter::Write, this);
    }
}

void SensorSamplesWriter::Close() {
    {
        const std::lock_guard lock(mutex_);
        closing_ = true;
    }
    changed_.notify_all();
    if (writer_.joinable()) {
        writer_.join();
    }
}

QString SensorSamplesWriter::Problem() {
    const std::lock_guard lock(mutex_);
    if (told_ || problem_.isEmpty()) {
        return {};
    }
    told_ = true;
    return problem_;
}

bool SensorSamplesWriter::Opened() const {
    const std::lock_guard lock(mutex_);
    return opened_;
}

void SensorSamplesWriter::Write() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait_for(lock, std::chrono::milliseconds(kFlushMs), [this] { return closing_; });
        const bool closing = closing_;
        QByteArray rows = std::exchange(waiting_, QByteArray());
        lock.unlock();
        QString failure = rows.isEmpty() ? QString() : WriteOut(rows);
        if (closing && failure.isEmpty() && file_.isOpen()) {
            failure = SyncToDisk(file_);
            file_.close();
        }
        lock.lock();
        if (!failure.isEmpty()) {
            // Before the rows that came since, as long as they all fit.
            if (rows.size() + waiting_.size() <= kMostWaitingBytes) {
                waiting_.prepend(rows);
            }
            if (problem_.isEmpty()) {
                //: %1 is a sensor samples file's name, %2 the system's reason.
                problem_ = QCoreApplication::translate(
                               "SensorSamples", "Could not keep the sensors' values in \"%1\": %2.")
                               .arg(path_, failure);
            }
        }
        if (closing) {
            return;
        }
    }
}

QString SensorSamplesWriter::WriteOut(const QByteArray& rows) {
    if (!file_.isOpen()) {
        if (const QString problem = WriteTargetProblem(path_); !problem.isEmpty()) {
            return problem;
        }
        const QString folder = QFileInfo(path_).absolutePath();
        QDir().mkpath(folder);
        file_.setFileName(path_);
        if (!file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
            return WithoutFullStop(file_.errorString());
        }
        const std::lock_guard lock(mutex_);
        opened_ = true;
    }
    const qint64 before = file_.size();
    const QByteArray bytes = before == 0 ? QByteArray(kSamplesHeader) + "\r\n" + rows : rows;
    if (!WriteAll(file_, bytes.constData(), bytes.size())) {
        const QString reason = WithoutFullStop(file_.errorString());
        file_.resize(before);  // no row stays half-written
        return reason;
    }
    if (before == 0) {
        SyncFolder(QFileInfo(path_).absolutePath());  // its name survives a power loss
    }
    return {};
}

}  // namespace vellorin
