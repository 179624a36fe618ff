#include "single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <utility>

namespace vellorin {
namespace {

constexpr int kAnswerMs = 3000;

}  // namespace

SingleInstance::SingleInstance(QString socketPath, QObject* parent)
    : QObject(parent), socketPath_(std::move(socketPath)) {}

QString SingleInstance::DefaultSocketPath() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QStringLiteral("/vellorin.socket");
}

bool SingleInstance::HandOver(const QString& socketPath, const QString& file) {
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(kAnswerMs)) {
        return false;
    }
    socket.write(file.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(kAnswerMs)) {
        return false;
    }
    // The window answers once it has taken the request.
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(kAnswerMs)) {
            return false;
        }
    }
    return socket.readLine() == "ok\n";
}

bool SingleInstance::Listen() {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(socketPath_)) {
        // Nobody answered on it (HandOver came first), so it is a crashed window's.
        QLocalServer::removeServer(socketPath_);
        if (!server_->listen(socketPath_)) {
            return false;
        }
    }
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::Serve);
    return true;
}

void SingleInstance::Serve() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                return;
            }
            const QString file = QString::fromUtf8(socket->readLine()).chopped(1);
            socket->write("ok\n");
            socket->flush();
            emit Requested(file);
        });
    }
}

}  // namespace vellorin
