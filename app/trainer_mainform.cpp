#include "trainer_mainform.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <iterator>

#include "attempts_file.h"
#include "background_job.h"
#include "cue_catalogue.h"
#include "cue_profile_file.h"
#include "cue_set.h"
#include "design_area.h"
#include "lights_out_view.h"
#include "message_text.h"
#include "rounds_panel.h"
#include "sensor_panel.h"
#include "sensor_training.h"
#include "training_log.h"
#include "window_fonts.h"
#include "window_title.h"

namespace vellorin {

// Start-up facts (the folder the program runs from, whether it found its default session and
// its cues), shown with QT_LOGGING_RULES="vellorin.startup.info=true".
Q_LOGGING_CATEGORY(lcStartup, "vellorin.startup", QtWarningMsg)

namespace {

// The widgets' object names, in the order of the enumerations.
constexpr const char* kControlNames[] = {"SessionLbl",      "SessionClock", "SequenceLbl",
                                         "SequenceTimeLbl", "ControlCmd",   "PauseCmd"};
constexpr const char* kFieldNames[] = {"IntroTbx", "HoldTbx",    "HoldIncTbx",
                                       "RestTbx",  "RestDecTbx", "LoopsTbx"};
static_assert(std::size(kControlNames) == static_cast<std::size_t>(Control::PauseCmd) + 1);
static_assert(std::size(kFieldNames) == std::size(kSettingsFields));

// A focused field or button wears a clear frame, not the style's faint dotted line.
const char kFocusMark[] =
    "QLineEdit:focus, QPushButton:focus { border: 3px solid #1a6fd1; border-radius: 3px; }";

}  // namespace

TrainerMainform::TrainerMainform(QWidget* parent)
    : QWidget(parent), commonDialog_(this), cuePlayer_(std::make_unique<CuePlayer>()) {
    setObjectName(QStringLiteral("TrainerMainform"));
    setWindowTitle(QStringLiteral("Vellorin"));
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("MenuBar"));
    area_ = new DesignArea(this);
    area_->setStyleSheet(QString::fromLatin1(kFocusMark));
    lightsOut_ = new LightsOutView(this);
    lightsOut_->hide();
    roundsPanel_ = new RoundsPanel(this);
    sensorPanel_ = new SensorPanel(this);
    sensors_ = new SensorTraining(this, *this);
    connect(sensors_, &SensorTraining::ValuesChanged, this, &TrainerMainform::ShowSensors);
    connect(sensors_, &SensorTraining::AlarmWentOff, this, &TrainerMainform::SensorAlarm);

    secondsTimer_ = new QTimer(this);
    secondsTimer_->setObjectName(QStringLiteral("SecondsTimer"));
    secondsTimer_->setInterval(1000);
    secondsTimer_->setTimerType(Qt::PreciseTimer);
    connect(secondsTimer_, &QTimer::timeout, this, &TrainerMainform::SecondsTimer_Timer);
    const struct {
        const char* button;
        void (TrainerMainform::*handler)();
    } buttons[] = {{"ControlCmd", &TrainerMainform::ControlCmd_Click},
                   {"PauseCmd", &TrainerMainform::PauseCmd_Click},
                   {"LoadCmd", &TrainerMainform::LoadCmd_Click},
                   {"SaveCmd", &TrainerMainform::SaveCmd_Click}};
    for (const auto& button : buttons) {
        connect(qobject_cast<QPushButton*>(Widget(button.button)), &QPushButton::clicked, this,
                button.handler);
    }
    for (const char* name : kFieldNames) {
        connect(qobject_cast<QLineEdit*>(Widget(name)), &QLineEdit::textChanged, this,
                &TrainerMainform::AfterHandler);
    }
    BuildMenus();
    RoundsChanged(std::nullopt);
    sessionFiles_.SetRoundsChanged(
        [this](const std::optional<RoundsTable>& table) { RoundsChanged(table); });
    sessionFiles_.SetProgramFiles([this] {
        return QStringList{TrainingLogPath(UserDataFolder()), AttemptsPath(UserDataFolder()),
                           WindowSettingsFile()};
    });
    setMinimumSize(DesignArea::DesignSize() + QSize(0, menuBar_->sizeHint().height()));
    resize(minimumSize());
    qApp->installEventFilter(this);
    area_->TabOrder().constFirst()->setFocus();
}

TrainerMainform::~TrainerMainform() = default;

