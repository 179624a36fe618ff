#pragma once

#include <QString>
#include <QtGlobal>

namespace vellorin {

// The phase a session is in. It is a value, never a displayed word: the window and the
// command line name it in the user's language (CaptionText).
enum class Phase : quint8 { Intro, Hold, Rest };

// The phase's name in diagnostics and in what tests print ("Intro", "Hold", "Rest"); never shown.
inline QString PhaseKey(Phase phase) {
    static const char* const keys[] = {"Intro", "Hold", "Rest"};
    return QString::fromLatin1(keys[static_cast<int>(phase)]);
}

// The session controller's eight state variables.
struct SessionState {
    qint16 Mode = 0;       // 0: idle, the button offers Start; 1: started or ended, it offers Reset
    qint16 PauseMode = 0;  // 1: ticks are ignored
    Phase Sequence = Phase::Intro;
    qint16 CurLoop = 1;
    qint32 IntroTime = 0;  // seconds left in each phase, counting the current one
    qint32 HoldTime = 0;
    qint32 RestTime = 0;
    qint32 SessionTime = 0;  // seconds left in the session

    bool operator==(const SessionState&) const = default;
};

}  // namespace vellorin
