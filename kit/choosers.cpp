#include "kit/choosers.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace choosers {

namespace {

// The first of the folders that exists, else the home folder.
QString startFolder(const QStringList &folders)
{
    for (const QString &folder : folders) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    }
    return QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
}

} // namespace

QString audioFile(QWidget *parent, const QString &current)
{
    const QString folder =
        startFolder({current.isEmpty() ? QString() : QFileInfo(current).absolutePath(),
                     QStandardPaths::writableLocation(QStandardPaths::MusicLocation)});
    return QFileDialog::getOpenFileName(
        parent, QStringLiteral("Open audio file"), folder,
        QStringLiteral("Sound files (*.mp3 *.wav);;Mp3 files (*.mp3);;Wave files (*.wav)"));
}

QString folder(QWidget *parent, const QString &caption, const QString &last)
{
    return QFileDialog::getExistingDirectory(
        parent, caption,
        startFolder({last, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)}),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
}

} // namespace choosers
