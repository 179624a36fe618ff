// Reads and writes cue profile files, refusing anything it does not know by line and reason.
#include "cue_profile_file.h"

#include <QCoreApplication>
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

// The refusal of a line of the file, for a reason such as "it is not a cue profile".
Refusal AtLine(int line, const QString& reason) {
    //: %1 is a line's number in the cue profile's file, %2 what is wrong with it.
    return {QCoreApplication::translate("ProfileFile", "line %1: %2")
                .arg(QString::number(line), reason)};
}

QString MinutesText(qint32 seconds) {
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

qint32 Seconds(const QString& value, qint32 most) {
    const std::optional<qint32> seconds = ParseClockText(value);
    if (!seconds || *seconds < 0 || *seconds > most) {
        //: %1 is the value in the file, %2 the longest time it may be, like 1:00.
        throw Refusal{
            QCoreApplication::translate("ProfileFile", "\"%1\" is not a time from 0 to %2")
                .arg(value, MinutesText(most))};
    }
    return *seconds;
}

QList<CueCall> Calls(const QString& value) {
    QList<CueCall> calls;
    for (const QString& word : value.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const bool spoken = word.contains(QLatin1Char(':'));
        const std::optional<qint32> seconds = ParseClockText(word);
        if (!seconds || !IsSpeakable({*seconds, spoken})) {
            //: A call is a time said (written m:ss) or a second counted (a bare number); %1 is
            //: the call as the file writes it.
            throw Refusal{(spoken
                               ? QCoreApplication::translate("ProfileFile",
                                                             "the call \"%1\" cannot be spoken")
                               : QCoreApplication::translate(
                                     "ProfileFile", "the call \"%1\" cannot be counted (1 to 20)"))
                              .arg(word)};
        }
        calls.append({*seconds, spoken});
    }
    return calls;
}

bool Choice(const QString& value, const char* yes, const char* no) {
    if (value == QLatin1String(yes) || value == QLatin1String(no)) {
        return value == QLatin1String(yes);
    }
    //: Why a value ("it") is refused; %1 and %2 are the two words the file may hold, kept as
    //: they are.
    throw Refusal{QCoreApplication::translate("ProfileFile", "it must be %1 or %2")
                      .arg(QLatin1String(yes), QLatin1String(no))};
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
                 throw Refusal{QCoreApplication::translate("ProfileFile",
                                                           "the name must be 1 to 100 characters")};
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
                 //: Why a value ("it") of a cue profile's file is refused.
                 throw Refusal{QCoreApplication::translate("ProfileFile",
                                                           "it must be a whole number from 0 to %1")
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
                 //: Why a value ("it") is refused; none is the word the file holds for no paced
                 //: breathing, kept as it is.
                 throw Refusal{QCoreApplication::translate(
                     "ProfileFile", "it must be two counts of seconds, or none")};
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
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0) {
            //: Why a line ("it") of a cue profile's file is refused.
            throw AtLine(i + 1,
                         QCoreApplication::translate("ProfileFile", "it is not \"key = value\""));
        }
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).simplified();
        if (seen.contains(key)) {
            //: %1 is a setting's key in the file, such as rest-calls.
            throw AtLine(
                i + 1,
                QCoreApplication::translate("ProfileFile", "\"%1\" is given again").arg(key));
        }
        seen.insert(key, i + 1);
        try {
            if (key == QLatin1String("format")) {
                static const QRegularExpression format(
                    QStringLiteral("^vellorin-cues (\\d{1,9})$"));
                const QRegularExpressionMatch match = format.match(value);
                if (!match.hasMatch() || match.captured(1).toInt() < 1) {
                    //: Why a file ("it") cannot be loaded as a cue profile.
                    throw Refusal{
                        QCoreApplication::translate("ProfileFile", "it is not a cue profile")};
                }
                if (match.captured(1).toInt() > kProfileFormatVersion) {
                    //: Why a cue profile's file ("it") cannot be loaded.
                    throw Refusal{QCoreApplication::translate(
                        "ProfileFile", "it was written by a newer Vellorin")};
                }
                continue;
            }
            const auto found = std::ranges::find(Keys(), key, &std::pair<QString, Setter>::first);
            if (found == Keys().end()) {
                //: %1 is a key in the file.
                throw Refusal{QCoreApplication::translate(
                                  "ProfileFile", "\"%1\" is not a setting of a cue profile")
                                  .arg(key)};
            }
            found->second(profile, value);
        } catch (const Refusal& refusal) {
            throw AtLine(i + 1, refusal.reason);
        }
    }
    for (const char* needed : {"format", "name"}) {
        if (!seen.contains(QString::fromLatin1(needed))) {
            //: %1 is a key the file must hold, format or name, kept as it is.
            throw Refusal{QCoreApplication::translate("ProfileFile", "\"%1\" is missing")
                              .arg(QLatin1String(needed))};
        }
    }
    if (const QStringList problems = ProfileProblems(profile); !problems.isEmpty()) {
        throw Refusal{problems.first()};
    }
    return profile;
}

QString CouldNotLoad(const QString& path, const QString& reason) {
    //: %1 is the cue profile's file name, %2 the reason it cannot be loaded.
    return QCoreApplication::translate("ProfileFile", "Could not load the cue profile \"%1\": %2.")
        .arg(path, reason);
}

}  // namespace

ProfileFileRead ParseProfileFile(const QByteArray& bytes, const QString& path) {
    const auto refused = [&](const QString& reason) {
        return ProfileFileRead{std::nullopt, CouldNotLoad(path, reason), {}};
    };
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError() || text.contains(QChar(0))) {
        //: Why a file ("it") cannot be loaded as a cue profile.
        return refused(QCoreApplication::translate("ProfileFile", "it is not UTF-8 text"));
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
        return {std::nullopt, CouldNotLoad(path, read.problem), path};
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

}  // namespace vellorin
