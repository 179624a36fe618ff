#pragma once

#include <QString>
#include <QStringList>

namespace vellorin {

// A table as the engine computes it from six settings texts: the intro, then for each loop
// its hold and the rest after it (rounded, as clock text) and the session clock when its hold
// begins, then the total. A table Start would refuse is shown as far as it can be computed,
// and problem says why Start refuses it.
struct TablePreview {
    QString text;
    QString problem;  // empty when Start accepts the table
};
TablePreview PreviewTable(const QStringList& settings);

}  // namespace vellorin
