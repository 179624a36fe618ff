#pragma once

#include <QString>
#include <QtGlobal>

namespace vellorin {

// The session controller's eight state variables.
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

}  // namespace vellorin
