// History's table of sessions, and the curve of a hold of one of them.
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "allgemein.h"
#include "background_job.h"
#include "history_window.h"

namespace vellorin {
namespace {

const char* const kColumns[] = {
    QT_TRANSLATE_NOOP("History", "Date"),
    //: A column's heading: the training table a session ran.
    QT_TRANSLATE_NOOP("History", "Table"),
    QT_TRANSLATE_NOOP("History", "Holds"),
    QT_TRANSLATE_NOOP("History", "Time held"),
    QT_TRANSLATE_NOOP("History", "First contraction"),
    QT_TRANSLATE_NOOP("History", "Contractions"),
};

// A count of seconds as the window's clocks show it, past what 32 bits hold too: the total
// of a crafted log's holds shows its hours instead of wrapping.
QString Clock(qint64 seconds) {
    return seconds < 3600 ? FormatSeconds(static_cast<qint32>(seconds)) : FormatHours(seconds);
}

}  // namespace

int SessionsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(log_.sessions.size());
}

int SessionsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(std::size(kColumns));
}

QVariant SessionsModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) {
        return {};
    }
    const SessionSummary& s = log_.sessions[index.row()];
    switch (index.column()) {
        case 0:
            return s.Start().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        case 1:
            return log_.Table(s);
        case 2:
            return s.holds;
        case 3:
            return Clock(s.heldSeconds);
        case 4:
            if (const std::optional<double> mean = s.MeanFirstContraction()) {
                //: A session's mean first contraction (%1) and the range of them (%2 to %3),
                //: each a time like 01:05.
                return tr("%1 (%2 to %3)")
                    .arg(Clock(std::llround(*mean)), Clock(s.firstContractionLow),
                         Clock(s.firstContractionHigh));
            }
            return QString();
        default:
            return s.contractions;
    }
}

QVariant SessionsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
        return {};
    }
    return QCoreApplication::translate("History", kColumns[section]);
}

void HistoryWindow::OfferCurve() {
    const int row = table_->currentIndex().row();
    curveButton_->setEnabled(HistoryChartCount(points_) > 0 && row >= 0 &&
                             row < log_.sessions.size() && log_.sessions[row].HasSensors());
}

HoldCurveWindow* HistoryWindow::ShowHoldCurve(int row) {
    if (row < 0 || row >= log_.sessions.size() || !log_.sessions[row].HasSensors() ||
        HistoryChartCount(points_) == 0) {
        return nullptr;
    }
    const QString folder = QFileInfo(logPath_).absolutePath();
    auto* curve =
        new HoldCurveWindow(SensorSamplesPath(folder, log_.sessions[row].Start(), false), 1, this);
    curve->setAttribute(Qt::WA_DeleteOnClose);
    curve->show();
    return curve;
}

HoldCurveWindow::HoldCurveWindow(const QString& samplesPath, int loop, QWidget* parent)
    : QWidget(parent, Qt::Window), path_(samplesPath) {
    setObjectName(QStringLiteral("HoldCurveWindow"));
    setWindowTitle(tr("Hold curve - Vellorin"));
    status_ = new QLabel(tr("Reading the sensor samples\u2026"));
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    holds_ = new QComboBox;
    holds_->setObjectName(QStringLiteral("Holds"));
    holds_->setEnabled(false);
    auto* holdsLabel = new QLabel(tr("&Hold:"));
    holdsLabel->setBuddy(holds_);
    auto* row = new QHBoxLayout;
    row->addWidget(holdsLabel);
    row->addWidget(holds_);
    row->addStretch();
    layout_ = new QVBoxLayout(this);
    layout_->addWidget(status_);
    layout_->addLayout(row);
    layout_->addStretch(1);
    connect(holds_, &QComboBox::activated, this,
            [this](int index) { ShowHold(holds_->itemData(index).toInt()); });
    resize(640, 420);
    // A session of hours is a large file: it is read off the event thread.
    RunInBackground<SensorSamplesRead>(
        this,
        [samplesPath](const std::function<bool()>&) { return ReadSensorSamples(samplesPath); },
        [this, loop](const SensorSamplesRead& read) { Fill(read, loop); });
}

void HoldCurveWindow::Fill(const SensorSamplesRead& read, int loop) {
    samples_ = read.samples;
    QList<int> loops;
    for (const SensorSample& sample : samples_) {
        if (sample.phase == Phase::Hold && !loops.contains(sample.loop)) {
            loops.append(sample.loop);
        }
    }
    std::sort(loops.begin(), loops.end());
    for (const int one : loops) {
        //: An entry of the list of a session's holds; %1 is the hold's number.
        holds_->addItem(tr("Hold %1").arg(one), one);
    }
    holds_->setEnabled(loops.size() > 1);
    QString text = read.problem;
    if (text.isEmpty() && loops.isEmpty()) {
        //: %1 is a sensor samples file's name.
        text = tr("The sensor samples \"%1\" hold no second of a hold.").arg(path_);
    }
    status_->setText(text);
    status_->setVisible(!text.isEmpty());
    if (!loops.isEmpty()) {
        ShowHold(loops.contains(loop) ? loop : loops.first());
    }
    filled_ = true;
    emit Shown();
}

void HoldCurveWindow::ShowHold(int loop) {
    delete std::exchange(chart_, MakeHoldCurve(samples_, loop));
    loop_ = loop;
    holds_->setCurrentIndex(holds_->findData(loop));
    int hr = 0, spo2 = 0;
    for (const SensorSample& sample : samples_) {
        const bool inHold = sample.phase == Phase::Hold && sample.loop == loop;
        hr += inHold && sample.hr ? 1 : 0;
        spo2 += inHold && sample.spo2 ? 1 : 0;
    }
    pointCounts_ = {{QStringLiteral("Heart rate"), hr}, {QStringLiteral("SpO2"), spo2}};
    if (chart_) {
        layout_->insertWidget(2, chart_, 1);
    }
}

QString HoldCurveWindow::Status() const {
    return status_->isHidden() ? QString() : status_->text();
}

}  // namespace vellorin
