#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QSoundEffect;

namespace vellorin {

// Plays the cue wave files. An effect for each file is made ahead of its use (by Preload,
// or on first use) so that a cue starts at once instead of waiting to be decoded; each play
// uses up its effect and makes the next one. A new cue stops the one still sounding. A
// missing file, or a machine without an audio device, is silent.
class CuePlayer : public QObject {
    Q_OBJECT

public:
    // A played effect is deleted retireAfterMs after it started; every cue is shorter.
    explicit CuePlayer(QObject* parent = nullptr, int retireAfterMs = 3000)
        : QObject(parent), retireAfterMs_(retireAfterMs) {}

    // Returns how many of the files were found.
    int Preload(const QStringList& paths);
    void Play(const QString& path);

private:
    // The effect ready for a cue's next play.
    QSoundEffect* Effect(const QString& path);
    QSoundEffect* NewEffect(const QString& path);

    const int retireAfterMs_;
    QHash<QString, QSoundEffect*> effects_;
    QPointer<QSoundEffect> sounding_;
};

}  // namespace vellorin
