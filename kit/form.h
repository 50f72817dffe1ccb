#pragma once

#include "kit/theme.h"

#include <QWidget>

class QDialog;

// How every window is built and every dialog opened.
namespace form {

// Gives the window the program's icon, when the program has set one, in place of the one its
// form made: on X11 each icon made anew leaves a new picture in Qt's pixmap cache as its window
// shows, so a dialog opened again and again would fill the cache.
void useProgramIcon(QWidget *window);

// Builds a window's form over a theme (the whole dark theme unless another sheet is given):
// the theme first, so that the form's own sheets refine it.
template <typename Window, typename Form>
void build(Window *window, Form &form, const QString &sheet = theme::darkTheme())
{
    window->setStyleSheet(sheet);
    form.setupUi(window);
    useProgramIcon(window);
}

// Opens a dialog modal, within the room its screen has, and returns once it is closed.
void open(QDialog &dialog);

} // namespace form
