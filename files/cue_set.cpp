#include "cue_set.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "cue_catalogue.h"

namespace vellorin {
namespace {

// The same sound refused when its rate is not the set's.
void CheckRate(CueSound& sound, int sampleRate) {
    if (sound.problem.isEmpty() && sound.sampleRate != sampleRate) {
        //: Why a cue's sound file cannot be used; %1 and %2 are sample rates, like 22050.
        sound.problem = QCoreApplication::translate(
                            "CueSound", "its sample rate is %1 Hz, not the %2 Hz of the other cues")
                            .arg(QString::number(sound.sampleRate), QString::number(sampleRate));
        sound.samples.clear();
    }
}

}  // namespace

CueSet::CueSet(const QString& applicationFolder, const QString& userDataFolder)
    : CueSet(applicationFolder, userDataFolder, AllCueFiles()) {}

CueSet::CueSet(const QString& applicationFolder, const QString& userDataFolder,
               const QStringList& files, int sampleRate)
    : sampleRate_(sampleRate) {
    QList<CueSound> own;
    for (const QString& file : files) {
        CueChoice choice{file, ShippedCuePath(applicationFolder, file), {}, {}, {}};
        choice.sound = ReadCueFile(choice.path);
        if (!userDataFolder.isEmpty()) {
            const QString userPath = CuePath(userDataFolder, file);
            if (QFileInfo(userPath).exists() || QFileInfo(userPath).isSymLink()) {
                choice.userPath = userPath;
            }
        }
        own.append(choice.userPath.isEmpty() ? CueSound{} : ReadCueFile(choice.userPath));
        if (sampleRate_ == 0 && choice.sound.problem.isEmpty()) {
            sampleRate_ = choice.sound.sampleRate;
        }
        choices_.append(std::move(choice));
    }
    for (qsizetype i = 0; sampleRate_ == 0 && i < own.size(); ++i) {
        if (!choices_[i].userPath.isEmpty() && own[i].problem.isEmpty()) {
            sampleRate_ = own[i].sampleRate;  // no shipped cue could be read: the user's lead
        }
    }
    for (qsizetype i = 0; i < choices_.size(); ++i) {
        CueChoice& choice = choices_[i];
        CheckRate(choice.sound, sampleRate_);
        if (choice.userPath.isEmpty()) {
            continue;
        }
        CheckRate(own[i], sampleRate_);
        if (own[i].problem.isEmpty()) {
            choice.path = choice.userPath;
            choice.sound = std::move(own[i]);
        } else {
            choice.userProblem = own[i].problem;
        }
    }
}

const CueChoice* CueSet::Find(const QString& playedPath) const {
    const QString file = QFileInfo(playedPath).fileName();
    for (const CueChoice& choice : choices_) {
        if (choice.file == file) {
            return &choice;
        }
    }
    return nullptr;
}

}  // namespace vellorin
