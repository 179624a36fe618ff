#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "headless_window.h"

namespace vellorin {

// Exports a session's audio on a worker thread behind a progress dialog that can cancel it,
// so that the window's clock keeps its second however long the session is. failed is told
// why the export could not be made (never after Cancel, nor once window has closed).
void StartAudioExport(QWidget* window, const SessionSource& source, const QString& output,
                      const QString& applicationFolder, const QString& userDataFolder,
                      std::function<void(const QString& problem)> failed);

}  // namespace vellorin
