#include "cue_player.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <utility>

#include "process_folder.h"

namespace vellorin {

CuePlayer::CuePlayer(QObject* parent, int retireAfterMs)
    : QObject(parent), retireAfterMs_(retireAfterMs) {}

CuePlayer::~CuePlayer() = default;

CuePlayer::Readied CuePlayer::Preload(const CueSet& cues) {
    copies_ = std::make_unique<ProcessFolder>(ProcessFolder::RuntimeFolder(),
                                              QStringLiteral("vellorin-cues-"));
    Readied readied;
    QStringList playable;
    for (const CueChoice& choice : cues.Choices()) {
        if (!choice.userProblem.isEmpty()) {
            readied.notes.append(
                QStringLiteral("the user's cue \"%1\" cannot be used: %2; the shipped one plays")
                    .arg(choice.userPath, choice.userProblem));
        }
        if (!choice.sound.problem.isEmpty()) {
            readied.notes.append(QStringLiteral("the cue \"%1\" cannot be used: %2")
                                     .arg(choice.path, choice.sound.problem));
            continue;
        }
        if (choice.path == choice.userPath) {
            readied.usersOwn.append(choice.file);
        }
        const QString copy = copies_->FilePath(choice.file);
        QSaveFile file(copy);
        const bool copied =
            copies_->IsValid() && file.open(QIODevice::WriteOnly) &&
            file.write(WaveBytes(choice.sound.samples, choice.sound.sampleRate)) > 0 &&
            file.commit();
        playable.append(copied ? copy : choice.path);
    }
    readied.found = Preload(playable);
    return readied;
}

int CuePlayer::Preload(const QStringList& paths) {
    int found = 0;
    for (const QString& path : paths) {
        const QFileInfo file(path);
        if (!file.isFile()) {
            continue;
        }
        sources_.insert(file.fileName(), path);
        delete effects_.value(file.fileName());
        effects_.insert(file.fileName(), NewEffect(file.fileName()));
        ++found;
    }
    return found;
}

void CuePlayer::Follow(const QString& path) {
    if (sounding_ != nullptr && sounding_->isPlaying()) {
        waiting_.append(path);
    } else {
        Play(path);
    }
}

void CuePlayer::Play(const QString& path) {
    waiting_.clear();
    const QString cue = QFileInfo(path).fileName();
    QSoundEffect* effect = effects_.value(cue);
    if (sounding_ != nullptr && sounding_->isPlaying()) {
        sounding_->stop();
    }
    sounding_ = effect;
    if (effect == nullptr) {
        return;
    }
    effect->play();
    connect(effect, &QSoundEffect::playingChanged, this, [this, effect] {
        if (!effect->isPlaying() && sounding_ == effect && !waiting_.isEmpty()) {
            const QStringList rest = std::exchange(waiting_, {});
            Play(rest.first());
            waiting_ = rest.mid(1);
        }
    });
    // An effect played again and again falls silent after a few plays (Qt 6.4 on
    // PulseAudio: the fifth play of an effect is lost and later ones are clicks). Each play
    // therefore gets an effect of its own: the next one for this cue is made now, seconds
    // before it can be needed, and this one goes once it has had time to finish.
    effects_.insert(cue, NewEffect(cue));
    QTimer::singleShot(retireAfterMs_, effect, &QObject::deleteLater);
}

QSoundEffect* CuePlayer::NewEffect(const QString& cue) {
    auto* effect = new QSoundEffect(this);
    effect->setSource(QUrl::fromLocalFile(sources_.value(cue)));
    return effect;
}

}  // namespace vellorin
