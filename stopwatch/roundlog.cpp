#include "stopwatch/roundlog.h"

#include "kit/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace {

const Bilingual kRoundPrefix{"Round ", "Runde "};

// The longest name, in bytes of the file system's encoding, that Linux and Windows take.
constexpr int kMaxNameBytes = 255;

bool leavesFolder(const QString &fileName)
{
    return fileName.contains(QLatin1Char('/'));
}

// Blanks and dots alone name nothing a user could find again ("   .txt", a hidden "..txt").
bool namesNothing(const QString &fileName)
{
    return std::all_of(fileName.begin(), fileName.end(),
                       [](QChar c) { return c.isSpace() || c == QLatin1Char('.'); });
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
    return !folder.isEmpty() && !namesNothing(fileName) && !leavesFolder(fileName) &&
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
    if (folder.isEmpty() || namesNothing(fileName))
        return ExportResult::NoTarget;
    if (leavesFolder(fileName))
        return ExportResult::NameLeavesFolder;
    if (QFile::encodeName(QFileInfo(exportFilePath(folder, fileName)).fileName()).size() >
        kMaxNameBytes)
        return ExportResult::NameTooLong;
    return textfile::writeAtomically(exportFilePath(folder, fileName), log)
               ? ExportResult::Written
               : ExportResult::WriteFailed;
}
