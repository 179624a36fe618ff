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
constexpr ValueField kHoldFields[] = {
    {TableValue::HoldSeconds, "Hold &length:", "HoldSeconds"},
    {TableValue::Margin, "Mar&gin:", "Margin"},
    {TableValue::Contractions, "Con&tractions:", "Contractions"},
    {TableValue::Cap, "&Cap:", "Cap"},
    {TableValue::Minimum, "&Minimum:", "Minimum"},
};
constexpr ValueField kRestFields[] = {
    {TableValue::RestSeconds, "Rest lengt&h:", "RestSeconds"},
    {TableValue::Cycle, "C&ycle:", "Cycle"},
    {TableValue::Floor, "&Floor (shortest rest):", "Floor"},
    {TableValue::BreathMaximum, "Longest &breath:", "BreathMaximum"},
};
constexpr ValueField kRepeatField[] = {{TableValue::Repeat, "Re&peat:", "Repeat"}};

}  // namespace

QLayout* RoundsEditor::BuildRowForm() {
    const auto addFields = [this](QFormLayout* form, const auto& fields) {
        for (const ValueField& field : fields) {
            auto* edit = new QLineEdit(this);
            edit->setObjectName(QString::fromLatin1(field.name));
            if (field.value != TableValue::Contractions && field.value != TableValue::Repeat) {
                edit->setPlaceholderText(QStringLiteral("m:ss or seconds"));
            }
            form->addRow(QString::fromLatin1(field.label), edit);
            fields_[field.value] = {edit, form};
            connect(edit, &QLineEdit::textEdited, this,
                    [this, value = field.value] { TypedValue(value); });
        }
    };
    // Made in the order Tab visits them; the kinds in the order of HoldRule::End and
    // RestRule::End.
    holdEnds_ = new QComboBox(this);
    holdEnds_->setObjectName(QStringLiteral("HoldEnds"));
    holdEnds_->addItems({QStringLiteral("Timed"), QStringLiteral("First contraction + margin"),
                         QStringLiteral("N-th contraction")});
    auto* hold = new QFormLayout;
    hold->addRow(QStringLiteral("&Kind of hold:"), holdEnds_);
    addFields(hold, kHoldFields);
    restEnds_ = new QComboBox(this);
    restEnds_->setObjectName(QStringLiteral("RestEnds"));
    restEnds_->addItems(
        {QStringLiteral("Timed"), QStringLiteral("Cycle"), QStringLiteral("One breath")});
    auto* rest = new QFormLayout;
    rest->addRow(QStringLiteral("Kind of r&est:"), restEnds_);
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
        return QStringLiteral("%1. To mend: %2").arg(row + 1).arg(problem->reason);
    }
    const Round& round = table_.rounds[row];
    const QString times = round.repeat == 1 ? QString() : QStringLiteral("%1 × ").arg(round.repeat);
    return QStringLiteral("%1. %2hold %3, rest %4")
        .arg(row + 1)
        .arg(times, HoldText(round.hold), RestText(round.rest));
}

void RoundsEditor::Refresh() {
    const QList<TableProblem> problems = TableProblems(table_);
    if (const int row = CurrentRow(); row >= 0) {
        list_->item(row)->setText(RowText(row, problems));
    }
    total_->setText(QStringLiteral("Total: ") + TotalText(table_));
    QStringList lines;
    for (const TableProblem& problem : problems.mid(0, kShownProblems)) {
        lines.append(problem.Sentence());
    }
    if (problems.size() > kShownProblems) {
        lines.append(QStringLiteral("And %1 more to mend.").arg(problems.size() - kShownProblems));
    }
    const QList<TableProblem> warnings = HoldsAbovePersonalBest(table_, personalBest_);
    for (const TableProblem& warning : warnings.mid(0, kShownProblems)) {
        lines.append(warning.Sentence());
    }
    if (warnings.size() > kShownProblems) {
        lines.append(QStringLiteral("And %1 more holds longer than your personal best.")
                         .arg(warnings.size() - kShownProblems));
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
