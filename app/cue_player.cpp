#include "cue_player.h"

#include <QFileInfo>
#include <QSoundEffect>
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
    if (effect != nullptr) {
        effect->play();
    }
}

QSoundEffect* CuePlayer::Effect(const QString& path) {
    if (QSoundEffect* known = effects_.value(path)) {
        return known;
    }
    if (!QFileInfo(path).isFile()) {
        return nullptr;  // looked for again next time, in case it has been put in place
    }
    auto* effect = new QSoundEffect(this);
    effect->setSource(QUrl::fromLocalFile(path));
    effects_.insert(path, effect);
    return effect;
}

}  // namespace vellorin
