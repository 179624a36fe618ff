#include "cue_player.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <utility>

#include "cue_sound.h"
#include "process_folder.h"

namespace vellorin {

CuePlayer::CuePlayer(QObject* parent, int retireAfterMs)
    : QObject(parent), retireAfterMs_(retireAfterMs) {}

CuePlayer::~CuePlayer() = default;

CuePlayer::Readied CuePlayer::Preload(const CueSet& cues, qsizetype readyNow) {
    if (!copies_) {
        copies_ = std::make_unique<ProcessFolder>(ProcessFolder::RuntimeFolder(),
                                                  QStringLiteral("vellorin-cues-"));
    }
    Readied readied;
    const bool slicing = !unready_.isEmpty();
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
        unready_.append({choice.file, choice.path, choice.sound});
        ++readied.found;
    }
    if (readyNow != 0) {
        ReadyWaiting(readyNow < 0 ? unready_.size() : readyNow);
    }
    if (!unready_.isEmpty() && !slicing) {
        QTimer::singleShot(0, this, &CuePlayer::ReadyInSlices);
    }
    return readied;
}

void CuePlayer::ReadyInSlices() {
    ReadyWaiting(8);  // a few milliseconds of the event thread at a time
    if (!unready_.isEmpty()) {
        QTimer::singleShot(0, this, &CuePlayer::ReadyInSlices);
    }
}

void CuePlayer::ReadyWaiting(qsizetype count) {
    QStringList playable;
    const qsizetype ready = std::min(count, unready_.size());
    for (const Unready& cue : unready_.mid(0, ready)) {
        const QString copy = copies_->FilePath(cue.file);
        QSaveFile file(copy);
        const bool copied = copies_->IsValid() && file.open(QIODevice::WriteOnly) &&
                            file.write(WaveBytes(cue.sound.samples, cue.sound.sampleRate)) > 0 &&
                            file.commit();
        playable.append(copied ? copy : cue.path);
    }
    unready_.remove(0, ready);
    Preload(playable);
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
    Start(path);
}

bool CuePlayer::Start(const QString& path) {
    const QString cue = QFileInfo(path).fileName();
    if (const auto turn = std::ranges::find(unready_, cue, &Unready::file);
        turn != unready_.end()) {
        std::rotate(unready_.begin(), turn, turn + 1);  // played before its turn came
        ReadyWaiting(1);
    }
    QSoundEffect* effect = effects_.value(cue);
    if (sounding_ != nullptr && sounding_->isPlaying()) {
        sounding_->stop();
    }
    sounding_ = effect;
    if (effect == nullptr) {
        return false;
    }
    effect->play();
    connect(effect, &QSoundEffect::playingChanged, this, [this, effect] {
        if (!effect->isPlaying() && sounding_ == effect) {
            PlayNextWaiting();
        }
    });
    // An effect played again and again falls silent after a few plays (Qt 6.4 on
    // PulseAudio: the fifth play of an effect is lost and later ones are clicks). Each play
    // therefore gets an effect of its own: the next one for this cue is made now, seconds
    // before it can be needed, and this one goes once it has had time to finish.
    effects_.insert(cue, NewEffect(cue));
    QTimer::singleShot(retireAfterMs_, effect, &QObject::deleteLater);
    return true;
}

void CuePlayer::PlayNextWaiting() {
    // A cue that is silent (not found) passes its turn to the next.
    while (!waiting_.isEmpty() && !Start(waiting_.takeFirst())) {
    }
}

QSoundEffect* CuePlayer::NewEffect(const QString& cue) {
    auto* effect = new QSoundEffect(this);
    effect->setSource(QUrl::fromLocalFile(sources_.value(cue)));
    return effect;
}

}  // namespace vellorin
