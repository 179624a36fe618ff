#include "cue_player.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace vellorin {

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

void CuePlayer::Play(const QString& path) {
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
