#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

// The process's resident memory in KiB, as the kernel reports it; -1 if unknown.
inline long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines)
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Mesa's libraries mapped into the process (its LLVM, its DRI drivers and their X protocol
// libraries), by file name.
inline QString mesaLibraries()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly | QIODevice::Text))
        return QStringLiteral("unknown");
    const QRegularExpression mesa(QStringLiteral("[^/ ]*(libLLVM|dri)[^/ ]*$"));
    QSet<QString> names;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const QRegularExpressionMatch match = mesa.match(QString::fromLocal8Bit(line.trimmed()));
        if (match.hasMatch())
            names.insert(match.captured(0));
    }
    QStringList sorted(names.begin(), names.end());
    sorted.sort();
    return sorted.isEmpty() ? QStringLiteral("none") : sorted.join(QStringLiteral(", "));
}
