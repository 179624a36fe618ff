#include "history_window.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QScatterSeries>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "allgemein.h"
#include "file_access.h"
#include "message_text.h"

namespace vellorin {
namespace {

const char* const kColumns[] = {"Date",        "Table", "Holds", "Time held", "First contraction",
                                "Contractions"};

QString Clock(int seconds) {
    return FormatSeconds(seconds);
}

// The span of the points' dates and the largest value, for axes that show them all.
struct Span {
    qreal firstX = 0, lastX = 0, highest = 0;
    void Include(const QList<QPointF>& points) {
        for (const QPointF& point : points) {
            const bool first = firstX == 0 && lastX == 0;
            firstX = first ? point.x() : std::min(firstX, point.x());
            lastX = first ? point.x() : std::max(lastX, point.x());
            highest = std::max(highest, point.y());
        }
    }
};

// A chart over the sessions' dates with its series, from 0 to a little above the highest
// value, so that every series is seen whole.
QChartView* MakeChart(const QString& title, const QString& unit, const Span& span,
                      const QList<QAbstractSeries*>& series) {
    auto* chart = new QChart;
    chart->setTitle(title);
    auto* dates = new QDateTimeAxis;
    dates->setFormat(QStringLiteral("d MMM yyyy"));
    const qreal day = 24.0 * 3600 * 1000;
    dates->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(span.firstX - day / 2)),
                    QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(span.lastX + day / 2)));
    auto* values = new QValueAxis;
    values->setTitleText(unit);
    values->setLabelFormat(QStringLiteral("%d"));
    values->setRange(0, std::max<qreal>(10, span.highest * 1.1));
    values->applyNiceNumbers();
    chart->addAxis(dates, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    for (QAbstractSeries* one : series) {
        chart->addSeries(one);
        one->attachAxis(dates);
        one->attachAxis(values);
    }
    auto* view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(220);
    return view;
}

}  // namespace

QList<SessionSummary> SummarizeSessions(const QList<LogRow>& rows) {
    QList<SessionSummary> sessions;
    qint64 firstSum = 0;
    int marked = 0;
    for (const LogRow& row : rows) {
        if (sessions.isEmpty() || sessions.constLast().start != row.sessionStart ||
            sessions.constLast().table != row.table) {
            SessionSummary next;
            next.start = row.sessionStart;
            next.table = row.table;
            sessions.append(next);
            firstSum = 0;
            marked = 0;
        }
        SessionSummary& session = sessions.last();
        session.holds += 1;
        session.heldSeconds += row.hold.held;
        session.contractions += row.hold.contractions;
        if (const std::optional<qint32> first = row.hold.firstContraction) {
            session.firstContractionLow =
                marked == 0 ? *first : std::min(session.firstContractionLow, *first);
            session.firstContractionHigh =
                marked == 0 ? *first : std::max(session.firstContractionHigh, *first);
            firstSum += *first;
            ++marked;
            session.meanFirstContraction = static_cast<double>(firstSum) / marked;
        }
    }
    return sessions;
}

QByteArray SessionsCsv(const QList<SessionSummary>& sessions) {
    QByteArray csv =
        "session_start,table,holds,held_seconds,mean_first_contraction_seconds,"
        "first_contraction_low_seconds,first_contraction_high_seconds,contractions\r\n";
    for (const SessionSummary& s : sessions) {
        const QDateTime start = s.start.toOffsetFromUtc(s.start.offsetFromUtc());
        csv += CsvField(start.toString(Qt::ISODate)) + ',' + CsvField(s.table) + ',' +
               QByteArray::number(s.holds) + ',' + QByteArray::number(s.heldSeconds) + ',';
        if (s.meanFirstContraction) {
            csv += QByteArray::number(*s.meanFirstContraction, 'f', 1) + ',' +
                   QByteArray::number(s.firstContractionLow) + ',' +
                   QByteArray::number(s.firstContractionHigh);
        } else {
            csv += ",,";
        }
        csv += ',' + QByteArray::number(s.contractions) + "\r\n";
    }
    return csv;
}

int SessionsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(sessions_.size());
}

int SessionsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(std::size(kColumns));
}

QVariant SessionsModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) {
        return {};
    }
    const SessionSummary& s = sessions_[index.row()];
    switch (index.column()) {
        case 0:
            return s.start.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        case 1:
            return s.table;
        case 2:
            return s.holds;
        case 3:
            return Clock(s.heldSeconds);
        case 4:
            return s.meanFirstContraction
                       ? QStringLiteral("%1 (%2 to %3)")
                             .arg(Clock(static_cast<int>(std::lround(*s.meanFirstContraction))),
                                  Clock(s.firstContractionLow), Clock(s.firstContractionHigh))
                       : QString();
        default:
            return s.contractions;
    }
}

QVariant SessionsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
        return {};
    }
    return QString::fromLatin1(kColumns[section]);
}

