// The user's own cue profiles: the folder they are kept in, and a profile found by its name.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "cue_profile_file.h"

namespace vellorin {

QString UserProfileFolder(const QString& userDataFolder) {
    return userDataFolder.isEmpty() ? QString() : userDataFolder + QStringLiteral("/profiles");
}

QString ProfileFileName(const QString& name) {
    static const QRegularExpression unsafe(QStringLiteral("[\\x00-\\x1f/\\\\:*?\"<>|]"));
    QString base = name.simplified();
    base.replace(unsafe, QStringLiteral("_"));
    if (base.startsWith(QLatin1Char('.'))) {
        base.prepend(QLatin1Char('_'));  // never hidden, never "." or ".."
    }
    return base + QLatin1String(kProfileSuffix);
}

QList<ProfileFileRead> UserProfiles(const QString& userDataFolder) {
    QList<ProfileFileRead> profiles;
    const QString folder = UserProfileFolder(userDataFolder);
    if (folder.isEmpty()) {
        return profiles;
    }
    const QStringList names =
        QDir(folder).entryList({QLatin1Char('*') + QLatin1String(kProfileSuffix)},
                               QDir::Files | QDir::Readable, QDir::Name);
    for (const QString& name : names.mid(0, 200)) {  // a menu's worth
        profiles.append(ReadProfileFile(folder + QLatin1Char('/') + name));
    }
    return profiles;
}

ProfileFileRead FindProfile(const QString& name, const QString& userDataFolder,
                            const QString& defaultName) {
    if (name.isEmpty()) {
        const ProfileFileRead chosen =
            defaultName.isEmpty() ? ProfileFileRead{} : FindProfile(defaultName, userDataFolder);
        return chosen.profile ? chosen : ProfileFileRead{BuiltInProfile(kClassicProfile), {}, {}};
    }
    if (std::optional<CueProfile> builtIn = BuiltInProfile(name)) {
        return {builtIn, {}, {}};
    }
    if (name.endsWith(QLatin1String(kProfileSuffix)) || name.contains(QLatin1Char('/'))) {
        return ReadProfileFile(name);
    }
    const QList<ProfileFileRead> own = UserProfiles(userDataFolder);
    for (const ProfileFileRead& read : own) {
        if (read.profile && read.profile->name == name) {
            return read;
        }
    }
    // A damaged file is known by the file its name would be kept in.
    for (const ProfileFileRead& read : own) {
        if (!read.profile && QFileInfo(read.path).fileName() == ProfileFileName(name)) {
            return read;
        }
    }
    //: %1 is the name asked for, %2 the built-in profiles' names ("classic, guided, ..."), %3
    //: the folder of the user's own profiles.
    return {std::nullopt,
            QCoreApplication::translate(
                "ProfileFile",
                "There is no cue profile \"%1\": the profiles are %2, or those in \"%3\".")
                .arg(name, BuiltInProfileKeys().join(QStringLiteral(", ")),
                     UserProfileFolder(userDataFolder)),
            {}};
}

}  // namespace vellorin