QWidget* TrainerMainform::Widget(const char* name) const {
    return area_->Widget(QLatin1String(name));
}

void TrainerMainform::Form_Load() {
    controller_.ResetSession();
    const DefaultSessionLoad load = sessionFiles_.LoadDefaultSession();
    qCInfo(lcStartup).noquote() << "application folder:"
                                << QStringLiteral("\"%1\"").arg(Printable(ApplicationFolder()));
    if (load.problem.isEmpty()) {
        qCInfo(lcStartup).noquote() << "default session: loaded" << Printable(load.path);
    } else {
        qCInfo(lcStartup).noquote() << "default session: not loaded:" << Printable(load.problem);
    }
    RestoreSize();
    QAction* log = actions_.value(QStringLiteral("log"));
    const QSignalBlocker quiet(log);
    log->setChecked(LogEnabled());
    defaultProfile_ = Settings().Value(QString::fromLatin1(kDefaultProfileSetting)).toString();
    ChooseCueProfile();
    sensors_->Restore(Settings());
    if (const QString problem = Settings().TakeProblem(); !problem.isEmpty()) {
        // Once the window is up, as the start-up's other messages.
        QTimer::singleShot(0, this, [this, problem] { ShowMessage(problem); });
    }
    AfterHandler();
}

void TrainerMainform::LoadSessionFile(const QString& path) {
    const QString problem = sessionFiles_.LoadFile(path);
    AfterHandler();
    if (!problem.isEmpty()) {
        qCInfo(lcStartup).noquote() << "session file not loaded:" << Printable(problem);
        return;
    }
    qCInfo(lcStartup).noquote() << "session file loaded:" << Printable(path)
                                << "fields:" << Printable(FieldTexts(*this).join('|'));
}

void TrainerMainform::SetCaption(Control control, const Caption& caption) {
    ShowCaptionText(control, CaptionText(caption));
}

void TrainerMainform::ShowCaptionText(Control control, const QString& text) {
    QWidget* widget = Widget(kControlNames[static_cast<int>(control)]);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
        FitDisplayFont(label, area_->Scale());
        lightsOut_->SetCaption(control, text);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(text);
    }
}

QString TrainerMainform::FieldText(Field field) const {
    return qobject_cast<QLineEdit*>(Widget(kFieldNames[static_cast<int>(field)]))->text();
}

void TrainerMainform::SetFieldText(Field field, const QString& text) {
    qobject_cast<QLineEdit*>(Widget(kFieldNames[static_cast<int>(field)]))->setText(text);
}

void TrainerMainform::SetTimerEnabled(bool enabled) {
    if (!enabled) {
        secondsTimer_->stop();
    } else if (!secondsTimer_->isActive()) {
        secondsTimer_->start();
    }
}

void TrainerMainform::PreloadCues() {
    const auto report = [this](const CueSet& cues, const CuePlayer::Readied& readied,
                               const char* which) {
        for (const QString& note : readied.notes) {
            qCInfo(lcStartup).noquote() << Printable(note);
        }
        qCInfo(lcStartup).nospace() << which << readied.found << " of " << cues.Choices().size();
        if (!readied.usersOwn.isEmpty()) {
            qCInfo(lcStartup).noquote()
                << "the user's own cues:" << readied.usersOwn.join(' ') << "from"
                << Printable(CuePath(UserDataFolder(), QString()));
        }
    };
    // The classic profile's cues and the keys' are ready before the window shows; the other
    // profiles' are read on a worker thread and readied a few at a time after.
    const CueSet core(ApplicationFolder(), UserDataFolder(), CoreCueFiles());
    report(core, cuePlayer_->Preload(core), "cues found: ");
    QStringList others = AllCueFiles();
    others.remove(0, CoreCueFiles().size());
    using Others = std::shared_ptr<const CueSet>;
    RunInBackground<Others>(
        this,
        [application = ApplicationFolder(), user = UserDataFolder(), others,
         rate = core.SampleRate()](const std::function<bool()>&) {
            return std::make_shared<const CueSet>(application, user, others, rate);
        },
        [this, report](const Others& set) {
            report(*set, cuePlayer_->Preload(*set, 0), "the other profiles' cues found: ");
        });
}

void TrainerMainform::PlayWave(const QString& path) {
    cuePlayer_->Play(path);
}

void TrainerMainform::FollowWave(const QString& path) {
    cuePlayer_->Follow(path);
}

