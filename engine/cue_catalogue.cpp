#include "cue_catalogue.h"

#include <QDir>
#include <algorithm>
#include <iterator>

namespace vellorin {

bool IsCountdownSecond(qint32 secondsLeft) {
    return std::ranges::find(kCountdownSeconds, secondsLeft) != std::end(kCountdownSeconds);
}

QString CountdownCue(qint32 secondsLeft) {
    return QString::number(secondsLeft) + ".wav";
}

QStringList AllCueFiles() {
    QStringList files;
    for (qint32 seconds : kCountdownSeconds) {
        files.append(CountdownCue(seconds));
    }
    files << kHoldCue << kStopHoldCue << kSessionEndCue;
    return files;
}

QString CuePath(const QString& applicationFolder, const QString& cueFile) {
    const QChar separator = QDir::separator();
    return applicationFolder + separator + "snd" + separator + cueFile;
}

}  // namespace vellorin
