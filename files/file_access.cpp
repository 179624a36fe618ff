#include "file_access.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "message_text.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#endif

#ifdef Q_OS_WIN
#include <io.h>
#endif

namespace vellorin {
namespace {

QString NotAFile() {
    //: Why a path cannot be read or written: it names a folder, a device or a pipe.
    return QCoreApplication::translate("FileAccess", "it is not a file");
}

#ifdef Q_OS_UNIX
QString SystemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}
#endif

}  // namespace

QString OpenRegularFile(const QString& path, QFile& file) {
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
        return NotAFile();
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
#else
    if (QFileInfo info(path); info.exists() && !info.isFile()) {
        return NotAFile();
    }
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return WithoutFullStop(file.errorString());
    }
#endif
    return {};
}

QString WriteTargetProblem(const QString& path) {
    const QFileInfo target(path);  // exists() and isFile() follow links
    if (target.exists() && !target.isFile()) {
        return NotAFile();
    }
    return {};
}

QString OpenForReplacing(QSaveFile& file, const QString& path) {
    if (const QString problem = WriteTargetProblem(path); !problem.isEmpty()) {
        return problem;
    }
    file.setFileName(path);
    // Unbuffered, so that every write reaches the file here, where its failure is seen:
    // commit() would put a temporary file in place even when a buffered write had failed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return WithoutFullStop(file.errorString());
    }
    return {};
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

QString SyncToDisk(QFileDevice& file) {
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0 && errno != EINVAL) {
        return SystemError(errno);
    }
#elif defined(Q_OS_WIN)
    if (::_commit(file.handle()) != 0) {
        //: Why a file ("its") could not be written.
        return QCoreApplication::translate("FileAccess",
                                           "its bytes could not be written to the disk");
    }
#endif
    return {};
}

QString SyncAndCommit(QSaveFile& file) {
    if (const QString reason = SyncToDisk(file); !reason.isEmpty()) {
        file.cancelWriting();
        return reason;
    }
    // Looked at again: the target may have been swapped for a pipe or a device meanwhile.
    if (const QString problem = WriteTargetProblem(file.fileName()); !problem.isEmpty()) {
        file.cancelWriting();
        return problem;
    }
    if (!file.commit()) {
        return WithoutFullStop(file.errorString());
    }
    return {};
}

FileRead ReadRegularFile(const QString& path, qint64 maxBytes) {
    QFile file;
    FileRead read;
    read.problem = OpenRegularFile(path, file);
    if (read.problem.isEmpty()) {
        read.bytes = file.read(maxBytes + 1);
        if (file.error() != QFileDevice::NoError) {
            read.problem = WithoutFullStop(file.errorString());
        } else if (read.bytes.size() > maxBytes) {
            //: Why a file ("it") cannot be read; %1 is the most bytes such a file may hold.
            read.problem = QCoreApplication::translate("FileAccess", "it is larger than %1 bytes")
                               .arg(maxBytes);
        }
    }
    if (!read.problem.isEmpty()) {
        read.bytes.clear();
    }
    return read;
}

QString ReplaceFileWith(const QString& path, const QByteArray& bytes) {
    QSaveFile file;
    if (const QString problem = OpenForReplacing(file, path); !problem.isEmpty()) {
        return problem;
    }
    // A short write is followed by another for the rest, which then fails with the system's
    // reason.
    if (!WriteAll(file, bytes.constData(), bytes.size())) {
        const QString reason = WithoutFullStop(file.errorString());
        file.cancelWriting();
        return reason;
    }
    return SyncAndCommit(file);
}

void IgnoreFileSizeSignal() {
#ifdef Q_OS_UNIX
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

}  // namespace vellorin
