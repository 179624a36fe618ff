#include "child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <csignal>
#include <cstdio>

extern char** environ;

namespace vellorin::bench {
namespace {

// This process's environment with the given variables put over it.
QList<QByteArray> Environment(const QList<QByteArray>& changes) {
    QList<QByteArray> all;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const QByteArray variable(*entry);
        const QByteArray name = variable.left(variable.indexOf('=') + 1);
        if (std::none_of(changes.begin(), changes.end(),
                         [&name](const QByteArray& change) { return change.startsWith(name); })) {
            all.append(variable);
        }
    }
    return all + changes;
}

QList<char*> Pointers(const QList<QByteArray>& texts) {
    QList<char*> pointers;
    for (const QByteArray& text : texts) {
        pointers.append(const_cast<char*>(text.constData()));
    }
    pointers.append(nullptr);
    return pointers;
}

}  // namespace

ChildRun RunChild(const QByteArray& program, const QList<QByteArray>& arguments,
                  const QList<QByteArray>& environment,
                  const std::function<bool(const QByteArray&, double)>& onLine, int timeoutMs) {
    const QList<QByteArray> argvTexts = QList<QByteArray>{program} + arguments;
    const QList<QByteArray> envTexts = Environment(environment);
    QList<char*> argv = Pointers(argvTexts);
    QList<char*> envp = Pointers(envTexts);
    int out[2];
    if (pipe(out) != 0) {
        return {};
    }
    std::fflush(stdout);  // or the child would print what is buffered a second time
    QElapsedTimer clock;
    clock.start();
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        dup2(out[1], STDERR_FILENO);
        close(out[0]);
        close(out[1]);
        execve(program.constData(), argv.data(), envp.data());
        _exit(127);
    }
    close(out[1]);
    ChildRun run;
    QByteArray pending;
    bool asked = false;
    qint64 askedAt = 0;
    for (;;) {
        pollfd reading{out[0], POLLIN, 0};
        const int ready = poll(&reading, 1, 50);
        if (ready > 0) {
            char bytes[4096];
            const ssize_t got = read(out[0], bytes, sizeof bytes);
            if (got <= 0) {
                break;  // the program has ended
            }
            pending.append(bytes, got);
            for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
                const QByteArray line = pending.left(end);
                pending.remove(0, end + 1);
                const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
                if (!asked && onLine(line, ms)) {
                    kill(child, SIGTERM);
                    asked = true;
                    askedAt = clock.elapsed();
                }
            }
        }
        if (!asked && clock.elapsed() > timeoutMs) {
            run.timedOut = true;
            kill(child, SIGTERM);
            asked = true;
            askedAt = clock.elapsed();
        }
        if (asked && clock.elapsed() - askedAt > 10000) {
            kill(child, SIGKILL);
        }
    }
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;  // KiB on Linux
    return run;
}

QList<QByteArray> HomeIn(const QString& root) {
    QDir().mkpath(root + "/run");
    QFile::setPermissions(root + "/run", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray r = QFile::encodeName(root);
    return {"HOME=" + r + "/home", "XDG_DATA_HOME=" + r + "/data",
            "XDG_CONFIG_HOME=" + r + "/config", "XDG_RUNTIME_DIR=" + r + "/run",
            "QT_QPA_PLATFORM=offscreen"};
}

}  // namespace vellorin::bench
