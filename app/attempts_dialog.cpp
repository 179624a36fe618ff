#include "attempts_dialog.h"

#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "allgemein.h"
#include "message_text.h"
#include "pb_tables.h"

namespace vellorin {
namespace {

QString Began(const Attempt& attempt) {
    return attempt.when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

}  // namespace

AttemptsDialog::AttemptsDialog(QWidget* parent, const QString& path, Confirm confirm)
    : QDialog(parent), path_(path), confirm_(std::move(confirm)) {
    setWindowTitle(tr("Personal bests"));
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("Attempts"));
    //: The headings of the list of attempts: when each began, and the time held.
    list_->setHeaderLabels({tr("Began"), tr("Held")});
    list_->setRootIsDecorated(false);
    list_->setMinimumSize(300, 200);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    remove_ = new QPushButton(tr("&Remove..."), this);
    remove_->setObjectName(QStringLiteral("RemoveAttempt"));
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("AttemptsNote"));
    note_->setWordWrap(true);
    note_->setTextFormat(Qt::PlainText);  // a file name is shown as it is
    note_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    when_ = new QDateTimeEdit(QDateTime::currentDateTime(), this);
    when_->setObjectName(QStringLiteral("AttemptWhen"));
    when_->setCalendarPopup(true);
    when_->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm"));
    held_ = new QLineEdit(this);
    held_->setObjectName(QStringLiteral("AttemptHeld"));
    //: How a time is typed: minutes and seconds like 3:05, or a number of seconds.
    held_->setPlaceholderText(tr("m:ss or seconds"));
    add_ = new QPushButton(tr("&Add"), this);
    add_->setObjectName(QStringLiteral("AddAttempt"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    for (QPushButton* button : {remove_, add_, buttons->button(QDialogButtonBox::Close)}) {
        button->setAutoDefault(false);  // Enter in a field adds; it never closes the dialog
    }

    auto* form = new QFormLayout;
    form->addRow(tr("&Began:"), when_);
    //: The field of the time held in an attempt.
    form->addRow(tr("&Held:"), held_);
    auto* byHand = new QHBoxLayout;
    byHand->addLayout(form, 1);
    byHand->addWidget(add_, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Your attempts:"), this));
    layout->addWidget(list_);
    layout->addWidget(remove_, 0, Qt::AlignLeft);
    layout->addWidget(new QLabel(tr("A personal best from elsewhere:"), this));
    layout->addLayout(byHand);
    layout->addWidget(note_);
    layout->addWidget(buttons);
    setTabOrder(list_, remove_);
    setTabOrder(remove_, when_);
    setTabOrder(when_, held_);
    setTabOrder(held_, add_);

    connect(remove_, &QPushButton::clicked, this, &AttemptsDialog::RemoveSelected);
    new QShortcut(QKeySequence::Delete, list_, this, &AttemptsDialog::RemoveSelected,
                  Qt::WidgetShortcut);
    connect(add_, &QPushButton::clicked, this, &AttemptsDialog::AddTyped);
    connect(held_, &QLineEdit::returnPressed, this, &AttemptsDialog::AddTyped);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QTreeWidget::currentItemChanged, this,
            [this] { remove_->setEnabled(list_->currentItem() != nullptr); });
    Reload();
    list_->setFocus();
}

void AttemptsDialog::Reload() {
    const AttemptsRead read = ReadAttemptsFile(path_);
    attempts_ = read.attempts;
    list_->clear();
    for (const Attempt& attempt : attempts_) {
        list_->addTopLevelItem(
            new QTreeWidgetItem({Began(attempt), FormatSeconds(attempt.seconds)}));
    }
    if (!attempts_.isEmpty()) {
        list_->setCurrentItem(list_->topLevelItem(list_->topLevelItemCount() - 1));
    }
    remove_->setEnabled(list_->currentItem() != nullptr);
    add_->setEnabled(read.problem.isEmpty());
    note_->setText(read.problem.isEmpty() ? DamagedLinesMessage(path_, read.skipped)
                                          : read.problem);
}

void AttemptsDialog::RemoveSelected() {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0 || row >= attempts_.size()) {
        return;
    }
    const Attempt attempt = attempts_[row];
    //: %1 is when the attempt began (2024-05-01 07:30), %2 the time held (03:05).
    if (!confirm_(tr("Remove the attempt that began %1, held %2? It cannot be brought back.")
                      .arg(Began(attempt), FormatSeconds(attempt.seconds)))) {
        return;
    }
    const QString failure = RemoveAttempt(path_, attempt);
    Reload();
    if (!failure.isEmpty()) {
        //: %1 is the attempts file's name, %2 the reason, a clause without a full stop.
        note_->setText(tr("Could not remove the attempt from \"%1\": %2.")
                           .arg(path_, WithoutFullStop(failure)));
    }
}

void AttemptsDialog::AddTyped() {
    const std::optional<int> held = ParsePersonalBest(held_->text());
    if (!held) {
        note_->setText(
            tr("The time held is typed as m:ss (\"3:05\") or in seconds (\"185\"), at least 1 "
               "second."));
        held_->setFocus();
        return;
    }
    const QString failure = AppendAttempt(path_, {when_->dateTime(), *held});
    Reload();
    if (failure.isEmpty()) {
        held_->clear();
    } else {
        //: %1 is the attempts file's name, %2 the reason, a clause without a full stop.
        note_->setText(
            tr("Could not add the attempt to \"%1\": %2.").arg(path_, WithoutFullStop(failure)));
    }
}

QStringList AttemptsDialog::Listed() const {
    QStringList rows;
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        rows.append(list_->topLevelItem(i)->text(0) + '\t' + list_->topLevelItem(i)->text(1));
    }
    return rows;
}

QString AttemptsDialog::Note() const {
    return note_->text();
}

}  // namespace vellorin
