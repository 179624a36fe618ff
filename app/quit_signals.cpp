#include "quit_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include "trainer_mainform.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#endif

namespace vellorin {
namespace {

#ifdef Q_OS_UNIX
constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// Read on the event thread, written by the handler.
int pair[2] = {-1, -1};

void Handle(int signal) {
    const int saved = errno;
    const char number = static_cast<char>(signal);
    // Non-blocking: a flood of signals fills the pair, and those that do not fit are the
    // same request again.
    [[maybe_unused]] const ssize_t written = ::write(pair[1], &number, 1);
    errno = saved;
}
#endif

}  // namespace

QuitSignals::QuitSignals(QObject* parent) : QObject(parent) {
#ifdef Q_OS_UNIX
    if (pair[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) {
        return;
    }
    ::fcntl(pair[0], F_SETFL, ::fcntl(pair[0], F_GETFL) | O_NONBLOCK);
    ::fcntl(pair[1], F_SETFL, ::fcntl(pair[1], F_GETFL) | O_NONBLOCK);
    notifier_ = new QSocketNotifier(pair[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &QuitSignals::Take);
    struct sigaction action {};
    action.sa_handler = Handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals) {
        ::sigaction(signal, &action, nullptr);
    }
#endif
}

QuitSignals::~QuitSignals() {
#ifdef Q_OS_UNIX
    if (notifier_ == nullptr) {
        return;
    }
    for (const int signal : kSignals) {
        std::signal(signal, SIG_DFL);
    }
    delete notifier_;
    ::close(pair[0]);
    ::close(pair[1]);
    pair[0] = pair[1] = -1;
#endif
}

void QuitSignals::Take() {
#ifdef Q_OS_UNIX
    char numbers[16];
    const ssize_t read = ::read(pair[0], numbers, sizeof numbers);
    for (ssize_t i = 0; i < read; ++i) {
        emit Received(numbers[i]);
    }
#endif
}

void CloseOnQuitSignals(QuitSignals& quitSignals, TrainerMainform& form) {
    QObject::connect(
        &quitSignals, &QuitSignals::Received, &form,
        [&form] {
            form.CloseWithoutAsking();
            // Every event loop ends, a dialog's or a message's own too, which would otherwise
            // keep the program running.
            QCoreApplication::exit(0);
        },
        Qt::SingleShotConnection);
}

}  // namespace vellorin
