#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

namespace vellorin {

// A moment that is called out, by the seconds left (or, for elapsed calls, held): counted
// as a bare number ("ten") or spoken as a duration ("ten seconds", "one minute thirty").
struct CueCall {
    qint32 seconds = 0;
    bool spoken = false;

    bool operator==(const CueCall&) const = default;
};

// The seconds a counted call can say (one to twenty) and the durations a spoken one can
// (10, 15, 20, 30 and 45 s, whole minutes to 30:00 and the half minutes to 11:30).
inline constexpr qint32 kMostCounted = 20;
inline constexpr qint32 kMostSpokenMinutes = 30;
inline constexpr qint32 kMostSpokenHalfMinutes = 11;
bool IsSpeakable(const CueCall& call);

// Whether cues are words or short tones.
enum class CueVoice { Words, Tones };

// What is heard, and when, for every phase of every kind of table. The classic profile is
// the program's first cue set: the countdown of 15, 10 and 5 to 1 seconds before each hold
// and in the last hold, "hold", "breathe" and the end.
struct CueProfile {
    QString name;  // the built-in profiles' keys, or the name a user gave a profile
    CueVoice sound = CueVoice::Words;
    bool top = false;              // the hold's first second says "official top", not "hold"
    QList<CueCall> restCalls;      // by the seconds left in the intro and in every rest
    QList<CueCall> holdCalls;      // by the seconds left in every hold
    QList<CueCall> lastHoldCalls;  // by the seconds left in the session's last hold, besides
    qint32 elapsedEvery = 0;       // a hold's time held, every so many seconds; 0 for none
    qint32 lastBreath = 0;         // "last breath", so many seconds before each hold; 0: none
    qint32 recoveryBreaths = 0;    // hook breaths guided after each hold but the last
    qint32 paceIn = 0;             // breathe-up pacing: the seconds of an inhale...
    qint32 paceOut = 0;            // ...and of an exhale; 0 for no pacing
    qint32 paceLast = 0;           // the last seconds of the intro and each rest paced
    bool paceWords = false;        // pacing said in words, not soft tones
    bool endSummary = false;       // the end cue is followed by the holds and the time held

    bool operator==(const CueProfile&) const = default;
};

// paceLast for pacing the whole of every rest (after the recovery breaths).
inline constexpr qint32 kPaceWholeRest = 86400;
inline constexpr qint32 kMostRecoveryBreaths = 3;
// The seconds of one guided recovery breath: in at 1, hold at 3, out at 6 after its start.
inline constexpr qint32 kRecoveryBreathSeconds = 7;

// The built-in profiles, Classic first: their keys (classic, guided, competition, tones).
QStringList BuiltInProfileKeys();
std::optional<CueProfile> BuiltInProfile(const QString& key);
inline constexpr char kClassicProfile[] = "classic";

// What keeps a profile from being used, one sentence each ("the rest call 0:25 cannot be
// spoken"); empty for a profile that can.
QStringList ProfileProblems(const CueProfile& profile);

}  // namespace vellorin