QString TrainerMainform::ApplicationFolder() const {
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

QString TrainerMainform::UserDataFolder() const {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

CommonDialog& TrainerMainform::CommonDialog1() {
    return commonDialog_;
}

void TrainerMainform::SecondsTimer_Timer() {
    const bool ticks = pbTest_.Running() || State().PauseMode == 0;
    if (pbTest_.Running()) {
        pbTest_.Tick();
    } else {
        controller_.SecondsTimer_Timer();
    }
    FollowSensors(ticks);
    AfterHandler();
}

void TrainerMainform::ControlCmd_Click() {
    if (pbTest_.Running()) {
        return;  // a session and a test never run at once
    }
    const bool starting = State().Mode == 0;
    controller_.ControlCmd_Click();
    if (starting && State().Mode == 0) {
        FocusFieldToMend();
    }
    AfterHandler();
}

void TrainerMainform::FocusFieldToMend() {
    if (const auto field = SessionPlan(*this).StartProblemField()) {
        Widget(kFieldNames[static_cast<int>(*field)])->setFocus();
    }
}

void TrainerMainform::PauseCmd_Click() {
    if (pbTest_.Running()) {
        return;
    }
    controller_.PauseCmd_Click();
    AfterHandler();
}

void TrainerMainform::LoadCmd_Click() {
    sessionFiles_.LoadCmd_Click();
    AfterHandler();
}

void TrainerMainform::UndoLoadCmd() {
    sessionFiles_.UndoLoad();
    AfterHandler();
}

void TrainerMainform::SaveCmd_Click() {
    sessionFiles_.SaveCmd_Click();
    AfterHandler();
}

void TrainerMainform::AfterHandler() {
    setWindowTitle(WindowTitle(sessionFiles_.TableFile(), sessionFiles_.Edited(),
                               SessionPlan(*this),
                               sessionFiles_.Rounds() ? &*sessionFiles_.Rounds() : nullptr));
    roundsPanel_->Follow(controller_, *this);
    FollowSensors(false);
    if (const std::optional<SessionRecord> finished = recorder_.Observe(
            State(), controller_.Ended(), QFileInfo(sessionFiles_.TableFile()).fileName(),
            QDateTime::currentDateTime())) {
        KeepInLog(*finished);
    }
    ShowSessionState();
    const bool started = State().Mode == 1 && !controller_.Ended();
    if (closeQuestion_ != nullptr && !started && !pbTest_.Running()) {
        // The session ended under the question whether to end it: it is over and kept, so
        // Vellorin closes as it was asked to.
        closeQuestion_->done(QMessageBox::Yes);
    }
    if (!started && loggedSession_) {
        // Told once the session is over, never in the middle of a hold.
        loggedSession_ = false;
        logKeeper_.Flush();
        if (const QString problem = logKeeper_.TakeProblem(); !problem.isEmpty()) {
            ShowMessage(problem);
        }
    }
    // The timer runs from Start to the end tick or Reset; a pause leaves it running.
    const bool running = secondsTimer_->isActive() && State().PauseMode == 0;
    if (running || sleepInhibitor_) {
        if (!sleepInhibitor_) {
#ifdef Q_OS_WIN
            sleepInhibitor_ = std::make_unique<SleepInhibitor>();
#else
            const QString handle = QGuiApplication::platformName() == QLatin1String("xcb")
                                       ? QStringLiteral("x11:%1").arg(winId(), 0, 16)
                                       : QString();
            sleepInhibitor_ = std::make_unique<SleepInhibitor>(
                bus_.value_or(QDBusConnection::sessionBus()), handle);
#endif
        }
        sleepInhibitor_->SetInhibited(running);
    }
    const bool testing = pbTest_.Running();
    if (QAction* start = actions_.value(QStringLiteral("start"))) {
        start->setEnabled(!started && !testing);
        actions_.value(QStringLiteral("pause"))->setEnabled(started && !testing);
        actions_.value(QStringLiteral("reset"))->setEnabled(State().Mode == 1 && !testing);
        actions_.value(QStringLiteral("pbtest"))->setEnabled(!started && !testing);
        actions_.value(QStringLiteral("pbests"))->setEnabled(!started && !testing);
        actions_.value(QStringLiteral("undoload"))->setEnabled(sessionFiles_.CanUndoLoad());
    }
}

}  // namespace vellorin
