#include "trainer_mainform.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <iterator>
#include <vector>

#include "control_layout.h"
#include "cue_catalogue.h"
#include "cue_set.h"
#include "message_text.h"
#include "window_fonts.h"

namespace vellorin {

// Start-up facts (the folder the program runs from, whether it found its default session and
// its cues), shown with QT_LOGGING_RULES="vellorin.startup.info=true".
Q_LOGGING_CATEGORY(lcStartup, "vellorin.startup", QtWarningMsg)

namespace {

int Pixels(int twips) {
    return twips / kTwipsPerPixel;
}

// The widgets' object names, in the order of the enumerations.
constexpr const char* kControlNames[] = {"SessionLbl",      "SessionClock", "SequenceLbl",
                                         "SequenceTimeLbl", "ControlCmd",   "PauseCmd"};
constexpr const char* kFieldNames[] = {"IntroTbx", "HoldTbx",    "HoldIncTbx",
                                       "RestTbx",  "RestDecTbx", "LoopsTbx"};
static_assert(std::size(kControlNames) == static_cast<std::size_t>(Control::PauseCmd) + 1);
static_assert(std::size(kFieldNames) == std::size(kSettingsFields));

const char* ControlName(Control control) {
    return kControlNames[static_cast<int>(control)];
}
const char* FieldName(Field field) {
    return kFieldNames[static_cast<int>(field)];
}

// A settings field holds one line: line breaks typed or pasted into it are dropped, so
// that a saved table always reads back as its six texts.
void DropLineBreaks(QLineEdit* field) {
    QString text = field->text();
    if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n'))) {
        return;
    }
    const int cursor = field->cursorPosition();
    const int removedBeforeCursor = static_cast<int>(text.left(cursor).count(QLatin1Char('\r')) +
                                                     text.left(cursor).count(QLatin1Char('\n')));
    text.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    field->setText(text);
    field->setCursorPosition(cursor - removedBeforeCursor);
}

QWidget* MakeControl(const ControlSpec& spec, QWidget* container) {
    const QString caption = QString::fromUtf8(spec.caption);
    switch (spec.kind) {
        case ControlKind::Frame:
            return new QGroupBox(caption, container);
        case ControlKind::Label:
            return new QLabel(caption, container);
        case ControlKind::TextField: {
            auto* field = new QLineEdit(caption, container);
            QObject::connect(field, &QLineEdit::textEdited, field,
                             [field] { DropLineBreaks(field); });
            return field;
        }
        case ControlKind::Button:
            return new QPushButton(caption, container);
    }
    return nullptr;
}

}  // namespace

TrainerMainform::TrainerMainform(QWidget* parent)
    : QWidget(parent), commonDialog_(this), cuePlayer_(std::make_unique<CuePlayer>()) {
    setObjectName(QStringLiteral("TrainerMainform"));
    setWindowTitle(QStringLiteral("Vellorin"));
    setGeometry(Pixels(kClientLeft), Pixels(kClientTop), Pixels(kClientWidth),
                Pixels(kClientHeight));
    BuildControls();

    secondsTimer_ = new QTimer(this);
    secondsTimer_->setObjectName(QStringLiteral("SecondsTimer"));
    secondsTimer_->setInterval(1000);
    secondsTimer_->setTimerType(Qt::PreciseTimer);
    connect(secondsTimer_, &QTimer::timeout, this, &TrainerMainform::SecondsTimer_Timer);
    connect(qobject_cast<QPushButton*>(Widget("ControlCmd")), &QPushButton::clicked, this,
            &TrainerMainform::ControlCmd_Click);
    connect(qobject_cast<QPushButton*>(Widget("PauseCmd")), &QPushButton::clicked, this,
            &TrainerMainform::PauseCmd_Click);
    connect(qobject_cast<QPushButton*>(Widget("LoadCmd")), &QPushButton::clicked, this,
            &TrainerMainform::LoadCmd_Click);
    connect(qobject_cast<QPushButton*>(Widget("SaveCmd")), &QPushButton::clicked, this,
            &TrainerMainform::SaveCmd_Click);
    AddKeys();
    qApp->installEventFilter(this);
}