HistoryWindow::HistoryWindow(const QString& logPath, const QList<LogRow>& rows,
                             const QList<Attempt>& attempts, QWidget* parent)
    : QWidget(parent, Qt::Window), logPath_(logPath), sessions_(SummarizeSessions(rows)) {
    setObjectName(QStringLiteral("HistoryWindow"));
    setWindowTitle(QStringLiteral("History - Vellorin"));
    auto* mean = new QLineSeries;
    mean->setName(QStringLiteral("Mean first contraction"));
    auto* low = new QLineSeries;
    auto* high = new QLineSeries;
    auto* held = new QLineSeries;
    held->setName(QStringLiteral("Total time held"));
    auto* bests = new QScatterSeries;
    bests->setName(QStringLiteral("Personal-best attempts"));
    bests->setMarkerSize(8);
    QList<QPointF> meanPoints, lowPoints, highPoints, heldPoints, bestPoints;
    for (const SessionSummary& s : sessions_) {
        const auto x = static_cast<qreal>(s.start.toMSecsSinceEpoch());
        heldPoints.append({x, static_cast<qreal>(s.heldSeconds)});
        if (s.meanFirstContraction) {
            meanPoints.append({x, *s.meanFirstContraction});
            lowPoints.append({x, static_cast<qreal>(s.firstContractionLow)});
            highPoints.append({x, static_cast<qreal>(s.firstContractionHigh)});
        }
    }
    for (const Attempt& attempt : attempts) {
        bestPoints.append({static_cast<qreal>(attempt.when.toMSecsSinceEpoch()),
                           static_cast<qreal>(attempt.seconds)});
    }
    mean->replace(meanPoints);
    low->replace(lowPoints);
    high->replace(highPoints);
    held->replace(heldPoints);
    bests->replace(bestPoints);
    auto* range = new QAreaSeries(high, low);
    high->setParent(range);  // an area series leaves its edges to whoever made them
    low->setParent(range);
    range->setName(QStringLiteral("Range of first contractions"));
    range->setOpacity(0.3);
    pointCounts_ = {{mean->name(), static_cast<int>(meanPoints.size())},
                    {range->name(), static_cast<int>(lowPoints.size())},
                    {held->name(), static_cast<int>(heldPoints.size())},
                    {bests->name(), static_cast<int>(bestPoints.size())}};

    auto* table = new QTableView;
    table->setObjectName(QStringLiteral("Sessions"));
    table->setModel(new SessionsModel(sessions_, table));
    table->setWordWrap(false);
    table->horizontalHeader()->setStretchLastSection(true);
    const int widths[] = {130, 180, 60, 80, 190};
    for (int column = 0; column < static_cast<int>(std::size(widths)); ++column) {
        table->setColumnWidth(column, widths[column]);
    }
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    auto* exportLog = new QPushButton(QStringLiteral("Export the &log..."));
    auto* exportSessions = new QPushButton(QStringLiteral("Export the &sessions..."));
    connect(exportLog, &QPushButton::clicked, this, [this] { AskAndExport(false); });
    connect(exportSessions, &QPushButton::clicked, this, [this] { AskAndExport(true); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(exportLog);
    buttons->addWidget(exportSessions);

    auto* splitter = new QSplitter(Qt::Vertical);
    Span times;
    times.Include(heldPoints);
    times.Include(bestPoints);
    Span contractions = times;  // the same dates as the other chart
    contractions.highest = 0;
    for (const QPointF& point : highPoints) {
        contractions.highest = std::max(contractions.highest, point.y());
    }
    splitter->addWidget(MakeChart(QStringLiteral("First contraction in each hold"),
                                  QStringLiteral("s"), contractions, {range, mean}));
    splitter->addWidget(
        MakeChart(QStringLiteral("Time held in each session, and personal-best attempts"),
                  QStringLiteral("s"), times, {held, bests}));
    splitter->addWidget(table);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    layout->addLayout(buttons);
    resize(900, 800);
}

QHash<QString, int> HistoryWindow::PointCounts() const {
    return pointCounts_;
}

QString HistoryWindow::ExportLog(const QString& path) const {
    const FileRead log = ReadRegularFile(logPath_, qint64{1} << 30);
    return log.problem.isEmpty() ? ReplaceFileWith(path, log.bytes) : log.problem;
}

QString HistoryWindow::ExportSessions(const QString& path) const {
    return ReplaceFileWith(path, SessionsCsv(sessions_));
}

void HistoryWindow::AskAndExport(bool sessions) {
    const QString path = QFileDialog::getSaveFileName(
        this, sessions ? QStringLiteral("Export the sessions") : QStringLiteral("Export the log"),
        sessions ? QStringLiteral("sessions.csv") : QStringLiteral("training-log.csv"),
        QStringLiteral("CSV files (*.csv)"));
    if (path.isEmpty()) {
        return;
    }
    if (const QString problem = sessions ? ExportSessions(path) : ExportLog(path);
        !problem.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Vellorin"),
                        QStringLiteral("Could not export to \"%1\": %2.").arg(path, problem),
                        QMessageBox::Ok, this);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
}

}  // namespace vellorin
