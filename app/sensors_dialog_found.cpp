#include "sensors_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

// The sensors dialog's search and the choice of a sensor from the list it fills.
namespace vellorin {
namespace {

// What a row of the list keeps beside its words.
constexpr int kAddressRole = Qt::UserRole;
constexpr int kNameRole = Qt::UserRole + 1;
constexpr int kKindsRole = Qt::UserRole + 2;  // a bit for each SensorKind

constexpr int Bit(SensorKind kind) {
    return 1 << static_cast<int>(kind);
}

QString KindWords(int kinds) {
    QStringList words;
    if (kinds & Bit(SensorKind::HeartRate)) {
        words.append(SensorsDialog::tr("heart rate"));
    }
    if (kinds & Bit(SensorKind::Oximeter)) {
        words.append(SensorsDialog::tr("oximeter"));
    }
    //: Between the kinds a sensor is, as "heart rate, oximeter".
    return words.join(SensorsDialog::tr(", "));
}

}  // namespace

void SensorsDialog::Search() {
    if (searching_) {
        link_.StopScan();
        if (searching_) {  // unless the link said at once that the search ended
            SearchEnded(QString());
        }
        return;
    }
    found_->clear();
    searching_ = true;
    search_->setText(tr("&Stop"));
    search_->setAccessibleName(tr("Stop"));
    searchNote_->setText(tr("Searching…"));
    link_.StartScan();  // may end at once, as without an adapter
}

void SensorsDialog::SearchEnded(const QString& problem) {
    searching_ = false;
    search_->setText(tr("&Search"));
    search_->setAccessibleName(tr("Search"));
    searchNote_->setText(problem.isEmpty()
                             ? tr("Found %n sensor(s).", nullptr, found_->topLevelItemCount())
                             : problem);
}

void SensorsDialog::Add(const FoundSensor& found) {
    int kinds = 0;
    for (const SensorKind kind : found.kinds) {
        kinds |= Bit(kind);
    }
    QTreeWidgetItem* row = nullptr;
    for (int i = 0; i < found_->topLevelItemCount() && !row; ++i) {
        if (found_->topLevelItem(i)->data(0, kAddressRole).toString() == found.address) {
            row = found_->topLevelItem(i);
        }
    }
    if (!row) {
        row = new QTreeWidgetItem(found_);
    }
    //: A sensor that gives no name.
    row->setText(0, found.name.isEmpty() ? tr("(no name)") : found.name);
    row->setText(1, KindWords(kinds));
    row->setText(2, found.address);
    //: A sensor's signal strength in dBm; a value nearer 0 is stronger.
    row->setText(3, found.rssi != 0 ? tr("%1 dBm").arg(found.rssi) : QString());
    row->setData(0, kAddressRole, found.address);
    row->setData(0, kNameRole, found.name);
    row->setData(0, kKindsRole, kinds);
    if (!found_->currentItem()) {
        found_->setCurrentItem(row);
    }
    RowChanged();
}

void SensorsDialog::RowChanged() {
    const QTreeWidgetItem* row = found_->currentItem();
    const int kinds = row ? row->data(0, kKindsRole).toInt() : 0;
    for (const SensorKind kind : {SensorKind::HeartRate, SensorKind::Oximeter}) {
        use_[static_cast<int>(kind)]->setEnabled((kinds & Bit(kind)) != 0);
    }
}

void SensorsDialog::UseActivated(QTreeWidgetItem* row) {
    // A sensor of both kinds takes the first kind that has none yet.
    const int kinds = row ? row->data(0, kKindsRole).toInt() : 0;
    std::optional<SensorKind> as;
    for (const SensorKind kind : {SensorKind::HeartRate, SensorKind::Oximeter}) {
        if ((kinds & Bit(kind)) && (!as || (!choices_[static_cast<int>(*as)].address.isEmpty() &&
                                            choices_[static_cast<int>(kind)].address.isEmpty()))) {
            as = kind;
        }
    }
    if (as) {
        Use(*as, row);
    }
}

void SensorsDialog::Use(SensorKind kind, const QTreeWidgetItem* row) {
    if (!row || !(row->data(0, kKindsRole).toInt() & Bit(kind))) {
        return;
    }
    const SensorChoice choice{row->data(0, kAddressRole).toString(),
                              row->data(0, kNameRole).toString()};
    choices_[static_cast<int>(kind)] = choice;
    link_.Use(kind, choice.address);
    emit Chosen(kind, choice);
    Refresh();
}

}  // namespace vellorin
