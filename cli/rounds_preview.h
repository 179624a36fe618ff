#pragma once

#include <QString>

#include "rounds_table.h"

namespace vellorin {

// A table of rounds as text: its name when it has one, the intro, then one line a round in
// the order a session runs them, its number, its hold and the rest after it (none after the
// last), then the total. A hold that ends at a contraction shows its rule and its cap
// ("first contraction + 00:30, up to 03:00"), a rest its rule ("cycle 02:00 (at least
// 00:15)", "one breath (up to 00:10)"), and the total is the most the table lasts, "up to",
// when a phase ends at a contraction or a key.
QString RoundsPreview(const RoundsTable& table);

// The texts of one hold's and one rest's rule, as the preview shows them.
QString HoldText(const HoldRule& hold);
QString RestText(const RestRule& rest);

}  // namespace vellorin
