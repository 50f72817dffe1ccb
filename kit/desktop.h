#pragma once

namespace desktop {

// Prepares the process for the user's desktop; call it before the QApplication is built.
// Every window scales as one on a high-DPI screen, and Qt's xcb plugin does not load the
// OpenGL stack, unless the user's environment already sets how either should be.
void prepare();

// Whether the autostart entry ($XDG_CONFIG_HOME/autostart/tivora.desktop) exists that starts
// this program, in this working folder, in the background when the user logs in.
bool startsAtLogin();
// Writes or removes the entry; false when that failed and it stays as it was.
bool setStartAtLogin(bool on);

} // namespace desktop
