// History's choice of the sessions shown: all of them, one kind of table or one table file,
// picked on a worker thread so that a log of years changes view without stopping the clock.
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QSignalBlocker>
#include <QStringListModel>

#include "allgemein.h"
#include "background_job.h"
#include "history_window.h"
#include "message_text.h"

namespace vellorin {
namespace {

struct Picked {
    LogSummary log;
    HistoryPoints points;
};

// A count in the words of its language, its digits grouped as in English ("1,250 sessions").
QString Count(qint64 count, const QString& counted) {
    return ShownCount(counted, count, QLocale(QLocale::English).toString(count));
}

}  // namespace

FilterList OfferedFilters(const LogSummary& log) {
    FilterList list{FilterChoices(log), {}};
    for (const SessionFilter& filter : list.filters) {
        QString name = FilterName(filter);
        name.replace(QLatin1Char('\r'), QLatin1Char(' '))
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
        list.names.append(name);  // a name with a line break in it, on one line
    }
    return list;
}

void HistoryWindow::OfferFilters(const FilterList& filters) {
    const QSignalBlocker quiet(filter_);
    filters_ = filters.filters;
    static_cast<QStringListModel*>(filter_->model())->setStringList(filters.names);
    filter_->setCurrentIndex(0);
    filter_->setEnabled(!all_.sessions.isEmpty());
}

void HistoryWindow::ApplyFilter(int index) {
    if (index < 0 || index >= filters_.size()) {
        return;
    }
    filled_ = false;
    const quint64 asked = ++showing_;  // what is still being drawn of the last filter stops
    RunInBackground<Picked>(
        this,
        [all = all_, attempts = attempts_,
         filter = filters_[index]](const std::function<bool()>& cancelled) {
            Picked picked{Filtered(all, filter), {}};
            if (!cancelled()) {
                picked.points = PointsToDraw(picked.log.sessions, attempts);
            }
            return picked;
        },
        [this, asked](const Picked& picked) {
            if (asked == showing_) {  // no other filter has been chosen since
                Show(picked.log, picked.points);
            }
        });
}

QString HistoryWindow::Totals() const {
    if (log_.sessions.isEmpty()) {
        return {};
    }
    const qint64 held = log_.heldSeconds;  // summed with the log, not here on the event thread
    const qint64 sessions = log_.sessions.size();
    //: The sessions shown and their holds: %1 is "3 sessions", %2 "6 holds", %3 the time held
    //: in them, as 09:00 or 12:05:00.
    return tr("%1, %2, %3 held")
        .arg(Count(sessions, tr("%n sessions", nullptr, PluralCount(sessions))),
             Count(log_.holds, tr("%n holds", nullptr, PluralCount(log_.holds))),
             held < 3600 ? FormatSeconds(static_cast<qint32>(held)) : FormatHours(held));
}

}  // namespace vellorin
