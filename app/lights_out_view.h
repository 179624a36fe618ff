#pragma once

#include <QWidget>
#include <array>

#include "trainer_window.h"

class QLabel;
class QTimer;

namespace vellorin {

// The four displays alone, light on black, as large as the window allows: for training in a
// dark room, or from across it. It shows what the window's displays show, and around them,
// never over them, the state of the session: "Paused" above them with the clocks dimmed, a
// contraction's mark and the hold's count below them, the phase that comes next; at the end
// the session's summary stands in the displays' place.
class LightsOutView : public QWidget {
    Q_OBJECT

public:
    explicit LightsOutView(QWidget* parent);

    // Shows text on the display that stands for control (the four labels; others are not
    // shown here).
    void SetCaption(Control control, const QString& text);
    QString Caption(Control control) const;
    // The phase that comes next ("Next: rest 02:00"), under the displays; empty for none.
    void SetNext(const QString& text);
    QString Next() const;
    // "Paused" above the displays and both clocks dimmed; false: as ever.
    void SetPaused(bool paused);
    bool Paused() const;
    // "Contraction N" below the displays for a moment (kMarkShown milliseconds).
    void AcknowledgeMark(int number);
    static constexpr int kMarkShown = 1500;
    // "Contractions: N" for the hold under way; 0 shows nothing.
    void SetCount(int contractions);
    // The sensors' values under everything else, in red for a warning; empty: no line at all.
    void SetSensors(const QString& text, bool warning);
    QString Sensors() const;
    // The summary of the session that ended, in the displays' place; empty: the displays.
    void SetSummary(const QString& text);
    QString Summary() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitAll();
    // The largest pixel size at which text fits a quarter of the view.
    int LargestFitting(const QString& text) const;
    QFont SummaryFont() const;

    std::array<QLabel*, 4> displays_{};  // loop, session clock, phase, phase clock
    QLabel* next_ = nullptr;
    QLabel* state_ = nullptr;  // "Paused"
    QLabel* mark_ = nullptr;   // "Contraction 3", for a moment
    QLabel* count_ = nullptr;  // "Contractions: 3"
    QLabel* summary_ = nullptr;
    QLabel* sensors_ = nullptr;
    QTimer* markTimer_ = nullptr;
};

}  // namespace vellorin
