#pragma once

namespace desktop {

// Prepares the process for the user's desktop; call it before the QApplication is built.
// Every window scales as one on a high-DPI screen, and Qt's xcb plugin does not load the
// OpenGL stack, unless the user's environment already sets how either should be.
void prepare();

} // namespace desktop
