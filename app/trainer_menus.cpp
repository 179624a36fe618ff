// The window's menus and keys, the lights-out view, the About box and the audio export.
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QStandardPaths>

#include "audio_export_job.h"
#include "command_modes.h"
#include "cue_catalogue.h"
#include "design_area.h"
#include "language.h"
#include "language_menu.h"
#include "lights_out_view.h"
#include "pb_tables.h"
#include "trainer_mainform.h"

namespace vellorin {
namespace {

constexpr const char* kDisplays[] = {"SessionLbl", "SessionClock", "SequenceLbl",
                                     "SequenceTimeLbl"};

const char kKeysText[] = QT_TRANSLATE_NOOP(
    "TrainerMainform",
    "Every key works whatever has the focus, also in the lights-out view.\n\n"
    "Space\tstart a session when none runs; pause or resume one that runs\n"
    "Ctrl+R\treset the session to its beginning\n"
    "Ctrl+O\tload a table\n"
    "Ctrl+Z\tundo the last load (typing in a field is undone first)\n"
    "Ctrl+S\tsave the table\n"
    "Ctrl+E\texport the session as audio\n"
    "Ctrl+T\ta personal-best test (Space ends it)\n"
    "Ctrl+N\ta new table from your personal best\n"
    "Ctrl+B\tedit the table of rounds (a new one from the six settings)\n"
    "Ctrl+H\tthe training history\n"
    "Enter or C\tduring a hold: mark a contraction; in a one-breath rest: the breath is taken\n"
    "\t(elsewhere in a session: a soft \"not now\")\n"
    "F11\tlights-out: the four displays alone, full screen (Esc leaves)\n"
    "F1\tabout Vellorin and its keys\n"
    "Ctrl+Q\tquit\n"
    "Enter\tclick the focused button, when no session runs");

}  // namespace

void TrainerMainform::BuildMenus() {
    const struct {
        const char* menu;  // a new menu starts where this is set
        const char* id;
        const char* text;
        QKeySequence keys;
        void (TrainerMainform::*handler)();
    } commands[] = {
        {QT_TR_NOOP("&File"), "load", QT_TR_NOOP("&Load..."), QKeySequence::Open,
         &TrainerMainform::LoadCmd_Click},
        {nullptr, "undoload", QT_TR_NOOP("&Undo load"), QKeySequence::Undo,
         &TrainerMainform::UndoLoadCmd},
        {nullptr, "save", QT_TR_NOOP("&Save..."), QKeySequence::Save,
         &TrainerMainform::SaveCmd_Click},
        {nullptr, "export", QT_TR_NOOP("&Export audio..."), QKeySequence(Qt::CTRL | Qt::Key_E),
         &TrainerMainform::ExportAudio},
        {nullptr, "quit", QT_TR_NOOP("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), nullptr},
        {QT_TR_NOOP("&Session"),
         "start",
         QT_TR_NOOP("&Start\tSpace"),
         {},
         &TrainerMainform::SpaceKey},
        {nullptr, "pause", QT_TR_NOOP("&Pause/Resume\tSpace"), {}, &TrainerMainform::SpaceKey},
        {nullptr, "reset", QT_TR_NOOP("&Reset"), QKeySequence(Qt::CTRL | Qt::Key_R),
         &TrainerMainform::ResetKey},
        {nullptr, "lightsout", QT_TR_NOOP("&Lights-out"), QKeySequence(Qt::Key_F11),
         &TrainerMainform::ToggleLightsOut},
        {QT_TR_NOOP("&Training"), "pbtest", QT_TR_NOOP("&Personal best test..."),
         QKeySequence(Qt::CTRL | Qt::Key_T), &TrainerMainform::PersonalBestTestCmd},
        {nullptr, "pbtable", QT_TR_NOOP("&New table from personal best..."),
         QKeySequence(Qt::CTRL | Qt::Key_N), &TrainerMainform::NewTableFromPbCmd},
        {nullptr,
         "pbests",
         QT_TR_NOOP("Personal &bests..."),
         {},
         &TrainerMainform::PersonalBestsCmd},
        {nullptr, "history", QT_TR_NOOP("&History..."), QKeySequence(Qt::CTRL | Qt::Key_H),
         &TrainerMainform::ShowHistory},
        {nullptr, "sensors", QT_TR_NOOP("Sen&sors..."), {}, &TrainerMainform::SensorsCmd},
        {nullptr, "log", QT_TR_NOOP("&Keep a training log"), {}, nullptr},
        {QT_TR_NOOP("Ta&bles"), "editrounds", QT_TR_NOOP("&Edit table of rounds..."),
         QKeySequence(Qt::CTRL | Qt::Key_B), &TrainerMainform::EditRoundsCmd},
        {nullptr,
         "sixsettings",
         QT_TR_NOOP("Use the &six settings"),
         {},
         &TrainerMainform::UseSixSettingsCmd},
        {QT_TR_NOOP("&Help"), "keys", QT_TR_NOOP("&Keys"), {}, &TrainerMainform::ShowKeys},
        {nullptr, "about", QT_TR_NOOP("&About Vellorin"), QKeySequence(Qt::Key_F1),
         &TrainerMainform::ShowAbout},
    };
    QMenu* menu = nullptr;
    QMenu* presetsMenu = nullptr;
    QMenu* trainingMenu = nullptr;
    QMenu* helpMenu = nullptr;
    for (const auto& command : commands) {
        if (command.menu != nullptr) {
            menu = menuBar_->addMenu(tr(command.menu));
            if (QLatin1String(command.menu) == "Ta&bles") {
                presetsMenu = menu;
            }
            if (QLatin1String(command.menu) == "&Training") {
                trainingMenu = menu;
            }
            if (QLatin1String(command.menu) == "&Help") {
                helpMenu = menu;
            }
        }
        QAction* action = menu->addAction(tr(command.text));
        action->setObjectName(QString::fromLatin1(command.id));
        action->setShortcut(command.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);  // its key works while the menu bar is hidden, too
        if (command.handler != nullptr) {
            connect(action, &QAction::triggered, this, command.handler);
        } else if (QLatin1String(command.id) == "quit") {
            connect(action, &QAction::triggered, this, &QWidget::close);
        }
        actions_.insert(QString::fromLatin1(command.id), action);
    }
    AddPresetActions(presetsMenu);
    AddCueProfileMenu(trainingMenu);
    AddLanguageMenu(helpMenu);
    QAction* log = actions_.value(QStringLiteral("log"));
    log->setCheckable(true);
    connect(log, &QAction::toggled, this, [this](bool on) {
        if (const QString failure = Settings().SetValue(QStringLiteral("log/enabled"), on);
            !failure.isEmpty()) {
            ShowMessage(failure);
        }
    });
    const struct {
        const char* control;
        const char* tip;
    } tips[] = {
        {"ControlCmd", QT_TR_NOOP("Start: Space. Reset: Ctrl+R.")},
        {"PauseCmd", QT_TR_NOOP("Pause or resume: Space.")},
        {"LoadCmd", QT_TR_NOOP("Load a table: Ctrl+O.")},
        {"SaveCmd", QT_TR_NOOP("Save the table: Ctrl+S.")},
    };
    for (const auto& tip : tips) {
        Widget(tip.control)->setToolTip(tr(tip.tip));
    }
    for (const char* display : kDisplays) {
        Widget(display)->setToolTip(tr("Lights-out: double-click or F11."));
    }
}

bool TrainerMainform::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this) {
        return false;
    }
    const auto type = event->type();
    if (type == QEvent::MouseButtonDblClick &&
        (widget == lightsOut_ || lightsOut_->isAncestorOf(widget) ||
         std::ranges::any_of(kDisplays,
                             [&](const char* name) { return Widget(name) == widget; }))) {
        ToggleLightsOut();
        return true;
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
        type != QEvent::ShortcutOverride) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (LightsOut() && stateView_.TakeKey(*key, *lightsOut_)) {
        return true;  // the first key after the end only puts the summary away
    }
    if (type == QEvent::ShortcutOverride && key->matches(QKeySequence::Undo)) {
        // A field takes Ctrl+Z for its own typing; with none to undo, it undoes the Load.
        const auto* field = qobject_cast<QLineEdit*>(widget);
        if (field == nullptr || !field->isUndoAvailable()) {
            event->ignore();
            return true;
        }
        return false;
    }
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && key->key() == Qt::Key_Space) {
        // Taken before any control sees it: a focused button would click on its release, a
        // field would type a blank.
        if (type == QEvent::KeyPress && !key->isAutoRepeat()) {
            SpaceKey();
        }
        event->accept();
        return true;
    }
    if (plain && key->key() == Qt::Key_Escape && LightsOut() && type == QEvent::KeyPress) {
        ToggleLightsOut();
        return true;
    }
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const bool shiftOnly = (key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == 0;
    const bool underWay = pbTest_.Running() || (State().Mode == 1 && !controller_.Ended());
    // While a session or a test is under way, Enter and C are the session's alone: a
    // contraction in a hold, "not now" elsewhere; never a click on Reset or a typed "c".
    if (underWay && ((plain && enter) || (shiftOnly && key->key() == Qt::Key_C))) {
        if (type == QEvent::KeyPress && !key->isAutoRepeat()) {
            keys_.ContractionKey(recorder_, pbTest_.Running());
            AfterHandler();      // a breath taken starts the next hold: its log and its list
            ShowSessionState();  // the mark acknowledged on screen
        }
        event->accept();
        return true;
    }
    if (plain && enter && type == QEvent::KeyPress) {
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            button->click();
            return true;
        }
    }
    return false;
}

