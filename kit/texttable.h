#pragma once

#include "kit/bilingual.h"

#include <vector>

class QWidget;

// A window's texts as rows that name the widget, the property and both languages.
namespace texttable {

enum class Property {
    Text,
    ToolTip,
    WhatsThis,
    Title,
    WindowTitle,
};

struct Row
{
    const char *object;
    Property property;
    Bilingual text;
};

using Table = std::vector<Row>;

// Puts each row's text in language on the window's child of that object name,
// or on the window itself. A row naming no such object is a fault: it asserts
// in a debug build and is reported as a warning otherwise.
void apply(QWidget *window, const Table &table, Language language);

// The language a stored language code selects. Any other code shows the
// "Load error" box on the window and gives nothing.
std::optional<Language> loadedLanguage(QWidget *window, int code);

} // namespace texttable
