#pragma once

#include <QLocalServer>
#include <QObject>

// One Tivora per user and working folder. The first to start listens on a local socket named
// for both; a later start finds it there, asks it to show its window, and leaves. A socket left
// behind by a Tivora that was killed answers nobody, and the next start takes its place.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(QObject *parent = nullptr);

    // True when another Tivora runs here and was asked to show itself; false when this one is
    // now the Tivora here.
    bool handOver();

signals:
    // Another start asked for the window.
    void showRequested();

private:
    const QString m_name;
    QLocalServer m_server;
};
