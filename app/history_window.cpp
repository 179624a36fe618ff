#include "history_window.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QStringListModel>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <iterator>
#include <utility>

#include "background_job.h"
#include "history_charts.h"

namespace vellorin {
namespace {

// What History reads on its worker thread.
constexpr int kChartStepMs = 15;

struct HistoryData {
    LogSummary log;
    QList<Attempt> attempts;
    HistoryPoints points;
    FilterList filters;
};

}  // namespace

HistoryWindow::HistoryWindow(const QString& logPath, bool logEnabled, QWidget* parent)
    : QWidget(parent, Qt::Window), logPath_(logPath), logEnabled_(logEnabled) {
    setObjectName(QStringLiteral("HistoryWindow"));
    setWindowTitle(tr("History - Vellorin"));
    status_ = new QLabel(tr("Reading the training log\u2026"));
    status_->setObjectName(QStringLiteral("HistoryStatus"));
    status_->setTextFormat(Qt::PlainText);  // a file name is shown as it is, never as markup
    status_->setWordWrap(true);
    table_ = new QTableView;
    table_->setObjectName(QStringLiteral("Sessions"));
    table_->setWordWrap(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    auto* buttons = new QHBoxLayout;
    curveButton_ = new QPushButton(tr("Hold &curve..."));
    curveButton_->setObjectName(QStringLiteral("HoldCurve"));
    curveButton_->setToolTip(tr("The heart rate and SpO2 second by second in the session's holds"));
    curveButton_->setEnabled(false);  // until a session with sensor values is picked
    connect(curveButton_, &QPushButton::clicked, this,
            [this] { ShowHoldCurve(table_->currentIndex().row()); });
    connect(table_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { ShowHoldCurve(index.row()); });
    buttons->addWidget(curveButton_);
    buttons->addStretch();
    const struct {
        QString text;
        bool sessions;
    } exports[] = {{tr("Export the &log..."), false}, {tr("Export the &sessions..."), true}};
    for (const auto& one : exports) {
        auto* button = new QPushButton(one.text);
        button->setEnabled(false);  // until the log has been read
        connect(button, &QPushButton::clicked, this,
                [this, sessions = one.sessions] { AskAndExport(sessions); });
        buttons->addWidget(button);
        exportButtons_.append(button);
    }
    filter_ = new QComboBox;
    filter_->setObjectName(QStringLiteral("TableFilter"));
    filter_->setAccessibleName(tr("Tables shown"));
    filter_->setEnabled(false);  // until the log has been read
    // Thousands of table files are neither measured for the list's width nor drawn but in view.
    filter_->setModel(new QStringListModel(filter_));
    filter_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    filter_->setMinimumContentsLength(28);
    if (auto* list = qobject_cast<QListView*>(filter_->view())) {
        list->setUniformItemSizes(true);
    }
    auto* filterLabel = new QLabel(tr("&Tables:"));
    filterLabel->setBuddy(filter_);
    connect(filter_, &QComboBox::currentIndexChanged, this, &HistoryWindow::ApplyFilter);
    totals_ = new QLabel;
    totals_->setObjectName(QStringLiteral("HistoryTotals"));
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(filter_);
    filterRow->addSpacing(12);
    filterRow->addWidget(totals_, 1);
    splitter_ = new QSplitter(Qt::Vertical);
    splitter_->addWidget(table_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addLayout(filterRow);
    layout->addWidget(splitter_, 1);
    layout->addLayout(buttons);
    resize(900, 800);
}

HistoryWindow::HistoryWindow(const QString& logPath, const QString& attemptsPath, bool logEnabled,
                             QWidget* parent)
    : HistoryWindow(logPath, logEnabled, parent) {
    RunInBackground<HistoryData>(
        this,
        [logPath, attemptsPath](const std::function<bool()>& cancelled) {
            HistoryData data{SummarizeLog(logPath, cancelled), {}, {}, {}};
            if (!cancelled()) {
                data.attempts = ReadAttemptsFile(attemptsPath).attempts;
                data.points = PointsToDraw(data.log.sessions, data.attempts);
                data.filters = OfferedFilters(data.log);
            }
            return data;
        },
        [this](const HistoryData& data) {
            Fill(data.log, data.attempts, data.points, data.filters);
        });
}

HistoryWindow::HistoryWindow(const QString& logPath, const QList<LogRow>& rows,
                             const QList<Attempt>& attempts, QWidget* parent)
    : HistoryWindow(logPath, true, parent) {
    LogSummary log = SummarizeRows(rows);
    log.scan.exists = true;
    Fill(log, attempts, PointsToDraw(log.sessions, attempts), OfferedFilters(log));
}

void HistoryWindow::Fill(const LogSummary& log, const QList<Attempt>& attempts,
                         const HistoryPoints& points, const FilterList& filters) {
    all_ = log;
    attempts_ = attempts;
    OfferFilters(filters);
    Show(log, points);
}

void HistoryWindow::Show(const LogSummary& shown, const HistoryPoints& points) {
    const quint64 showing = ++showing_;
    log_ = shown;
    QAbstractItemModel* before = table_->model();
    QItemSelectionModel* selectedBefore = table_->selectionModel();  // the view keeps neither
    table_->setModel(new SessionsModel(log_, table_));
    delete selectedBefore;
    delete before;
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &HistoryWindow::OfferCurve);
    OfferCurve();
    const int widths[] = {130, 180, 60, 80, 190};
    for (int column = 0; column < static_cast<int>(std::size(widths)); ++column) {
        table_->setColumnWidth(column, widths[column]);
    }
    points_ = points;
    pointCounts_ = vellorin::PointCounts(points_);
    const QString why = EmptyReason();
    const QString damaged = log_.scan.damaged.Message(logPath_);
    QString text = why;
    if (!damaged.isEmpty()) {
        text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + damaged;
    }
    status_->setText(text);
    status_->setVisible(!text.isEmpty());
    totals_->setText(Totals());
    for (QPushButton* button : exportButtons_) {
        button->setEnabled(log_.scan.exists && log_.scan.problem.isEmpty());
    }
    qDeleteAll(std::exchange(charts_, {}));
    AddChart(0, showing);
}

void HistoryWindow::AddChart(int index, quint64 showing) {
    if (showing != showing_) {
        return;  // another filter's sessions are on their way
    }
    if (index >= HistoryChartCount(points_)) {
        filled_ = true;
        emit Shown();
        return;
    }
    // A moment after what came before has been drawn, and in an event of its own, so that
    // the clock's tick finds the event thread free in between.
    QTimer::singleShot(kChartStepMs, this, [this, index, showing] {
        if (showing == showing_) {
            charts_.append(MakeHistoryChart(points_, index));
            splitter_->insertWidget(index, charts_.constLast());
        }
        AddChart(index + 1, showing);
    });
}

QString HistoryWindow::EmptyReason() const {
    const LogScan& scan = log_.scan;
    if (!scan.problem.isEmpty()) {
        return scan.problem;
    }
    if (!logEnabled_) {
        return log_.sessions.isEmpty()
                   ? tr("No sessions: the training log is switched off (Training > Keep a "
                        "training log).")
                   : tr("The training log is switched off (Training > Keep a training log): "
                        "the sessions you train now are not kept.");
    }
    if (!scan.exists) {
        //: %1 is the training log's file name.
        return tr("No sessions yet: every session you train is kept in the training log "
                  "\"%1\".")
            .arg(logPath_);
    }
    if (all_.sessions.isEmpty()) {
        //: %1 is the training log's file name.
        return tr("The training log \"%1\" holds no sessions yet.").arg(logPath_);
    }
    if (log_.sessions.isEmpty()) {  // a kind of table not trained yet
        const SessionFilter shown = filters_.value(filter_->currentIndex());
        if (shown.by == SessionFilter::By::Kind) {
            return shown.kind == TableKind::Rounds
                       ? tr("The training log holds no sessions of tables of rounds yet.")
                       : tr("The training log holds no sessions of classic tables yet.");
        }
        //: %1 is the name of a table file.
        return tr("The training log holds no sessions of %1 yet.")
            .arg(filter_->currentText().toLower());
    }
    return {};
}

QString HistoryWindow::Status() const {
    return status_->isHidden() ? QString() : status_->text();
}

QString HistoryWindow::ExportLog(const QString& path) const {
    return CopyLog(logPath_, path);
}

QString HistoryWindow::ExportSessions(const QString& path) const {
    return WriteSessionsCsv(path, log_);
}

void HistoryWindow::AskAndExport(bool sessions) {
    const QString path = QFileDialog::getSaveFileName(
        this, sessions ? tr("Export the sessions") : tr("Export the log"),
        sessions ? QStringLiteral("sessions.csv") : QStringLiteral("training-log.csv"),
        tr("CSV files (*.csv)"));
    if (path.isEmpty()) {
        return;
    }
    for (QPushButton* button : exportButtons_) {
        button->setEnabled(false);  // one export at a time
    }
    // Written on a worker thread from what the window holds, or copied from the log a chunk
    // at a time: a log of any size exports without stopping the clock.
    RunInBackground<QString>(
        this,
        [sessions, path, log = log_, logPath = logPath_](const std::function<bool()>& cancelled) {
            return sessions ? WriteSessionsCsv(path, log, cancelled)
                            : CopyLog(logPath, path, cancelled);
        },
        [this, path](const QString& problem) {
            for (QPushButton* button : exportButtons_) {
                button->setEnabled(true);
            }
            emit Exported(problem);
            if (!problem.isEmpty()) {
                QMessageBox box(QMessageBox::Warning, QStringLiteral("Vellorin"),
                                //: %1 is a file name, %2 the reason, a clause without a full stop.
                                tr("Could not export to \"%1\": %2.").arg(path, problem),
                                QMessageBox::Ok, this);
                box.setTextFormat(Qt::PlainText);
                box.exec();
            }
        });
}

}  // namespace vellorin
