#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

namespace vellorin {

// The window's settings (its size, the log switch) in an INI file. The file is looked at
// without waiting on it before anything opens it: one that is not a regular file (a named
// pipe would hold every start in its open), or cannot be read, is left alone for the rest of
// the run and the settings are kept in memory only. A setting that cannot be written is kept
// in memory too, and the caller is told why.
// The settings file of this user: window.ini in the program's configuration folder.
QString UserWindowSettingsPath();

class WindowSettings {
public:
    explicit WindowSettings(QString path);

    const QString& Path() const { return path_; }

    // The value of key, or fallback when it has none.
    QVariant Value(const QString& key, const QVariant& fallback = {});

    // Sets key to value. Empty when the file keeps it; otherwise a message for the user that
    // names the file and says why: the value then holds until the program ends.
    QString SetValue(const QString& key, const QVariant& value);

    // Why the file cannot be used, the first time it is found so; empty after that, so that
    // it is reported once.
    QString TakeProblem();

    // A switch as a user may write it by hand: yes/no, true/false, on/off or 1/0 in any case.
    // Anything else, or nothing, is on.
    static bool SwitchOn(const QVariant& value);

private:
    // Whether the file may be opened: true while it is missing or a regular file of a sane
    // size. The first time it is not, the reason is kept for TakeProblem.
    bool Usable();

    QString path_;
    QVariantMap memory_;  // values the file could not keep
    bool usable_ = true;
    QString unusablePath_;  // the file, or its lock file, that cannot be used
    QString reason_;
    bool reported_ = false;
};

}  // namespace vellorin
