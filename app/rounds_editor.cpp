#include "rounds_editor.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "classic_rounds.h"
#include "cue_profile_menu.h"
#include "message_text.h"
#include "rounds_editing.h"
#include "session_commands.h"
#include "vtable_file.h"

namespace vellorin {
namespace {

QPushButton* Button(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

}  // namespace

RoundsEditor::RoundsEditor(const RoundsTable& table, const QString& path,
                           std::optional<int> personalBest, const TrainerWindow& window,
                           QWidget* parent)
    : QDialog(parent),
      table_(table),
      saved_(table),
      path_(path),
      personalBest_(personalBest),
      window_(window) {
    setWindowTitle(tr("Table of rounds"));
    // Made in the order Tab visits them.
    name_ = new QLineEdit(table_.name, this);
    name_->setObjectName(QStringLiteral("TableName"));
    intro_ = new QLineEdit(ValueText(TableValue::Intro, table_.intro), this);
    intro_->setObjectName(QStringLiteral("TableIntro"));
    //: How a time is typed: minutes and seconds like 3:05, or a number of seconds.
    intro_->setPlaceholderText(tr("m:ss or seconds"));
    profile_ = new QComboBox(this);
    profile_->setObjectName(QStringLiteral("TableProfile"));
    CueProfileMenu::FillChooser(profile_, window_.UserDataFolder(), table_.profile);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("Rounds"));
    list_->setMinimumSize(360, 160);
    add_ = Button(tr("&Add"), "AddRound", this);
    duplicate_ = Button(tr("&Duplicate"), "DuplicateRound", this);
    remove_ = Button(tr("&Remove"), "RemoveRound", this);
    up_ = Button(tr("Move up"), "MoveRoundUp", this);
    down_ = Button(tr("Move down"), "MoveRoundDown", this);
    up_->setToolTip(QKeySequence(Qt::CTRL | Qt::Key_Up).toString(QKeySequence::NativeText));
    down_->setToolTip(QKeySequence(Qt::CTRL | Qt::Key_Down).toString(QKeySequence::NativeText));
    //: The six settings: the six fields of the main window that make a classic table.
    auto* fill = Button(tr("&Fill from the six settings"), "FillFromSettings", this);
    QLayout* rowForm = BuildRowForm();
    total_ = new QLabel(this);
    total_->setObjectName(QStringLiteral("TableTotal"));
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("TableNote"));
    note_->setWordWrap(true);
    note_->setTextFormat(Qt::PlainText);  // a name is shown as it is
    auto* save = Button(tr("&Save"), "SaveTable", this);
    auto* saveAs = Button(tr("Sa&ve as..."), "SaveTableAs", this);
    auto* use = Button(tr("&Use this table"), "UseTable", this);
    auto* cancel = Button(tr("Cancel"), "CancelTable", this);
    use->setDefault(true);

    auto* head = new QFormLayout;
    head->addRow(tr("&Name:"), name_);
    //: The countdown before the first hold of the table.
    head->addRow(tr("&Intro:"), intro_);
    //: The cue profile the table plays.
    head->addRow(tr("&What you hear:"), profile_);
    auto* rowButtons = new QVBoxLayout;
    for (QPushButton* button : {add_, duplicate_, remove_, up_, down_, fill}) {
        rowButtons->addWidget(button);
    }
    rowButtons->addStretch();
    auto* rows = new QHBoxLayout;
    rows->addWidget(list_, 1);
    rows->addLayout(rowButtons);
    auto* roundsLabel = new QLabel(tr("R&ounds:"), this);
    roundsLabel->setBuddy(list_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(save);
    bottom->addWidget(saveAs);
    bottom->addStretch();
    bottom->addWidget(use);
    bottom->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(roundsLabel);
    layout->addLayout(rows);
    layout->addLayout(rowForm);
    layout->addWidget(total_);
    layout->addWidget(note_);
    layout->addLayout(bottom);

    connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
        table_.name = text;
        Refresh();
    });
    connect(intro_, &QLineEdit::textEdited, this, [this](const QString& text) {
        table_.intro = ValueFromText(TableValue::Intro, text);
        Refresh();
    });
    connect(profile_, &QComboBox::activated, this, [this] {
        table_.profile = profile_->currentData().toString();
        Refresh();
    });
    connect(list_, &QListWidget::currentRowChanged, this, &RoundsEditor::ShowRow);
    connect(add_, &QPushButton::clicked, this, &RoundsEditor::AddRow);
    connect(duplicate_, &QPushButton::clicked, this, &RoundsEditor::DuplicateRow);
    connect(remove_, &QPushButton::clicked, this, &RoundsEditor::RemoveRow);
    connect(up_, &QPushButton::clicked, this, [this] { MoveRow(-1); });
    connect(down_, &QPushButton::clicked, this, [this] { MoveRow(1); });
    connect(fill, &QPushButton::clicked, this, &RoundsEditor::FillFromSettings);
    connect(save, &QPushButton::clicked, this, &RoundsEditor::Save);
    connect(saveAs, &QPushButton::clicked, this, &RoundsEditor::SaveAs);
    connect(use, &QPushButton::clicked, this, &RoundsEditor::UseTable);
    connect(cancel, &QPushButton::clicked, this, &RoundsEditor::reject);
    // Delete only in the list: in a value it deletes characters.
    new QShortcut(QKeySequence::Delete, list_, this, &RoundsEditor::RemoveRow, Qt::WidgetShortcut);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up), this, this, [this] { MoveRow(-1); });
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down), this, this, [this] { MoveRow(1); });

    ShowRows(table_.rounds.isEmpty() ? -1 : 0);
    list_->setFocus();
}

