#include "append_lock.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#endif

namespace vellorin {

#ifdef Q_OS_WIN
namespace {

// The byte locked lies far past any end the file can reach, so that readers of the file,
// which Windows would otherwise stop at a locked range, are never held up.
OVERLAPPED LockedRange() {
    OVERLAPPED range{};
    range.Offset = 0;
    range.OffsetHigh = 0x40000000;  // 2^62
    return range;
}

HANDLE Handle(QFileDevice& file) {
    return reinterpret_cast<HANDLE>(::_get_osfhandle(file.handle()));
}

}  // namespace
#endif

AppendLock::AppendLock(QFileDevice& file) : file_(file) {
#ifdef Q_OS_UNIX
    // flock() locks belong to the open file, not to the process: two threads of one program
    // exclude each other as two programs do.
    int result = 0;
    do {
        result = ::flock(file.handle(), LOCK_EX);
    } while (result != 0 && errno == EINTR);
    held_ = result == 0;
#elif defined(Q_OS_WIN)
    OVERLAPPED range = LockedRange();
    held_ = ::LockFileEx(Handle(file), LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &range) != 0;
#endif
}

AppendLock::~AppendLock() {
    if (!held_) {
        return;
    }
#ifdef Q_OS_UNIX
    ::flock(file_.handle(), LOCK_UN);
#elif defined(Q_OS_WIN)
    OVERLAPPED range = LockedRange();
    ::UnlockFileEx(Handle(file_), 0, 1, 0, &range);
#endif
}

QString SyncFolder(const QString& folder) {
#ifdef Q_OS_UNIX
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return QString::fromLocal8Bit(std::strerror(errno));
    }
    const int result = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    // A file system that cannot sync a folder (EINVAL) keeps its names as it keeps its files.
    if (result != 0 && error != EINVAL) {
        return QString::fromLocal8Bit(std::strerror(error));
    }
#else
    Q_UNUSED(folder);
#endif
    return {};
}

}  // namespace vellorin
