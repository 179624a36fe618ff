#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QWidget>

#include "attempts_file.h"
#include "history_charts.h"
#include "log_summary.h"
#include "training_log.h"

class QLabel;
class QPushButton;
class QSplitter;
class QTableView;

namespace vellorin {

// The sessions as a table: date, table, holds, time held, first contraction, contractions.
class SessionsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit SessionsModel(LogSummary log, QObject* parent = nullptr)
        : QAbstractTableModel(parent), log_(std::move(log)) {}
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    LogSummary log_;
};

// Training > History: per session over time, the first contraction of each hold (the mean
// and the range) and the total time held, the personal-best attempts, and the sessions in a
// table below; Export writes the log or the sessions as CSV. Above them it says why it is
// empty, or what it had to leave out.
class HistoryWindow : public QWidget {
    Q_OBJECT

public:
    // Shows at once, saying that it reads the log, and fills once the log and the attempts
    // have been read on a worker thread; closed before, it stops the reading.
    HistoryWindow(const QString& logPath, const QString& attemptsPath, bool logEnabled,
                  QWidget* parent = nullptr);
    // From rows already read, filled at once.
    HistoryWindow(const QString& logPath, const QList<LogRow>& rows, const QList<Attempt>& attempts,
                  QWidget* parent = nullptr);

    // The log has been read, and the sessions and every chart are shown.
    bool Filled() const { return filled_; }
    int SessionCount() const { return static_cast<int>(log_.sessions.size()); }
    // The points drawn in each series, by the series' name.
    QHash<QString, int> PointCounts() const { return pointCounts_; }
    // What the window says above its charts; empty when it says nothing.
    QString Status() const;
    // Writes the whole log, or the sessions shown, to path; returns why it could not.
    QString ExportLog(const QString& path) const;
    QString ExportSessions(const QString& path) const;

signals:
    // The log has been read and the window shows it.
    void Shown();
    // An export from a button has ended: problem is empty, or why it failed.
    void Exported(const QString& problem);

private:
    explicit HistoryWindow(const QString& logPath, bool logEnabled, QWidget* parent);
    void Fill(const LogSummary& log, const HistoryPoints& points);
    // Puts chart index in, and then the next; Shown once all are in.
    void AddChart(int index);
    QString EmptyReason() const;
    void AskAndExport(bool sessions);

    QString logPath_;
    bool logEnabled_ = true;
    bool filled_ = false;
    LogSummary log_;
    HistoryPoints points_;
    QHash<QString, int> pointCounts_;
    QLabel* status_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QTableView* table_ = nullptr;
    QList<QPushButton*> exportButtons_;
};

}  // namespace vellorin
