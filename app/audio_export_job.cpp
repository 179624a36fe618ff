#include "audio_export_job.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProgressDialog>
#include <QTimer>
#include <atomic>
#include <memory>

#include "background_job.h"
#include "command_modes.h"

namespace vellorin {

void StartAudioExport(QWidget* window, const SessionSource& source, const QString& output,
                      const QString& applicationFolder, const QString& userDataFolder,
                      std::function<void(const QString& problem)> failed) {
    auto* progress = new QProgressDialog(
        //: %1 is the audio file's name.
        QCoreApplication::translate("AudioExport", "Exporting the session to %1...")
            .arg(QFileInfo(output).fileName()),
        QCoreApplication::translate("AudioExport", "Cancel"), 0, 1000, window);
    progress->setObjectName(QStringLiteral("ExportProgress"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(300);
    progress->setAutoReset(false);
    // The worker leaves its progress here; the dialog shows it from the event thread.
    auto permille = std::make_shared<std::atomic<int>>(0);
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    QObject::connect(progress, &QProgressDialog::canceled, progress,
                     [cancelled] { cancelled->store(true); });
    auto* poll = new QTimer(progress);
    poll->setInterval(100);
    QObject::connect(poll, &QTimer::timeout, progress,
                     [progress, permille] { progress->setValue(permille->load()); });
    poll->start();
    RunInBackground<SessionExport>(
        progress,
        [source, output, applicationFolder, userDataFolder, permille,
         cancelled](const std::function<bool()>& gone) {
            return ExportSession(
                source, output, applicationFolder, userDataFolder, [&](qint64 done, qint64 total) {
                    permille->store(static_cast<int>(done * 1000 / std::max<qint64>(total, 1)));
                    return !cancelled->load() && !gone();
                });
        },
        [progress, cancelled, failed](const SessionExport& result) {
            progress->deleteLater();
            progress->hide();
            if (!result.problem.isEmpty() && !cancelled->load()) {
                failed(result.problem);
            }
        });
}

}  // namespace vellorin
