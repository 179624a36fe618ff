#pragma once

#include <QObject>

class QSocketNotifier;

namespace vellorin {

class TrainerMainform;

// SIGTERM (logout, shutdown), SIGHUP (the terminal went away) and SIGINT (Ctrl+C in it)
// delivered on the event thread: the handler only writes the signal's number to a socket
// pair, and Received follows on the event thread, where anything may be done. One at a time
// per process; the signals' default actions come back when it goes. Nothing on Windows,
// which ends a program otherwise.
class QuitSignals : public QObject {
    Q_OBJECT

public:
    explicit QuitSignals(QObject* parent = nullptr);
    ~QuitSignals() override;

    // Whether the handlers are in place.
    bool Installed() const { return notifier_ != nullptr; }

signals:
    void Received(int signal);

private:
    void Take();

    QSocketNotifier* notifier_ = nullptr;
};

// The window ends on those signals as Quit ends it, without asking: the session or test under
// way is kept, and the program returns from its event loop with the status Quit gives.
void CloseOnQuitSignals(QuitSignals& quitSignals, TrainerMainform& form);

}  // namespace vellorin
