#include "session_recorder.h"

namespace vellorin {
namespace {

const QString kHold = QStringLiteral("Hold");

}  // namespace

std::optional<SessionRecord> SessionRecorder::Observe(const SessionState& state, bool ended,
                                                      const QString& table, const QDateTime& now) {
    const SessionState before = last_;
    const bool wasEnded = lastEnded_;
    last_ = state;
    lastEnded_ = ended;
    // Start, also the one Space makes straight after the end of a session.
    if ((before.Mode == 0 || wasEnded) && state.Mode == 1 && !ended) {
        QStringList settings;
        for (Field field : kSettingsFields) {
            settings.append(window_.FieldText(field));
        }
        record_ = SessionRecord{now, table, settings, {}};
        return std::nullopt;
    }
    if (!record_) {
        return std::nullopt;
    }
    // Only a tick of a hold changes a hold's count or ends it; Start, Pause and Reset do not.
    const bool holdTick = before.Mode == 1 && state.Mode == 1 && !wasEnded &&
                          before.Sequence == kHold && before.PauseMode == 0 &&
                          (state.HoldTime != before.HoldTime || state.Sequence != before.Sequence);
    if (holdTick) {
        QList<HoldRecord>& holds = record_->holds;
        if (holds.isEmpty() || holds.constLast().loop != before.CurLoop) {
            holds.append(HoldRecord{before.CurLoop, before.HoldTime, 0, std::nullopt, 0, false});
        }
        holds.last().held += 1;
        holds.last().completed = before.HoldTime == 1;
    }
    if ((ended && !wasEnded) || state.Mode == 0) {  // the end tick, or Reset
        return Finish();
    }
    return std::nullopt;
}

bool SessionRecorder::MarkContraction(const SessionState& state) {
    if (!record_ || record_->holds.isEmpty() || lastEnded_ || state.Sequence != kHold) {
        return false;
    }
    HoldRecord& hold = record_->holds.last();
    if (hold.completed || hold.loop != state.CurLoop) {
        return false;  // between the intro's last second and the hold's first
    }
    if (!hold.firstContraction) {
        hold.firstContraction = hold.held;
    }
    hold.contractions += 1;
    return true;
}

std::optional<SessionRecord> SessionRecorder::Close() {
    return Finish();
}

std::optional<SessionRecord> SessionRecorder::Finish() {
    std::optional<SessionRecord> finished = std::move(record_);
    record_.reset();
    if (finished && finished->holds.isEmpty()) {
        return std::nullopt;
    }
    return finished;
}

}  // namespace vellorin
