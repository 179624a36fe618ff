// Reads and writes cue profile files, refusing anything it does not know by line and reason.
#include "cue_profile_file.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>
#include <functional>

#include "allgemein.h"
#include "file_access.h"

namespace vellorin {
namespace {

struct Refusal {
    QString reason;
};

QString MinutesText(qint32 seconds) {
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

qint32 Seconds(const QString& value, qint32 most) {
    const std::optional<qint32> seconds = ParseClockText(value);
    if (!seconds || *seconds < 0 || *seconds > most) {
        throw Refusal{
            QStringLiteral("\"%1\" is not a time from 0 to %2").arg(value, MinutesText(most))};
    }
    return *seconds;
}

QList<CueCall> Calls(const QString& value) {
    QList<CueCall> calls;
    for (const QString& word : value.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const bool spoken = word.contains(QLatin1Char(':'));
        const std::optional<qint32> seconds = ParseClockText(word);
        if (!seconds || !IsSpeakable({*seconds, spoken})) {
            throw Refusal{QStringLiteral("the call \"%1\" cannot be %2")
                              .arg(word, spoken ? QStringLiteral("spoken")
                                                : QStringLiteral("counted (1 to 20)"))};
        }
        calls.append({*seconds, spoken});
    }
    return calls;
}

bool Choice(const QString& value, const char* yes, const char* no) {
    if (value == QLatin1String(yes) || value == QLatin1String(no)) {
        return value == QLatin1String(yes);
    }
    throw Refusal{QStringLiteral("it must be %1 or %2").arg(QLatin1String(yes), QLatin1String(no))};
}

QString CallsText(const QList<CueCall>& calls) {
    QStringList words;
    for (const CueCall& call : calls) {
        words.append(call.spoken ? MinutesText(call.seconds) : QString::number(call.seconds));
    }
    return words.join(QLatin1Char(' '));
}

using Setter = std::function<void(CueProfile&, const QString&)>;

// Each key and how its value is read.
const QList<std::pair<QString, Setter>>& Keys() {
    static const QList<std::pair<QString, Setter>> keys = {
        {"name",
         [](CueProfile& p, const QString& v) {
             if (v.isEmpty() || v.size() > 100) {
                 throw Refusal{QStringLiteral("the name must be 1 to 100 characters")};
             }
             p.name = v;
         }},
        {"sound",
         [](CueProfile& p, const QString& v) {
             p.sound = Choice(v, "tones", "words") ? CueVoice::Tones : CueVoice::Words;
         }},
        {"hold-cue", [](CueProfile& p, const QString& v) { p.top = Choice(v, "top", "hold"); }},
        {"rest-calls", [](CueProfile& p, const QString& v) { p.restCalls = Calls(v); }},
        {"hold-calls", [](CueProfile& p, const QString& v) { p.holdCalls = Calls(v); }},
        {"last-hold-calls", [](CueProfile& p, const QString& v) { p.lastHoldCalls = Calls(v); }},
        {"elapsed-every",
         [](CueProfile& p, const QString& v) {
             p.elapsedEvery = Seconds(v, kMostSpokenMinutes * 60);
         }},
        {"last-breath", [](CueProfile& p, const QString& v) { p.lastBreath = Seconds(v, 60); }},
        {"recovery-breaths",
         [](CueProfile& p, const QString& v) {
             bool whole = false;
             p.recoveryBreaths = v.toInt(&whole);
             if (!whole || p.recoveryBreaths < 0 || p.recoveryBreaths > kMostRecoveryBreaths) {
                 throw Refusal{QStringLiteral("it must be a whole number from 0 to %1")
                                   .arg(kMostRecoveryBreaths)};
             }
         }},
        {"pace",
         [](CueProfile& p, const QString& v) {
             const QStringList parts = v.split(QLatin1Char(' '), Qt::SkipEmptyParts);
             if (v == QLatin1String("none")) {
                 p.paceIn = p.paceOut = 0;
                 return;
             }
             if (parts.size() != 2) {
                 throw Refusal{QStringLiteral("it must be two counts of seconds, or none")};
             }
             p.paceIn = Seconds(parts[0], 20);
             p.paceOut = Seconds(parts[1], 30);
         }},
        {"pace-last",
         [](CueProfile& p, const QString& v) {
             p.paceLast = v == QLatin1String("all") ? kPaceWholeRest : Seconds(v, 3600);
         }},
        {"pace-sound",
         [](CueProfile& p, const QString& v) { p.paceWords = Choice(v, "words", "tones"); }},
        {"end-summary",
         [](CueProfile& p, const QString& v) { p.endSummary = Choice(v, "yes", "no"); }},
    };
    return keys;
}

CueProfile Parse(const QString& text) {
    CueProfile profile;
    QHash<QString, int> seen;  // key to its line
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        const QString where = QStringLiteral("line %1: ").arg(i + 1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0) {
            throw Refusal{where + QStringLiteral("it is not \"key = value\"")};
        }
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).simplified();
        if (seen.contains(key)) {
            throw Refusal{where + QStringLiteral("\"%1\" is given again").arg(key)};
        }
        seen.insert(key, i + 1);
        try {
            if (key == QLatin1String("format")) {
                static const QRegularExpression format(
                    QStringLiteral("^vellorin-cues (\\d{1,9})$"));
                const QRegularExpressionMatch match = format.match(value);
                if (!match.hasMatch()) {
                    throw Refusal{QStringLiteral("it is not a cue profile")};
                }
                if (match.captured(1).toInt() < 1) {
                    throw Refusal{QStringLiteral("it is not a cue profile")};
                }
                if (match.captured(1).toInt() > kProfileFormatVersion) {
                    throw Refusal{QStringLiteral("it was written by a newer Vellorin")};
                }
                continue;
            }
            const auto found = std::ranges::find(Keys(), key, &std::pair<QString, Setter>::first);
            if (found == Keys().end()) {
                throw Refusal{QStringLiteral("\"%1\" is not a setting of a cue profile").arg(key)};
            }
            found->second(profile, value);
        } catch (const Refusal& refusal) {
            throw Refusal{where + refusal.reason};
        }
    }
    for (const char* needed : {"format", "name"}) {
        if (!seen.contains(QString::fromLatin1(needed))) {
            throw Refusal{QStringLiteral("\"%1\" is missing").arg(QLatin1String(needed))};
        }
    }
    if (const QStringList problems = ProfileProblems(profile); !problems.isEmpty()) {
        throw Refusal{problems.first()};
    }
    return profile;
}

}  // namespace

