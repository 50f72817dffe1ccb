#include "kit/qttranslation.h"

#include <QCoreApplication>
#include <QTranslator>

bool qttranslation::use(Language language)
{
    // One catalogue for the whole run, loaded when Norwegian is first chosen.
    static QTranslator bokmaal;
    QCoreApplication::removeTranslator(&bokmaal);
    if (language == Language::English)
        return true;
    if (bokmaal.isEmpty() && !bokmaal.load(QStringLiteral(":/translations/qt_nb.qm")))
        return false;
    return QCoreApplication::installTranslator(&bokmaal);
}
