#pragma once

#include <QString>

#include "session_plan.h"

namespace vellorin {

// The window's title: the table's file name and the length of its session, as the session
// clock shows it ("default.ses - 17:15 - Vellorin"). A length Start would refuse is left
// out, and so is a name when no file was loaded or saved. A table edited since it was loaded
// or saved has a "*" before its name ("*default.ses - 17:15 - Vellorin").
QString WindowTitle(const QString& tableFile, bool edited, const SessionPlan& plan);

}  // namespace vellorin
