#pragma once

#include <QHash>
#include <QLoggingCategory>
#include <QWidget>
#include <memory>
#include <optional>

#include "cue_player.h"
#include "log_keeper.h"
#include "pb_tables.h"
#include "pb_test.h"
#include "qt_common_dialog.h"
#include "rounds_presets.h"
#include "session_commands.h"
#include "session_controller.h"
#include "session_keys.h"
#include "session_recorder.h"
#include "session_state_view.h"
#include "sleep_inhibitor.h"
#include "trainer_window.h"
#include "window_settings.h"

class QAction;
class QMenu;
class QMessageBox;
class QMenuBar;
class QTimer;

namespace vellorin {

class DesignArea;
class LightsOutView;
class RoundsPanel;
class SensorPanel;
class SensorTraining;

Q_DECLARE_LOGGING_CATEGORY(lcStartup)

// The one window: a menu bar over the design area with its six settings fields, four
// buttons and four display labels, the one-second timer and the file dialog. Every click,
// key and tick goes to the session controller or to the session files; the window itself
// only shows and plays what they ask for. The design area grows with the window, and the
// lights-out view shows the four displays alone, full screen.
class CueProfileMenu;

class TrainerMainform : public QWidget, public TrainerWindow {
    Q_OBJECT

public:
    explicit TrainerMainform(QWidget* parent = nullptr);
    ~TrainerMainform() override;

    // Start-up before the window is shown: idle texts, then the default session, and the
    // size the user last gave the window (or the design size at the desktop's font size).
    void Form_Load();

    // The window's operations for the controller and the session files.
    void SetCaption(Control control, const Caption& caption) override;
    // Shows a display's or button's text as it is.
    void ShowCaptionText(Control control, const QString& text);
    QString FieldText(Field field) const override;
    void SetFieldText(Field field, const QString& text) override;
    void SetTimerEnabled(bool enabled) override;
    void ShowMessage(const QString& text) override;
    void PlayWave(const QString& path) override;
    void FollowWave(const QString& path) override;
    QString ApplicationFolder() const override;
    QString UserDataFolder() const override;
    CommonDialog& CommonDialog1() override;

    // Closes as Quit does but without asking (logout, shutdown, a terminal's Ctrl+C): the
    // session or test under way is kept as it stands.
    void CloseWithoutAsking();

    // Loads a session file named on the command line, exactly as Load does.
    void LoadSessionFile(const QString& path);

    // Readies every cue file for playback, so that even the first cue starts on time.
    void PreloadCues();

    const SessionState& State() const { return controller_.State(); }

