#include "stopwatch/roundlog.h"

#include <QSaveFile>
#include <QTextStream>

std::optional<QString> roundLine(int languageCode, int number, const ClockTexts &clock)
{
    QString prefix;
    if (languageCode == 1)
        prefix = QStringLiteral("Round ");
    else if (languageCode == 2)
        prefix = QStringLiteral("Runde ");
    else
        return std::nullopt;
    return prefix + QString::number(number) + QStringLiteral(": ") + clock.hours +
           QLatin1Char(':') + clock.minutes + QLatin1Char(':') + clock.seconds + QLatin1Char(':') +
           clock.hundredths;
}

QString exportFilePath(const QString &folder, const QString &fileName)
{
    return folder + QLatin1Char('/') + fileName + QStringLiteral(".txt");
}

ExportResult exportRoundLog(const QString &folder, const QString &fileName, const QString &log)
{
    if (folder.isEmpty() || fileName.isEmpty())
        return ExportResult::NoTarget;
    QSaveFile file(exportFilePath(folder, fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return ExportResult::WriteFailed;
    QTextStream stream(&file);
    stream << log;
    stream.flush();
    if (stream.status() != QTextStream::Ok) {
        file.cancelWriting();
        return ExportResult::WriteFailed;
    }
    return file.commit() ? ExportResult::Written : ExportResult::WriteFailed;
}
