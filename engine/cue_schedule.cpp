#include "cue_schedule.h"

#include <algorithm>

#include "cue_catalogue.h"

namespace vellorin {
namespace {

using Kind = Cue::Kind;
using Phase = CueMoment::Phase;

// The ranks of the precedence rule; kAlways plays whatever else falls on its tick.
enum Rank { kPacing, kElapsed, kRemaining, kLastBreath, kRecovery, kAlways };
inline constexpr qint32 kLongestCue = 2;  // seconds

struct Slot {
    Slot(Cue cue_, int rank_ = kAlways, qint32 length_ = 1, QList<qint32> with_ = {})
        : cue(cue_), rank(rank_), length(length_), with(std::move(with_)) {}

    Cue cue;
    int rank;
    qint32 length;
    // The seconds, from this one, of the cues of its rank it goes with: it plays only where
    // they can too (the three words of a recovery breath, an exhale's inhale).
    QList<qint32> with;
};

void AddCall(QList<Slot>& found, const CueCall& call) {
    const Slot slot = call.spoken ? Slot{{Kind::Call, call.seconds}, kRemaining, 2}
                                  : Slot{{Kind::Countdown, call.seconds}, kAlways, 1};
    if (std::ranges::none_of(found, [&](const Slot& s) { return s.cue == slot.cue; })) {
        found.append(slot);
    }
}

void AddCalls(QList<Slot>& found, const QList<CueCall>& calls, qint32 left) {
    for (const CueCall& call : calls) {
        if (call.seconds == left) {
            AddCall(found, call);
        }
    }
}

// The recovery breaths after a hold and the breathe-up pacing before the next.
void AddBreathing(QList<Slot>& found, const CueProfile& p, const CueMoment& m) {
    const qint32 recovery = m.phase == Phase::Rest ? p.recoveryBreaths * kRecoveryBreathSeconds : 0;
    if (m.elapsed < recovery) {
        const qint32 step = m.elapsed % kRecoveryBreathSeconds;
        // In at 1, hold at 3, out at 6: a breath is guided whole or not at all.
        if (step == 1 || step == 3 || step == 6) {
            const Kind kind = step == 1   ? Kind::BreatheIn
                              : step == 3 ? Kind::HoldBreath
                                          : Kind::BreatheOut;
            QList<qint32> with;
            for (const qint32 other : {1, 3, 6}) {
                if (other != step) {
                    with.append(other - step);
                }
            }
            found.append(Slot{{kind}, kRecovery, 1, with});
        }
        return;
    }
    // The exhales end at "last breath" (or at the hold): counted back from there, each cycle
    // is an inhale of paceIn and an exhale of paceOut seconds.
    const qint32 beforeLast = m.left - p.lastBreath;
    if (p.paceIn <= 0 || p.paceOut <= 0 || m.left > p.paceLast || beforeLast <= 0) {
        return;
    }
    const qint32 step = beforeLast % (p.paceIn + p.paceOut);
    if (step == 0 || step == p.paceOut) {
        const bool in = step == 0;
        const Kind kind = p.paceWords ? (in ? Kind::BreatheIn : Kind::BreatheOut)
                                      : (in ? Kind::PaceIn : Kind::PaceOut);
        // An exhale is paced only after its inhale was.
        found.append(Slot{{kind}, kPacing, 1, in ? QList<qint32>{} : QList<qint32>{-p.paceIn}});
    }
}

// The end cue, and after it the holds done and the time held, as far as they can be said.
void AddSummary(QList<Slot>& found, const CueProfile& p, const CueMoment& m) {
    found.append(Slot{{Kind::SessionEnd}});
    if (!p.endSummary || p.sound == CueVoice::Tones) {
        return;
    }
    if (m.holdsDone >= 1 && m.holdsDone <= kMostCounted) {
        found.append(Slot{{Kind::Countdown, m.holdsDone, true}});
        found.append(Slot{{Kind::Holds, m.holdsDone, true}});
    }
    // The time held, to the nearest time that can be said, where that is within half a
    // minute of it; nothing where it is not.
    for (qint32 off = 0; off <= 30; ++off) {
        for (const qint32 held : {m.totalHeld - off, m.totalHeld + off}) {
            if (held > 0 && IsSpeakable({held, true})) {
                found.append(Slot{{Kind::TotalHeld, 0, true}});
                found.append(Slot{{Kind::Call, held, true}});
                return;
            }
        }
    }
}

QList<Slot> Candidates(const CueProfile& p, const CueMoment& m) {
    QList<Slot> found;
    switch (m.phase) {
        case Phase::Intro:
        case Phase::Rest:
            AddCalls(found, p.restCalls, m.left);
            if (p.lastBreath > 0 && m.left == p.lastBreath) {
                found.append(Slot{{Kind::LastBreath}, kLastBreath, 2});
            }
            AddBreathing(found, p, m);
            break;
        case Phase::Hold:
            if (m.holdStart) {
                found.append(Slot{{p.top ? Kind::Top : Kind::Hold}});
            }
            if (!m.lastLoop && m.left == 1) {
                found.append(Slot{{Kind::StopHold}});
            }
            AddCalls(found, p.holdCalls, m.left);
            if (m.lastLoop) {
                AddCalls(found, p.lastHoldCalls, m.left);
            }
            if (p.elapsedEvery > 0 && m.elapsed > 0 && m.elapsed % p.elapsedEvery == 0 &&
                (p.sound == CueVoice::Tones || IsSpeakable({m.elapsed, true}))) {
                found.append(Slot{{Kind::Call, m.elapsed}, kElapsed, 2});
            }
            break;
        case Phase::End:
            AddSummary(found, p, m);
            break;
    }
    // Phase cues and counted seconds first, in the order they were added, so that the
    // counted second is the one heard.
    std::stable_sort(found.begin(), found.end(),
                     [](const Slot& a, const Slot& b) { return a.rank > b.rank; });
    return found;
}

CueMoment Shifted(const CueMoment& m, qint32 seconds) {
    CueMoment shifted = m;
    shifted.left -= seconds;
    shifted.elapsed += seconds;
    shifted.holdStart = m.phase == Phase::Hold && shifted.elapsed == 0;
    return shifted;
}

bool Placed(const CueProfile& p, const CueMoment& m, const QList<Slot>& here, qsizetype index);

// Whether a cue of the rank and length at m is cut off or covered by another that plays.
bool Crossed(const CueProfile& p, const CueMoment& m, const Slot& slot, qsizetype index,
             const QList<Slot>& here) {
    for (qsizetype i = 0; i < here.size(); ++i) {
        const bool before = here[i].rank > slot.rank || (here[i].rank == slot.rank && i < index);
        if (before && Placed(p, m, here, i)) {
            return true;
        }
    }
    for (qint32 s = 1; s < slot.length; ++s) {  // what starts while it sounds
        const CueMoment ahead = Shifted(m, s);
        const QList<Slot> there = Candidates(p, ahead);
        for (qsizetype i = 0; i < there.size(); ++i) {
            if (there[i].rank > slot.rank && Placed(p, ahead, there, i)) {
                return true;
            }
        }
    }
    for (qint32 s = 1; s < kLongestCue && s <= m.elapsed; ++s) {  // what still sounds
        const CueMoment behind = Shifted(m, -s);
        const QList<Slot> there = Candidates(p, behind);
        for (qsizetype i = 0; i < there.size(); ++i) {
            if (there[i].length > s && there[i].rank >= slot.rank && Placed(p, behind, there, i)) {
                return true;
            }
        }
    }
    return false;
}

// Whether a cue is heard whole, by itself.
bool PlacedAlone(const CueProfile& p, const CueMoment& m, const QList<Slot>& here,
                 qsizetype index) {
    const Slot& slot = here[index];
    if (slot.rank == kAlways) {
        return true;
    }
    if (m.left - slot.length < 0 || m.elapsed < 0) {  // it would run into another phase
        return false;
    }
    return !Crossed(p, m, slot, index, here);
}

bool Placed(const CueProfile& p, const CueMoment& m, const QList<Slot>& here, qsizetype index) {
    if (!PlacedAlone(p, m, here, index)) {
        return false;
    }
    for (const qint32 offset : here[index].with) {
        const CueMoment there = Shifted(m, offset);
        const QList<Slot> found = Candidates(p, there);
        const auto other = std::ranges::find(found, here[index].rank, &Slot::rank);
        if (other == found.end() || !PlacedAlone(p, there, found, other - found.begin())) {
            return false;
        }
    }
    return true;
}

QString DurationFile(qint32 seconds) {
    if (seconds < 60) {
        return QStringLiteral("%1s.wav").arg(seconds);
    }
    return seconds % 60 == 0 ? MinuteCue(seconds / 60)
                             : QStringLiteral("%1min30.wav").arg(seconds / 60);
}

}  // namespace

QList<Cue> CuesOf(const CueProfile& profile, const CueMoment& moment) {
    const QList<Slot> found = Candidates(profile, moment);
    QList<Cue> cues;
    for (qsizetype i = 0; i < found.size(); ++i) {
        if (Placed(profile, moment, found, i)) {
            cues.append(found[i].cue);
        }
    }
    return cues;
}

QString CueFile(const Cue& cue, CueVoice sound) {
    const bool tones = sound == CueVoice::Tones;
    switch (cue.kind) {
        case Kind::Countdown:
            return tones ? QStringLiteral("tick.wav") : CountdownCue(cue.count);
        case Kind::Hold:
        case Kind::Top:
            if (tones) {
                return QStringLiteral("tone-hold.wav");
            }
            return cue.kind == Kind::Hold ? QString::fromLatin1(kHoldCue)
                                          : QStringLiteral("top.wav");
        case Kind::StopHold:
            return tones ? QStringLiteral("tone-breathe.wav") : QString::fromLatin1(kStopHoldCue);
        case Kind::SessionEnd:
            return tones ? QStringLiteral("tone-end.wav") : QString::fromLatin1(kSessionEndCue);
        case Kind::Call:
            return tones ? QStringLiteral("tone-call.wav") : DurationFile(cue.count);
        case Kind::LastBreath:
            return tones ? QStringLiteral("tone-last.wav") : QStringLiteral("lastbreath.wav");
        case Kind::BreatheIn:
            return tones ? QStringLiteral("pace-in.wav") : QStringLiteral("breathein.wav");
        case Kind::HoldBreath:
            return tones ? QStringLiteral("pace-hold.wav") : QStringLiteral("holdit.wav");
        case Kind::BreatheOut:
            return tones ? QStringLiteral("pace-out.wav") : QStringLiteral("breatheout.wav");
        case Kind::PaceIn:
            return QStringLiteral("pace-in.wav");
        case Kind::PaceOut:
            return QStringLiteral("pace-out.wav");
        case Kind::Holds:
            return cue.count == 1 ? QString::fromLatin1(kHoldCue) : QStringLiteral("holds.wav");
        case Kind::TotalHeld:
            return QStringLiteral("totalheld.wav");
    }
    return {};
}

QList<Cue> EveryCue() {
    QList<Cue> cues;
    for (qint32 n = 1; n <= kMostCounted; ++n) {
        cues.append({Kind::Countdown, n});
    }
    for (qint32 s = 1; s <= kMostSpokenMinutes * 60; ++s) {
        if (IsSpeakable({s, true})) {
            cues.append({Kind::Call, s});
        }
    }
    for (Kind kind : {Kind::Hold, Kind::StopHold, Kind::SessionEnd, Kind::Top, Kind::LastBreath,
                      Kind::BreatheIn, Kind::HoldBreath, Kind::BreatheOut, Kind::PaceIn,
                      Kind::PaceOut, Kind::TotalHeld}) {
        cues.append({kind});
    }
    cues.append({Kind::Holds, 2});
    return cues;
}

QStringList ProfileCueFiles() {
    QStringList files;
    for (CueVoice voice : {CueVoice::Words, CueVoice::Tones}) {
        for (const Cue& cue : EveryCue()) {
            files.append(CueFile(cue, voice));
        }
    }
    files.removeDuplicates();
    return files;
}

}  // namespace vellorin
