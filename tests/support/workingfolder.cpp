#include "workingfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

WorkingFolder::WorkingFolder(bool withSettings) : m_previous(QDir::currentPath())
{
    QDir::setCurrent(m_dir.path());
    if (withSettings)
        QDir(m_dir.path()).mkpath(QStringLiteral("data/settings"));
}

WorkingFolder::~WorkingFolder()
{
    QDir::setCurrent(m_previous);
}

QString WorkingFolder::absolute(const QString &relative) const
{
    return QDir(m_dir.path()).filePath(relative);
}

void WorkingFolder::write(const QString &relative, const QByteArray &bytes) const
{
    const QString full = absolute(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

void WorkingFolder::writeSetting(const QString &fileName, const QByteArray &bytes) const
{
    write(QStringLiteral("data/settings/") + fileName, bytes);
}

QByteArray WorkingFolder::read(const QString &relative) const
{
    QFile file(absolute(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool WorkingFolder::exists(const QString &relative) const
{
    return QFileInfo::exists(absolute(relative));
}
