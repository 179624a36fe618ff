#pragma once

#include <QString>

namespace vellorin {

// Whether two names lead to one file: the same file by any spelling, through symbolic links,
// or as two hard links of it (one file with two names, which no comparison of names can
// tell). A name that does not exist yet is the file a write through it would make: its
// symbolic links are followed as far as they go, as a save through it would follow them.
bool SameFile(const QString& a, const QString& b);

}  // namespace vellorin