void TrainerMainform::AddKeys() {
    const struct {
        QKeySequence keys;
        void (TrainerMainform::*handler)();
    } keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_R), &TrainerMainform::ResetKey},
        {QKeySequence::Open, &TrainerMainform::LoadCmd_Click},
        {QKeySequence::Save, &TrainerMainform::SaveCmd_Click},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), &TrainerMainform::QuitKey},
    };
    for (const auto& key : keys) {
        auto* action = new QAction(this);
        action->setShortcut(key.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, key.handler);
        addAction(action);
    }
    const struct {
        const char* control;
        const char* tip;
    } tips[] = {
        {"ControlCmd", "Start: Space. Reset: Ctrl+R."},
        {"PauseCmd", "Pause or resume: Space."},
        {"LoadCmd", "Load a table: Ctrl+O."},
        {"SaveCmd", "Save the table: Ctrl+S."},
    };
    for (const auto& tip : tips) {
        Widget(tip.control)->setToolTip(QString::fromLatin1(tip.tip));
    }
}

bool TrainerMainform::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
        type != QEvent::ShortcutOverride) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
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
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (plain && enter && type == QEvent::KeyPress) {
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            button->click();
            return true;
        }
    }
    return false;
}

void TrainerMainform::SpaceKey() {
    keys_.Space();
    UpdateSleepInhibition();
}

void TrainerMainform::ResetKey() {
    keys_.Reset();
    UpdateSleepInhibition();
}

void TrainerMainform::QuitKey() {
    close();
}

TrainerMainform::~TrainerMainform() = default;

void TrainerMainform::BuildControls() {
    std::vector<const ControlSpec*> byTabIndex;
    for (const ControlSpec& spec : Controls()) {
        QWidget* container = spec.container ? Widget(spec.container) : this;
        QWidget* widget = MakeControl(spec, container);
        widget->setObjectName(QString::fromUtf8(spec.name));
        widget->setGeometry(Pixels(spec.left), Pixels(spec.top), Pixels(spec.width),
                            Pixels(spec.height));
        widget->setFont(WindowFont(spec.font));
        controls_.insert(widget->objectName(), widget);
        if (spec.kind == ControlKind::TextField || spec.kind == ControlKind::Button) {
            byTabIndex.push_back(&spec);
        }
    }
    // A screen reader names each field after its label and tells what each display shows.
    for (const BuddySpec& buddy : Buddies()) {
        qobject_cast<QLabel*>(Widget(buddy.label))->setBuddy(Widget(buddy.field));
    }
    for (const RoleSpec& role : DisplayRoles()) {
        Widget(role.label)->setAccessibleDescription(QString::fromUtf8(role.description));
    }
    std::ranges::sort(byTabIndex, {}, &ControlSpec::tabIndex);
    for (std::size_t i = 1; i < byTabIndex.size(); ++i) {
        setTabOrder(Widget(byTabIndex[i - 1]->name), Widget(byTabIndex[i]->name));
    }
    Widget(byTabIndex.front()->name)->setFocus();
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
}

void TrainerMainform::LoadSessionFile(const QString& path) {
    const QString problem = sessionFiles_.LoadFile(path);
    if (!problem.isEmpty()) {
        qCInfo(lcStartup).noquote() << "session file not loaded:" << Printable(problem);
        return;
    }
    QStringList texts;
    for (Field field : kSettingsFields) {
        texts.append(FieldText(field));
    }
    qCInfo(lcStartup).noquote() << "session file loaded:" << Printable(path)
                                << "fields:" << Printable(texts.join('|'));
}

void TrainerMainform::SetCaption(Control control, const QString& text) {
    QWidget* widget = Widget(ControlName(control));
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
        FitDisplayFont(label);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(text);
    }
}

QString TrainerMainform::FieldText(Field field) const {
    return qobject_cast<QLineEdit*>(Widget(FieldName(field)))->text();
}

