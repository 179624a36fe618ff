#include "lights_out_view.h"

#include <QFontMetricsF>
#include <QGridLayout>
#include <QLabel>
#include <QTimer>
#include <algorithm>
#include <limits>

#include "caption.h"
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

// The widest text a display shows for long, in the language in use, so that the font does not
// jump from tick to tick.
QString UsualWidest(std::size_t display) {
    if (display == 0) {
        return CaptionText(Caption::Loop(88));
    }
    if (display == 2) {
        QString longest;
        for (const Caption caption : {Caption::Of(Phase::Intro), Caption::Of(Phase::Hold),
                                      Caption::Of(Phase::Rest), Caption{Caption::Kind::End}}) {
            const QString text = CaptionText(caption);
            longest = text.size() > longest.size() ? text : longest;
        }
        return longest;
    }
    return QStringLiteral("88:88");
}

const QColor kLight(0xe8, 0xe8, 0xe8);
const QColor kDimmed(0x50, 0x50, 0x50);        // a clock that stands still
const QColor kPausedColour(0xff, 0xb0, 0x20);  // the word "Paused", warm and plain to see

// A label keeps its place in the layout while hidden.
void KeepPlace(QLabel* label) {
    QSizePolicy policy = label->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    label->setSizePolicy(policy);
}

}  // namespace

LightsOutView::LightsOutView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("LightsOutView"));
    setAutoFillBackground(true);
    QPalette dark = palette();
    dark.setColor(QPalette::Window, Qt::black);
    dark.setColor(QPalette::WindowText, kLight);
    setPalette(dark);
    auto* grid = new QGridLayout(this);
    const char* const names[] = {"LightsOutLoop", "LightsOutSessionClock", "LightsOutPhase",
                                 "LightsOutPhaseClock"};
    for (int i = 0; i < 4; ++i) {
        displays_[i] = new QLabel(this);
        displays_[i]->setObjectName(QString::fromLatin1(names[i]));
        displays_[i]->setAlignment(Qt::AlignCenter);
        displays_[i]->setFont(WindowFont(FontStyle::Display));
        KeepPlace(displays_[i]);
        grid->addWidget(displays_[i], 1 + i / 2, i % 2);
    }
    // Around the displays, never over them: each keeps its place while it shows nothing, so
    // that the displays never move.
    const auto small = [this, grid](const char* name, int row, int column, int span) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        label->setAlignment(Qt::AlignCenter);
        KeepPlace(label);
        label->hide();
        grid->addWidget(label, row, column, 1, span);
        return label;
    };
    state_ = small("LightsOutState", 0, 0, 2);
    //: Shown large in lights-out while the session is paused.
    state_->setText(tr("Paused"));
    QPalette amber = dark;
    amber.setColor(QPalette::WindowText, kPausedColour);
    state_->setPalette(amber);
    mark_ = small("LightsOutMark", 3, 0, 1);
    count_ = small("LightsOutCount", 3, 1, 1);
    next_ = small("LightsOutNext", 4, 0, 2);
    next_->show();
    // Only while a sensor is chosen: without one, the view is as it was.
    sensors_ = new QLabel(this);
    sensors_->setObjectName(QStringLiteral("LightsOutSensors"));
    sensors_->setAlignment(Qt::AlignCenter);
    sensors_->setTextFormat(Qt::PlainText);
    sensors_->hide();
    grid->addWidget(sensors_, 5, 0, 1, 2);
    // At the end, the summary in the displays' place.
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("LightsOutSummary"));
    summary_->setAlignment(Qt::AlignCenter);
    summary_->setTextFormat(Qt::PlainText);
    summary_->hide();
    grid->addWidget(summary_, 1, 0, 2, 2);
    grid->setRowStretch(0, 2);
    grid->setRowStretch(1, 10);
    grid->setRowStretch(2, 10);
    grid->setRowStretch(3, 1);
    grid->setRowStretch(4, 1);
    markTimer_ = new QTimer(this);
    markTimer_->setObjectName(QStringLiteral("LightsOutMarkTimer"));
    markTimer_->setSingleShot(true);
    markTimer_->setInterval(kMarkShown);
    connect(markTimer_, &QTimer::timeout, mark_, &QLabel::hide);
}

