#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>

#include "headless_window.h"

namespace vellorin {

// Exit statuses of the command-line modes.
enum ExitStatus { kSuccess = 0, kCannotUse = 1, kUsageError = 2 };

// The sentence for a table Start would refuse, problem its reason.
QString StartRefusal(const QString& problem);

// Prints the table of a session file as the engine computes it, or a table file (.vtable)
// round by round. A file that cannot be loaded
// gets Load's words; a table Start would refuse is printed as far as it can be, with the
// reason. Returns kSuccess, or kCannotUse for those two.
int PrintTable(const QString& sessionFile, QTextStream& out, QTextStream& err);

// Exports the session of a table, the six settings texts or a table of rounds whose every
// phase is timed, to output: the cues the window would play, rendered and written as
// WriteAudioFile does. Its problem is empty, or the sentence that says why it could not
// ("Could not export the session to ...").
struct SessionExport {
    QString problem;
    qsizetype cues = 0;
    double seconds = 0;
};
SessionExport ExportSession(const SessionSource& source, const QString& output,
                            const QString& applicationFolder, const QString& userDataFolder,
                            const std::function<bool(qint64, qint64)>& progress = {});

// Renders the whole session of a session file, or of a table file (.vtable) whose every phase
// is timed, as one audio file, in the format output's suffix names, with the cues the window
// would play (the user's own ones where there are). Returns kSuccess, kUsageError for an
// unknown suffix, or kCannotUse when the file, the table, a cue or the output cannot be used.
// The cues are those of the profile asked for, else the table's own, else userDefault.
int ExportAudio(const QString& sessionFile, const QString& output, const QString& applicationFolder,
                const QString& userDataFolder, QTextStream& out, QTextStream& err,
                const QString& profile = {}, const QString& userDefault = {});

// Writes a preset (its key, one of PresetKeys) made from a personal best to output and prints
// it: a table file when output ends in .vtable, else the co2 or o2 table as Save writes a
// session file, with a 30 s intro. A preset that uses no PB takes an empty one. Returns
// kSuccess, kUsageError for an unknown kind, a PB that is neither m:ss nor seconds, or a
// table of rounds for a session file, or kCannotUse when the file cannot be written.
int NewTable(const QString& kind, const QString& personalBest, const QString& output,
             QTextStream& out, QTextStream& err);

}  // namespace vellorin