void TrainerMainform::SetFieldText(Field field, const QString& text) {
    qobject_cast<QLineEdit*>(Widget(FieldName(field)))->setText(text);
}

void TrainerMainform::SetTimerEnabled(bool enabled) {
    if (!enabled) {
        secondsTimer_->stop();
    } else if (!secondsTimer_->isActive()) {
        secondsTimer_->start();
    }
}

void TrainerMainform::ShowMessage(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Vellorin"), text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);  // a file name is shown as it is, never as markup
    box.exec();
}

void TrainerMainform::PreloadCues() {
    // Every cue is read and checked once, here, and what is played is a 16-bit copy of what
    // was checked: a file swapped or grown later is never read by the sound output.
    const CueSet cues(ApplicationFolder(), UserDataFolder());
    cueCopies_ = std::make_unique<QTemporaryDir>();
    QStringList playable;
    QStringList usersOwn;
    for (const CueChoice& choice : cues.Choices()) {
        if (!choice.userProblem.isEmpty()) {
            qCInfo(lcStartup).noquote()
                << Printable(QStringLiteral("the user's cue \"%1\" cannot be used: %2; the "
                                            "shipped one plays")
                                 .arg(choice.userPath, choice.userProblem));
        }
        if (!choice.sound.problem.isEmpty()) {
            qCInfo(lcStartup).noquote()
                << Printable(QStringLiteral("the cue \"%1\" cannot be used: %2")
                                 .arg(choice.path, choice.sound.problem));
            continue;
        }
        if (choice.path == choice.userPath) {
            usersOwn.append(choice.file);
        }
        const QString copy = cueCopies_->filePath(choice.file);
        QSaveFile file(copy);
        const bool copied =
            cueCopies_->isValid() && file.open(QIODevice::WriteOnly) &&
            file.write(WaveBytes(choice.sound.samples, choice.sound.sampleRate)) > 0 &&
            file.commit();
        playable.append(copied ? copy : choice.path);
    }
    const int found = cuePlayer_->Preload(playable);
    qCInfo(lcStartup).nospace() << "cues found: " << found << " of " << cues.Choices().size();
    if (!usersOwn.isEmpty()) {
        qCInfo(lcStartup).noquote() << "the user's own cues:" << usersOwn.join(' ') << "from"
                                    << Printable(CuePath(UserDataFolder(), QString()));
    }
}

void TrainerMainform::PlayWave(const QString& path) {
    cuePlayer_->Play(path);
}

QString TrainerMainform::ApplicationFolder() const {
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

QString TrainerMainform::UserDataFolder() const {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

void TrainerMainform::UpdateSleepInhibition() {
    // The timer runs from Start to the end tick or Reset; a pause leaves it running.
    const bool running = secondsTimer_->isActive() && State().PauseMode == 0;
    if (!running && !sleepInhibitor_) {
        return;
    }
    if (!sleepInhibitor_) {
        sleepInhibitor_ =
            std::make_unique<SleepInhibitor>(bus_.value_or(QDBusConnection::sessionBus()));
    }
    sleepInhibitor_->SetInhibited(running);
}

void TrainerMainform::closeEvent(QCloseEvent* event) {
    if (sleepInhibitor_) {
        sleepInhibitor_->SetInhibited(false);
    }
    QWidget::closeEvent(event);
}

CommonDialog& TrainerMainform::CommonDialog1() {
    return commonDialog_;
}

void TrainerMainform::SecondsTimer_Timer() {
    controller_.SecondsTimer_Timer();
    UpdateSleepInhibition();
}
void TrainerMainform::ControlCmd_Click() {
    controller_.ControlCmd_Click();
    UpdateSleepInhibition();
}
void TrainerMainform::PauseCmd_Click() {
    controller_.PauseCmd_Click();
    UpdateSleepInhibition();
}
void TrainerMainform::LoadCmd_Click() {
    sessionFiles_.LoadCmd_Click();
}
void TrainerMainform::SaveCmd_Click() {
    sessionFiles_.SaveCmd_Click();
}

}  // namespace vellorin
