#include "kit/textfile.h"

#include <QSaveFile>
#include <QTextStream>

namespace textfile {

bool writeAtomically(const QString &path, const QString &text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream stream(&file);
    stream << text;
    stream.flush();
    // An uncommitted QSaveFile is discarded, leaving the old file in place.
    return stream.status() == QTextStream::Ok && file.commit();
}

bool writeAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace textfile
