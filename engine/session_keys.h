#pragma once

#include "session_controller.h"

namespace vellorin {

// The session from the keyboard, for a user whose eyes are closed: one key that can never
// throw a running session back to its start, and a deliberate chord that can.
class SessionKeys {
public:
    explicit SessionKeys(SessionController& controller) : controller_(controller) {}

    // Space: starts a session when none runs (idle, or after the end), and pauses or resumes
    // one that runs. Returns what it did.
    enum class Did { Started, Paused, Resumed, Nothing };
    Did Space();
    // Ctrl+R: resets a started session; does nothing when idle (it never starts one).
    void Reset();

private:
    SessionController& controller_;
};

}  // namespace vellorin
