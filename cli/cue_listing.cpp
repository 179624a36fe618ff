#include "cue_listing.h"

#include <QFileInfo>

#include "allgemein.h"
#include "command_modes.h"
#include "cue_profile_file.h"
#include "cue_words.h"
#include "message_text.h"
#include "rounds_commands.h"
#include "session_file.h"

namespace vellorin {

std::optional<SessionSource> LoadSessionSource(const QString& sessionFile,
                                               const ProfileChoice& profile, QTextStream& err,
                                               const char* doing) {
    SessionSource source;
    if (IsRoundsTableFile(sessionFile)) {
        source.rounds = ExportableTable(sessionFile, err, doing);
        if (!source.rounds) {
            return std::nullopt;
        }
    } else {
        SessionRead read = ReadSessionFile(sessionFile);
        if (!read.problem.isEmpty()) {
            err << Printable(read.problem) << "\n";
            return std::nullopt;
        }
        source.settings = std::move(read.lines);
    }
    // A table naming a profile this user does not have plays the default, as in the window;
    // only a profile asked for by name must be there.
    ProfileFileRead found = FindProfile(profile.asked, profile.userDataFolder, profile.userDefault);
    if (profile.asked.isEmpty() && source.rounds && !source.rounds->profile.isEmpty()) {
        const ProfileFileRead own =
            FindProfile(source.rounds->profile, profile.userDataFolder, profile.userDefault);
        if (own.profile) {
            found = own;
        } else {
            err << "The table's cue profile \"" << Printable(source.rounds->profile)
                << "\" is not there: " << Printable(found.profile->name) << " plays.\n";
        }
    }
    if (!found.profile) {
        err << Printable(found.problem) << "\n";
        return std::nullopt;
    }
    source.profile = *found.profile;
    return source;
}

int PrintCues(const QString& sessionFile, const QString& applicationFolder,
              const ProfileChoice& profile, QTextStream& out, QTextStream& err) {
    const std::optional<SessionSource> source =
        LoadSessionSource(sessionFile, profile, err, "list the cues of");
    if (!source) {
        return kCannotUse;
    }
    const SessionRun run = RunWholeSession(applicationFolder, profile.userDataFolder, *source);
    if (!run.problem.isEmpty()) {
        err << "Start would refuse this table: " << Printable(run.problem) << ".\n";
        return kCannotUse;
    }
    out << "Cue profile: " << Printable(source->profile.name) << "\n";
    for (const PlayedCue& cue : run.cues) {
        out << FormatSeconds(static_cast<qint32>(cue.tick)) << (cue.follows ? "  + " : "  ")
            << HeardWords(QFileInfo(cue.path).fileName()) << "\n";
    }
    return kSuccess;
}

}  // namespace vellorin
