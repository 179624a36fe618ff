#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include "caption.h"

namespace vellorin {

// The six settings fields, in the order of a session file's lines.
enum class Field { IntroTbx, HoldTbx, HoldIncTbx, RestTbx, RestDecTbx, LoopsTbx };
inline constexpr Field kSettingsFields[] = {Field::IntroTbx, Field::HoldTbx,    Field::HoldIncTbx,
                                            Field::RestTbx,  Field::RestDecTbx, Field::LoopsTbx};

// The name a settings field goes by in the window, without its colon ("Initial rest time").
inline QString FieldCaption(Field field) {
    static const char* const captions[] = {
        QT_TRANSLATE_NOOP("TrainerMainform", "Intro"),
        QT_TRANSLATE_NOOP("TrainerMainform", "Breath hold(max)"),
        QT_TRANSLATE_NOOP("TrainerMainform", "Increase hold time by"),
        QT_TRANSLATE_NOOP("TrainerMainform", "Initial rest time"),
        QT_TRANSLATE_NOOP("TrainerMainform", "Decrease rest by"),
        QT_TRANSLATE_NOOP("TrainerMainform", "Loops")};
    return QCoreApplication::translate("TrainerMainform", captions[static_cast<int>(field)]);
}

// The captions the session controller writes.
enum class Control { SessionLbl, SessionClock, SequenceLbl, SequenceTimeLbl, ControlCmd, PauseCmd };

// The file dialog shared by Load and Save. FileName() is empty when nothing was chosen.
class CommonDialog {
public:
    virtual ~CommonDialog() = default;
    bool CancelError = false;
    QString Filter;        // "display text|pattern"
    QString InitDir;       // folder the dialog opens in; empty for the toolkit's choice
    QString ProposedFile;  // the name a save dialog proposes; empty for none
    virtual void ShowOpen() = 0;
    virtual void ShowSave() = 0;
    virtual QString FileName() const = 0;
};

// A dialog for a window that never shows one: nothing is ever chosen.
class NoDialog : public CommonDialog {
public:
    void ShowOpen() override {}
    void ShowSave() override {}
    QString FileName() const override { return {}; }
};

// What the session controller and the session files need from the window toolkit.
class TrainerWindow {
public:
    virtual ~TrainerWindow() = default;
    virtual void SetCaption(Control control, const Caption& caption) = 0;
    virtual QString FieldText(Field field) const = 0;
    virtual void SetFieldText(Field field, const QString& text) = 0;
    virtual void SetTimerEnabled(bool enabled) = 0;
    // A modal message box titled "Vellorin" with a single OK button.
    virtual void ShowMessage(const QString& text) = 0;
    // Starts playing a wave file and returns at once; a missing file is silent.
    virtual void PlayWave(const QString& path) = 0;
    // Plays a wave file once the one sounding has finished (at once when none sounds).
    virtual void FollowWave(const QString& path) { PlayWave(path); }
    // The folder that holds the executable, without a trailing separator.
    virtual QString ApplicationFolder() const = 0;
    // The user's own data folder (~/.local/share/Vellorin on Linux), for what the user keeps
    // when the application folder is not theirs to write; empty when there is none.
    virtual QString UserDataFolder() const = 0;
    virtual CommonDialog& CommonDialog1() = 0;
};

// The six settings fields' texts, in the order of a session file's lines.
inline QStringList FieldTexts(const TrainerWindow& window) {
    QStringList texts;
    for (Field field : kSettingsFields) {
        texts.append(window.FieldText(field));
    }
    return texts;
}

}  // namespace vellorin
