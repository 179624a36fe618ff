#pragma once

#include <QString>
#include <optional>

#include "rounds_table.h"
#include "trainer_window.h"

namespace vellorin {

// The classic table of the window's six settings as a table of rounds: the intro, every hold
// and every rest exactly as a session started now would run them (computed by SessionPlan,
// each rounded as the session rounds it), consecutive equal rounds made one row with a
// repeat. The last hold's rest, never run, is the one before it (for a single hold, the
// initial rest when it could be run, else 2:00), so that a row added after it starts from a
// rest the table knows.
struct ClassicRounds {
    std::optional<RoundsTable> table;
    QString problem;  // why there is no table: Start's refusal, or a phase beyond a day
};
ClassicRounds RoundsFromClassic(const TrainerWindow& window);

}  // namespace vellorin
