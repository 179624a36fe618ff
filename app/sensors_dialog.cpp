#include "sensors_dialog.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "pb_tables.h"

namespace vellorin {
namespace {

QString StatusWords(SensorStatus status) {
    switch (status) {
        case SensorStatus::None:
            //: The state of a kind of sensor when none is chosen.
            return SensorsDialog::tr("Not in use");
        case SensorStatus::Connecting:
            return SensorsDialog::tr("Connecting…");
        case SensorStatus::Connected:
            return SensorsDialog::tr("Connected");
        case SensorStatus::NoContact:
            //: A chest strap that says it does not touch the skin.
            return SensorsDialog::tr("No skin contact");
        case SensorStatus::FingerOut:
            //: An oximeter that says no finger is in it.
            return SensorsDialog::tr("Finger out");
        case SensorStatus::Stale:
            //: Linked, but the sensor has sent no value for some seconds.
            return SensorsDialog::tr("No values for a while");
        case SensorStatus::Lost:
            //: The link to the sensor broke; the program tries to link again by itself.
            return SensorsDialog::tr("Lost — trying again");
    }
    return {};
}

QPushButton* Button(const QString& text, const QString& name, const char* object, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(object));
    button->setAccessibleName(name);
    button->setAutoDefault(false);  // Enter on a row of the list uses it; it never clicks these
    return button;
}

}  // namespace

