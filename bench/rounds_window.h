#pragma once

#include <QString>

namespace vellorin::bench {

// The real window with its data in data, in a process of its own, used the way a user does:
// Load (Ctrl+O's action, the file dialog answering file), then Space. Prints one line,
//   window BUILT DRAWN ROWS SHOWN STARTED START_DRAWN TICK_HANDLED TICK_DRAWN
// the milliseconds from Load to the list built (the action done) and to the list drawn, its
// rows and whether it is shown (1 or 0), from Space to Start done and to its labels drawn,
// and from the first tick's timer event to the window done with it and to its labels drawn.
// Messages the window would show are printed as "message: ...".
int MeasureInWindow(const QString& data, const QString& file);

}  // namespace vellorin::bench
