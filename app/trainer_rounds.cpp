// Tables of rounds in the window: the Tables menu's presets and editor, and the window's
// state while a table of rounds is in use.
#include <QAction>
#include <QDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include "allgemein.h"
#include "attempts_file.h"
#include "classic_rounds.h"
#include "design_area.h"
#include "rounds_editor.h"
#include "rounds_panel.h"
#include "rounds_presets.h"
#include "trainer_mainform.h"

namespace vellorin {
namespace {

// The presets as the Tables menu offers them, in PresetKeys' order. PB: personal best.
const char* const kPresetTexts[] = {
    QT_TRANSLATE_NOOP("vellorin::TrainerMainform", "New &CO2 table from your PB"),
    QT_TRANSLATE_NOOP("vellorin::TrainerMainform", "New &O2 table from your PB"),
    QT_TRANSLATE_NOOP("vellorin::TrainerMainform", "New &pyramid from your PB"),
    //: A Wonka table: each hold goes on a set time past the first contraction.
    QT_TRANSLATE_NOOP("vellorin::TrainerMainform", "New &Wonka table (first contraction + 0:30)"),
    //: A Wonka table by count: each hold ends at a count of contractions.
    QT_TRANSLATE_NOOP("vellorin::TrainerMainform", "New Wonka table by &count (10 contractions)"),
    //: A table whose rests are one breath each: 8 holds of one minute.
    QT_TRANSLATE_NOOP("vellorin::TrainerMainform", "New &one-breath table (8 x 1:00)"),
    //: Ten holds, one starting every two minutes.
    QT_TRANSLATE_NOOP("vellorin::TrainerMainform", "New static &intervals (10 on a 2:00 cycle)"),
};

}  // namespace

void TrainerMainform::AddPresetActions(QMenu* tables) {
    tables->addSeparator();
    const QStringList keys = PresetKeys();
    for (qsizetype i = 0; i < keys.size(); ++i) {
        QAction* action = tables->addAction(tr(kPresetTexts[i]));
        action->setObjectName(QStringLiteral("preset-") + keys[i]);
        const RoundsPreset preset = *PresetFromKey(keys[i]);
        connect(action, &QAction::triggered, this, [this, preset] { NewPresetCmd(preset); });
        actions_.insert(action->objectName(), action);
    }
}

std::optional<int> TrainerMainform::RecordedBest() {
    const AttemptsRead attempts = ReadAttemptsFile(AttemptsPath(UserDataFolder()));
    return BestSeconds(attempts.attempts);
}

std::optional<int> TrainerMainform::AskPersonalBest() {
    bool ok = false;
    const QString text = QInputDialog::getText(
        this, QStringLiteral("Vellorin"),
        tr("No personal best is on record. Your personal best (m:ss or seconds):"),
        QLineEdit::Normal, QString(), &ok);
    const std::optional<qint32> seconds = ok ? ParseClockText(text) : std::nullopt;
    if (ok && !seconds) {
        ShowMessage(tr("\"%1\" is not a time: type it as m:ss or in seconds.").arg(text));
    }
    return seconds;
}

void TrainerMainform::NewPresetCmd(RoundsPreset preset) {
    const std::optional<int> best = RecordedBest();
    std::optional<int> pb = best;
    if (UsesPersonalBest(preset) && !pb) {
        pb = AskPersonalBest();
        if (!pb) {
            return;
        }
    }
    const PresetTable made = MakePreset(preset, pb.value_or(0));
    if (!made.table) {
        //: %1 is the reason, a clause without a full stop.
        ShowMessage(tr("Could not make the table: %1.").arg(made.problem));
        return;
    }
    if (const QString warning = PresetWarning(preset, *made.table, best);
        !warning.isEmpty() &&
        //: %1 is a warning about the table, in whole sentences.
        !Confirm(tr("%1\n\nUse this table all the same?").arg(warning))) {
        return;
    }
    sessionFiles_.UseRounds(made.table, QString());
    AfterHandler();
}

void TrainerMainform::EditRoundsCmd() {
    const std::optional<RoundsTable>& rounds = sessionFiles_.Rounds();
    const bool own = rounds.has_value();
    // With the six settings in use the editor starts from their table, as a table it has not
    // changed yet.
    const ClassicRounds classic = own ? ClassicRounds{} : RoundsFromClassic(*this);
    RoundsEditor editor(own ? *rounds : classic.table.value_or(RoundsTable{}),
                        own ? sessionFiles_.TableFile() : QString(), RecordedBest(), *this, this);
    editor.SetProgramFiles(
        [this](const QString& path) { return sessionFiles_.ProgramFileName(path); });
    if (!own && !classic.table) {
        editor.FillFromSettings();  // says why the six settings make no table
    }
    if (editor.exec() == QDialog::Accepted) {
        sessionFiles_.UseEditedRounds(editor.Table(), editor.Path(), editor.Written());
    } else if (own && editor.Written() && editor.Path() == sessionFiles_.TableFile()) {
        // Saved, then cancelled: the table in use stays, and its file holds what was saved.
        sessionFiles_.UseEditedRounds(*rounds, editor.Path(), editor.Written());
    }
    AfterHandler();
}

void TrainerMainform::UseSixSettingsCmd() {
    sessionFiles_.UseRounds(std::nullopt, QString());
    AfterHandler();
}

void TrainerMainform::RoundsChanged(const std::optional<RoundsTable>& table) {
    controller_.ChooseRounds(table);
    ChooseCueProfile();
    // The six fields stand for the classic table: while a table of rounds is in use they
    // are kept as they are, greyed, for Use the six settings to come back to.
    for (Field field : kSettingsFields) {
        static const char* const names[] = {"IntroTbx", "HoldTbx",    "HoldIncTbx",
                                            "RestTbx",  "RestDecTbx", "LoopsTbx"};
        Widget(names[static_cast<int>(field)])->setEnabled(!table);
    }
    if (QAction* six = actions_.value(QStringLiteral("sixsettings"))) {
        six->setEnabled(table.has_value());
    }
    // A table of rounds is followed in its list: the window makes room for it.
    if (table && !roundsPanel_->isVisible() && !isMaximized() && !isFullScreen() && !LightsOut()) {
        resize(width() + qRound(220 * LayoutScale()), height());
    }
}

}  // namespace vellorin
