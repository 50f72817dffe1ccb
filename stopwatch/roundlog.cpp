#include "stopwatch/roundlog.h"

#include "kit/textfile.h"

#include <QStringList>

namespace {

const Bilingual kRoundPrefix{"Round ", "Runde "};

// The folder, "/" and the name, with ".txt" unless the name ends in it (in any case).
QString exportFilePath(const QString &folder, const QString &fileName)
{
    const QString extension = QStringLiteral(".txt");
    return folder + QLatin1Char('/') + fileName +
           (fileName.endsWith(extension, Qt::CaseInsensitive) ? QString() : extension);
}

} // namespace

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
    return textfile::writeAtomically(exportFilePath(folder, fileName), log)
               ? ExportResult::Written
               : ExportResult::WriteFailed;
}
