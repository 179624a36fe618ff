#pragma once

#include <QList>
#include <QObject>
#include <QPalette>
#include <QPointer>

#include "session_recorder.h"
#include "session_summary.h"

class QKeyEvent;
class QLabel;
class QMessageBox;
class QWidget;

namespace vellorin {

class LightsOutView;

// The words of a session's summary, a line each: the holds and what they held, the
// contractions, then each hold's (at most kSummaryHolds lines of them; the rest summed up).
QString SummaryText(const EndSummary& summary);
constexpr int kSummaryHolds = 16;

// What the window shows of a session beyond its four captions, which it never touches: a
// pause (the clocks dimmed; in lights-out also the word), a contraction's mark acknowledged
// and counted for the hold, and at the end the session's summary: in lights-out in the
// displays' place until a key, in the window in a box of its own that holds up neither the
// clock nor the window's closing.
class SessionStateView : public QObject {
    Q_OBJECT

public:
    explicit SessionStateView(QWidget* window);
    ~SessionStateView() override;

    struct Seen {
        const SessionState& state;
        bool ended;
        bool testing;  // a personal-best test has the displays
        bool lightsOut;
    };
    // After every handler and every contraction key, once the recorder has seen the state;
    // clocks are the window's two, dimmed during a pause.
    void Follow(const Seen& seen, const SessionRecorder& recorder, LightsOutView& view,
                const QList<QLabel*>& clocks);
    // A key in lights-out while the summary stands there: any key but a chord with Ctrl (so
    // that Ctrl+Q still quits) only puts the summary away, so that the Space meant for it
    // never starts a new session. Returns whether the key was taken.
    bool TakeKey(QKeyEvent& key, LightsOutView& view);

protected:
    // The window closing takes the box with it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowBox(const QString& text);
    void CloseBox();

    QWidget* window_;
    QPointer<QMessageBox> box_;
    QList<QPalette> clockPalettes_;  // the window's clocks as they are when not paused
    bool paused_ = false;
    bool lastEnded_ = false;
    int lastCount_ = 0;  // the contractions of the hold under way at the last look
};

}  // namespace vellorin
