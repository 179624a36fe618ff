#pragma once

#include <QHash>
#include <QWidget>
#include <memory>

#include "cue_player.h"
#include "qt_common_dialog.h"
#include "session_commands.h"
#include "session_controller.h"
#include "trainer_window.h"

#include <QLoggingCategory>

class QTimer;

namespace vellorin {

Q_DECLARE_LOGGING_CATEGORY(lcStartup)

// The one window: six settings fields, four buttons, four display labels, the one-second
// timer and the file dialog. Every click and tick goes to the session controller or to
// the session files; the window itself only shows and plays what they ask for.
class TrainerMainform : public QWidget, public TrainerWindow {
    Q_OBJECT

public:
    explicit TrainerMainform(QWidget* parent = nullptr);
    ~TrainerMainform() override;

    // Start-up before the window is shown: idle texts, then the default session.
    void Form_Load();

    // The window's operations for the controller and the session files.
    void SetCaption(Control control, const QString& text) override;
    QString FieldText(Field field) const override;
    void SetFieldText(Field field, const QString& text) override;
    void SetTimerEnabled(bool enabled) override;
    void ShowMessage(const QString& text) override;
    void PlayWave(const QString& path) override;
    QString ApplicationFolder() const override;
    CommonDialog& CommonDialog1() override;

    // Readies every cue file for playback, so that even the first cue starts on time.
    void PreloadCues();

    const SessionState& State() const { return controller_.State(); }

public slots:
    void SecondsTimer_Timer();
    void ControlCmd_Click();
    void PauseCmd_Click();
    void LoadCmd_Click();
    void SaveCmd_Click();

private:
    void BuildControls();
    QWidget* Widget(const char* name) const { return controls_.value(QLatin1String(name)); }

    QHash<QString, QWidget*> controls_;
    QTimer* secondsTimer_ = nullptr;
    QtCommonDialog commonDialog_;
    std::unique_ptr<CuePlayer> cuePlayer_;
    SessionController controller_{*this};
    SessionFileCommands sessionFiles_{*this};
};

}  // namespace vellorin
