#include "session_state_view.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>

#include "allgemein.h"
#include "lights_out_view.h"

namespace vellorin {
namespace {

const QColor kDimmedClock(0x90, 0x90, 0x90);

QString Translated(const char* text, qint64 count = -1) {
    return QCoreApplication::translate("SessionSummary", text, nullptr, static_cast<int>(count));
}

// "no contractions", "1 contraction", "3 contractions".
QString Contractions(qint64 count) {
    return count == 0 ? Translated(QT_TRANSLATE_NOOP("SessionSummary", "no contractions"))
                      : Translated(QT_TRANSLATE_N_NOOP("SessionSummary", "%n contractions"), count);
}

QString ContractionsText(int count, std::optional<qint32> first) {
    if (!first) {
        return Contractions(count);
    }
    //: %1 is the time into the hold of the first contraction ("01:45").
    return Translated(QT_TRANSLATE_N_NOOP("SessionSummary", "%n contractions, the first at %1"),
                      count)
        .arg(FormatSeconds(*first));
}

}  // namespace

QString SummaryText(const EndSummary& summary) {
    QStringList lines;
    QString holds;
    if (summary.completed == summary.holds) {
        holds =
            summary.holds == 0
                ? Translated(QT_TRANSLATE_NOOP("SessionSummary", "no holds done"))
                : Translated(QT_TRANSLATE_N_NOOP("SessionSummary", "%n holds done"), summary.holds);
    } else {
        //: %1 is how many holds were begun.
        holds =
            (summary.completed == 0
                 ? Translated(QT_TRANSLATE_NOOP("SessionSummary", "no holds done of %1 begun"))
                 : Translated(QT_TRANSLATE_N_NOOP("SessionSummary", "%n holds done of %1 begun"),
                              summary.completed))
                .arg(summary.holds);
    }
    //: %1 tells the holds done ("8 holds done"), %2 the time held in all ("12:30").
    lines.append(Translated(QT_TRANSLATE_NOOP("SessionSummary", "Session over: %1, %2 held"))
                     .arg(holds, FormatTotal(summary.totalHeld)));
    QString contractions = Contractions(summary.totalContractions);
    if (summary.averageFirstContraction) {
        //: %1 is the average time into a hold of its first contraction ("01:45").
        contractions =
            Translated(QT_TRANSLATE_N_NOOP("SessionSummary",
                                           "%n contractions, the first at %1 on average"),
                       summary.totalContractions)
                .arg(FormatSeconds(*summary.averageFirstContraction));
    }
    lines.append(contractions.left(1).toUpper() + contractions.mid(1));
    // A long table's later holds summed up in one line, so that every line stays readable.
    const qsizetype shown =
        summary.perHold.size() > kSummaryHolds ? kSummaryHolds - 1 : summary.perHold.size();
    for (qsizetype i = 0; i < shown; ++i) {
        const HoldSummary& hold = summary.perHold[i];
        //: %1 is the hold's number, %2 the time held, %3 its contractions.
        const char* line = hold.completed
                               ? QT_TRANSLATE_NOOP("SessionSummary", "Hold %1: %2, %3")
                               : QT_TRANSLATE_NOOP("SessionSummary", "Hold %1: %2, %3, cut short");
        lines.append(
            Translated(line).arg(QString::number(hold.loop), FormatSeconds(hold.held),
                                 ContractionsText(hold.contractions, hold.firstContraction)));
    }
    if (shown < summary.perHold.size()) {
        qint64 held = 0;
        qint64 count = 0;
        for (qsizetype i = shown; i < summary.perHold.size(); ++i) {
            held += summary.perHold[i].held;
            count += summary.perHold[i].contractions;
        }
        //: The holds past those listed one by one: %1 and %2 their first and last number, %3
        //: the time held in all, %4 their contractions.
        lines.append(Translated(QT_TRANSLATE_NOOP("SessionSummary", "Holds %1 to %2: %3 held, %4"))
                         .arg(QString::number(summary.perHold[shown].loop),
                              QString::number(summary.perHold.constLast().loop), FormatTotal(held),
                              Contractions(count)));
    }
    return lines.join(QLatin1Char('\n'));
}

SessionStateView::SessionStateView(QWidget* window) : QObject(nullptr), window_(window) {
    window_->installEventFilter(this);
}

SessionStateView::~SessionStateView() = default;

void SessionStateView::Follow(const Seen& seen, const SessionRecorder& recorder,
                              LightsOutView& view, const QList<QLabel*>& clocks) {
    // A pause holds whatever state the session is in, as the Pause button's "Resume" says.
    const bool paused = seen.state.PauseMode != 0;
    view.SetPaused(paused);
    if (paused != paused_ || clockPalettes_.size() != clocks.size()) {
        if (clockPalettes_.size() != clocks.size()) {
            clockPalettes_.clear();
            for (const QLabel* clock : clocks) {
                clockPalettes_.append(clock->palette());
            }
        }
        for (qsizetype i = 0; i < clocks.size(); ++i) {
            QPalette colours = clockPalettes_[i];
            if (paused) {
                colours.setColor(QPalette::WindowText, kDimmedClock);
            }
            clocks[i]->setPalette(colours);
        }
        paused_ = paused;
    }
    // A hold's record is made at its first tick and counts up from none: a larger count of
    // the same hold is a mark just taken.
    const std::optional<HoldRecord>& hold = recorder.HoldUnderWay();
    const int count = hold ? hold->contractions : 0;
    if (count > lastCount_) {
        view.AcknowledgeMark(count);
    }
    lastCount_ = count;
    view.SetCount(count);
    // The summary stands from the end tick until a key, Reset, a new Start or a test.
    const bool over = seen.state.Mode == 1 && seen.ended && !seen.testing;
    if (over && !lastEnded_) {
        const QString text = SummaryText(SummarizeSession(recorder.SessionHolds()));
        if (seen.lightsOut) {
            view.SetSummary(text + QStringLiteral("\n\n") + tr("Any key: back to the displays"));
        } else {
            ShowBox(text);
        }
    } else if (!over) {
        view.SetSummary(QString());
        CloseBox();
    }
    lastEnded_ = seen.ended;
}

bool SessionStateView::TakeKey(QKeyEvent& key, LightsOutView& view) {
    if (view.Summary().isEmpty() || (key.modifiers() & Qt::ControlModifier) != 0) {
        return false;
    }
    switch (key.key()) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_Meta:
        case Qt::Key_AltGr:
            return false;  // only a key that means something puts the summary away
        default:
            break;
    }
    // The shortcut it would trigger is overridden; the press that follows puts it away.
    if (key.type() == QEvent::KeyPress && !key.isAutoRepeat()) {
        view.SetSummary(QString());
    }
    key.accept();
    return true;
}

bool SessionStateView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Hide && !event->spontaneous()) {
        CloseBox();  // closed (not minimised): no box outlives it
    }
    return false;
}

void SessionStateView::ShowBox(const QString& text) {
    CloseBox();
    box_ = new QMessageBox(QMessageBox::Information, tr("Vellorin: session summary"), text,
                           QMessageBox::Ok, window_);
    box_->setObjectName(QStringLiteral("SessionSummaryBox"));
    box_->setTextFormat(Qt::PlainText);
    box_->setWindowModality(Qt::NonModal);  // the clock, the keys and closing go on
    box_->setAttribute(Qt::WA_DeleteOnClose);
    box_->show();
}

void SessionStateView::CloseBox() {
    if (box_) {
        box_->close();
    }
}

}  // namespace vellorin
