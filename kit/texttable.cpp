#include "kit/texttable.h"

#include <QMessageBox>
#include <QVariant>
#include <QtGlobal>

namespace texttable {

namespace {

const char *propertyName(Property property)
{
    switch (property) {
    case Property::Text:
        return "text";
    case Property::ToolTip:
        return "toolTip";
    case Property::WhatsThis:
        return "whatsThis";
    case Property::Title:
        return "title";
    case Property::WindowTitle:
        return "windowTitle";
    }
    return nullptr;
}

} // namespace

void apply(QWidget *window, const Table &table, Language language)
{
    for (const Row &row : table) {
        const QString name = QString::fromLatin1(row.object);
        QObject *target =
            window->objectName() == name ? window : window->findChild<QObject *>(name);
        const QString text = row.text.in(language);
        const bool applied = target && target->setProperty(propertyName(row.property), text);
        Q_ASSERT_X(applied, "texttable::apply", row.object);
        if (!applied)
            qWarning("texttable: %s has no object %s with that property",
                     qPrintable(window->objectName()), row.object);
    }
}

std::optional<Language> loadedLanguage(QWidget *window, int code)
{
    const auto language = languageOf(code);
    if (!language)
        QMessageBox::critical(
            window, QStringLiteral("Load error"),
            QStringLiteral("Failed to load previously stored language, please try again."));
    return language;
}

} // namespace texttable
