#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include "session_plan.h"
#include "trainer_window.h"

namespace vellorin {

inline constexpr char kStartErrorMessage[] =
    "An error occured. Please check the values in the input fields.";

// The controller's eight state variables.
struct SessionState {
    qint16 Mode = 0;       // 0: idle, the button offers Start; 1: started or ended, it offers Reset
    qint16 PauseMode = 0;  // 1: ticks are ignored
    QString Sequence = QStringLiteral("Intro");  // "Intro", "Hold" or "Rest"
    qint16 CurLoop = 1;
    qint32 IntroTime = 0;  // seconds left in each phase, counting the current one
    qint32 HoldTime = 0;
    qint32 RestTime = 0;
    qint32 SessionTime = 0;  // seconds left in the session

    bool operator==(const SessionState&) const = default;
};

// Runs one breath-hold session: Start/Reset, Pause/Resume and the one-second tick, with
// the four display labels and the spoken cues.
class SessionController {
public:
    explicit SessionController(TrainerWindow& window) : window_(window), plan_(window) {}

    void ControlCmd_Click();
    void PauseCmd_Click();
    void SecondsTimer_Timer();
    void ResetSession();

    const SessionState& State() const { return state_; }
    // A session was started and has run to its end tick (Mode is still 1 until Reset).
    bool Ended() const { return ended_; }

private:
    void Start();
    void Tick();
    void IntroTick();
    void HoldTick();
    void RestTick();
    void SetPause(qint16 pauseMode);
    // Queues a cue; the cues of a tick are played once the tick has succeeded.
    void IssueCue(const QString& cueFile);
    void PlaySound(const QString& path);
    bool IsLastLoop() const;

    TrainerWindow& window_;
    SessionPlan plan_;
    SessionState state_;
    QStringList pendingCues_;
    bool ended_ = false;
};

}  // namespace vellorin
