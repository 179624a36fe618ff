#include "cue_player.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace vellorin {

int CuePlayer::Preload(const QStringList& paths) {
    int found = 0;
    for (const QString& path : paths) {
        found += Effect(path) != nullptr ? 1 : 0;
    }
    return found;
}

void CuePlayer::Play(const QString& path) {
    QSoundEffect* effect = Effect(path);
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
    effects_.insert(path, NewEffect(path));
    QTimer::singleShot(retireAfterMs_, effect, &QObject::deleteLater);
}

QSoundEffect* CuePlayer::Effect(const QString& path) {
    if (QSoundEffect* known = effects_.value(path)) {
        return known;
    }
    if (!QFileInfo(path).isFile()) {
        return nullptr;  // looked for again next time, in case it has been put in place
    }
    QSoundEffect* effect = NewEffect(path);
    effects_.insert(path, effect);
    return effect;
}

QSoundEffect* CuePlayer::NewEffect(const QString& path) {
    auto* effect = new QSoundEffect(this);
    effect->setSource(QUrl::fromLocalFile(path));
    return effect;
}

}  // namespace vellorin