    // A table to make from a personal best.
    struct PbTableRequest {
        PbTableKind kind;
        int personalBest;
    };
    bool LightsOut() const;
    // The design area's scale: 1 at the design size.
    qreal LayoutScale() const;

#ifndef Q_OS_WIN
    // The bus on which the window asks the desktop to stay awake; the user's session bus
    // unless set before the first session starts.
    void UseBus(const QDBusConnection& bus) {
        bus_ = bus;
    }
#endif

public slots:
    void SecondsTimer_Timer();
    void ControlCmd_Click();
    void PauseCmd_Click();
    void LoadCmd_Click();
    void SaveCmd_Click();
    // Ctrl+Z when no field has typing to undo: the fields as they were before the last Load.
    void UndoLoadCmd();
    void ExportAudio();
    void ToggleLightsOut();
    void ShowAbout();
    void ShowKeys();
    void PersonalBestTestCmd();
    void NewTableFromPbCmd();
    // The attempts on record: remove one, or add a personal best by hand.
    void PersonalBestsCmd();
    void ShowHistory();
    // The Tables menu: the editor of a table of rounds (started from the six settings when
    // none is in use), the six settings again, and the presets.
    void EditRoundsCmd();
    void UseSixSettingsCmd();
    void NewPresetCmd(RoundsPreset preset);
    // Reports rows of the training log that a crash or a full disk cut short.
    void CheckTrainingLog();
    // Training > Sensors: the heart-rate sensor, the oximeter and the low-SpO2 alarm.
    void SensorsCmd();
    // The sensors beside the window (and tests that play a sensor).
    SensorTraining& Sensors() {
        return *sensors_;
    }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Space, Enter, Escape and a double-click on a display, whatever has the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Asks a yes-or-no question; true for yes.
    virtual bool Confirm(const QString& question);
    // A message box like ShowMessage's for good news: the information icon, not a warning.
    virtual void ShowInformation(const QString& text);
    // Asks where to export the session's audio; empty for nowhere.
    virtual QString AskExportFile(const QString& proposed);
    // Where the window keeps its size between runs.
    virtual QString WindowSettingsFile() const;
    // Asks for the PB a preset is made from when none is on record; nothing when cancelled.
    virtual std::optional<int> AskPersonalBest();
    // Asks for the kind of table and the PB to make it from; nothing when cancelled.
    virtual std::optional<PbTableRequest> AskPbTable(std::optional<int> recordedBest);

private:
    void BuildMenus();
    void AddPresetActions(QMenu* tables);
    // Training > Cue profile, and the profile the next session plays: the table's own where
    // a table of rounds in use names one, else the user's default.
    void AddCueProfileMenu(QMenu* training);
    void AddLanguageMenu(QMenu* help);
    void ChooseCueProfile();
    void EditCueProfileCmd();
    // The best attempt on record.
    std::optional<int> RecordedBest();
    // A table of rounds came into use, or went (nothing: the six fields again).
    void RoundsChanged(const std::optional<RoundsTable>& table);
    // Ends a personal-best test and keeps its attempt; shows the result unless the window is
    // closing, when nothing may wait for an answer.
    void FinishPbTest(bool closing = false);
    // Adds a hold that has ended to the training log, unless the log is switched off.
    void KeepInLog(const SessionRecord& session);
    bool LogEnabled() const;
    void SpaceKey();
    // After Start refused the table: the field to mend takes the focus.
    void FocusFieldToMend();
    void ResetKey();
    // After every handler: the title, the sleep inhibition and the menu's enabled commands.
    void AfterHandler();
    // What the displays' captions do not say: a pause, a contraction marked, the summary.
    void ShowSessionState();
    void LayOut();
    // The sensors' part of a handler: a session's start, seconds and end, and the line of
    // values under the displays.
    void FollowSensors(bool ticked);
    void ShowSensors();
    // The low-SpO2 alarm went off: the hold ends at the next tick, with a warning.
    void SensorAlarm(int spo2);
    // The size the user last gave the window, or the design size at the desktop's font.
    void RestoreSize();
    // The window's size and the log switch, in WindowSettingsFile().
    WindowSettings& Settings() const;
    QWidget* Widget(const char* name) const;

    QMenuBar* menuBar_ = nullptr;
    DesignArea* area_ = nullptr;
    LightsOutView* lightsOut_ = nullptr;
    RoundsPanel* roundsPanel_ = nullptr;
    CueProfileMenu* profileMenu_ = nullptr;
    QString defaultProfile_;    // the user's default cue profile, as the settings keep it
    bool toldProfile_ = false;  // that the default cannot be used was told
    bool maximizedBeforeLightsOut_ = false;
    bool closingWithoutAsking_ = false;
    bool closing_ = false;                  // the window is asking whether it may close
    QMessageBox* closeQuestion_ = nullptr;  // the question Quit asks while a session runs
    QHash<QString, QAction*> actions_;
    QTimer* secondsTimer_ = nullptr;
    QtCommonDialog commonDialog_;
    std::unique_ptr<CuePlayer> cuePlayer_;
    SessionController controller_{*this};
    SessionFileCommands sessionFiles_{*this};
    SessionKeys keys_{controller_, *this};
    PersonalBestTest pbTest_{*this};
    SessionRecorder recorder_{*this, &controller_};
    TrainingLogKeeper logKeeper_;
    bool loggedSession_ = false;  // a hold of the session went to the log keeper
    SessionStateView stateView_{this};
    SensorTraining* sensors_ = nullptr;
    SensorPanel* sensorPanel_ = nullptr;
    bool sensorsFollowing_ = false;  // a session or test under way is sampled
    bool warnAfterTick_ = false;     // the alarm's warning follows the next tick's cues
#ifndef Q_OS_WIN
    std::optional<QDBusConnection> bus_;
#endif
    std::unique_ptr<SleepInhibitor> sleepInhibitor_;
    mutable std::optional<WindowSettings> settings_;
};

}  // namespace vellorin
