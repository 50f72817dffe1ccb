#pragma once

#include <QProcess>
#include <QUrl>

// The tests' loopback HTTP server (tests/support/server.py) as a child process: a GET of
// /STATUS/DELAY/SIZE/BODY answers STATUS after DELAY seconds with BODY, and each request
// is told on its output as it arrives, so requests() counts those still waiting too.
class LoopbackServer
{
public:
    LoopbackServer()
    {
        m_process.start(QStringLiteral("python3"), {QStringLiteral(TIVORA_LOOPBACK_SERVER)});
        if (m_process.waitForReadyRead(10000) && m_process.canReadLine())
            m_port = m_process.readLine().mid(5).trimmed().toInt();
    }
    // Closing its input ends it.
    ~LoopbackServer()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        m_process.waitForFinished(3000);
    }

    bool isRunning() const { return m_port > 0; }
    QUrl url(const QString &path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path));
    }
    // Requests received so far.
    int requests()
    {
        while (m_process.waitForReadyRead(20)) {
        }
        m_requests += m_process.readAll().count("GET\n");
        return m_requests;
    }

private:
    QProcess m_process;
    int m_port = 0;
    int m_requests = 0;
};
