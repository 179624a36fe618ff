#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QLocalServer;

namespace vellorin {

// One window per user. The first start listens on a local socket in the user's own runtime
// folder, which no other user can enter; a later start hands it the file it was given (or
// nothing, to raise the window) and ends, waiting as long as that window lives, however busy
// it is. A socket nobody listens on (a window that was killed left it) is replaced; nothing
// else at that path is ever removed: a path that cannot be used leaves the window alone.
//
// A request is one frame: the length of the name as four bytes, most significant first, then
// the name's bytes as the file system spells it (any byte a file name may hold); the window
// answers "ok\n" once it has taken it.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    // The longest name handed over: more than any system's longest path. The window drops a
    // request that announces more without reading it.
    static constexpr quint32 kMaxName = 128 * 1024;

    explicit SingleInstance(QString socketPath, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The socket of this user's window: "vellorin.socket" in the runtime folder.
    static QString DefaultSocketPath();

    // Either hands name (an absolute path in the file system's bytes, or empty) to the window
    // of this user and returns true, or makes this start that window and returns false:
    // listening for later starts, or alone when the socket cannot be used (Problem says why).
    bool HandOverOrListen(const QByteArray& name);

    // Why this window listens for no later start; empty when it does.
    QString Problem() const { return problem_; }

signals:
    // A later start asked for the window, with the file to load in the file system's bytes
    // (empty for none).
    void Requested(const QByteArray& name);

private:
    enum class Answer { Taken, NoWindow, Lost };
    Answer HandOver(const QByteArray& name) const;
    // Listens on the path, first removing a socket there that nobody answers on.
    void Listen();
    void Serve();

    QString socketPath_;
    QLocalServer* server_ = nullptr;
    QString problem_;
};

}  // namespace vellorin
