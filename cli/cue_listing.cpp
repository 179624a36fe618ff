#include "cue_listing.h"

#include <QCoreApplication>
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
                                               TableUse use) {
    SessionSource source;
    if (IsRoundsTableFile(sessionFile)) {
        source.rounds = ExportableTable(sessionFile, err, use);
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
            //: %1 is the cue profile the table names, %2 the one played instead.
            err << QCoreApplication::translate("CommandLine",
                                               "The table's cue profile \"%1\" is not there: %2 "
                                               "plays.")
                       .arg(Printable(source.rounds->profile), Printable(found.profile->name))
                << "\n";
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
        LoadSessionSource(sessionFile, profile, err, TableUse::ListCues);
    if (!source) {
        return kCannotUse;
    }
    const SessionRun run = RunWholeSession(applicationFolder, profile.userDataFolder, *source);
    if (!run.problem.isEmpty()) {
        err << StartRefusal(Printable(run.problem)) << "\n";
        return kCannotUse;
    }
    //: Before the list of the cues a session plays: %1 is the cue profile's name.
    out << QCoreApplication::translate("CommandLine", "Cue profile: %1")
               .arg(Printable(source->profile.name))
        << "\n";
    for (const PlayedCue& cue : run.cues) {
        out << FormatSeconds(static_cast<qint32>(cue.tick)) << (cue.follows ? "  + " : "  ")
            << HeardWords(QFileInfo(cue.path).fileName(), applicationFolder) << "\n";
    }
    return kSuccess;
}

}  // namespace vellorin
