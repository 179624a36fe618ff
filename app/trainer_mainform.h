#pragma once

#include <QHash>
#include <QWidget>
#include <memory>
#include <optional>

#include "cue_player.h"
#include "qt_common_dialog.h"
#include "session_commands.h"
#include "session_controller.h"
#include "session_keys.h"
#include "sleep_inhibitor.h"
#include "trainer_window.h"

#include <QLoggingCategory>

class QTemporaryDir;
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
    QString UserDataFolder() const override;
    CommonDialog& CommonDialog1() override;

    // Loads a session file named on the command line, exactly as Load does.
    void LoadSessionFile(const QString& path);

    // Readies every cue file for playback, so that even the first cue starts on time.
    void PreloadCues();

    const SessionState& State() const { return controller_.State(); }

    // The bus on which the window asks the desktop to stay awake; the user's session bus
    // unless set before the first session starts.
    void UseBus(const QDBusConnection& bus) { bus_ = bus; }

public slots:
    void SecondsTimer_Timer();
    void ControlCmd_Click();
    void PauseCmd_Click();
    void LoadCmd_Click();
    void SaveCmd_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Space and Enter, whatever control of the window has the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    // The window's keys: Ctrl+R reset, Ctrl+O load, Ctrl+S save, Ctrl+Q quit.
    void AddKeys();
    // Space: starts, pauses or resumes, never resets.
    void SpaceKey();
    void ResetKey();
    void QuitKey();
    // While a session runs (started, not paused, not ended) the desktop is asked to stay awake.
    void UpdateSleepInhibition();
    QWidget* Widget(const char* name) const { return controls_.value(QLatin1String(name)); }

    QHash<QString, QWidget*> controls_;
    QTimer* secondsTimer_ = nullptr;
    QtCommonDialog commonDialog_;
    std::unique_ptr<CuePlayer> cuePlayer_;
    std::unique_ptr<QTemporaryDir> cueCopies_;  // the checked cues, as played
    SessionController controller_{*this};
    SessionFileCommands sessionFiles_{*this};
    SessionKeys keys_{controller_};
    std::optional<QDBusConnection> bus_;
    std::unique_ptr<SleepInhibitor> sleepInhibitor_;
};

}  // namespace vellorin
