#include "single_instance.h"

#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QTimer>
#include <QtEndian>
#include <memory>
#include <optional>
#include <utility>

#include "file_access.h"
#include "message_text.h"

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace vellorin {
namespace {

Q_LOGGING_CATEGORY(lcInstance, "vellorin.instance", QtWarningMsg)

constexpr int kPollMs = 1000;
// How long a start waits in silence for a busy window before it says that it waits.
constexpr int kQuietPolls = 3;
// A connection that has not sent its whole request by then is dropped.
constexpr int kRequestMs = 30000;
constexpr qint64 kHeader = 4;

#ifdef Q_OS_UNIX
QString SystemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}
#endif

#ifdef Q_OS_UNIX
// Whether a window listens on the socket at path: it takes a connection, or its queue is full.
bool Listened(const QByteArray& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        return false;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const bool listened =
        ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 ||
        errno == EAGAIN || errno == EINPROGRESS;
    ::close(fd);
    return listened;
}
#endif

// What one connection has read of its request so far.
struct Request {
    qint64 length = -1;  // not read yet
    QByteArray name;
    bool taken = false;
};

// Reads what has come of the request. The whole name once it is complete; nothing while it
// is not, or when it announces more than a name can be (the connection is then dropped
// without reading on).
std::optional<QByteArray> Read(QLocalSocket& socket, Request& request) {
    if (request.taken) {
        return std::nullopt;
    }
    if (request.length < 0) {
        if (socket.bytesAvailable() < kHeader) {
            return std::nullopt;
        }
        uchar header[kHeader];
        socket.read(reinterpret_cast<char*>(header), kHeader);
        request.length = qFromBigEndian<quint32>(header);
        if (request.length > SingleInstance::kMaxName) {
            socket.abort();
            return std::nullopt;
        }
    }
    request.name += socket.read(request.length - request.name.size());
    if (request.name.size() < request.length) {
        return std::nullopt;
    }
    request.taken = true;
    return request.name;
}

}  // namespace

SingleInstance::SingleInstance(QString socketPath, QObject* parent)
    : QObject(parent), socketPath_(std::move(socketPath)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::DefaultSocketPath() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QStringLiteral("/vellorin.socket");
}

bool SingleInstance::HandOverOrListen(const QByteArray& name) {
    // Two starts at once must not both find the socket stale and each put up its own: one
    // decides at a time. A lock its process left by dying is taken over.
    const QString lockPath = socketPath_ + QStringLiteral(".lock");
    QLockFile lock(lockPath);
    lock.setStaleLockTime(0);
    // The lock reads its owner from the file: one that is not a regular file (a named pipe
    // would hold the start for ever) is no lock to take.
    QFile lockFile;
    if (const QString problem =
            QFileInfo::exists(lockPath) ? OpenRegularFile(lockPath, lockFile) : QString();
        !problem.isEmpty()) {
        qCWarning(lcInstance).noquote()
            //: A warning: %1 is a file name, %2 the reason, a clause.
            << tr("the lock file \"%1\" cannot be used: %2; it is left as it is")
                   .arg(Printable(lockPath), problem);
    } else {
        lockFile.close();
        lock.lock();  // without a lock (no runtime folder to write) it goes on all the same
    }
    // A name longer than any path raises the window without loading anything.
    const QByteArray sent = name.size() > qsizetype(kMaxName) ? QByteArray() : name;
    // A window that closes while it is handed the name is asked again; it is then gone.
    for (int attempt = 0; attempt < 3; ++attempt) {
        switch (HandOver(sent)) {
            case Answer::Taken:
                return true;
            case Answer::NoWindow:
                Listen();
                return false;
            case Answer::Lost:
                break;
        }
    }
    Listen();
    return false;
}

