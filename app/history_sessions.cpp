// History's table of sessions.
#include <QCoreApplication>
#include <cmath>
#include <iterator>

#include "allgemein.h"
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

}  // namespace vellorin
