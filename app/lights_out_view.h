#pragma once

#include <QWidget>
#include <array>

#include "trainer_window.h"

class QLabel;

namespace vellorin {

// The four displays alone, light on black, as large as the window allows: for training in a
// dark room, or from across it. It shows what the window's displays show.
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

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitAll();
    // The largest pixel size at which text fits a quarter of the view.
    int LargestFitting(const QString& text) const;

    std::array<QLabel*, 4> displays_{};  // loop, session clock, phase, phase clock
    QLabel* next_ = nullptr;
};

}  // namespace vellorin
