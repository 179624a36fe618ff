#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>

#include "cue_set.h"

class QSoundEffect;

namespace vellorin {

class ProcessFolder;

// Plays the cue wave files. Each cue is known by its file name ("hold.wav"), whatever folder
// the session asks for it in, and plays the file given for that name to Preload. An effect
// for each cue is made ahead of its use so that a cue starts at once instead of waiting to be
// decoded; each play uses up its effect and makes the next one. A new cue stops the one still
// sounding. A cue that was not preloaded, or a machine without an audio device, is silent.
class CuePlayer : public QObject {
    Q_OBJECT

public:
    // A played effect is deleted retireAfterMs after it started; every cue is shorter.
    explicit CuePlayer(QObject* parent = nullptr, int retireAfterMs = 3000);
    ~CuePlayer() override;

    // Readies the files, each for the cue of its file name. Returns how many were found.
    int Preload(const QStringList& paths);
    // Readies every cue of a checked set from a 16-bit copy of what was checked, so that a
    // file swapped or grown later is never read by the sound output. Returns what it found
    // and why any cue cannot be used.
    struct Readied {
        int found = 0;
        QStringList usersOwn;  // the cue files the user's own folder gives
        QStringList notes;     // why a cue, or the user's own one, cannot be used
    };
    // The first readyNow cues of the set (all for -1) are readied at once, the others a few
    // at a time from the event loop, so that nothing waits on cues no session needs yet; a
    // cue played before its turn is readied as it is played. A later set adds to the first.
    Readied Preload(const CueSet& cues, qsizetype readyNow = -1);
    void Play(const QString& path);
    // Plays once the cue sounding has finished; at once when none sounds. Play drops the cues
    // still waiting.
    void Follow(const QString& path);

private:
    QSoundEffect* NewEffect(const QString& cue);
    // Starts a cue, stopping the one sounding; false when it is silent (not found).
    bool Start(const QString& path);
    // The next of the cues that follow, once the one before has finished.
    void PlayNextWaiting();
    // Copies the first count of the cues not readied yet and makes their effects.
    void ReadyWaiting(qsizetype count);
    void ReadyInSlices();

    struct Unready {
        QString file;    // the cue's name
        QString path;    // the file it was read from
        CueSound sound;  // what was checked, to be copied
    };
    QList<Unready> unready_;
    const int retireAfterMs_;
    QHash<QString, QString> sources_;  // cue name to the file played for it
    QHash<QString, QSoundEffect*> effects_;
    QPointer<QSoundEffect> sounding_;
    QStringList waiting_;  // the cues that follow the one sounding
    // The checked copies, in a folder the next start removes if this process is killed.
    std::unique_ptr<ProcessFolder> copies_;
};

}  // namespace vellorin
