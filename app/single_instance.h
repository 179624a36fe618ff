#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace vellorin {

// One window per user. The first start listens on a local socket in the user's own runtime
// folder, which no other user can enter; a later start hands it the file it was given (or
// nothing, to raise the window) and ends. A socket left behind by a window that crashed
// answers nobody and is replaced.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(QString socketPath, QObject* parent = nullptr);

    // The socket of this user's window: "vellorin.socket" in the runtime folder.
    static QString DefaultSocketPath();

    // Hands file (absolute, or empty) to the window listening on socketPath. True once that
    // window has taken it; false when no window answers.
    static bool HandOver(const QString& socketPath, const QString& file);

    // Listens for later starts, replacing a stale socket. False when it cannot.
    bool Listen();

signals:
    // A later start asked for the window, with the file to load (empty for none).
    void Requested(const QString& file);

private:
    void Serve();

    QString socketPath_;
    QLocalServer* server_ = nullptr;
};

}  // namespace vellorin
