#include "app/theme.h"

namespace theme {

const QString &darkTheme()
{
    static const QString sheet;
    return sheet;
}

const QString &baseRules()
{
    static const QString sheet;
    return sheet;
}

} // namespace theme
