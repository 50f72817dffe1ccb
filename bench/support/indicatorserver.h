#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QUrl>

// The test HTTP server (bench/support/httpserver.py) run as a child process
// on 127.0.0.1 and a free port, driven synchronously through its stdin.
class IndicatorServer
{
public:
    struct Answer
    {
        int status = 200;
        QByteArray body;
        double delaySeconds = 0;
        // Total body size; the body is padded with fill up to it.
        qint64 size = -1;
        char fill = ' ';
        bool withLength = true;
        QString location;
    };

    static inline const QString kIndicatorPath =
        QStringLiteral("/TivoraUpdater/TivoraUpdateIndicator.txt");

    IndicatorServer();
    ~IndicatorServer();
    IndicatorServer(const IndicatorServer &) = delete;
    IndicatorServer &operator=(const IndicatorServer &) = delete;

    bool isRunning() const { return m_port > 0; }
    int port() const { return m_port; }
    QUrl url(const QString &path = kIndicatorPath) const;

    void serve(const QString &path, const Answer &answer);
    void serve(const QString &path, int status, const QByteArray &body);
    void serve(const QByteArray &body) { serve(kIndicatorPath, 200, body); }
    // Requests received for a path, and how many of them were answered in full.
    int requests(const QString &path = kIndicatorPath);
    int served(const QString &path = kIndicatorPath);
    void resetCounts();

    // A loopback URL on which nothing listens.
    static QUrl deadUrl();

private:
    QByteArray command(const QByteArray &json);

    QProcess m_process;
    int m_port = 0;
};
