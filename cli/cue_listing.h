#pragma once

#include <QString>
#include <QTextStream>
#include <optional>

#include "headless_window.h"
#include "rounds_commands.h"

namespace vellorin {

// Where a command-line mode finds the cue profile: the one asked for by name or file, else
// the table's own, else the user's default (a setting of the window), else classic.
struct ProfileChoice {
    QString asked;
    QString userDataFolder;
    QString userDefault;
};

// The table of a session file or a table file (.vtable) whose every phase is timed, with its
// cue profile; nothing, with the reason printed to err, when either cannot be used.
std::optional<SessionSource> LoadSessionSource(const QString& sessionFile,
                                               const ProfileChoice& profile, QTextStream& err,
                                               TableUse use);

// Prints every cue the session plays, a line each: the second it plays at from Start, and
// what is heard ("00:35  hold"); a cue that waits for the one before it is marked "+".
// Returns kSuccess or kCannotUse.
int PrintCues(const QString& sessionFile, const QString& applicationFolder,
              const ProfileChoice& profile, QTextStream& out, QTextStream& err);

}  // namespace vellorin
