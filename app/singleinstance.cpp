#include "app/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

constexpr int kWaitMs = 2000;

QString socketName()
{
    const QByteArray folder = QDir::currentPath().toUtf8();
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return (runtime.isEmpty() ? QDir::tempPath() : runtime) + QStringLiteral("/tivora-") +
           QString::fromLatin1(
               QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(16));
}

} // namespace

SingleInstance::SingleInstance(QObject *parent) : QObject(parent), m_name(socketName())
{
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *asking = m_server.nextPendingConnection()) {
            connect(asking, &QLocalSocket::disconnected, asking, &QObject::deleteLater);
            emit showRequested();
        }
    });
}

bool SingleInstance::handOver()
{
    QLocalSocket running;
    running.connectToServer(m_name);
    // Connecting is the request; the socket closes as it goes.
    if (running.waitForConnected(kWaitMs))
        return true;
    // With an access option Qt binds in a private folder and renames the socket into place,
    // which also replaces one left behind by a Tivora that was killed.
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(m_name);
    return false;
}
