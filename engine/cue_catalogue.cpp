#include "cue_catalogue.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <iterator>

#include "cue_schedule.h"

namespace vellorin {

bool IsCountdownSecond(qint32 secondsLeft) {
    return std::ranges::find(kCountdownSeconds, secondsLeft) != std::end(kCountdownSeconds);
}

QString CountdownCue(qint32 secondsLeft) {
    return QString::number(secondsLeft) + ".wav";
}

QString MinuteCue(qint32 minutes) {
    return QString::number(minutes) + "min.wav";
}

QStringList CoreCueFiles() {
    QStringList files;
    for (qint32 seconds : kCountdownSeconds) {
        files.append(CountdownCue(seconds));
    }
    files << kHoldCue << kStopHoldCue << kSessionEndCue << kPauseCue << kResumeCue << kMarkCue
          << kClickCue << kNotNowCue << kLowOxygenCue;
    for (qint32 minutes = 1; minutes <= kMostMinuteCues; ++minutes) {
        files << MinuteCue(minutes);
    }
    return files;
}

QStringList AllCueFiles() {
    QStringList files = CoreCueFiles();
    // Then the numbers, durations, words and tones of the other cue profiles.
    for (const QString& file : ProfileCueFiles()) {
        if (!files.contains(file)) {
            files << file;
        }
    }
    return files;
}

QString CuePath(const QString& applicationFolder, const QString& cueFile) {
    const QChar separator = QDir::separator();
    return applicationFolder + separator + "snd" + separator + cueFile;
}

namespace {

QString& Language() {
    static QString code;
    return code;
}

}  // namespace

void SetCueLanguage(const QString& code) {
    Language() = code;
}

QString CueLanguage() {
    return Language();
}

QString ShippedCuePath(const QString& applicationFolder, const QString& cueFile) {
    if (!Language().isEmpty()) {
        const QString own = CuePath(applicationFolder, Language() + QDir::separator() + cueFile);
        if (QFileInfo(own).isFile()) {
            return own;
        }
    }
    return CuePath(applicationFolder, cueFile);
}

QString ChosenCuePath(const QString& applicationFolder, const QString& userDataFolder,
                      const QString& cueFile) {
    if (!userDataFolder.isEmpty()) {
        const QString own = CuePath(userDataFolder, cueFile);
        if (QFileInfo(own).isFile()) {
            return own;
        }
    }
    return ShippedCuePath(applicationFolder, cueFile);
}

}  // namespace vellorin
