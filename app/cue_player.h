#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

class QSoundEffect;

namespace vellorin {

// Plays the cue wave files. Each file gets one sound effect, made on its first use (or by
// Preload) and kept, so that a cue starts at once instead of waiting to be decoded. A new
// cue stops the one still sounding. A missing file, or a machine without an audio device,
// is silent.
class CuePlayer : public QObject {
    Q_OBJECT

public:
    explicit CuePlayer(QObject* parent = nullptr) : QObject(parent) {}

    // Returns how many of the files were found.
    int Preload(const QStringList& paths);
    void Play(const QString& path);

private:
    QSoundEffect* Effect(const QString& path);

    QHash<QString, QSoundEffect*> effects_;
    QSoundEffect* sounding_ = nullptr;
};

}  // namespace vellorin
