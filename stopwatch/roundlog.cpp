#include "stopwatch/roundlog.h"

#include "kit/textfile.h"

#include <QFileInfo>
#include <QStringList>

namespace {

const Bilingual kRoundPrefix{"Round ", "Runde "};

bool leavesFolder(const QString &fileName)
{
    return fileName.contains(QLatin1Char('/'));
}

} // namespace

QString exportFilePath(const QString &folder, const QString &fileName)
{
    const QString extension = QStringLiteral(".txt");
    return folder + QLatin1Char('/') + fileName +
           (fileName.endsWith(extension, Qt::CaseInsensitive) ? QString() : extension);
}

bool exportReplaces(const QString &folder, const QString &fileName)
{
    return !folder.isEmpty() && !fileName.isEmpty() && !leavesFolder(fileName) &&
           QFileInfo::exists(exportFilePath(folder, fileName));
}

QString roundLine(Language language, int number, const ClockTexts &clock)
{
    const QStringList fields{clock.hours, clock.minutes, clock.seconds, clock.hundredths};
    return kRoundPrefix.in(language) + QString::number(number) + QStringLiteral(": ") +
           fields.join(QLatin1Char(':'));
}

ExportResult exportRoundLog(const QString &folder, const QString &fileName, const QString &log)
{
    if (folder.isEmpty() || fileName.isEmpty())
        return ExportResult::NoTarget;
    if (leavesFolder(fileName))
        return ExportResult::NameLeavesFolder;
    return textfile::writeAtomically(exportFilePath(folder, fileName), log)
               ? ExportResult::Written
               : ExportResult::WriteFailed;
}
