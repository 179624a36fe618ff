#pragma once

#include <QDialog>
#include <array>

#include "sensor_alarm.h"
#include "sensor_feed.h"
#include "sensor_link.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace vellorin {

// Training > Sensors: the heart-rate sensor and the oximeter in use with their state and
// battery, a search for others and the choice of one for each kind, and the low-SpO2 alarm,
// under a plain word on what a consumer oximeter can and cannot tell in a breath hold.
// Choosing and forgetting go to the link at once; the signals tell the window what to
// remember. Nothing in it waits: the search and the links report back by their signals.
class SensorsDialog : public QDialog {
    Q_OBJECT

public:
    // choices and the widgets below are indexed by static_cast<int>(SensorKind).
    explicit SensorsDialog(SensorLink& link, const SensorFeed& feed,
                           std::array<SensorChoice, 2> choices, Spo2AlarmSettings alarm,
                           QWidget* parent = nullptr);

    // The sensor of the row as the kind: the link connects to it, the window is told.
    void Use(SensorKind kind, const QTreeWidgetItem* row);
    // The kind's sensor no longer used.
    void Forget(SensorKind kind);
    // Starts a search, or stops the one under way.
    void Search();
    // The sections as the feed and the link stand now.
    void Refresh();

signals:
    void Chosen(vellorin::SensorKind kind, const vellorin::SensorChoice& choice);
    void Forgotten(vellorin::SensorKind kind);
    void AlarmChanged(const vellorin::Spo2AlarmSettings& alarm);

private:
    struct Section {
        QLabel* sensor = nullptr;
        QLabel* status = nullptr;
        QLabel* battery = nullptr;
        QPushButton* forget = nullptr;
    };

    QWidget* MakeSection(SensorKind kind);
    void Add(const FoundSensor& found);
    void SearchEnded(const QString& problem);
    void RowChanged();
    void UseActivated(QTreeWidgetItem* row);
    void TellAlarm();

    SensorLink& link_;
    const SensorFeed& feed_;
    std::array<SensorChoice, 2> choices_;
    std::array<Section, 2> sections_;
    bool searching_ = false;
    QPushButton* search_ = nullptr;
    QLabel* searchNote_ = nullptr;
    QTreeWidget* found_ = nullptr;
    std::array<QPushButton*, 2> use_{};
    QCheckBox* alarmOn_ = nullptr;
    QSpinBox* alarmLimit_ = nullptr;
    QTimer* refresh_ = nullptr;
};

}  // namespace vellorin
