#pragma once

#include "session_controller.h"

namespace vellorin {

// The session from the keyboard, for a user whose eyes are closed: one key that can never
// throw a running session back to its start, and a deliberate chord that can.
class SessionKeys {
public:
    SessionKeys(SessionController& controller, TrainerWindow& window)
        : controller_(controller), window_(window) {}

    // Space: starts a session when none runs (idle, or after the end), and pauses or resumes
    // one that runs, saying "paused" or "resumed" so that the user hears the key was taken.
    // Returns what it did.
    enum class Did { Started, Paused, Resumed, Nothing };
    Did Space();
    // Ctrl+R: resets a started session; does nothing when idle (it never starts one).
    void Reset();

private:
    SessionController& controller_;
    TrainerWindow& window_;
};

}  // namespace vellorin
