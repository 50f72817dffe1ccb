#pragma once

#include "kit/theme.h"

#include <QWidget>

class QDialog;

// How every window is built and every dialog opened.
namespace form {

// Builds a window's form over a theme (the whole dark theme unless another sheet is given):
// the theme first, so that the form's own sheets refine it.
template <typename Window, typename Form>
void build(Window *window, Form &form, const QString &sheet = theme::darkTheme())
{
    window->setStyleSheet(sheet);
    form.setupUi(window);
}

// Opens a dialog modal, within the room its screen has, and returns once it is closed.
void open(QDialog &dialog);

} // namespace form
