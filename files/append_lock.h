#pragma once

#include <QFileDevice>
#include <QString>

namespace vellorin {

// An advisory lock on an open file, held while it lives: processes (and threads, each with a
// file of its own) that append to one file under it take turns, so that looking at its size
// and writing belong together, and only the first to find it empty writes a header. Where
// the system keeps no such locks (some network file systems) the appends go on unlocked.
class AppendLock {
public:
    explicit AppendLock(QFileDevice& file);
    ~AppendLock();
    AppendLock(const AppendLock&) = delete;
    AppendLock& operator=(const AppendLock&) = delete;

private:
    QFileDevice& file_;
    bool held_ = false;
};

// Syncs a folder's entries to the disk, so that a file just made in it survives a power loss
// by name. Returns an empty text, or why not; Windows keeps a file's name with the file.
QString SyncFolder(const QString& folder);

}  // namespace vellorin
