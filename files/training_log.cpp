#include "training_log.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <algorithm>
#include <utility>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include "append_lock.h"
#include "csv_stream.h"
#include "file_access.h"
#include "log_row_reader.h"
#include "log_rules.h"
#include "message_text.h"

namespace vellorin {
namespace {

constexpr qsizetype kChunkBytes = 256 * 1024;
constexpr char kBom[] = "\xEF\xBB\xBF";

QByteArrayView WithoutBom(QByteArrayView bytes) {
    return bytes.startsWith(kBom) ? bytes.sliced(qstrlen(kBom)) : bytes;
}

QString CouldNotRead(const QString& path, const QString& why) {
    //: %1 is the training log's file name, %2 the reason it cannot be read.
    return QCoreApplication::translate("TrainingLog", "Could not read the training log \"%1\": %2.")
        .arg(path, why);
}

// Whether the file's bytes up to size leave a quoted field open: an odd count of quotes.
// Counted a chunk at a time, so that a log of any size is looked at in the same memory.
bool QuoteOpen(QFile& file, qint64 size) {
    qint64 quotes = 0;
    QByteArray chunk(kChunkBytes, Qt::Uninitialized);
    file.seek(0);
    for (qint64 done = 0; done < size;) {
        const qint64 got = file.read(chunk.data(), std::min<qint64>(kChunkBytes, size - done));
        if (got <= 0) {
            break;
        }
        quotes += QByteArrayView(chunk.constData(), got).count('"');
        done += got;
    }
    return quotes % 2 != 0;
}

// The columns of the log's own header, read from its first line; a log without a header
// this version can read gets the columns of a new one.
const LogLayout& FileLayout(QFile& file, qint64 size, std::optional<LogLayout>& header) {
    bool first = true;
    CsvStream csv([&](const CsvRecord& record) {
        if (std::exchange(first, false) && !record.tooLong) {
            header = LogLayout::FromHeader(record);
        }
    });
    QByteArray chunk(4096, Qt::Uninitialized);
    file.seek(0);
    for (qint64 done = 0; first && done < size && done <= CsvStream::kMaxRecordBytes;) {
        const qint64 got = file.read(chunk.data(), chunk.size());
        if (got <= 0) {
            break;
        }
        const QByteArrayView bytes(chunk.constData(), got);
        csv.Feed(done == 0 ? WithoutBom(bytes) : bytes);
        done += got;
    }
    return header ? *header : LogLayout::Current();
}

bool HasSensorValues(const SessionRecord& session) {
    return std::any_of(session.holds.begin(), session.holds.end(),
                       [](const HoldRecord& hold) { return !hold.sensors.Empty(); });
}

// Whether the open file is still the one path names: a rename may have put another there.
bool StillNamed(const QFile& file, const QString& path) {
#ifdef Q_OS_UNIX
    struct stat opened {};
    struct stat named {};
    return ::fstat(file.handle(), &opened) == 0 &&
           ::stat(QFile::encodeName(path).constData(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
#else
    Q_UNUSED(file);
    Q_UNUSED(path);
    return true;
#endif
}

// Gives a log of kLogHeaderWithoutSensors (before bytes, locked) the sensors' names and then
// rows, which are in the columns of kLogHeader: a copy with every byte after the header's
// names as it was, synced and put in place. False, the file untouched, when it cannot be.
bool UpgradeHeader(QFile& file, const QString& path, qint64 before, const QByteArray& rows) {
#ifdef Q_OS_WIN
    // Windows will not put a file in place of one that is open, as this one is for its lock.
    Q_UNUSED(file);
    Q_UNUSED(path);
    Q_UNUSED(before);
    Q_UNUSED(rows);
    return false;
#else
    const QByteArray names = kLogHeaderWithoutSensors;
    QByteArray start(std::min<qint64>(before, qstrlen(kBom) + names.size() + 1), Qt::Uninitialized);
    if (!file.seek(0) || file.read(start.data(), start.size()) != start.size()) {
        return false;
    }
    const qsizetype bom = start.startsWith(kBom) ? qstrlen(kBom) : 0;
    const QByteArrayView after = QByteArrayView(start).sliced(bom);
    if (!after.startsWith(names) || (after.size() > names.size() && after[names.size()] != '\r' &&
                                     after[names.size()] != '\n')) {
        return false;  // another header: its rows stay in its columns
    }
    QSaveFile copy;
    if (!OpenForReplacing(copy, path).isEmpty()) {
        return false;
    }
    const qint64 headerEnd = bom + names.size();
    QByteArray chunk = start.left(headerEnd) + kLogSensorNames;
    bool written = WriteAll(copy, chunk.constData(), chunk.size()) && file.seek(headerEnd);
    chunk.resize(kChunkBytes);
    for (qint64 done = headerEnd; written && done < before;) {
        const qint64 got = file.read(chunk.data(), std::min<qint64>(kChunkBytes, before - done));
        written = got > 0 && WriteAll(copy, chunk.constData(), got);
        done += std::max<qint64>(got, 0);
    }
    if (!written || !WriteAll(copy, rows.constData(), rows.size())) {
        copy.cancelWriting();
        return false;
    }
    if (!SyncAndCommit(copy).isEmpty()) {
        return false;
    }
    // In place: the rows are in it, whether or not the folder's sync says so too.
    SyncFolder(QFileInfo(path).absolutePath());
    return true;
#endif
}

}  // namespace

QString TrainingLogPath(const QString& userDataFolder) {
    return userDataFolder + QDir::separator() + "training-log.csv";
}

LogRead ParseLog(const QByteArray& bytes) {
    LogRead read;
    LogRowReader rows([&read](const LogRow& row) { read.rows.append(row); },
                      [&read](int line, const QString& why) {
                          read.skipped.append({line, why});
                      });
    CsvStream csv([&rows](const CsvRecord& record) { rows.Take(record); });
    csv.Feed(WithoutBom(bytes));
    csv.Finish();
    return read;
}

LogRead ReadLog(const QString& path) {
    LogRead read;
    const LogScan scan = ScanLog(path, [&read](const LogRow& row) { read.rows.append(row); });
    read.skipped = scan.damaged.First();
    read.problem = scan.problem;
    return read;
}

LogScan ScanLog(const QString& path, const std::function<void(const LogRow&)>& onRow,
                const std::function<bool()>& cancelled) {
    LogScan scan;
    if (!QFileInfo::exists(path)) {
        return scan;
    }
    scan.exists = true;
    QFile file;
    if (const QString problem = OpenRegularFile(path, file); !problem.isEmpty()) {
        scan.problem = CouldNotRead(path, problem);
        return scan;
    }
    const QLocale english(QLocale::English);
    if (const qint64 size = file.size(); size > kMaxLogBytes) {  // the opened file's size
        //: %n is the file's size and %1 the largest a training log may be, both in bytes.
        const QString text = QCoreApplication::translate(
            "TrainingLog", "it holds %n bytes, more than the %1 a training log may hold", nullptr,
            PluralCount(size));
        scan.problem = CouldNotRead(
            path,
            ShownCount(text, size, english.toString(size)).arg(english.toString(kMaxLogBytes)));
        return scan;
    }
    LogRowReader rows(onRow,
                      [&scan](int line, const QString& why) { scan.damaged.Add(line, why); });
    CsvStream csv([&rows](const CsvRecord& record) { rows.Take(record); });
    QByteArray chunk(kChunkBytes, Qt::Uninitialized);
    for (qint64 done = 0;;) {
        if (cancelled && cancelled()) {
            scan.cancelled = true;
            return scan;
        }
        const qint64 got = file.read(chunk.data(), kChunkBytes);
        if (got < 0) {
            scan.problem = CouldNotRead(path, WithoutFullStop(file.errorString()));
            return scan;
        }
        if (got == 0) {
            break;
        }
        const QByteArrayView bytes(chunk.constData(), got);
        csv.Feed(done == 0 ? WithoutBom(bytes) : bytes);
        done += got;
        if (done > kMaxLogBytes) {  // it grew while it was read
            //: %1 is the largest a training log may be, in bytes.
            scan.problem = CouldNotRead(
                path, QCoreApplication::translate("TrainingLog", "it grew past %1 bytes")
                          .arg(english.toString(kMaxLogBytes)));
            return scan;
        }
    }
    csv.Finish();
    return scan;
}

QString AppendToLog(const QString& path, const SessionRecord& session) {
    if (const QString problem = WriteTargetProblem(path); !problem.isEmpty()) {
        return problem;
    }
    const QString folder = QFileInfo(path).absolutePath();
    QDir().mkpath(folder);
    QFile file(path);
    std::optional<AppendLock> lock;
    // A window that gave the log a new header while this one waited for its turn has put a
    // new file in place: the rows go into that one, never into the file it replaced.
    for (int tries = 0;; ++tries) {
        if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered)) {
            return WithoutFullStop(file.errorString());
        }
        lock.emplace(file);
        if (tries == 3 || StillNamed(file, path)) {
            break;
        }
        lock.reset();
        file.close();
    }
    const qint64 before = file.size();
    QByteArray bytes;
    std::optional<LogLayout> header;
    const LogLayout* layout = &LogLayout::Current();
    if (before == 0) {
        bytes = QByteArray(kLogHeader) + "\r\n";
    } else {
        layout = &FileLayout(file, before, header);
        // A row a crash cut short is left as it is, ended, so that it cannot take the new rows
        // into a field it left open.
        char last = 0;
        if (file.seek(before - 1) && file.getChar(&last) && last != '\n') {
            bytes = QuoteOpen(file, before) ? "\"\r\n" : "\r\n";
        }
        if (HasSensorValues(session) &&
            UpgradeHeader(file, path, before, bytes + LogRows(session))) {
            return {};
        }
        file.seek(before);
    }
    bytes += LogRows(session, *layout);
    QString reason = WriteAll(file, bytes.constData(), bytes.size())
                         ? SyncToDisk(file)
                         : WithoutFullStop(file.errorString());
    if (reason.isEmpty() && before == 0) {
        reason = SyncFolder(folder);  // the new log's name is on the disk with its rows
    }
    if (!reason.isEmpty()) {
        file.resize(before);  // nothing of a failed session stays half-written
        return reason;
    }
    return {};
}

}  // namespace vellorin
