#include "cue_catalogue.h"

#include <QDir>

namespace vellorin {

bool IsCountdownSecond(qint32 secondsLeft) {
    switch (secondsLeft) {
        case 15:
        case 10:
        case 5:
        case 4:
        case 3:
        case 2:
        case 1:
            return true;
        default:
            return false;
    }
}

QString CountdownCue(qint32 secondsLeft) { return QString::number(secondsLeft) + ".wav"; }

QString CuePath(const QString& applicationFolder, const QString& cueFile) {
    const QChar separator = QDir::separator();
    return applicationFolder + separator + "snd" + separator + cueFile;
}

}  // namespace vellorin
