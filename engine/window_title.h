#pragma once

#include <QString>

#include "rounds_table.h"
#include "session_plan.h"

namespace vellorin {

// The window's title: the table's file name and the length of its session, as the session
// clock shows it ("default.ses - 17:15 - Vellorin"). A length Start would refuse is left
// out, and so is a name when no file was loaded or saved. A table edited since it was loaded
// or saved has a "*" before its name ("*default.ses - 17:15 - Vellorin").
// With a table of rounds in use, its length, "up to" when a phase ends at a contraction or a
// key ("wonka.vtable - up to 40:30 - Vellorin").
QString WindowTitle(const QString& tableFile, bool edited, const SessionPlan& plan,
                    const RoundsTable* rounds = nullptr);

}  // namespace vellorin
