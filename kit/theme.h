#pragma once

#include <QString>

namespace theme {

// The whole dark theme, set on the top-level widget of every themed window.
const QString &darkTheme();

// The theme's three base rules (plain widget colours, item hover and selection).
const QString &baseRules();

// The marks of keyboard focus, the last rules of the theme.
const QString &focusRules();

// A checkable tool button's look, set on the button itself so that it wins over a form's own
// plain background.
const QString &toggleRules();

} // namespace theme
