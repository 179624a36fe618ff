#pragma once

#include <QString>
#include <memory>

class QTemporaryDir;

namespace vellorin {

// A folder that belongs to this process: "<prefix><pid>-XXXXXX" under a parent folder, for
// its owner alone, removed with everything in it when the object goes. A process that was
// killed cannot remove its own, so making one first removes those of the same prefix whose
// process is gone.
class ProcessFolder {
public:
    ProcessFolder(const QString& parent, const QString& prefix);
    ~ProcessFolder();
    ProcessFolder(const ProcessFolder&) = delete;
    ProcessFolder& operator=(const ProcessFolder&) = delete;

    // The folder of the user's own temporary files that no other user can enter: the
    // runtime folder (on Windows, the temporary folder).
    static QString RuntimeFolder();

    // Removes the folders "<prefix><pid>-..." in parent whose process no longer runs; a name
    // that is not a folder, or whose number is no process id, is left alone. Returns how
    // many were removed.
    static int RemoveLeftovers(const QString& parent, const QString& prefix);

    bool IsValid() const;
    QString Path() const;
    QString FilePath(const QString& name) const;

private:
    std::unique_ptr<QTemporaryDir> folder_;
};

}  // namespace vellorin
