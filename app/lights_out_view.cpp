#include "lights_out_view.h"

#include <QFontMetricsF>
#include <QGridLayout>
#include <QLabel>
#include <algorithm>
#include <limits>

#include "window_fonts.h"

namespace vellorin {
namespace {

// The index of a display among the four, or -1 for a control that is not one.
int DisplayIndex(Control control) {
    switch (control) {
        case Control::SessionLbl:
            return 0;
        case Control::SessionClock:
            return 1;
        case Control::SequenceLbl:
            return 2;
        case Control::SequenceTimeLbl:
            return 3;
        default:
            return -1;
    }
}

// The widest text a display shows for long, so that the font does not jump from tick to tick.
const char* const kWidestTexts[] = {"Loop 88", "88:88", "Intro", "88:88"};

}  // namespace

LightsOutView::LightsOutView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("LightsOutView"));
    setAutoFillBackground(true);
    QPalette dark = palette();
    dark.setColor(QPalette::Window, Qt::black);
    dark.setColor(QPalette::WindowText, QColor(0xe8, 0xe8, 0xe8));
    setPalette(dark);
    auto* grid = new QGridLayout(this);
    const char* const names[] = {"LightsOutLoop", "LightsOutSessionClock", "LightsOutPhase",
                                 "LightsOutPhaseClock"};
    for (int i = 0; i < 4; ++i) {
        displays_[i] = new QLabel(this);
        displays_[i]->setObjectName(QString::fromLatin1(names[i]));
        displays_[i]->setAlignment(Qt::AlignCenter);
        displays_[i]->setFont(WindowFont(FontStyle::Display));
        grid->addWidget(displays_[i], i / 2, i % 2);
    }
    // What comes next, small under the displays: never in their way.
    next_ = new QLabel(this);
    next_->setObjectName(QStringLiteral("LightsOutNext"));
    next_->setAlignment(Qt::AlignCenter);
    grid->addWidget(next_, 2, 0, 1, 2);
    grid->setRowStretch(0, 10);
    grid->setRowStretch(1, 10);
    grid->setRowStretch(2, 1);
}

void LightsOutView::SetNext(const QString& text) {
    if (next_->text() != text) {
        next_->setText(text);
    }
}

void LightsOutView::SetCaption(Control control, const QString& text) {
    if (const int index = DisplayIndex(control); index >= 0) {
        displays_[index]->setText(text);
        FitAll();
    }
}

QString LightsOutView::Caption(Control control) const {
    const int index = DisplayIndex(control);
    return index >= 0 ? displays_[index]->text() : QString();
}

QString LightsOutView::Next() const {
    return next_->text();
}

void LightsOutView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitAll();
}

void LightsOutView::FitAll() {
    // One size for all four: the largest at which each display's text fits its cell.
    int size = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < displays_.size(); ++i) {
        // The display's usual widest text, so that the size does not change from tick to tick.
        const QString text = displays_[i]->text();
        const QString widest = text.size() > qsizetype(qstrlen(kWidestTexts[i]))
                                   ? text
                                   : QString::fromLatin1(kWidestTexts[i]);
        size = std::min(size, LargestFitting(widest));
    }
    QFont font = WindowFont(FontStyle::Display);
    font.setPixelSize(size);
    for (QLabel* display : displays_) {
        display->setFont(font);
    }
    QFont small = WindowFont(FontStyle::Display);
    small.setPixelSize(std::max(12, height() / 24));
    next_->setFont(small);
}

int LightsOutView::LargestFitting(const QString& widest) const {
    const qreal roomWidth = width() / 2.0 * 0.9;
    const qreal roomHeight = height() / 2.0 * 0.75;
    QFont font = WindowFont(FontStyle::Display);
    qreal low = 8;
    qreal high = 1000;
    while (high - low > 1) {  // the largest size whose text fits both ways
        font.setPixelSize(static_cast<int>((low + high) / 2));
        const QFontMetricsF metrics(font);
        const bool fits =
            metrics.horizontalAdvance(widest) <= roomWidth && metrics.height() <= roomHeight;
        (fits ? low : high) = font.pixelSize();
    }
    return static_cast<int>(low);
}

}  // namespace vellorin
