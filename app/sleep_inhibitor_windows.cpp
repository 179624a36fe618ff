#include <windows.h>

#include "sleep_inhibitor.h"

namespace vellorin {

void SleepInhibitor::SetInhibited(bool inhibited) {
    if (inhibited == inhibited_) {
        return;
    }
    // ES_CONTINUOUS keeps the state until the next call; alone, it clears the request.
    const EXECUTION_STATE wanted =
        inhibited ? ES_CONTINUOUS | ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED : ES_CONTINUOUS;
    inhibited_ = SetThreadExecutionState(wanted) != 0 && inhibited;
}

}  // namespace vellorin
