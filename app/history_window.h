#pragma once

#include <QAbstractTableModel>
#include <QDateTime>
#include <QList>
#include <QWidget>
#include <optional>

#include "attempts_file.h"
#include "training_log.h"

namespace vellorin {

// One session of the training log, summed up.
struct SessionSummary {
    QDateTime start;
    QString table;
    int holds = 0;
    int heldSeconds = 0;
    std::optional<double> meanFirstContraction;  // over the holds with a mark
    int firstContractionLow = 0;
    int firstContractionHigh = 0;
    int contractions = 0;
};

// The log's rows gathered into sessions, in the order they were kept.
QList<SessionSummary> SummarizeSessions(const QList<LogRow>& rows);
// The sessions as CSV, a header row first.
QByteArray SessionsCsv(const QList<SessionSummary>& sessions);

// The sessions as a table: date, table, holds, time held, first contraction, contractions.
class SessionsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit SessionsModel(QList<SessionSummary> sessions, QObject* parent = nullptr)
        : QAbstractTableModel(parent), sessions_(std::move(sessions)) {}
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<SessionSummary> sessions_;
};

// Training > History: per session over time, the first contraction of each hold (the mean
// and the range) and the total time held, the personal-best attempts, and the sessions in a
// table below; Export writes the log or the sessions as CSV.
class HistoryWindow : public QWidget {
    Q_OBJECT

public:
    HistoryWindow(const QString& logPath, const QList<LogRow>& rows, const QList<Attempt>& attempts,
                  QWidget* parent = nullptr);

    int SessionCount() const { return static_cast<int>(sessions_.size()); }
    // The points drawn in each series, by the series' name.
    QHash<QString, int> PointCounts() const;
    // Writes the whole log, or the sessions shown, to path; returns why it could not.
    QString ExportLog(const QString& path) const;
    QString ExportSessions(const QString& path) const;

private:
    void AskAndExport(bool sessions);

    QString logPath_;
    QList<SessionSummary> sessions_;
    QHash<QString, int> pointCounts_;
};

}  // namespace vellorin
