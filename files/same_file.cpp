#include "same_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>
#include <utility>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace vellorin {
namespace {

// The file system's own name for the file at path (links followed); nothing when there is
// no file there, or it cannot be looked at.
std::optional<std::pair<quint64, quint64>> Identity(const QString& path) {
#ifdef Q_OS_WIN
    // No access asked for: the file's identity is read even when its content may not be.
    const HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool read = GetFileInformationByHandle(handle, &info) != 0;
    CloseHandle(handle);
    if (!read) {
        return std::nullopt;
    }
    return std::pair{quint64(info.dwVolumeSerialNumber),
                     (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
#else
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        return std::nullopt;
    }
    return std::pair{quint64(status.st_dev), quint64(status.st_ino)};
#endif
}

// Where a write to path would go: its symbolic links followed, even to a file not there yet.
QString WriteTarget(const QString& path) {
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth) {
        info.setFile(info.symLinkTarget());
    }
    return QDir::cleanPath(info.absoluteFilePath());
}

}  // namespace

bool SameFile(const QString& a, const QString& b) {
    const auto first = Identity(a);
    const auto second = Identity(b);
    if (first || second) {
        return first == second;
    }
    return WriteTarget(a) == WriteTarget(b);
}

}  // namespace vellorin
