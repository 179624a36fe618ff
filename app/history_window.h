#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QWidget>

#include "attempts_file.h"
#include "history_charts.h"
#include "log_summary.h"
#include "sensor_samples_file.h"
#include "session_filter.h"
#include "training_log.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSplitter;
class QTableView;
class QVBoxLayout;

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

// What History offers to pick sessions by, and the names its list shows them by; worked out
// on the worker thread with the log, since a log of years can hold thousands of table files.
struct FilterList {
    QList<SessionFilter> filters;
    QStringList names;
};
FilterList OfferedFilters(const LogSummary& log);

// One hold second by second: the heart rate and SpO2 its session's samples file kept, read
// on a worker thread, with a list of the file's holds to pick another.
class HoldCurveWindow : public QWidget {
    Q_OBJECT

public:
    // Shows at once, saying that it reads, and draws the hold of loop once it has read.
    HoldCurveWindow(const QString& samplesPath, int loop, QWidget* parent = nullptr);

    // The file has been read and a hold is drawn, or it says why none is.
    bool Filled() const { return filled_; }
    QString Status() const;
    // The hold drawn; 0 for none.
    int Hold() const { return loop_; }
    void ShowHold(int loop);
    // The points of the hold drawn, by the series' name ("Heart rate", "SpO2").
    QHash<QString, int> PointCounts() const { return pointCounts_; }

signals:
    void Shown();

private:
    void Fill(const SensorSamplesRead& read, int loop);

    QString path_;
    QList<SensorSample> samples_;
    QLabel* status_ = nullptr;
    QComboBox* holds_ = nullptr;
    QVBoxLayout* layout_ = nullptr;
    QWidget* chart_ = nullptr;
    int loop_ = 0;
    bool filled_ = false;
    QHash<QString, int> pointCounts_;
};

// Training > History: per session over time, the first contraction of each hold (the mean
// and the range) and the total time held, the personal-best attempts, the sensors' values
// where sessions have them, and the sessions in a table below, whose holds' curves a button
// or a double click shows; Export writes the log or the sessions as CSV. Above them it says why it
// is empty, or what it had to leave out, and a list picks the sessions shown: all, those of one
// kind of table, or those of one table file, with their totals.
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

    // The log has been read, and the sessions the filter picks and every chart are shown.
    bool Filled() const { return filled_; }
    int SessionCount() const { return static_cast<int>(log_.sessions.size()); }
    // The sessions shown, their holds and time held, as the window says it.
    QString Totals() const;
    // The points drawn in each series, by the series' name.
    QHash<QString, int> PointCounts() const { return pointCounts_; }
    // What the window says above its charts; empty when it says nothing.
    QString Status() const;
    // Writes the whole log, or the sessions shown, to path; returns why it could not.
    QString ExportLog(const QString& path) const;
    QString ExportSessions(const QString& path) const;
    // Opens the curve of the first hold of the session in row of the table, from its samples
    // file; null when the session has no sensor values or the program draws no charts.
    HoldCurveWindow* ShowHoldCurve(int row);

signals:
    // The log has been read and the window shows it, or the sessions another filter picks.
    void Shown();
    // An export from a button has ended: problem is empty, or why it failed.
    void Exported(const QString& problem);

private:
    explicit HistoryWindow(const QString& logPath, bool logEnabled, QWidget* parent);
    void Fill(const LogSummary& log, const QList<Attempt>& attempts, const HistoryPoints& points,
              const FilterList& filters);
    // Shows the sessions a filter picked, with the charts of their points.
    void Show(const LogSummary& shown, const HistoryPoints& points);
    // Puts chart index in, and then the next; Shown once all are in. A chart of sessions
    // another filter has replaced since is never put in.
    void AddChart(int index, quint64 showing);
    QString EmptyReason() const;
    void AskAndExport(bool sessions);
    // The filters the log offers, in the list above the charts (history_filter.cpp).
    void OfferFilters(const FilterList& filters);
    // Picks the sessions of filter index on a worker thread, and shows them.
    void ApplyFilter(int index);
    // The curve is offered for a session picked in the table that has sensor values.
    void OfferCurve();

    QString logPath_;
    bool logEnabled_ = true;
    bool filled_ = false;
    LogSummary all_;  // every session of the log
    QList<Attempt> attempts_;
    QList<SessionFilter> filters_;
    quint64 showing_ = 0;  // counts what was asked to be shown: the last is the one shown
    LogSummary log_;       // the sessions shown
    HistoryPoints points_;
    QHash<QString, int> pointCounts_;
    QLabel* status_ = nullptr;
    QComboBox* filter_ = nullptr;
    QLabel* totals_ = nullptr;
    QList<QWidget*> charts_;
    QSplitter* splitter_ = nullptr;
    QTableView* table_ = nullptr;
    QList<QPushButton*> exportButtons_;
    QPushButton* curveButton_ = nullptr;
};

}  // namespace vellorin
