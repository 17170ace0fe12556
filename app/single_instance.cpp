#include "app/single_instance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QtEndian>

namespace {

// A request is a 4-byte big-endian length and the UTF-8 paths, each ended by a NUL (the one byte a
// path cannot hold). The window answers one byte once it has them.
constexpr qint64 MaximumRequestBytes = 16 * 1024 * 1024;
constexpr char Accepted = '\x01';
constexpr int ConnectTimeoutMs = 1000;
constexpr int AnswerTimeoutMs = 10000;

QByteArray encodeRequest(const QStringList &paths)
{
    QByteArray payload;
    for (const QString &path : paths)
        payload += path.toUtf8() + '\0';
    uchar length[4];
    qToBigEndian(quint32(payload.size()), length);
    return QByteArray(reinterpret_cast<const char *>(length), 4) + payload;
}

QStringList decodePaths(const QByteArray &payload)
{
    QStringList paths;
    for (const QByteArray &path : payload.split('\0')) {
        if (!path.isEmpty())
            paths.append(QString::fromUtf8(path));
    }
    return paths;
}

} // namespace

SingleInstance::SingleInstance(QObject *parent) : QObject(parent)
{}

QString SingleInstance::socketPath()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QString() : QDir(runtime).filePath(QStringLiteral("orvanta.socket"));
}

bool SingleInstance::handOver(const QStringList &paths)
{
    const QString name = socketPath();
    if (name.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(ConnectTimeoutMs))
        return false;
    socket.write(encodeRequest(paths));
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(AnswerTimeoutMs))
            return false;
    }
    // Exit only once the window has the paths, so that no file given to this start is lost.
    return socket.waitForReadyRead(AnswerTimeoutMs) && socket.read(1) == QByteArray(1, Accepted);
}

bool SingleInstance::listen()
{
    const QString name = socketPath();
    if (name.isEmpty()) {
        m_error = QStringLiteral("no runtime folder for the socket");
        return false;
    }
    if (!m_server) {
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket *socket = m_server->nextPendingConnection()) {
                connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
                connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
                readRequest(socket);
            }
        });
    }
    if (m_server->listen(name))
        return true;
    if (m_server->serverError() == QAbstractSocket::AddressInUseError) {
        // Left behind by a window that ended without closing it, unless a window answers on it.
        QLocalSocket probe;
        probe.connectToServer(name);
        if (!probe.waitForConnected(ConnectTimeoutMs) && QLocalServer::removeServer(name) &&
            m_server->listen(name))
            return true;
    }
    m_error = m_server->errorString();
    return false;
}

void SingleInstance::readRequest(QLocalSocket *socket)
{
    if (socket->bytesAvailable() < 4)
        return;
    const QByteArray header = socket->peek(4);
    const qint64 length = qFromBigEndian<quint32>(header.constData());
    if (length > MaximumRequestBytes) {
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < 4 + length)
        return;
    socket->read(4);
    const QStringList paths = decodePaths(socket->read(length));
    socket->write(QByteArray(1, Accepted));
    socket->disconnectFromServer();
    Q_EMIT pathsReceived(paths);
}
