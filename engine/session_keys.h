#pragma once

#include "session_controller.h"
#include "session_recorder.h"

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
    // Enter or C. While a session runs or is paused, and during a personal-best test, the
    // key belongs to the session wherever the focus is, so that it can never click a button
    // or type into a field: in a hold of the session it marks a contraction with a soft click,
    // in a one-breath rest that has run a second it ends the rest with the same click (the
    // next hold starts at the next tick), anywhere else a soft "not now" sounds. Returns false when neither is under way: the key
    // is then the focused control's.
    bool ContractionKey(SessionRecorder& recorder, bool testRunning);

private:
    SessionController& controller_;
    TrainerWindow& window_;
};

}  // namespace vellorin
