#include "rounds_panel.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "allgemein.h"
#include "rounds_preview.h"

namespace vellorin {

RoundsPanel::RoundsPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("RoundsPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("RoundsSummary"));
    summary_->setWordWrap(true);
    position_ = new QLabel(this);
    position_->setObjectName(QStringLiteral("RoundsPosition"));
    position_->setWordWrap(true);
    rows_ = new QListWidget(this);
    rows_->setObjectName(QStringLiteral("RoundsList"));
    rows_->setAccessibleName(tr("The table's rounds"));
    rows_->setFocusPolicy(Qt::NoFocus);  // shown, never in the way of Space and Enter
    rows_->setSelectionMode(QAbstractItemView::SingleSelection);
    rows_->setUniformItemSizes(true);  // a list of thousands of rounds lays out at once
    layout->addWidget(summary_);
    layout->addWidget(position_);
    layout->addWidget(rows_, 1);
}

void RoundsPanel::Follow(const SessionController& controller, const TrainerWindow& window) {
    const RoundsRun* running = controller.Rounds();
    const bool underWay = controller.State().Mode == 1 && !controller.Ended();
    // A session under way is listed as it runs, whatever table is chosen for the next Start.
    const RoundsTable* table = underWay ? (running != nullptr ? &running->Table() : nullptr)
                               : controller.ChosenRounds() ? &*controller.ChosenRounds()
                                                           : nullptr;
    if (table != nullptr) {
        if (!shown_ || shownTable_ != *table) {
            shownTable_ = *table;
            Show(TableList(*table));
        }
    } else if (const QStringList fields = FieldTexts(window);
               !shown_ || shownTable_ || fields != classicFields_) {
        // A classic session that runs on after an edit follows the fields, as it does.
        shownTable_.reset();
        classicFields_ = fields;
        Show(ClassicList(window));
    }
    const std::optional<SessionPosition> at =
        Position(controller.Shown(), controller.Ended(), *shown_);
    if (at == at_) {
        return;
    }
    at_ = at;
    if (!at) {
        position_->clear();
        next_.clear();
        rows_->clearSelection();
        return;
    }
    position_->setText(PositionText(*at));
    //: What comes next in the session, under the lights-out displays; %1 is "hold 1:30",
    //: "rest up to 2:00" or "the end".
    next_ = tr("Next: %1").arg(AheadText(at->next));
    if (rows_->currentRow() != at->round - 1) {
        rows_->setCurrentRow(at->round - 1);
        rows_->scrollToItem(rows_->currentItem(), QAbstractItemView::PositionAtCenter);
    }
}

void RoundsPanel::Show(const RoundList& list) {
    shown_ = list;
    at_.reset();
    summary_->setText(LengthText(list));
    rows_->clear();
    QStringList texts;
    texts.reserve(list.rounds.size());
    for (int i = 0; i < list.rounds.size(); ++i) {
        texts.append(RoundText(i + 1, list.rounds[i]));
    }
    rows_->addItems(texts);
}

void RoundsPanel::SetScale(qreal scale) {
    QFont font = this->font();
    font.setPointSizeF(8.25 * std::max<qreal>(scale, 1.0));
    setFont(font);
}

QString RoundsPanel::RoundText(int number, const RunRound& round) {
    if (round.rest) {
        //: A round in the list of the table's rounds: its number, its hold and its rest, as
        //: "3. Hold 1:30, rest 2:00".
        return tr("%1. Hold %2, rest %3")
            .arg(QString::number(number), HoldText(round.hold), RestText(*round.rest));
    }
    //: The last round, which has no rest: its number and its hold, as "8. Hold 1:30".
    return tr("%1. Hold %2").arg(QString::number(number), HoldText(round.hold));
}

QString RoundsPanel::LengthText(const RoundList& list) {
    if (!list.problem.isEmpty()) {
        //: %1 is the reason, a clause without a full stop.
        return tr("The table cannot be run: %1.").arg(list.problem);
    }
    const int count = static_cast<int>(list.rounds.size());
    const QString length = FormatTotal(list.length.seconds);
    if (list.length.exact) {
        //: The table's rounds and how long it takes, as "8 rounds, 24:30".
        return tr("%n rounds, %1", nullptr, count).arg(length);
    }
    //: The table's rounds and the longest it may take, as "8 rounds, up to 24:30".
    return tr("%n rounds, up to %1", nullptr, count).arg(length);
}

QString RoundsPanel::PositionText(const SessionPosition& position) {
    //: Where the session is: %1 the round under way, %2 the rounds in all, %3 what comes
    //: next ("hold 1:30", "rest up to 2:00" or "the end").
    return tr("Round %1 of %2. Next: %3.")
        .arg(QString::number(position.round), QString::number(position.rounds),
             AheadText(position.next));
}

QString RoundsPanel::AheadText(const PhaseAhead& next) {
    const QString length = FormatSeconds(next.seconds);
    switch (next.kind) {
        case PhaseAhead::Kind::Hold:
            if (next.exact) {
                //: What comes next, after "Next:": a breath-hold this long (a time like 1:30).
                return tr("hold %1").arg(length);
            }
            //: What comes next, after "Next:": a breath-hold that may end sooner, at most this
            //: long (a time like 1:30).
            return tr("hold up to %1").arg(length);
        case PhaseAhead::Kind::Rest:
            if (next.exact) {
                //: What comes next, after "Next:": a rest this long (a time like 2:00).
                return tr("rest %1").arg(length);
            }
            //: What comes next, after "Next:": a rest that may end sooner, at most this long
            //: (a time like 2:00).
            return tr("rest up to %1").arg(length);
        case PhaseAhead::Kind::End:
            //: What comes next, after "Next:": the end of the session.
            return tr("the end");
    }
    return {};
}

}  // namespace vellorin
