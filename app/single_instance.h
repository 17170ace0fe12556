#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

// One window per user: a later start hands its paths to the window already open over a local
// socket in the user's runtime folder, which only that user can reach.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(QObject *parent = nullptr);

    static QString socketPath();
    // True when a running window took the paths; false when none answered.
    bool handOver(const QStringList &paths);
    // Takes hand-overs from now on; false when the socket cannot be opened (errorString says why).
    bool listen();
    QString errorString() const { return m_error; }

Q_SIGNALS:
    void pathsReceived(const QStringList &paths);

private:
    void readRequest(QLocalSocket *socket);

    QLocalServer *m_server = nullptr;
    QString m_error;
};
