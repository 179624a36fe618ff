#include "cue_schedule.h"

#include "cue_catalogue.h"

namespace vellorin {

QList<Cue> CuesOf(const CueMoment& moment) {
    using Phase = CueMoment::Phase;
    QList<Cue> cues;
    const bool countdown = IsCountdownSecond(moment.left);
    switch (moment.phase) {
        case Phase::Intro:
        case Phase::Rest:
            if (countdown) {
                cues.append({Cue::Kind::Countdown, moment.left});
            }
            break;
        case Phase::Hold:
            if (moment.holdStart) {
                cues.append({Cue::Kind::Hold});
            }
            if (!moment.lastLoop && moment.left == 1) {
                cues.append({Cue::Kind::StopHold});
            }
            if (moment.lastLoop && countdown) {
                cues.append({Cue::Kind::Countdown, moment.left});
            }
            break;
        case Phase::End:
            cues.append({Cue::Kind::SessionEnd});
            break;
    }
    return cues;
}

QString CueFile(const Cue& cue) {
    switch (cue.kind) {
        case Cue::Kind::Countdown:
            return CountdownCue(cue.count);
        case Cue::Kind::Hold:
            return QString::fromLatin1(kHoldCue);
        case Cue::Kind::StopHold:
            return QString::fromLatin1(kStopHoldCue);
        case Cue::Kind::SessionEnd:
            return QString::fromLatin1(kSessionEndCue);
    }
    return {};
}

}  // namespace vellorin