void RoundsEditor::FillFromSettings() {
    const ClassicRounds classic = RoundsFromClassic(window_);
    if (!classic.table) {
        //: %1 is the reason, a clause without a full stop.
        ShowMessage(tr("Could not fill the table from the six settings: %1.")
                        .arg(WithoutFullStop(classic.problem)));
        return;
    }
    if (table_ != saved_ &&
        !Confirm(tr("Replace the rounds with the six settings' table? The changes you have "
                    "not saved are lost."))) {
        return;
    }
    // The name and the cue profile stay the table's own.
    table_.intro = classic.table->intro;
    table_.rounds = classic.table->rounds;
    intro_->setText(ValueText(TableValue::Intro, table_.intro));
    ShowRows(0);
}

bool RoundsEditor::Save() {
    return path_.isEmpty() ? SaveAs() : SaveTo(path_);
}

bool RoundsEditor::SaveAs() {
    if (!Runnable()) {
        return false;
    }
    const QString path = AskSavePath(TablesDialogFolder(window_), path_);
    return !path.isEmpty() && SaveTo(path);
}

bool RoundsEditor::SaveTo(const QString& path) {
    if (!Runnable()) {
        return false;
    }
    if (const QString own = programFileName_ ? programFileName_(path) : QString(); !own.isEmpty()) {
        //: %1 is a file name, %2 the name of one of the program's own files, as "the
        //: training log".
        ShowMessage(tr("Could not save the table to \"%1\": it is %2 Vellorin keeps, which a "
                       "table must not replace.")
                        .arg(path, own));
        return false;
    }
    if (const QString failure = WriteTableFile(path, table_); !failure.isEmpty()) {
        //: %1 is a file name, %2 the reason, a clause without a full stop.
        ShowMessage(
            tr("Could not save the table to \"%1\": %2.").arg(path, WithoutFullStop(failure)));
        return false;
    }
    path_ = path;
    saved_ = table_;
    written_ = table_;
    return true;
}

void RoundsEditor::UseTable() {
    if (Runnable()) {
        accept();
    }
}

void RoundsEditor::reject() {
    if (table_ != saved_ && !Confirm(tr("Close the table without saving your changes to it?"))) {
        return;
    }
    QDialog::reject();
}

QString RoundsEditor::AskSavePath(const QString& folder, const QString& proposed) {
    QFileDialog dialog(this, tr("Save the table of rounds"), folder,
                       tr("Vellorin tables (*.vtable)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("vtable"));
    if (!proposed.isEmpty()) {
        dialog.selectFile(proposed);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

void RoundsEditor::ShowMessage(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Vellorin"), text, QMessageBox::Ok, this);
    box.exec();
}

bool RoundsEditor::Confirm(const QString& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Vellorin"), question,
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString RoundsEditor::TotalLine() const {
    return total_->text();
}

QString RoundsEditor::Note() const {
    return note_->text();
}

}  // namespace vellorin