SensorsDialog::SensorsDialog(SensorLink& link, const SensorFeed& feed,
                             std::array<SensorChoice, 2> choices, Spo2AlarmSettings alarm,
                             QWidget* parent)
    : QDialog(parent), link_(link), feed_(feed), choices_(std::move(choices)) {
    setObjectName(QStringLiteral("SensorsDialog"));
    setWindowTitle(tr("Sensors"));
    auto* sections = new QHBoxLayout;
    sections->addWidget(MakeSection(SensorKind::HeartRate));
    sections->addWidget(MakeSection(SensorKind::Oximeter));

    search_ = Button(tr("&Search"), tr("Search"), "SearchSensors", this);
    searchNote_ = new QLabel(this);
    searchNote_->setObjectName(QStringLiteral("SearchNote"));
    searchNote_->setWordWrap(true);
    searchNote_->setTextFormat(Qt::PlainText);
    found_ = new QTreeWidget(this);
    found_->setObjectName(QStringLiteral("FoundSensors"));
    found_->setAccessibleName(tr("Sensors found"));
    //: The headings of the list of sensors a search found; signal: its strength in dBm.
    found_->setHeaderLabels({tr("Name"), tr("Kind"), tr("Address"), tr("Signal")});
    found_->setRootIsDecorated(false);
    found_->setMinimumHeight(120);
    found_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* foundLabel = new QLabel(tr("Sensors fou&nd:"), this);
    foundLabel->setBuddy(found_);
    use_[static_cast<int>(SensorKind::HeartRate)] = Button(
        tr("Use as &heart-rate sensor"), tr("Use as heart-rate sensor"), "UseAsHeartRate", this);
    use_[static_cast<int>(SensorKind::Oximeter)] =
        Button(tr("Use as &oximeter"), tr("Use as oximeter"), "UseAsOximeter", this);

    alarmOn_ = new QCheckBox(tr("&End the hold when SpO2 falls to"), this);
    alarmOn_->setObjectName(QStringLiteral("Spo2AlarmOn"));
    alarmOn_->setAccessibleName(tr("End the hold when SpO2 falls to"));
    alarmOn_->setChecked(alarm.on);
    alarmLimit_ = new QSpinBox(this);
    alarmLimit_->setObjectName(QStringLiteral("Spo2AlarmLimit"));
    alarmLimit_->setAccessibleName(tr("SpO2 that ends the hold"));
    alarmLimit_->setRange(kSpo2AlarmLowest, kSpo2AlarmHighest);
    //: After the SpO2 limit: 80 %.
    alarmLimit_->setSuffix(tr(" %"));
    alarmLimit_->setValue(alarm.Limit());
    alarmLimit_->setEnabled(alarm.on);
    //: Said beside the low-SpO2 alarm; the sentence on where to train follows it.
    auto* safety = new QLabel(tr("A consumer pulse oximeter reads late and low in a breath hold: "
                                 "its reading lags the blood by many seconds, and a cold or "
                                 "squeezed finger reads low. The alarm is a help, not a medical "
                                 "device: never rely on it to keep you safe.") +
                                  QLatin1Char(' ') + BreathHoldSafety(),
                              this);
    safety->setObjectName(QStringLiteral("SensorsSafety"));
    safety->setWordWrap(true);
    safety->setTextFormat(Qt::PlainText);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("CloseSensors"));
    close->setText(tr("&Close"));  // the platform's own text may have no access key
    close->setAutoDefault(false);
    close->setAccessibleName(tr("Close"));

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(search_);
    searchRow->addWidget(searchNote_, 1);
    auto* useRow = new QHBoxLayout;
    for (QPushButton* use : use_) {
        useRow->addWidget(use);
    }
    useRow->addStretch(1);
    auto* alarmRow = new QHBoxLayout;
    alarmRow->addWidget(alarmOn_);
    alarmRow->addWidget(alarmLimit_);
    alarmRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sections);
    layout->addLayout(searchRow);
    layout->addWidget(foundLabel);
    layout->addWidget(found_, 1);
    layout->addLayout(useRow);
    layout->addLayout(alarmRow);
    layout->addWidget(safety);
    layout->addWidget(buttons);
    QWidget* const order[] = {sections_[0].forget,
                              sections_[1].forget,
                              search_,
                              found_,
                              use_[0],
                              use_[1],
                              alarmOn_,
                              alarmLimit_,
                              close};
    for (size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    for (const SensorKind kind : {SensorKind::HeartRate, SensorKind::Oximeter}) {
        connect(sections_[static_cast<int>(kind)].forget, &QPushButton::clicked, this,
                [this, kind] { Forget(kind); });
        connect(use_[static_cast<int>(kind)], &QPushButton::clicked, this,
                [this, kind] { Use(kind, found_->currentItem()); });
    }
    connect(search_, &QPushButton::clicked, this, &SensorsDialog::Search);
    connect(found_, &QTreeWidget::currentItemChanged, this, &SensorsDialog::RowChanged);
    connect(found_, &QTreeWidget::itemActivated, this, &SensorsDialog::UseActivated);
    connect(alarmOn_, &QCheckBox::toggled, this, &SensorsDialog::TellAlarm);
    connect(alarmLimit_, &QSpinBox::valueChanged, this, &SensorsDialog::TellAlarm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(&link_, &SensorLink::Found, this, &SensorsDialog::Add);
    connect(&link_, &SensorLink::ScanEnded, this, &SensorsDialog::SearchEnded);
    // Queued, so that the window's own slot has given the feed the new state first.
    connect(&link_, &SensorLink::StateChanged, this, &SensorsDialog::Refresh, Qt::QueuedConnection);
    refresh_ = new QTimer(this);
    refresh_->setInterval(500);
    connect(refresh_, &QTimer::timeout, this, &SensorsDialog::Refresh);
    refresh_->start();
    RowChanged();
    Refresh();
    search_->setFocus();
}

QWidget* SensorsDialog::MakeSection(SensorKind kind) {
    const bool heart = kind == SensorKind::HeartRate;
    const QString prefix = heart ? QStringLiteral("HeartRate") : QStringLiteral("Oximeter");
    auto* box = new QGroupBox(heart ? tr("Heart rate") : tr("Oximeter"), this);
    box->setObjectName(prefix + QStringLiteral("Section"));
    Section& section = sections_[static_cast<int>(kind)];
    const auto label = [&](const char* name) {
        auto* shown = new QLabel(box);
        shown->setObjectName(prefix + QLatin1String(name));
        shown->setTextFormat(Qt::PlainText);  // a sensor's name is shown as it came
        return shown;
    };
    section.sensor = label("Sensor");
    section.status = label("Status");
    section.battery = label("Battery");
    //: Each kind's button has its own access key.
    section.forget = Button(heart ? tr("&Forget") : tr("Fo&rget"),
                            heart ? tr("Forget the heart-rate sensor") : tr("Forget the oximeter"),
                            heart ? "ForgetHeartRate" : "ForgetOximeter", box);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(section.sensor);
    layout->addWidget(section.status);
    layout->addWidget(section.battery);
    layout->addWidget(section.forget, 0, Qt::AlignLeft);
    return box;
}

void SensorsDialog::Refresh() {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    for (const SensorKind kind : {SensorKind::HeartRate, SensorKind::Oximeter}) {
        const SensorChoice& choice = choices_[static_cast<int>(kind)];
        Section& section = sections_[static_cast<int>(kind)];
        if (choice.address.isEmpty()) {
            //: No sensor of the kind is chosen.
            section.sensor->setText(tr("None"));
        } else if (choice.name.isEmpty()) {
            section.sensor->setText(choice.address);
        } else {
            //: A sensor's name and its Bluetooth address: "Polar H10 (AA:BB:CC:DD:EE:FF)".
            section.sensor->setText(tr("%1 (%2)").arg(choice.name, choice.address));
        }
        section.status->setText(StatusWords(feed_.Status(kind, now)));
        const std::optional<int> battery = feed_.Battery(kind);
        //: The charge left in the sensor's battery, in percent.
        section.battery->setText(battery ? tr("Battery %1 %").arg(*battery) : QString());
        section.forget->setEnabled(!choice.address.isEmpty());
    }
}

void SensorsDialog::Forget(SensorKind kind) {
    if (choices_[static_cast<int>(kind)].address.isEmpty()) {
        return;
    }
    choices_[static_cast<int>(kind)] = {};
    link_.Forget(kind);
    emit Forgotten(kind);
    Refresh();
}

void SensorsDialog::TellAlarm() {
    alarmLimit_->setEnabled(alarmOn_->isChecked());
    emit AlarmChanged({alarmOn_->isChecked(), alarmLimit_->value()});
}

}  // namespace vellorin
