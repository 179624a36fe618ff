#pragma once

#include <QList>
#include <QString>

#include "cue_sound.h"

namespace vellorin {

// The sound that stands for one cue file name ("hold.wav"): the user's own file of that name
// where it can be used, otherwise the shipped one.
struct CueChoice {
    QString file;         // the cue's file name
    QString path;         // the file the sound was read from
    CueSound sound;       // with a problem when no file of this name can be used
    QString userPath;     // the user's own file of this name, where there is one
    QString userProblem;  // why the user's own file is not used; empty when used or absent
};

// Every cue file read once and checked: a regular file, a readable mono WAV, no longer than a
// cue may last, and all at one sample rate, the shipped cues' own. The user's own cues must
// match it too; one that does not, or cannot be read, gives way to the shipped one.
class CueSet {
public:
    CueSet(const QString& applicationFolder, const QString& userDataFolder);
    // Only the cues of files; at sampleRate where it is given, else at the shipped cues' own.
    CueSet(const QString& applicationFolder, const QString& userDataFolder,
           const QStringList& files, int sampleRate = 0);

    const QList<CueChoice>& Choices() const { return choices_; }
    // The choice for a cue path the session played (found by its file name), or nothing.
    const CueChoice* Find(const QString& playedPath) const;
    int SampleRate() const { return sampleRate_; }

private:
    QList<CueChoice> choices_;
    int sampleRate_ = 0;
};

}  // namespace vellorin