ProfileFileRead ParseProfileFile(const QByteArray& bytes, const QString& path) {
    const auto refused = [&](const QString& reason) {
        return ProfileFileRead{
            std::nullopt,
            QStringLiteral("Could not load the cue profile \"%1\": %2.").arg(path, reason),
            {}};
    };
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError() || text.contains(QChar(0))) {
        return refused(QStringLiteral("it is not UTF-8 text"));
    }
    try {
        return {Parse(text), {}, {}};
    } catch (const Refusal& refusal) {
        return refused(refusal.reason);
    }
}

ProfileFileRead ReadProfileFile(const QString& path) {
    const FileRead read = ReadRegularFile(path, kMaxProfileFileBytes);
    if (!read.problem.isEmpty()) {
        return {
            std::nullopt,
            QStringLiteral("Could not load the cue profile \"%1\": %2.").arg(path, read.problem),
            path};
    }
    ProfileFileRead parsed = ParseProfileFile(read.bytes, path);
    parsed.path = path;
    return parsed;
}

QByteArray ProfileFileBytes(const CueProfile& p) {
    const auto yes = [](bool on, const char* a, const char* b) {
        return QLatin1String(on ? a : b);
    };
    QStringList lines = {
        QStringLiteral(
            "# A Vellorin cue profile: calls written m:ss are spoken, bare numbers counted."),
        QStringLiteral("format = %1 %2")
            .arg(QLatin1String(kProfileFormat))
            .arg(kProfileFormatVersion),
        QStringLiteral("name = ") + p.name.simplified(),
        QStringLiteral("sound = ") + yes(p.sound == CueVoice::Tones, "tones", "words"),
        QStringLiteral("hold-cue = ") + yes(p.top, "top", "hold"),
        QStringLiteral("rest-calls = ") + CallsText(p.restCalls),
        QStringLiteral("hold-calls = ") + CallsText(p.holdCalls),
        QStringLiteral("last-hold-calls = ") + CallsText(p.lastHoldCalls),
        QStringLiteral("elapsed-every = ") + MinutesText(p.elapsedEvery),
        QStringLiteral("last-breath = %1").arg(p.lastBreath),
        QStringLiteral("recovery-breaths = %1").arg(p.recoveryBreaths),
        QStringLiteral("pace = ") + (p.paceIn > 0
                                         ? QStringLiteral("%1 %2").arg(p.paceIn).arg(p.paceOut)
                                         : QStringLiteral("none")),
        QStringLiteral("pace-last = ") +
            (p.paceLast == kPaceWholeRest ? QStringLiteral("all") : MinutesText(p.paceLast)),
        QStringLiteral("pace-sound = ") + yes(p.paceWords, "words", "tones"),
        QStringLiteral("end-summary = ") + yes(p.endSummary, "yes", "no"),
    };
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

QString WriteProfileFile(const QString& path, const CueProfile& profile) {
    if (const QStringList problems = ProfileProblems(profile); !problems.isEmpty()) {
        return problems.first();
    }
    return ReplaceFileWith(path, ProfileFileBytes(profile));
}

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
    return {std::nullopt,
            QStringLiteral("There is no cue profile \"%1\": the profiles are %2, or those in "
                           "\"%3\".")
                .arg(name, BuiltInProfileKeys().join(QStringLiteral(", ")),
                     UserProfileFolder(userDataFolder)),
            {}};
}

}  // namespace vellorin
