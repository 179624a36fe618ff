#pragma once

#include <QWidget>
#include <optional>

#include "round_list.h"
#include "session_controller.h"

class QLabel;
class QListWidget;

namespace vellorin {

// The list of the table's rounds beside the design area, for both kinds of table: before
// Start the table's length, during a session the round under way marked, "3 of 8" and the
// phase that comes next with its length. The classic table's list follows its fields as they
// are edited; a session of rounds keeps showing the table it runs.
class RoundsPanel : public QWidget {
    Q_OBJECT

public:
    explicit RoundsPanel(QWidget* parent);

    // After every handler: cheap unless the table changed, so that a tick costs a label.
    void Follow(const SessionController& controller, const TrainerWindow& window);
    // What comes next, as the lights-out view shows it under the displays; empty when no
    // session is under way.
    QString NextText() const { return next_; }
    // Lays the panel out at scale (the design area's), as wide as the room beside it allows.
    void SetScale(qreal scale);

    static QString RoundText(int number, const RunRound& round);
    static QString LengthText(const RoundList& list);
    static QString PositionText(const SessionPosition& position);
    static QString AheadText(const PhaseAhead& next);

private:
    void Show(const RoundList& list);

    QLabel* summary_ = nullptr;
    QLabel* position_ = nullptr;
    QListWidget* rows_ = nullptr;
    std::optional<RoundList> shown_;
    std::optional<RoundsTable> shownTable_;  // the table of rounds shown; none for the fields
    QStringList classicFields_;              // the fields the classic list was computed from
    std::optional<SessionPosition> at_;
    QString next_;
};

}  // namespace vellorin
