#include "process_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/types.h>

#include <cerrno>
#include <signal.h>
#endif

namespace vellorin {
namespace {

bool ProcessRuns(qint64 pid) {
#ifdef Q_OS_WIN
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(pid));
    if (process == nullptr) {
        return GetLastError() == ERROR_ACCESS_DENIED;  // it runs, as someone else
    }
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
#else
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
#endif
}

}  // namespace

ProcessFolder::ProcessFolder(const QString& parent, const QString& prefix) {
    RemoveLeftovers(parent, prefix);
    folder_ = std::make_unique<QTemporaryDir>(QDir(parent).filePath(
        prefix + QString::number(QCoreApplication::applicationPid()) + QStringLiteral("-XXXXXX")));
}

ProcessFolder::~ProcessFolder() = default;

bool ProcessFolder::IsValid() const {
    return folder_->isValid();
}

QString ProcessFolder::Path() const {
    return folder_->isValid() ? folder_->path() : QString();
}

QString ProcessFolder::FilePath(const QString& name) const {
    return folder_->filePath(name);
}

QString ProcessFolder::RuntimeFolder() {
#ifdef Q_OS_WIN
    return QDir::tempPath();
#else
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
#endif
}

int ProcessFolder::RemoveLeftovers(const QString& parent, const QString& prefix) {
    int removed = 0;
    const QFileInfoList entries = QDir(parent).entryInfoList(
        {prefix + QStringLiteral("*")},
        QDir::Dirs | QDir::NoSymLinks | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo& entry : entries) {
        bool number = false;
        const qint64 pid =
            entry.fileName().mid(prefix.size()).section(QLatin1Char('-'), 0, 0).toLongLong(&number);
        if (!number || pid <= 0 || pid == QCoreApplication::applicationPid() || ProcessRuns(pid)) {
            continue;
        }
        if (QDir(entry.filePath()).removeRecursively()) {
            ++removed;
        }
    }
    return removed;
}

}  // namespace vellorin
