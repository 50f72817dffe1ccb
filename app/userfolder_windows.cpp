#include "app/userfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// The program never writes these, so they follow the installed release.
bool followsRelease(const QString &file)
{
    return file.startsWith(QLatin1String("articles/")) ||
           file == QLatin1String("settings/tivora_ivn.txt");
}

} // namespace

void userfolder::enter()
{
    const QDir shipped(QCoreApplication::applicationDirPath() + QStringLiteral("/data"));
    // Without data/ beside it the program is not installed, and works where it was started.
    if (!shipped.exists())
        return;
    const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                         QStringLiteral("/Tivora");
    const QDir work(home + QStringLiteral("/data"));
    if (!work.mkpath(QStringLiteral(".")))
        return;
    QDirIterator files(shipped.path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = shipped.relativeFilePath(files.next());
        const QString target = work.filePath(file);
        if (QFile::exists(target) && !followsRelease(file))
            continue;
        work.mkpath(QFileInfo(file).path());
        QFile::remove(target);
        QFile::copy(files.filePath(), target);
    }
    QDir::setCurrent(home);
}
