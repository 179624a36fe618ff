// The window's size and layout: the design area scaled to the window, the size kept between
// runs, and the lights-out view.
#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStandardPaths>
#include <algorithm>

#include "design_area.h"
#include "lights_out_view.h"
#include "rounds_panel.h"
#include "sensor_panel.h"
#include "sensor_training.h"
#include "trainer_mainform.h"

namespace vellorin {
namespace {

constexpr qreal kDesignFontPoints = 8.25;
// The rounds list beside the design area, at the design scale: shown once the window has
// room for its narrowest, and never wider than its widest.
constexpr int kPanelGap = 8;
constexpr int kPanelNarrowest = 170;
constexpr int kPanelWidest = 320;
constexpr int kPanelDesignWidth = 210;

}  // namespace

void TrainerMainform::RestoreSize() {
    // The size the user last gave the window; at first the design size grown with the
    // desktop's font, as far as the screen has room.
    const QSize saved = Settings().Value(QStringLiteral("window/size")).toSize();
    QSize size = saved;
    if (!size.isValid()) {
        const qreal scale =
            std::max<qreal>(1.0, QApplication::font().pointSizeF() / kDesignFontPoints);
        size =
            DesignArea::DesignSize() * scale +
            QSize(qRound((kPanelGap + kPanelDesignWidth) * scale), menuBar_->sizeHint().height());
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableGeometry().size());
    }
    resize(size.expandedTo(minimumSize()));
}

QString TrainerMainform::WindowSettingsFile() const {
    return UserWindowSettingsPath();
}

WindowSettings& TrainerMainform::Settings() const {
    if (!settings_) {
        settings_.emplace(WindowSettingsFile());
    }
    return *settings_;
}

void TrainerMainform::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
}

void TrainerMainform::LayOut() {
    if (LightsOut()) {
        lightsOut_->setGeometry(rect());
        return;
    }
    const int menuHeight = menuBar_->sizeHint().height();
    menuBar_->setGeometry(0, 0, width(), menuHeight);
    // The sensors' line under the displays, only while a sensor is chosen.
    const int strip =
        sensorPanel_->isVisibleTo(this) ? sensorPanel_->sizeHint().height() + kPanelGap : 0;
    const QSize design = DesignArea::DesignSize();
    const qreal scale =
        std::min(static_cast<qreal>(width()) / design.width(),
                 static_cast<qreal>(height() - menuHeight - strip) / design.height());
    area_->SetScale(scale);
    // The design area and the rounds list beside it are centred together; without room for
    // the list, the design area alone.
    const int room = width() - area_->width() - qRound(kPanelGap * scale);
    const bool panel = room >= qRound(kPanelNarrowest * scale);
    const int panelWidth = std::min(room, qRound(kPanelWidest * scale));
    const int groupWidth = area_->width() + (panel ? panelWidth + qRound(kPanelGap * scale) : 0);
    const int top = menuHeight + (height() - menuHeight - strip - area_->height()) / 2;
    area_->move((width() - groupWidth) / 2, top);
    sensorPanel_->setGeometry(area_->x(), area_->geometry().bottom() + 1, area_->width(), strip);
    roundsPanel_->setVisible(panel);
    if (panel) {
        roundsPanel_->SetScale(scale);
        roundsPanel_->setGeometry(area_->geometry().right() + 1 + qRound(kPanelGap * scale), top,
                                  panelWidth, area_->height());
    }
}

qreal TrainerMainform::LayoutScale() const {
    return area_->Scale();
}

bool TrainerMainform::LightsOut() const {
    return lightsOut_->isVisibleTo(this);
}

void TrainerMainform::ToggleLightsOut() {
    if (!LightsOut()) {
        maximizedBeforeLightsOut_ = isMaximized();
        menuBar_->hide();
        area_->hide();
        roundsPanel_->hide();  // the layout shows it again on the way out
        sensorPanel_->hide();
        lightsOut_->setGeometry(rect());
        lightsOut_->show();
        lightsOut_->setFocus();
        showFullScreen();
    } else {
        lightsOut_->hide();
        menuBar_->show();
        area_->show();
        sensorPanel_->setVisible(!sensors_->Line().isEmpty());
        if (maximizedBeforeLightsOut_) {
            showMaximized();
        } else {
            showNormal();
        }
        area_->TabOrder().constFirst()->setFocus();
    }
    LayOut();
}

}  // namespace vellorin