void LightsOutView::SetSensors(const QString& text, bool warning) {
    sensors_->setText(text);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, warning ? QColor(0xff, 0x40, 0x40) : kLight);
    sensors_->setPalette(colours);
    sensors_->setVisible(!text.isEmpty());
}

QString LightsOutView::Sensors() const {
    return sensors_->isHidden() ? QString() : sensors_->text();
}

void LightsOutView::SetPaused(bool paused) {
    if (paused == Paused()) {
        return;
    }
    state_->setVisible(paused);
    for (QLabel* clock : {displays_[1], displays_[3]}) {
        QPalette colours = palette();
        colours.setColor(QPalette::WindowText, paused ? kDimmed : kLight);
        clock->setPalette(colours);
    }
}

bool LightsOutView::Paused() const {
    return !state_->isHidden();
}

void LightsOutView::AcknowledgeMark(int number) {
    //: Shown a moment after a contraction was marked; %1 is its number in the hold.
    mark_->setText(tr("Contraction %1").arg(number));
    mark_->show();
    markTimer_->start();  // a mark in the moment of the last is shown its whole moment
}

void LightsOutView::SetCount(int contractions) {
    const QString text = contractions > 0 ? tr("Contractions: %1").arg(contractions) : QString();
    if (text != count_->text()) {  // a tick costs nothing here
        count_->setText(text);
        count_->setVisible(!text.isEmpty());
    }
}

void LightsOutView::SetSummary(const QString& text) {
    if (text == summary_->text() && summary_->isHidden() == text.isEmpty()) {
        return;
    }
    summary_->setText(text);
    summary_->setVisible(!text.isEmpty());
    for (QLabel* display : displays_) {
        display->setVisible(text.isEmpty());
    }
    FitAll();
}

QString LightsOutView::Summary() const {
    return summary_->isHidden() ? QString() : summary_->text();
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
        const QString usual = UsualWidest(i);
        const QString widest = text.size() > usual.size() ? text : usual;
        size = std::min(size, LargestFitting(widest));
    }
    QFont font = WindowFont(FontStyle::Display);
    font.setPixelSize(size);
    for (QLabel* display : displays_) {
        display->setFont(font);
    }
    const auto sized = [this](QLabel* label, int parts) {
        QFont font = WindowFont(FontStyle::Display);
        font.setPixelSize(std::max(12, height() / parts));
        label->setFont(font);
    };
    sized(state_, 14);
    sized(mark_, 18);
    sized(count_, 24);
    sized(next_, 24);
    sized(sensors_, 24);
    if (!summary_->text().isEmpty()) {
        summary_->setFont(SummaryFont());
    }
}

QFont LightsOutView::SummaryFont() const {
    // The largest size at which every line fits the displays' place, but never larger than
    // the word "Paused" above it.
    const QSizeF room(width() * 0.9, height() * 0.7);
    QFont font = WindowFont(FontStyle::Display);
    int low = 8;
    int high = std::max(low + 1, height() / 14 + 1);
    while (high - low > 1) {
        font.setPixelSize((low + high) / 2);
        const QSizeF needed =
            QFontMetricsF(font)
                .boundingRect(QRectF(QPointF(), room), Qt::AlignCenter, summary_->text())
                .size();
        (needed.width() <= room.width() && needed.height() <= room.height() ? low : high) =
            font.pixelSize();
    }
    font.setPixelSize(low);
    return font;
}

int LightsOutView::LargestFitting(const QString& widest) const {
    const qreal roomWidth = width() / 2.0 * 0.9;
    const qreal roomHeight = height() / 2.0 * 0.68;  // the rest for what stands around them
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
