#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

#include "classic_table.h"
#include "cue_schedule.h"
#include "rounds_run.h"
#include "session_plan.h"
#include "session_state.h"
#include "trainer_window.h"

namespace vellorin {

inline constexpr char kStartErrorMessage[] = QT_TRANSLATE_NOOP(
    "SessionController", "An error occured. Please check the values in the input fields.");

// The message in the language in use.
inline QString StartErrorMessage() {
    return QCoreApplication::translate("SessionController", kStartErrorMessage);
}

// The two kinds of table a session runs: the six settings, or a table of rounds.
enum class TableKind { Classic, Rounds };

// Runs one breath-hold session: Start/Reset, Pause/Resume and the one-second tick, with
// the four display labels and the spoken cues. It runs the classic table of the six fields
// unless a table of rounds is chosen; both go through the same ticks, cues and labels.
class SessionController {
public:
    explicit SessionController(TrainerWindow& window)
        : window_(window), plan_(window), classic_(plan_) {}

    void ControlCmd_Click();
    void PauseCmd_Click();
    void SecondsTimer_Timer();
    void ResetSession();

    const SessionState& State() const { return state_; }
    // The loop and phase the displays show: the state as the last tick began. The tick that
    // ends a phase shows it, and the next phase shows from the next tick on.
    const SessionState& Shown() const { return shown_; }
    // A session was started and has run to its end tick (Mode is still 1 until Reset).
    bool Ended() const { return ended_; }

    // The table of rounds the next Start runs; nothing for the classic table of the fields.
    // A session under way keeps the table it started with.
    void ChooseRounds(std::optional<RoundsTable> table) { chosen_ = std::move(table); }
    const std::optional<RoundsTable>& ChosenRounds() const { return chosen_; }
    // The cues the next Start plays; a session under way keeps the profile it started with.
    void ChooseProfile(CueProfile profile) { chosenProfile_ = std::move(profile); }
    const CueProfile& ChosenProfile() const { return chosenProfile_; }
    // The table of rounds of the session last started (running, ended or reset); null for a
    // classic session and before the first Start.
    const RoundsRun* Rounds() const { return rounds_ ? &*rounds_ : nullptr; }
    TableKind Kind() const { return rounds_ ? TableKind::Rounds : TableKind::Classic; }
    // A contraction marked in the hold under way, for a hold that ends at a contraction;
    // false when the session does not take it (the recorder keeps every mark regardless).
    bool MarkContraction();
    // The breath key in a one-breath rest that has run a second: the next hold begins, its
    // first second at the next tick. False when no such rest is under way.
    bool TakeBreath();
    // Ends the hold under way at the next tick, its last second, with the breathe cue (the
    // low-SpO2 alarm). False outside a hold, before its first second has run, in a pause,
    // or at its last second already.
    bool EndHold();
    // How the loop's hold and rest were to end, for the log.
    LoopRules Rules(qint16 loop, qint32 planned) const;

private:
    void Start();
    void Tick();
    void IntroTick();
    void HoldTick();
    void RestTick();
    void SetPause(qint16 pauseMode);
    // The rest's last second is over: the next loop's hold starts.
    void StartNextHold();
    bool UnderWay() const { return state_.Mode == 1 && !ended_; }
    SessionTable& Table() { return rounds_ ? static_cast<SessionTable&>(*rounds_) : classic_; }
    const SessionTable& Table() const {
        return rounds_ ? static_cast<const SessionTable&>(*rounds_) : classic_;
    }
    // Queues the tick's cues; the cues of a tick are played once the tick has succeeded.
    void IssueCues(CueMoment moment);
    void PlaySound(const QString& path);
    bool IsLastLoop() const;

    TrainerWindow& window_;
    SessionPlan plan_;
    ClassicTable classic_;
    std::optional<RoundsTable> chosen_;
    std::optional<RoundsRun> rounds_;
    SessionState state_;
    SessionState shown_;
    CueProfile chosenProfile_ = *BuiltInProfile(kClassicProfile);
    CueProfile profile_ = chosenProfile_;
    // The cues of the tick under way, each with whether it follows the one before.
    QList<std::pair<QString, bool>> pendingCues_;
    // The phase the last tick ran (its name and loop) and how many of its seconds ran
    // before it; the holds ended and their seconds, for the summary at the end.
    struct CueCount {
        std::pair<Phase, qint16> phase;
        qint32 elapsed = 0;
        qint32 holdsDone = 0;
        qint32 totalHeld = 0;
    };
    CueCount cueCount_;
    bool ended_ = false;
};

}  // namespace vellorin
