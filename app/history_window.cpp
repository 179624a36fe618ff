#include "history_window.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "allgemein.h"
#include "file_access.h"
#include "history_charts.h"
#include "message_text.h"

namespace vellorin {
namespace {

const char* const kColumns[] = {"Date",        "Table", "Holds", "Time held", "First contraction",
                                "Contractions"};

QString Clock(int seconds) {
    return FormatSeconds(seconds);
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
    pointCounts_ = AddHistoryCharts(*splitter, sessions_, attempts);
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