SingleInstance::Answer SingleInstance::HandOver(const QByteArray& name) const {
#ifdef Q_OS_UNIX
    if (QFile::encodeName(socketPath_).size() >= qsizetype(sizeof(sockaddr_un::sun_path))) {
        return Answer::NoWindow;
    }
#endif
    QLocalSocket socket;
    int polls = 0;
    const auto wait = [&polls] {
        if (++polls == kQuietPolls) {
            qCWarning(lcInstance).noquote()
                << tr("waiting for the Vellorin window that runs to answer");
        }
    };
    // A window too busy to accept is not refused: the system queues the connection, or Qt
    // tries again while the queue is full.
    for (;;) {
        socket.connectToServer(socketPath_);
        while (socket.state() == QLocalSocket::ConnectingState &&
               !socket.waitForConnected(kPollMs)) {
            wait();
        }
        if (socket.state() == QLocalSocket::ConnectedState) {
            break;
        }
        if (socket.error() != QLocalSocket::SocketTimeoutError) {
            return Answer::NoWindow;  // refused, missing, or no socket
        }
    }
    QByteArray frame(kHeader, '\0');
    qToBigEndian<quint32>(quint32(name.size()), frame.data());
    socket.write(frame + name);
    QByteArray answer;
    while (!answer.contains('\n')) {
        if (socket.bytesToWrite() > 0 ? socket.waitForBytesWritten(kPollMs)
                                      : socket.waitForReadyRead(kPollMs)) {
            answer += socket.readAll();
        } else if (socket.state() != QLocalSocket::ConnectedState) {
            answer += socket.readAll();
            break;
        } else {
            wait();
        }
    }
    return answer.startsWith("ok\n") ? Answer::Taken : Answer::Lost;
}

void SingleInstance::Listen() {
    const auto cannot = [this](const QString& reason) {
        //: A warning: %1 is the socket's file name, %2 the reason, a clause. A later start of
        //: the program would hand its file to this window through the socket.
        problem_ = tr("the socket \"%1\" cannot be used: %2; this window does not hear later "
                      "starts, which open windows of their own")
                       .arg(Printable(socketPath_), reason);
    };
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(socketPath_);
    if (path.size() >= qsizetype(sizeof(sockaddr_un::sun_path))) {
        cannot(tr("its path is longer than the %n bytes a socket's path may have", nullptr,
                  static_cast<int>(sizeof(sockaddr_un::sun_path) - 1)));
        return;
    }
    struct stat status {};
    if (::lstat(path.constData(), &status) == 0) {
        if (!S_ISSOCK(status.st_mode)) {
            cannot(tr("it is not a socket"));
            return;  // and whatever it is stays
        }
        // Nobody took the request. Looked at again, so that a window that answers is never
        // cut off: only a socket that refuses, one a killed window left, is replaced.
        if (Listened(path)) {
            cannot(tr("the window listening on it does not take requests"));
            return;
        }
        if (::unlink(path.constData()) != 0) {
            cannot(SystemError(errno));
            return;
        }
    } else if (errno != ENOENT) {
        cannot(SystemError(errno));
        return;
    }
#endif
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(socketPath_)) {
        cannot(WithoutFullStop(server_->errorString()));
        delete server_;
        server_ = nullptr;
        return;
    }
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::Serve);
}

void SingleInstance::Serve() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        // No more than a whole request is ever read ahead.
        socket->setReadBufferSize(kHeader + kMaxName);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        const auto request = std::make_shared<Request>();
        const auto read = [this, socket, request] {
            const std::optional<QByteArray> name = Read(*socket, *request);
            if (!name) {
                return;
            }
            socket->write("ok\n");
            socket->disconnectFromServer();
            // Once this handler is done: the load may ask or tell the user something.
            QTimer::singleShot(0, this, [this, name = *name] { emit Requested(name); });
        };
        connect(socket, &QLocalSocket::readyRead, this, read);
        QTimer::singleShot(kRequestMs, socket, &QLocalSocket::abort);
        read();
    }
}

}  // namespace vellorin
