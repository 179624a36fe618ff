#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace vellorin {

// Every cue is a wave file in the "snd" folder beside the executable.
inline constexpr char kHoldCue[] = "hold.wav";          // first second of every hold
inline constexpr char kStopHoldCue[] = "stophold.wav";  // last second of a hold but the final one
inline constexpr char kSessionEndCue[] = "sesend.wav";  // the end tick
inline constexpr char kPauseCue[] = "pause.wav";        // a key paused the session
inline constexpr char kResumeCue[] = "resume.wav";      // a key resumed it
inline constexpr char kMarkCue[] = "mark.wav";          // every 30 s of a personal-best test
inline constexpr char kClickCue[] = "click.wav";        // a contraction marked during a hold
inline constexpr char kNotNowCue[] = "notnow.wav";      // a marking key outside a hold: not taken
// The warning the low-SpO2 alarm speaks as it ends a hold.
inline constexpr char kLowOxygenCue[] = "lowoxygen.wav";

// The whole minutes of a personal-best test that are spoken ("1min.wav", "one minute").
inline constexpr qint32 kMostMinuteCues = 12;
QString MinuteCue(qint32 minutes);

// The seconds-left counts that have a spoken countdown.
inline constexpr qint32 kCountdownSeconds[] = {15, 10, 5, 4, 3, 2, 1};

// True for the seconds-left counts that have a spoken countdown: 15, 10, 5, 4, 3, 2, 1.
bool IsCountdownSecond(qint32 secondsLeft);

// "15.wav" for 15 seconds left, and so on.
QString CountdownCue(qint32 secondsLeft);

// The cue files of the classic profile, the keys' confirmations, the low-SpO2 alarm's warning
// and the personal-best test.
QStringList CoreCueFiles();
// Every cue file: those CoreCueFiles names first, countdowns first, then the session's others and
// the keys' confirmations, the personal-best test's minutes, and those of the other cue profiles.
QStringList AllCueFiles();

// Full path of a cue file: the application folder, the platform's separator, "snd", the
// separator and the file name (C:\Apps\snd\hold.wav on Windows).
QString CuePath(const QString& applicationFolder, const QString& cueFile);

// The language whose spoken cues play ("de"), from "snd/de" beside the executable; empty for
// English, the cues in "snd" itself. A cue the language lacks is played in English.
void SetCueLanguage(const QString& code);
QString CueLanguage();

// The shipped cue file to play: the language's own one where it has one, else the English.
QString ShippedCuePath(const QString& applicationFolder, const QString& cueFile);

// The cue file to play: the user's own one ("snd" in the user's data folder) where the user
// has put one of that name, otherwise the one shipped beside the executable (ShippedCuePath).
QString ChosenCuePath(const QString& applicationFolder, const QString& userDataFolder,
                      const QString& cueFile);

}  // namespace vellorin
