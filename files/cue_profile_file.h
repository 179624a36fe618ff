#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

#include "cue_profile.h"

namespace vellorin {

// A cue profile file (".vcues") is UTF-8 text, a setting a line as "key = value"; blank lines
// and lines beginning with '#' are passed over:
//
//   format = vellorin-cues 1
//   name = My guided                     at most 100 characters
//   sound = words                        words or tones
//   hold-cue = hold                      hold, or top for "official top"
//   rest-calls = 1:00 0:30 0:10 5 4 3 2 1
//   hold-calls = 0:30 0:10
//   last-hold-calls = 5 4 3 2 1
//   elapsed-every = 1:00                 0 for none
//   last-breath = 8                      seconds before each hold, 0 for none
//   recovery-breaths = 2                 0 to 3
//   pace = 4 8                           seconds in and out, or none
//   pace-last = 1:00                     the last part of each rest paced, or all
//   pace-sound = tones                   tones or words
//   end-summary = yes                    yes or no
//
// A call written m:ss is spoken as a duration ("thirty seconds"), a bare number is counted
// ("ten"). Only format and name are needed; a setting left out is off (or empty). The
// reader is strict: a key it does not know, a key given twice, a value it cannot read, a
// newer format or a profile that cannot be heard refuses the whole file, by line.
inline constexpr char kProfileFormat[] = "vellorin-cues";
inline constexpr int kProfileFormatVersion = 1;
inline constexpr qint64 kMaxProfileFileBytes = 64 * 1024;
inline constexpr char kProfileSuffix[] = ".vcues";
// The window's setting that names the user's default profile.
inline constexpr char kDefaultProfileSetting[] = "cues/profile";

// A profile read from a file, or a sentence naming the file and why it cannot be used.
struct ProfileFileRead {
    std::optional<CueProfile> profile;
    QString problem;
    QString path;  // the file read, where there was one
};
ProfileFileRead ReadProfileFile(const QString& path);
ProfileFileRead ParseProfileFile(const QByteArray& bytes, const QString& path);

// The file's bytes for a profile: every key, in the order above.
QByteArray ProfileFileBytes(const CueProfile& profile);
// Writes a profile that has no ProfileProblems; empty, or why not.
QString WriteProfileFile(const QString& path, const CueProfile& profile);

// The user's own profiles: the ".vcues" files of the folder "profiles" in the user's data
// folder, by file name; those that cannot be read come with their problem.
QString UserProfileFolder(const QString& userDataFolder);
// The file a profile of this name is kept in: its name, with what a file name cannot hold (a
// separator, a control character, a character Windows refuses) made "_", and ".vcues".
QString ProfileFileName(const QString& name);
QList<ProfileFileRead> UserProfiles(const QString& userDataFolder);

// A profile by name: a built-in one's key, a user profile's name, or a profile file's path.
// Empty names the user's default, which is defaultName (classic when that is empty or gone).
// A profile of the user's own that cannot be read is refused with its file's reason.
ProfileFileRead FindProfile(const QString& name, const QString& userDataFolder,
                            const QString& defaultName = {});

}  // namespace vellorin
