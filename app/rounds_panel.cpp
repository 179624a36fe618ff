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
    rows_->setAccessibleName(QStringLiteral("The table's rounds"));
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
    next_ = QStringLiteral("Next: %1").arg(AheadText(at->next));
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
    QString text = QStringLiteral("%1. Hold %2").arg(number).arg(HoldText(round.hold));
    if (round.rest) {
        text += QStringLiteral(", rest %1").arg(RestText(*round.rest));
    }
    return text;
}

QString RoundsPanel::LengthText(const RoundList& list) {
    if (!list.problem.isEmpty()) {
        return QStringLiteral("The table cannot be run: %1.").arg(list.problem);
    }
    const qsizetype count = list.rounds.size();
    return QStringLiteral("%1 %2, %3%4")
        .arg(count)
        .arg(count == 1 ? QStringLiteral("round") : QStringLiteral("rounds"))
        .arg(list.length.exact ? QString() : QStringLiteral("up to "))
        .arg(FormatTotal(list.length.seconds));
}

QString RoundsPanel::PositionText(const SessionPosition& position) {
    return QStringLiteral("Round %1 of %2. Next: %3.")
        .arg(position.round)
        .arg(position.rounds)
        .arg(AheadText(position.next));
}

QString RoundsPanel::AheadText(const PhaseAhead& next) {
    const QString length =
        (next.exact ? QString() : QStringLiteral("up to ")) + FormatSeconds(next.seconds);
    switch (next.kind) {
        case PhaseAhead::Kind::Hold:
            return QStringLiteral("hold %1").arg(length);
        case PhaseAhead::Kind::Rest:
            return QStringLiteral("rest %1").arg(length);
        case PhaseAhead::Kind::End:
            return QStringLiteral("the end");
    }
    return {};
}

}  // namespace vellorin
