#include "session_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace vellorin {
namespace {

// A text of kMaxLineLength characters takes at most four bytes a character in any
// 8-bit or multi-byte code page; reading stops there, whatever the file holds.
constexpr qsizetype kMaxLineBytes = qsizetype{kMaxLineLength} * 4;

QString SystemError(int error) {
#ifdef Q_OS_UNIX
    return QString::fromLocal8Bit(std::strerror(error));
#else
    Q_UNUSED(error);
    return {};
#endif
}

// Opens path for reading into file. Returns an empty text, or why it cannot be read: what is
// checked is the file that was opened, not the name, so a file swapped for a named pipe or a
// device between a look and the open is refused all the same, and nothing waits on it.
QString OpenRegularFile(const QString& path, QFile& file) {
    const QString notAFile = QStringLiteral("it is not a file");
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return SystemError(errno);
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        const int error = errno;
        ::close(fd);
        return SystemError(error);
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(fd);
        return notAFile;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
#else
    if (QFileInfo info(path); info.exists() && !info.isFile()) {
        return notAFile;
    }
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return file.errorString();
    }
#endif
    return {};
}

// True when the device stopped on an error rather than at its end.
bool FailedToRead(const QIODevice& device) {
    const auto* file = qobject_cast<const QFileDevice*>(&device);
    return (file != nullptr && file->error() != QFileDevice::NoError) || !device.atEnd();
}

}  // namespace

QByteArray SessionFileBytes(const QStringList& texts) {
    QByteArray bytes;
    for (const QString& text : texts) {
        bytes += text.toLocal8Bit();
        bytes += "\r\n";
    }
    return bytes;
}

std::optional<QString> SessionLineReader::NextLine() {
    QByteArray bytes;
    char c = 0;
    bool ended = false;
    while (device_.getChar(&c)) {
        if (c == '\r') {
            char next = 0;
            if (device_.peek(&next, 1) == 1 && next == '\n') {
                device_.getChar(&next);
            }
            ended = true;
            break;
        }
        if (bytes.size() == kMaxLineBytes) {
            status_ = Status::TooLong;
            return std::nullopt;
        }
        bytes += c;
    }
    if (!ended && FailedToRead(device_)) {
        status_ = Status::ReadError;  // never half a line: what follows would shift
        return std::nullopt;
    }
    if (!ended && bytes.isEmpty()) {
        status_ = Status::EndOfFile;
        return std::nullopt;
    }
    QString line = QString::fromLocal8Bit(bytes);
    if (line.size() > kMaxLineLength) {
        status_ = Status::TooLong;
        return std::nullopt;
    }
    return line;
}

SessionRead ReadSessionFile(const QString& path) {
    QFile file;
    if (const QString problem = OpenRegularFile(path, file); !problem.isEmpty()) {
        return {{}, QStringLiteral("Could not load \"%1\": %2.").arg(path, problem)};
    }
    return ReadSessionLines(file, path);
}

SessionRead ReadSessionLines(QIODevice& device, const QString& path) {
    const QString name = QStringLiteral("\"%1\"").arg(path);
    SessionLineReader reader(device);
    QStringList lines;
    while (lines.size() < kSessionLines) {
        std::optional<QString> line = reader.NextLine();
        if (!line) {
            break;
        }
        lines.append(*line);
    }
    switch (reader.status()) {
        case SessionLineReader::Status::Ok:
            return {lines, {}};
        case SessionLineReader::Status::EndOfFile:
            return {lines,
                    QStringLiteral("Could not load %1: it holds only %2 of the %3 lines of a "
                                   "session.")
                        .arg(name)
                        .arg(lines.size())
                        .arg(kSessionLines),
                    true};
        case SessionLineReader::Status::TooLong:
            return {{},
                    QStringLiteral("Could not load %1: line %2 is longer than %3 characters.")
                        .arg(name)
                        .arg(lines.size() + 1)
                        .arg(kMaxLineLength)};
        case SessionLineReader::Status::ReadError:
            break;
    }
    return {{}, QStringLiteral("Could not load %1: %2.").arg(name, device.errorString())};
}

bool WriteAll(QFileDevice& file, const char* data, qint64 size) {
    for (qint64 done = 0; done < size;) {
        const qint64 written = file.write(data + done, size - done);
        if (written <= 0 || file.error() != QFileDevice::NoError) {
            return false;
        }
        done += written;
    }
    return true;
}

QString WriteSessionFile(const QString& path, const QStringList& texts) {
    // Unbuffered, so that every write reaches the file here, where its failure is seen:
    // commit() would put a temporary file in place even when a buffered write had failed on
    // a full disk or a quota. A short write is followed by another for the rest, which then
    // fails with the system's reason.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString();
    }
    const QByteArray bytes = SessionFileBytes(texts);
    if (!WriteAll(file, bytes.constData(), bytes.size())) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    return SyncAndCommit(file);
}

QString SyncAndCommit(QSaveFile& file) {
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0 && errno != EINVAL) {
        const QString reason = SystemError(errno);
        file.cancelWriting();
        return reason;
    }
#endif
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

}  // namespace vellorin
