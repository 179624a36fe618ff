#pragma once

#include "rounds_table.h"

namespace vellorin::bench {

// A table of 1,000 rows, one round each and every row its own: timed holds of 5 to 14 s and,
// every fifth row, a hold that ends 5 s after the first contraction (capped at 8 to 17 s),
// each followed in turn by a timed rest of 5 to 11 s, a rest on a 20 to 24 s cycle or a
// one-breath rest of at most 5 s. Every kind of row the list shows, and short enough that
// a few minutes of session run through many of its rounds.
RoundsTable ThousandRounds();

}  // namespace vellorin::bench