void TrainerMainform::SpaceKey() {
    if (pbTest_.Running()) {
        FinishPbTest();
    } else if (keys_.Space() == SessionKeys::Did::Nothing && State().Mode == 0) {
        FocusFieldToMend();
    }
    AfterHandler();
}

void TrainerMainform::ResetKey() {
    if (pbTest_.Running()) {
        return;
    }
    keys_.Reset();
    AfterHandler();
}

void TrainerMainform::ShowKeys() {
    QMessageBox box(QMessageBox::Information, tr("Vellorin keys"), tr(kKeysText), QMessageBox::Ok,
                    this);
    box.exec();
}

void TrainerMainform::ShowAbout() {
    //: %1 is the version, %2 the safety sentence, %3 the list of keys.
    QMessageBox box(QMessageBox::Information, tr("About Vellorin"),
                    tr("Vellorin %1\nA timer for breath-hold training tables.\n\n%2\n\n"
                       "Released under the MIT licence.\n\n%3")
                        .arg(QStringLiteral("1.00"), BreathHoldSafety(), tr(kKeysText)),
                    QMessageBox::Ok, this);
    box.exec();
}

QString TrainerMainform::AskExportFile(const QString& proposed) {
    return QFileDialog::getSaveFileName(
        this, tr("Export audio"), proposed,
        tr("Audio files (*.mp3 *.ogg *.flac *.wav);;MP3 (*.mp3);;Ogg Vorbis (*.ogg);;"
           "FLAC (*.flac);;WAV (*.wav)"));
}

void TrainerMainform::ExportAudio() {
    const QString table = QFileInfo(sessionFiles_.TableFile()).completeBaseName();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    const QString output =
        AskExportFile(folder + QLatin1Char('/') +
                      (table.isEmpty() ? tr("session", "the name an export proposes") : table) +
                      QStringLiteral(".mp3"));
    if (output.isEmpty()) {
        return;
    }
    StartAudioExport(this,
                     {FieldTexts(*this), controller_.ChosenRounds(), controller_.ChosenProfile()},
                     output, ApplicationFolder(), UserDataFolder(),
                     [this](const QString& problem) { ShowMessage(problem); });
}

void TrainerMainform::AddLanguageMenu(QMenu* help) {
    const QString key = QString::fromLatin1(kLanguageSetting);
    auto* menu = new LanguageMenu(help, [this, key] { return Settings().Value(key).toString(); });
    connect(menu, &LanguageMenu::Chosen, this, [this, key](const QString& code) {
        const QString failure = Settings().SetValue(key, code);
        ShowMessage(failure.isEmpty() ? LanguageMenu::TakesEffectText(code) : failure);
    });
}

}  // namespace vellorin
