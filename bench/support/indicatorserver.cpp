#include "indicatorserver.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>

IndicatorServer::IndicatorServer()
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral("python3"), {QStringLiteral(TIVORA_HTTPSERVER_SCRIPT),
                                                QStringLiteral("--port"), QStringLiteral("0")});
    if (!m_process.waitForStarted(5000))
        return;
    while (!m_process.canReadLine()) {
        if (!m_process.waitForReadyRead(5000))
            return;
    }
    const QByteArray line = m_process.readLine().trimmed();
    if (line.startsWith("PORT "))
        m_port = line.mid(5).toInt();
}

IndicatorServer::~IndicatorServer()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.write("{\"cmd\": \"quit\"}\n");
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

QUrl IndicatorServer::url(const QString &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path));
}

void IndicatorServer::serve(const QString &path, const Answer &answer)
{
    QJsonObject route{{QStringLiteral("cmd"), QStringLiteral("route")},
                      {QStringLiteral("path"), path},
                      {QStringLiteral("status"), answer.status},
                      {QStringLiteral("body"), QString::fromLatin1(answer.body.toBase64())},
                      {QStringLiteral("delay"), answer.delaySeconds},
                      {QStringLiteral("fill"), QString(QLatin1Char(answer.fill))},
                      {QStringLiteral("length"), answer.withLength},
                      {QStringLiteral("location"), answer.location}};
    if (answer.size >= 0)
        route.insert(QStringLiteral("size"), answer.size);
    command(QJsonDocument(route).toJson(QJsonDocument::Compact));
}

void IndicatorServer::serve(const QString &path, int status, const QByteArray &body)
{
    Answer answer;
    answer.status = status;
    answer.body = body;
    serve(path, answer);
}

int IndicatorServer::requests(const QString &path)
{
    const QJsonObject query{{QStringLiteral("cmd"), QStringLiteral("count")},
                            {QStringLiteral("path"), path}};
    const QByteArray reply = command(QJsonDocument(query).toJson(QJsonDocument::Compact));
    return QJsonDocument::fromJson(reply).object().value(QStringLiteral("count")).toInt(-1);
}

int IndicatorServer::served(const QString &path)
{
    const QJsonObject query{{QStringLiteral("cmd"), QStringLiteral("count")},
                            {QStringLiteral("path"), path}};
    const QByteArray reply = command(QJsonDocument(query).toJson(QJsonDocument::Compact));
    return QJsonDocument::fromJson(reply).object().value(QStringLiteral("served")).toInt(-1);
}

void IndicatorServer::resetCounts()
{
    command("{\"cmd\": \"reset\"}");
}

QUrl IndicatorServer::deadUrl()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return QUrl(
        QStringLiteral("http://127.0.0.1:%1/TivoraUpdater/TivoraUpdateIndicator.txt").arg(port));
}

QByteArray IndicatorServer::command(const QByteArray &json)
{
    if (m_process.state() != QProcess::Running)
        return {};
    m_process.write(json + '\n');
    m_process.waitForBytesWritten(3000);
    while (!m_process.canReadLine()) {
        if (!m_process.waitForReadyRead(5000))
            return {};
    }
    return m_process.readLine().trimmed();
}
