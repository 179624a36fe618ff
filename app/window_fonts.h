#pragma once

#include <QFont>

#include "control_layout.h"

class QLabel;

namespace vellorin {

// The window's font for a style: "MS Sans Serif" or a face of about its width, at 8.25 points
// (frame captions bold) or, for the four displays, bold 24 points.
QFont WindowFont(FontStyle style);

// Gives a display label its font at scale times 24 points, shrunk just enough for its text
// to fit the label's width.
void FitDisplayFont(QLabel* label, qreal scale);

}  // namespace vellorin
