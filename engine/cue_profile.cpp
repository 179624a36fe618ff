#include "cue_profile.h"

#include <QCoreApplication>
#include <algorithm>

#include "allgemein.h"

namespace vellorin {
namespace {

QList<CueCall> Counted(std::initializer_list<qint32> seconds) {
    QList<CueCall> calls;
    for (qint32 s : seconds) {
        calls.append({s, false});
    }
    return calls;
}

QList<CueCall> Spoken(std::initializer_list<qint32> seconds) {
    QList<CueCall> calls;
    for (qint32 s : seconds) {
        calls.append({s, true});
    }
    return calls;
}

CueProfile Classic() {
    CueProfile profile;
    profile.name = QString::fromLatin1(kClassicProfile);
    profile.restCalls = Counted({15, 10, 5, 4, 3, 2, 1});
    profile.lastHoldCalls = profile.restCalls;
    return profile;
}

// Minute calls in the rest, 30 and 10 s left in every hold, the time held every minute, a
// last breath before each hold, two recovery breaths after it, and the last minute of each
// rest paced 4 s in and 8 s out, so that the last exhale ends at "last breath".
CueProfile Guided() {
    CueProfile profile;
    profile.name = QStringLiteral("guided");
    profile.restCalls = Spoken({300, 240, 180, 120, 60, 30, 10}) + Counted({5, 4, 3, 2, 1});
    profile.holdCalls = Spoken({30, 10});
    profile.lastHoldCalls = Counted({5, 4, 3, 2, 1});
    profile.elapsedEvery = 60;
    profile.lastBreath = 8;
    profile.recoveryBreaths = 2;
    profile.paceIn = 4;
    profile.paceOut = 8;
    profile.paceLast = 60;
    profile.endSummary = true;
    return profile;
}

// A competition's official countdown to the top.
CueProfile Competition() {
    CueProfile profile;
    profile.name = QStringLiteral("competition");
    profile.top = true;
    profile.restCalls = Spoken({120, 60, 30, 20, 10}) + Counted({5, 4, 3, 2, 1});
    profile.lastHoldCalls = Counted({10, 5, 4, 3, 2, 1});
    return profile;
}

CueProfile Tones() {
    CueProfile profile;
    profile.name = QStringLiteral("tones");
    profile.sound = CueVoice::Tones;
    profile.restCalls = Spoken({60, 30}) + Counted({10, 5, 4, 3, 2, 1});
    profile.lastHoldCalls = Counted({5, 4, 3, 2, 1});
    profile.elapsedEvery = 60;
    return profile;
}

// spoken and counted are QT_TRANSLATE_NOOP sentences, %1 standing for the call.
void CheckCalls(const QList<CueCall>& calls, const char* spoken, const char* counted,
                QStringList& problems) {
    for (const CueCall& call : calls) {
        if (!IsSpeakable(call)) {
            problems.append(
                call.spoken ? QCoreApplication::translate("CueProfile", spoken)
                                  .arg(FormatSeconds(call.seconds))
                            : QCoreApplication::translate("CueProfile", counted).arg(call.seconds));
        }
    }
}

}  // namespace

bool IsSpeakable(const CueCall& call) {
    const qint32 s = call.seconds;
    if (!call.spoken) {
        return s >= 1 && s <= kMostCounted;
    }
    if (s == 10 || s == 15 || s == 20 || s == 30 || s == 45) {
        return true;
    }
    if (s % 60 == 0) {
        return s >= 60 && s / 60 <= kMostSpokenMinutes;
    }
    return s % 60 == 30 && s > 60 && s / 60 <= kMostSpokenHalfMinutes;
}

QStringList BuiltInProfileKeys() {
    return {QString::fromLatin1(kClassicProfile), QStringLiteral("guided"),
            QStringLiteral("competition"), QStringLiteral("tones")};
}

std::optional<CueProfile> BuiltInProfile(const QString& key) {
    for (const CueProfile& profile : {Classic(), Guided(), Competition(), Tones()}) {
        if (profile.name == key) {
            return profile;
        }
    }
    return std::nullopt;
}

QStringList ProfileProblems(const CueProfile& p) {
    QStringList problems;
    //: A call is a time said in the rest, like "two minutes"; %1 is the call, like 00:25.
    CheckCalls(p.restCalls, QT_TRANSLATE_NOOP("CueProfile", "the rest call %1 cannot be spoken"),
               //: A call is a second counted in the rest, like "five"; %1 is the count.
               QT_TRANSLATE_NOOP("CueProfile", "the rest call %1 cannot be counted"), problems);
    //: A call is a time said in a hold, like "thirty seconds"; %1 is the call, like 00:25.
    CheckCalls(p.holdCalls, QT_TRANSLATE_NOOP("CueProfile", "the hold call %1 cannot be spoken"),
               //: A call is a second counted in a hold, like "five"; %1 is the count.
               QT_TRANSLATE_NOOP("CueProfile", "the hold call %1 cannot be counted"), problems);
    //: A call is a time said in the session's last hold; %1 is the call, like 00:25.
    CheckCalls(
        p.lastHoldCalls, QT_TRANSLATE_NOOP("CueProfile", "the last hold call %1 cannot be spoken"),
        //: A call is a second counted in the session's last hold; %1 is the count.
        QT_TRANSLATE_NOOP("CueProfile", "the last hold call %1 cannot be counted"), problems);
    // A time held is said up to 30:00.
    if (p.elapsedEvery < 0 || p.elapsedEvery % 30 != 0 ||
        p.elapsedEvery > kMostSpokenMinutes * 60) {
        //: The elapsed calls say how long a hold has lasted.
        problems.append(QCoreApplication::translate(
            "CueProfile",
            "the elapsed calls must come every 0:30, 1:00, ... up to 30:00, or never (0)"));
    }
    if (p.lastBreath < 0 || p.lastBreath > 60) {
        //: The last breath: the cue that asks for the last breath before a hold.
        problems.append(QCoreApplication::translate(
            "CueProfile", "the last breath must come 0 to 60 seconds before a hold"));
    }
    if (p.recoveryBreaths < 0 || p.recoveryBreaths > kMostRecoveryBreaths) {
        //: The recovery breaths: the breaths called for after a hold.
        problems.append(
            QCoreApplication::translate("CueProfile", "the recovery breaths must be 0 to 3"));
    }
    const bool paced = p.paceIn != 0 || p.paceOut != 0;
    if (paced && (p.paceIn < 2 || p.paceIn > 20 || p.paceOut < 2 || p.paceOut > 30)) {
        //: A paced breath: a breath in and out timed by the cues in a rest.
        problems.append(QCoreApplication::translate(
            "CueProfile", "a paced breath must be 2 to 20 seconds in and 2 to 30 seconds out"));
    }
    if (p.paceLast < 0 || (p.paceLast > 3600 && p.paceLast != kPaceWholeRest)) {
        //: The paced part: the end of a rest in which the cues time each breath.
        problems.append(QCoreApplication::translate(
            "CueProfile", "the paced part of a rest must be 0 to 1:00:00, or all"));
    }
    return problems;
}

}  // namespace vellorin
