#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A fresh temporary folder, the working directory while it lives, holding
// data/settings/ (the program never creates that folder).
struct WorkingFolder
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    WorkingFolder()
    {
        QDir::setCurrent(dir.path());
        QDir().mkpath(QStringLiteral("data/settings"));
    }
    ~WorkingFolder() { QDir::setCurrent(previous); }
};

// Writes the bytes exactly, creating the file's folder; a null array removes the file.
inline void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.remove();
    if (!bytes.isNull() && QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

inline QByteArray get(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the settings files "lang volume ..." with the values "1|80|..."; "-" removes one.
inline void putSettings(const QString &names, const QByteArray &values)
{
    for (int i = 0; i < names.count(QLatin1Char(' ')) + 1; ++i)
        put(QStringLiteral("data/settings/tivora_%1.txt")
                .arg(names.section(QLatin1Char(' '), i, i)),
            values.split('|')[i] == "-" ? QByteArray() : values.split('|')[i]);
}
