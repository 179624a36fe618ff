// The editor's rows: the list, the selected row's form, and what every change shows.
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "rounds_editing.h"
#include "rounds_editor.h"
#include "rounds_preview.h"

namespace vellorin {
namespace {

// A note of every problem would push the buttons off the screen; the first few say enough.
constexpr qsizetype kShownProblems = 5;

struct ValueField {
    TableValue value;
    const char* label;
    const char* name;
};
// The labels are translated where they are shown, in the context "vellorin::RoundsEditor".
constexpr ValueField kHoldFields[] = {
    {TableValue::HoldSeconds, QT_TRANSLATE_NOOP("vellorin::RoundsEditor", "Hold &length:"),
     "HoldSeconds"},
    //: The time a hold goes on after the first contraction.
    {TableValue::Margin, QT_TRANSLATE_NOOP("vellorin::RoundsEditor", "Mar&gin:"), "Margin"},
    //: The count of contractions that ends a hold.
    {TableValue::Contractions, QT_TRANSLATE_NOOP("vellorin::RoundsEditor", "Con&tractions:"),
     "Contractions"},
    //: The longest a hold may go on.
    {TableValue::Cap, QT_TRANSLATE_NOOP("vellorin::RoundsEditor", "&Cap:"), "Cap"},
    //: The shortest a hold may be.
    {TableValue::Minimum, QT_TRANSLATE_NOOP("vellorin::RoundsEditor", "&Minimum:"), "Minimum"},
};
constexpr ValueField kRestFields[] = {
    {TableValue::RestSeconds, QT_TRANSLATE_NOOP("vellorin::RoundsEditor", "Rest lengt&h:"),
     "RestSeconds"},
    //: The time from the start of a hold to the start of the next, the rest taking what the
    //: hold leaves.
    {TableValue::Cycle, QT_TRANSLATE_NOOP("vellorin::RoundsEditor", "C&ycle:"), "Cycle"},
    {TableValue::Floor, QT_TRANSLATE_NOOP("vellorin::RoundsEditor", "&Floor (shortest rest):"),
     "Floor"},
    //: The longest a one-breath rest may last.
    {TableValue::BreathMaximum, QT_TRANSLATE_NOOP("vellorin::RoundsEditor", "Longest &breath:"),
     "BreathMaximum"},
};
//: How many times the round is run.
constexpr ValueField kRepeatField[] = {
    {TableValue::Repeat, QT_TRANSLATE_NOOP("vellorin::RoundsEditor", "Re&peat:"), "Repeat"}};

}  // namespace

QLayout* RoundsEditor::BuildRowForm() {
    const auto addFields = [this](QFormLayout* form, const auto& fields) {
        for (const ValueField& field : fields) {
            auto* edit = new QLineEdit(this);
            edit->setObjectName(QString::fromLatin1(field.name));
            if (field.value != TableValue::Contractions && field.value != TableValue::Repeat) {
                //: How a time is typed: minutes and seconds like 3:05, or a number of seconds.
                edit->setPlaceholderText(tr("m:ss or seconds"));
            }
            form->addRow(tr(field.label), edit);
            fields_[field.value] = {edit, form};
            connect(edit, &QLineEdit::textEdited, this,
                    [this, value = field.value] { TypedValue(value); });
        }
    };
    // Made in the order Tab visits them; the kinds in the order of HoldRule::End and
    // RestRule::End.
    holdEnds_ = new QComboBox(this);
    holdEnds_->setObjectName(QStringLiteral("HoldEnds"));
    //: A kind of hold: one of a set length.
    holdEnds_->addItems({tr("Timed", "hold"),
                         //: A kind of hold: it ends a margin after the first contraction.
                         tr("First contraction + margin"),
                         //: A kind of hold: it ends at a given count of contractions.
                         tr("N-th contraction")});
    auto* hold = new QFormLayout;
    hold->addRow(tr("&Kind of hold:"), holdEnds_);
    addFields(hold, kHoldFields);
    restEnds_ = new QComboBox(this);
    restEnds_->setObjectName(QStringLiteral("RestEnds"));
    //: A kind of rest: one of a set length.
    restEnds_->addItems({tr("Timed", "rest"),
                         //: A kind of rest: it lasts what the hold leaves of a set cycle.
                         tr("Cycle"),
                         //: A kind of rest: a single breath.
                         tr("One breath")});
    auto* rest = new QFormLayout;
    rest->addRow(tr("Kind of r&est:"), restEnds_);
    addFields(rest, kRestFields);
    auto* repeat = new QFormLayout;
    addFields(repeat, kRepeatField);
    connect(holdEnds_, &QComboBox::activated, this, &RoundsEditor::KindChosen);
    connect(restEnds_, &QComboBox::activated, this, &RoundsEditor::KindChosen);

    auto* rules = new QHBoxLayout;
    rules->addLayout(hold);
    rules->addLayout(rest);
    auto* layout = new QVBoxLayout;
    layout->addLayout(rules);
    layout->addLayout(repeat);
    return layout;
}

int RoundsEditor::CurrentRow() const {
    const int row = list_->currentRow();
    return row >= 0 && row < table_.rounds.size() ? row : -1;
}

void RoundsEditor::ShowRows(int select) {
    const QList<TableProblem> problems = TableProblems(table_);
    {
        const QSignalBlocker blocker(list_);
        list_->clear();
        for (int row = 0; row < table_.rounds.size(); ++row) {
            list_->addItem(RowText(row, problems));
        }
        list_->setCurrentRow(select);
    }
    ShowRow(CurrentRow());
}

void RoundsEditor::ShowRow(int row) {
    const bool any = row >= 0 && row < table_.rounds.size();
    duplicate_->setEnabled(any);
    remove_->setEnabled(any);
    up_->setEnabled(any && row > 0);
    down_->setEnabled(any && row + 1 < table_.rounds.size());
    holdEnds_->setEnabled(any);
    restEnds_->setEnabled(any);
    const Round round = any ? table_.rounds[row] : Round{};
    holdEnds_->setCurrentIndex(static_cast<int>(round.hold.end));
    restEnds_->setCurrentIndex(static_cast<int>(round.rest.end));
    const QList<TableValue> used = RoundValues(round);
    for (const auto& [value, field] : fields_) {
        field.edit->setEnabled(any);
        field.edit->setText(any ? ValueText(value, RoundValue(round, value)) : QString());
        if (const bool shown = used.contains(value);
            field.form->isRowVisible(field.edit) != shown) {
            field.form->setRowVisible(field.edit, shown);
        }
    }
    Refresh();
}

void RoundsEditor::TypedValue(TableValue value) {
    if (const int row = CurrentRow(); row >= 0) {
        SetRoundValue(table_.rounds[row], value,
                      ValueFromText(value, fields_.at(value).edit->text()));
        Refresh();
    }
}

void RoundsEditor::KindChosen() {
    if (const int row = CurrentRow(); row >= 0) {
        // The values of the other kinds are kept, so that a switch back finds them.
        table_.rounds[row].hold.end = static_cast<HoldRule::End>(holdEnds_->currentIndex());
        table_.rounds[row].rest.end = static_cast<RestRule::End>(restEnds_->currentIndex());
        ShowRow(row);
    }
}

void RoundsEditor::AddRow() {
    ShowRows(AddRound(table_, CurrentRow(), personalBest_));
}

void RoundsEditor::DuplicateRow() {
    ShowRows(DuplicateRound(table_, CurrentRow()));
}

void RoundsEditor::RemoveRow() {
    ShowRows(RemoveRound(table_, CurrentRow()));
}

void RoundsEditor::MoveRow(int by) {
    ShowRows(MoveRound(table_, CurrentRow(), by));
}

QString RoundsEditor::RowText(int row, const QList<TableProblem>& problems) const {
    const auto problem = std::find_if(problems.begin(), problems.end(),
                                      [row](const TableProblem& p) { return p.round == row + 1; });
    if (problem != problems.end()) {
        //: A row of the table that cannot be run: its number, and what is wrong with it.
        return tr("%1. To mend: %2").arg(QString::number(row + 1), problem->reason);
    }
    const Round& round = table_.rounds[row];
    if (round.repeat == 1) {
        //: A row of the table: its number, its hold and its rest, as "3. hold 1:30, rest 2:00".
        return tr("%1. hold %2, rest %3")
            .arg(QString::number(row + 1), HoldText(round.hold), RestText(round.rest));
    }
    //: A row of the table run more than once: its number, how many times it runs, its hold and
    //: its rest, as "3. 4 × hold 1:30, rest 2:00".
    return tr("%1. %2 × hold %3, rest %4")
        .arg(QString::number(row + 1), QString::number(round.repeat), HoldText(round.hold),
             RestText(round.rest));
}

void RoundsEditor::Refresh() {
    const QList<TableProblem> problems = TableProblems(table_);
    if (const int row = CurrentRow(); row >= 0) {
        list_->item(row)->setText(RowText(row, problems));
    }
    //: How long the whole table takes, as "24:30" or "up to 24:30".
    total_->setText(tr("Total: %1").arg(TotalText(table_)));
    QStringList lines;
    for (const TableProblem& problem : problems.mid(0, kShownProblems)) {
        lines.append(problem.Sentence());
    }
    if (problems.size() > kShownProblems) {
        //: After the first problems of the table: how many more there are.
        lines.append(tr("And %n more to mend.", nullptr,
                        static_cast<int>(problems.size() - kShownProblems)));
    }
    const QList<TableProblem> warnings = HoldsAbovePersonalBest(table_, personalBest_);
    for (const TableProblem& warning : warnings.mid(0, kShownProblems)) {
        lines.append(warning.Sentence());
    }
    if (warnings.size() > kShownProblems) {
        //: After the first holds longer than the personal best: how many more there are.
        lines.append(tr("And %n more holds longer than your personal best.", nullptr,
                        static_cast<int>(warnings.size() - kShownProblems)));
    }
    note_->setText(lines.join(QLatin1Char('\n')));
}

bool RoundsEditor::Runnable() {
    const QList<TableProblem> problems = TableProblems(table_);
    if (problems.isEmpty()) {
        return true;
    }
    Refresh();
    Focus(problems.first());
    return false;
}

void RoundsEditor::Focus(const TableProblem& problem) {
    int row = problem.round - 1;
    if (problem.round == 0 && problem.value == TableValue::Repeat && !table_.rounds.isEmpty()) {
        // Too many rounds in all: the row repeated most is the one to shorten.
        row = static_cast<int>(
            std::max_element(table_.rounds.begin(), table_.rounds.end(),
                             [](const Round& a, const Round& b) { return a.repeat < b.repeat; }) -
            table_.rounds.begin());
    }
    QWidget* widget = problem.value == TableValue::Intro    ? intro_
                      : problem.value == TableValue::Rounds ? static_cast<QWidget*>(add_)
                                                            : name_;
    if (row >= 0 && row < table_.rounds.size()) {
        list_->setCurrentRow(row);
        if (const auto field = fields_.find(problem.value); field != fields_.end()) {
            widget = field->second.edit;
        }
    }
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->selectAll();
    }
}

}  // namespace vellorin
